#include "ui/window/link_failure_message.h"

#include <QObject>

namespace zel::ui {

using link::LinkMode;

QString linkFailureMessage(LinkMode mode, TransferDirection direction, const QString& host,
                           link::TransferOutcome outcome, const QString& error)
{
    switch (mode) {
    case LinkMode::Telnet:
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
