#pragma once
// What the window says of live mode: the state line, how live mode ended, why it could not
// start, and the questions it asks.

#include "session/live/live_session.h"
#include "session/live/live_types.h"

#include <QDateTime>

#include <QString>
#include <QStringList>

#include <vector>

namespace zel::ui::live {

// The state line while live: "Live: in sync with host: H", "Live: sending (2 pending)", ...
// Empty when live mode is off. In sync says how long ago, at `now`, the unit was last read.
QString stateText(const session::LiveStatus& status,
                  const QDateTime& now = QDateTime::currentDateTimeUtc());
// The status line when live mode has ended, saying whether what was pending was sent or
// cancelled.
QString endText(const session::LiveEnd& end);
// The message box when live mode could not start.
QString startFailedText(const QString& why);
// The question before a send raises volumes by more than `limitDb`.
QString raiseQuestion(const std::vector<session::VolumeRaise>& raises, int limitDb);
// The question when the unit and the configuration being edited differ.
QString differsQuestion(session::LiveSession::Found found, int count, bool canSendEdited);
// The question before the window closes while live.
QString closeWhileLiveQuestion();
// The message when another window holds live mode on the unit.
QString heldElsewhereText(const QString& heldBy);
// The message box when the window is closed while live and something was not sent.
QString closedWithUnsentText(int notSent);
// The question when the unit read is not the one the configuration came from: before going live
// (`atStart`), or while live, naming both units.
QString anotherUnitQuestion(const session::IdentityMismatch& mismatch, bool atStart);

} // namespace zel::ui::live
