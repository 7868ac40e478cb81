#pragma once
// The window's work with many units: "Find Units..." (the unit chosen gives the link mode and
// address), "New Site" and "Open Site..." (the site window), and what the site window's rows ask
// of the editor: open a unit's backup or the unit itself, compare a backup, restore an entry to
// the unit of its row.

#include "journal/journal_entry.h"
#include "session/restore/unit_history.h"
#include "session/unit/site_link.h"

#include <QObject>

#include <functional>
#include <optional>

class QWidget;

namespace zel::ui {

class FindUnitsDialog;
class HistoryController;
class LinkController;
class SiteWindow;
class UserPrompts;

// What the work with sites needs of the window it belongs to.
struct SiteWindowSide {
    QWidget& window; // the parent of the site window and the dialog
    LinkController& link;
    HistoryController& history; // opens, compares, restores and keeps entries
    std::function<UserPrompts&()> prompts;
    // A command's work with a unit has not ended, or live mode holds the unit.
    std::function<bool()> unitBusy;
    // "Import" from the link chosen.
    std::function<void()> importConfiguration;
    // The unit live mode holds, as the journal names it; empty when it is off.
    std::function<QString()> liveUnit;
    std::function<QString()> statusText;
    std::function<void(const QString&)> showStatus;
};

class SiteController : public QObject {
    Q_OBJECT
public:
    explicit SiteController(SiteWindowSide window, QObject* parent = nullptr);

    // The "Find Units" dialog and the site window; null before they were first shown.
    FindUnitsDialog* findUnitsDialog() const { return m_findUnits; }
    SiteWindow* siteWindow() const { return m_siteWindow; }
    // The site window and the dialog ask with `prompts` from now on.
    void setPrompts(UserPrompts& prompts);
    // Where the open site's history keeps the unit the journal names `unitName`; nothing when no
    // site is open or it names no such unit, or, with `why` set, when it keeps no history of it.
    std::optional<session::UnitHistoryPlace> historyPlaceOf(const QString& unitName,
                                                            QString& why) const;
    // Closes the site window (it asks before unsaved changes are lost); false when it stays.
    bool closeSiteWindow();

public slots:
    void showFindUnits();
    // The site window, as it was left or empty when first shown.
    SiteWindow* showSiteWindow();
    // "New Site": the site window, emptied unless it holds changes or runs.
    void newSite();
    // "Open Site...": the site window with the site file the user picks.
    void openSite();
    // A site's "Open": the unit's last backup into the editor (or, without one, an import from
    // it), with the link set to the unit.
    void openSiteUnit(const std::optional<zel::journal::Entry>& backup,
                      const zel::session::SiteLink& link);
    // Live mode started or ended: the rows say on which unit, the History what it kept.
    void showLiveUnit();

signals:
    // The link was set for a unit: the commands follow it, "Live" among them.
    void linkChosen();

private:
    SiteWindowSide m_window;
    FindUnitsDialog* m_findUnits = nullptr;
    SiteWindow* m_siteWindow = nullptr;
};

} // namespace zel::ui
