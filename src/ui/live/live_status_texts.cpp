#include "ui/live/live_status_texts.h"

#include <QObject>

#include <algorithm>

namespace zel::ui::live {

using session::LiveState;

namespace {

QString changes(int count)
{
    return count == 1 ? QObject::tr("1 change") : QObject::tr("%1 changes").arg(count);
}

} // namespace

QString stateText(const session::LiveStatus& status, const QDateTime& now)
{
    switch (status.state) {
    case LiveState::Off:
        return {};
    case LiveState::Starting:
        return QObject::tr("Live: connecting to %1 and comparing").arg(status.peer);
    case LiveState::InSync:
        if (!status.lastRead.isValid())
            return QObject::tr("Live: in sync with %1").arg(status.peer);
        return QObject::tr("Live: in sync with %1, read %2 s ago")
            .arg(status.peer)
            .arg(std::max<qint64>(0, status.lastRead.secsTo(now)));
    case LiveState::AwaitingRead:
        return QObject::tr("Live: awaiting the next read of %1").arg(status.peer);
    case LiveState::Reading:
        return status.pending > 0 ? QObject::tr("Live: reading the unit; %1 waiting for the read")
                                        .arg(changes(status.pending))
                                  : QObject::tr("Live: reading the unit");
    case LiveState::ReadingBack:
        return QObject::tr("Live: reading the unit back before leaving");
    case LiveState::Sending:
        return QObject::tr("Live: sending (%1 pending)").arg(status.pending);
    case LiveState::NotApplied:
        return QObject::tr("Live: not applied (%1)").arg(status.notApplied);
    case LiveState::NetworkHeld:
        return QObject::tr("Live: the network settings differ from the unit's (not sent live; "
                           "Export sends them)");
    case LiveState::LinkLost: {
        QString text = QObject::tr("Live: link lost (%1)").arg(status.reason);
        if (status.retrySeconds > 0)
            text += QObject::tr(", reconnecting within %1 s").arg(status.retrySeconds);
        const int waiting = status.pending + status.notApplied;
        if (waiting > 0)
            text += QObject::tr("; %1 not on the unit").arg(changes(waiting));
        return text;
    }
    case LiveState::Checking:
        return QObject::tr("Live: link back, comparing the unit with what it was sent");
    case LiveState::UnitDiffers:
        return QObject::tr("Live: unit differs");
    case LiveState::Ending:
        return QObject::tr("Live: leaving once %1 sent").arg(changes(status.pending));
    }
    return {};
}

QString endText(const session::LiveEnd& end)
{
    if (!end.began)
        return QObject::tr(" Live mode cancelled before it started");
    QString text = QObject::tr(" Live mode ended");
    if (end.pending > 0)
        text += end.finished ? QObject::tr(" after sending %1 pending").arg(changes(end.pending))
                             : QObject::tr("; %1 pending cancelled").arg(changes(end.pending));
    if (end.notSent > 0)
        text += QObject::tr(": %1 not applied on the unit").arg(changes(end.notSent));
    else if (end.unitHoldsEdited)
        text += QObject::tr(": the unit, read back, holds the configuration being edited");
    else if (end.readBack)
        text += QObject::tr(": the unit, read back, differs from the configuration being edited");
    else
        text += QObject::tr(": the unit was not read back");
    if (!end.journalError.isEmpty())
        text += QObject::tr("; the journal cannot be written (%1)").arg(end.journalError);
    return text;
}

QString startFailedText(const QString& why)
{
    return QObject::tr("Live mode could not start: %1").arg(why);
}

QString raiseQuestion(const std::vector<session::VolumeRaise>& raises, int limitDb)
{
    QStringList zones;
    for (const session::VolumeRaise& raise : raises)
        zones << QObject::tr("zone %1 from %2 dB to %3 dB")
                     .arg(raise.zone)
                     .arg(raise.fromDb)
                     .arg(raise.toDb);
    return QObject::tr("Raise the volume on the unit now, by more than %1 dB at once: %2?\n\n"
                       "OK sends it. Cancel keeps the volume the unit has and sends the rest.")
        .arg(limitDb)
        .arg(zones.join(QStringLiteral(", ")));
}

QString differsQuestion(session::LiveSession::Found found, int count, bool canSendEdited)
{
    using Found = session::LiveSession::Found;
    const bool atStart = found == Found::AtStart;
    QString text;
    if (atStart)
        text = QObject::tr("The unit's configuration differs from the one being edited in %1 "
                           "(listed under Show Details).")
                   .arg(changes(count));
    else if (found == Found::LinkBack)
        text = QObject::tr("The link came back, and the unit's configuration is not what it "
                           "was sent: it differs from the one being edited in %1 (listed under "
                           "Show Details). The unit may have been switched off and on, or "
                           "changed at its front panel.")
                   .arg(changes(count));
    else
        text = QObject::tr("The unit, read again, is not what it was sent: it differs from the "
                           "one being edited in %1 (listed under Show Details). It may have been "
                           "changed at its front panel or by another program.")
                   .arg(changes(count));
    text += canSendEdited ? QObject::tr("\n\nSend the edited values to the unit, or take the "
                                        "unit's configuration into the editor?")
                          : QObject::tr("\n\nThe unit has other zones or sources than the "
                                        "configuration being edited: take the unit's "
                                        "configuration into the editor?");
    text += atStart ? QObject::tr(" Cancel does not go live.")
                    : QObject::tr(" Cancel leaves live "
                                  "mode.");
    return text;
}

QString closeWhileLiveQuestion()
{
    return QObject::tr("Live mode is on. Leave live mode and close the window?\n\nWhat is "
                       "pending is sent first, and the unit is read back before the window "
                       "closes.");
}

QString heldElsewhereText(const QString& heldBy)
{
    return QObject::tr("Live mode is on for this unit in another window: %1. Leave live mode "
                       "there first.")
        .arg(heldBy);
}

QString closedWithUnsentText(int notSent)
{
    return QObject::tr("Live mode ended as the window closed: %1 did not reach the unit and "
                       "%2 cancelled.")
        .arg(changes(notSent), notSent == 1 ? QObject::tr("was") : QObject::tr("were"));
}

QString anotherUnitQuestion(const session::IdentityMismatch& mismatch, bool atStart)
{
    const QString units = QObject::tr("This configuration: %1.\nAt %2: %3.")
                              .arg(mismatch.configuration, mismatch.unit, mismatch.atAddress);
    if (atStart)
        return QObject::tr("The unit at %1 does not look like the unit this configuration came "
                           "from.\n\n%2\n\nGo live on it anyway? Every edit would reach it as it "
                           "is made.")
            .arg(mismatch.unit, units);
    return QObject::tr("The unit at %1, read again, does not look like the unit this configuration "
                       "came from: it may have been swapped.\n\n%2\n\nStay live on it anyway? "
                       "Nothing has been sent to it.")
        .arg(mismatch.unit, units);
}

} // namespace zel::ui::live
