#pragma once
// The window's work with many units: "Find Units..." (the unit chosen gives the link mode and
// address; the units ticked join the open site, or a new one), "New Site" and "Open Site..."
// (the site window), and what the site window's rows ask of the editor: open a unit's backup or
// the unit itself (the editor comes to the front, naming the unit), compare a backup, restore an
// entry to the unit of its row.

#include "journal/journal_entry.h"
#include "session/find/probe_scan.h"
#include "session/restore/unit_history.h"
#include "session/site/site_file.h"
#include "session/unit/site_link.h"
#include "session/unit/unit_naming.h"
#include "ui/site/add_found_units_dialog.h"

#include <QObject>
#include <QPointer>

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
    // The "Add to Site" dialog while it is open; null otherwise.
    AddFoundUnitsDialog* addFoundUnitsDialog() const { return m_addFound; }
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
    // "Add to Site...": the units found, named from what each holds, join the open site window's
    // site in one step, or a new site's when no site window is open.
    void addFoundUnits(const QList<zel::session::FoundUnit>& found);
    // The site window, as it was left or empty when first shown.
    SiteWindow* showSiteWindow();
    // "New Site": the site window, emptied unless it holds changes or runs.
    void newSite();
    // "Open Site...": the site window with the site file the user picks.
    void openSite();
    // A site's "Open": the unit's last backup into the editor (or, without one, an import from
    // it), with the link set to the unit; the editor comes to the front, naming the unit.
    void openSiteUnit(const std::optional<zel::journal::Entry>& backup,
                      const zel::session::SiteLink& link);
    // Live mode started or ended: the rows say on which unit, the History what it kept.
    void showLiveUnit();

signals:
    // The link was set for a unit: the commands follow it, "Live" among them.
    void linkChosen();
    // The editor works with a site's unit now, the link set to it.
    void siteUnitOpened(const zel::session::NamedSiteUnit& unit);
    // The site window's site or a unit of it may have been renamed: each unit as named now.
    void siteUnitRenamed(const zel::session::NamedSiteUnit& unit);

private:
    // Adds `units` to the open site window's site, else to a new site's; false after saying why
    // they could not be added.
    bool addUnitsToSite(const QList<session::SiteUnit>& units);
    void bringEditorToFront();
    void tellUnitNames();

    SiteWindowSide m_window;
    FindUnitsDialog* m_findUnits = nullptr;
    SiteWindow* m_siteWindow = nullptr;
    QPointer<AddFoundUnitsDialog> m_addFound; // gone with Find Units, should that close first
};

} // namespace zel::ui
