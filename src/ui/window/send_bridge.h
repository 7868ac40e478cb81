#pragma once
// The window's side of the one send path: the read and the lines go over the window's link, the
// findings to the window's questions, each given as a function by the window.

#include "session/send/unit_send.h"

#include <functional>

namespace zel::ui {

class SendBridge : public session::send::UnitPort, public session::send::SendAnswers {
public:
    std::function<void()> read;
    std::function<void(const std::vector<std::string>&)> send;
    std::function<bool(const session::send::Finding&)> answer;

    void readUnit() override { read(); }
    void sendLines(const std::vector<std::string>& lines) override { send(lines); }
    bool goOn(const session::send::Finding& finding) override { return answer(finding); }
};

} // namespace zel::ui
