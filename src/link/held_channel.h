#pragma once
// A transfer's use of a link that stays open between transfers (live mode): the transfer reads
// and writes the held channel's device, hears it closed by the unit, and leaves it open at its
// end. Only the first transfer after the link was opened makes the handshake.

#include "link/link_channel.h"

namespace zel::link {

class HeldChannel : public LinkChannel {
    Q_OBJECT
public:
    // `held` must outlive this channel.
    HeldChannel(LinkChannel& held, bool handshake, QObject* parent = nullptr);

    const LinkPolicy& policy() const override { return m_policy; }
    QIODevice* device() override { return m_held.device(); }
    bool isOpen() const override { return m_held.isOpen(); }
    // opened() when the held link is open, else openFailed(); never before returning.
    void open() override;
    void close() override {} // the link stays open for the next transfer

private:
    LinkChannel& m_held;
    LinkPolicy m_policy;
};

} // namespace zel::link
