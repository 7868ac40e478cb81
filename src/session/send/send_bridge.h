#pragma once
// The one send path's port and answers as functions, for a caller that reads, sends and asks with
// what it has at hand (the window: its link and its questions).

#include "session/send/unit_send.h"

#include <functional>

namespace zel::session::send {

class SendBridge : public UnitPort, public SendAnswers {
public:
    std::function<void()> read;
    std::function<void(const std::vector<std::string>&)> send;
    std::function<bool(const Finding&)> answer;

    void readUnit() override { read(); }
    void sendLines(const std::vector<std::string>& lines) override { send(lines); }
    bool goOn(const Finding& finding) override { return answer(finding); }
};

} // namespace zel::session::send
