#pragma once
// What the user is told when a transfer fails: the link's or the file's own error, and what to do.

#include "link/link_mode.h"
#include "link/transfer_outcome.h"

#include <QString>

namespace zel::ui {

enum class TransferDirection { Fetch, Export };

// The message box text for a transfer over `mode` that ended with `outcome` and `error` (the
// telnet `host` as typed); empty when nothing is to be shown.
QString linkFailureMessage(link::LinkMode mode, TransferDirection direction, const QString& host,
                           link::TransferOutcome outcome, const QString& error);

} // namespace zel::ui
