#pragma once
// What the user is told when a transfer fails: the link's or the file's own error, and what to do.

#include "link/link_mode.h"
#include "link/transfer_outcome.h"

#include <QString>

namespace zel::ui {

enum class TransferDirection { Fetch, Export };

// The message box text for a transfer over `mode` that ended with `outcome` and `error` (the
// telnet `host` as typed); empty when nothing is to be shown. `turnedAway`: the unit refused the
// connection or closed it before it sent anything.
QString linkFailureMessage(link::LinkMode mode, TransferDirection direction, const QString& host,
                           link::TransferOutcome outcome, const QString& error,
                           bool turnedAway = false);

// The message for a connection to `host` that the unit refused or closed at once: another
// program may hold the unit's session. `error` is the link's own word, when it has one.
QString sessionHeldMessage(const QString& host, const QString& error);

} // namespace zel::ui
