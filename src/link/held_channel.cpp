#include "link/held_channel.h"

#include <QTimer>

namespace zel::link {

HeldChannel::HeldChannel(LinkChannel& held, bool handshake, QObject* parent)
    : LinkChannel(parent), m_held(held), m_policy(heldPolicy(held.policy(), handshake))
{
    connect(&held, &LinkChannel::closedByPeer, this, &LinkChannel::closedByPeer);
}

void HeldChannel::open()
{
    QTimer::singleShot(0, this, [this] {
        if (m_held.isOpen())
            emit opened();
        else
            emit openFailed(m_policy.connectionLostWhy);
    });
}

} // namespace zel::link
