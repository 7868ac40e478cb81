#pragma once
// A site unit's journal entries listed in a History dialog: every entry of the unit, whatever
// address it was made at, fetches, sends, parts sent and restores alike, listed again whenever
// the journal keeps a new entry while the dialog is shown. Telling the entries of one unit reads
// the unit directory and may fingerprint every whole configuration's text, so it runs off the
// window's thread, after the journal's writes already asked for.

#include "session/site/site_file.h"
#include "ui/transfer/background_queue.h"

#include <QObject>

namespace zel::ui {

class HistoryDialog;

class UnitHistoryListing : public QObject {
    Q_OBJECT
public:
    // Lists in `dialog`, which owns the listing; `work` must outlive it.
    UnitHistoryListing(BackgroundQueue& work, HistoryDialog* dialog);

    // Shows the entries of `unit` once read.
    void list(const session::SiteUnit& unit);
    const session::SiteUnit& unit() const { return m_unit; }

public slots:
    // The journal may hold more of the unit: listed again while the dialog is shown.
    void refresh();

private:
    BackgroundQueue& m_work;
    HistoryDialog* m_dialog;
    session::SiteUnit m_unit;
};

} // namespace zel::ui
