#pragma once
// A site unit's journal entries listed in a History dialog. Telling the entries of one unit reads
// the unit directory and may fingerprint every whole fetch's text, so it runs off the window's
// thread, after the journal's writes already asked for.

#include "session/site/site_file.h"
#include "ui/transfer/background_queue.h"

namespace zel::ui {

class HistoryDialog;

// Shows the entries of `unit` in `dialog` once read; nothing when the dialog is gone by then.
void listUnitHistory(BackgroundQueue& work, const session::SiteUnit& unit, HistoryDialog* dialog);

} // namespace zel::ui
