#pragma once
// A transfer's way over the serial port that the window keeps open between transfers.

#include "link/link_channel.h"

namespace zel::link {

class SerialEndpoint;

class SerialChannel : public LinkChannel {
    Q_OBJECT
public:
    // Whether open() opens the port again, by the name it was last opened with, when it was lost.
    enum class OnClosedPort { Fail, Reopen };

    // `endpoint` must outlive the channel.
    explicit SerialChannel(SerialEndpoint& endpoint, OnClosedPort rule = OnClosedPort::Fail,
                           QObject* parent = nullptr);

    const LinkPolicy& policy() const override { return m_policy; }
    QIODevice* device() override;
    bool isOpen() const override;
    void open() override; // opened() when the port is open, else openFailed()
    // The port stays open between transfers; only an open() still on its way is called off.
    void close() override { m_closed = true; }

private:
    SerialEndpoint& m_endpoint;
    OnClosedPort m_rule;
    bool m_closed = false;
    LinkPolicy m_policy;
};

} // namespace zel::link
