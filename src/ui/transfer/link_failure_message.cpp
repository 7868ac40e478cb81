#include "ui/transfer/link_failure_message.h"

#include <QObject>

namespace zel::ui {

using link::LinkMode;

QString sessionHeldMessage(const QString& host, const QString& error)
{
    const QString said = error.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(error);
    return QObject::tr(
               "The unit at host %1 refused the connection or closed it at once%2.\n\n"
               "Another program may hold the unit's session: a unit, or a serial-to-network "
               "bridge, that serves one client at a time turns a second one away. Close "
               "the other program's connection to the unit, then try again.")
        .arg(host, said);
}

QString linkFailureMessage(LinkMode mode, TransferDirection direction, const QString& host,
                           link::TransferOutcome outcome, const QString& error, bool turnedAway)
{
    switch (mode) {
    case LinkMode::Telnet:
        if (turnedAway)
            return sessionHeldMessage(host, error);
        return QObject::tr("The telnet link to host %1 failed: %2\n\n"
                           "Check the host name or address and that the unit is on the "
                           "network, then try again.")
            .arg(host, error);
    case LinkMode::Serial:
        // A lost port is told once, when the port itself says so.
        if (outcome == link::TransferOutcome::ConnectionClosed)
            return {};
        return QObject::tr("The serial link failed: %1\n\n"
                           "Choose \"Serial Mode\" to open the port again.")
            .arg(error);
    case LinkMode::File:
        if (direction == TransferDirection::Export)
            return error + QObject::tr("\n\nThe file was left as it was. Choose another file or "
                                       "folder and export again.");
        return error;
    case LinkMode::None:
        break;
    }
    return {};
}

} // namespace zel::ui
