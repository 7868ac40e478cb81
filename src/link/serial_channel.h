#pragma once
// A transfer's way over the serial port that the window keeps open between transfers.

#include "link/link_channel.h"

namespace zel::link {

class SerialEndpoint;

class SerialChannel : public LinkChannel {
    Q_OBJECT
public:
    // `endpoint` must outlive the channel.
    explicit SerialChannel(SerialEndpoint& endpoint, QObject* parent = nullptr);

    const LinkPolicy& policy() const override { return m_policy; }
    QIODevice* device() override;
    bool isOpen() const override;
    void open() override;    // opened() when the port is open, else openFailed()
    void close() override {} // the port stays open between transfers

private:
    SerialEndpoint& m_endpoint;
    LinkPolicy m_policy;
};

} // namespace zel::link
