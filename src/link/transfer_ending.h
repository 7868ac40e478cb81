#pragma once
// How a send that did not end whole ended, in the words the journal keeps for the window and
// zeltool alike. (A fetch's are the transfer's own: FetchTransfer::incompleteReason().)

#include "link/transfer_outcome.h"

#include <QString>

namespace zel::link {

// "the unit answered ERROR at line 134 of 515, acknowledged up to line 133"; lines are counted
// from 1 with the empty ones, 0 before the first.
QString sendEnding(TransferOutcome outcome, int line, int lineCount, int lastAcknowledgedLine);

} // namespace zel::link
