#pragma once
// "History...": the unit journal in its dialog, and what is done with an entry, from there or
// from a site's history: "Open" reads it into the editor as an import reads, "Compare" compares
// it with the configuration being edited, "Restore to Unit" sends it as it was over the chosen
// link, with the guards of an export, and "Keep" keeps it from the journal's bound.

#include "journal/journal_entry.h"
#include "session/restore/unit_history.h"
#include "ui/history/kept_configuration.h"

#include <QObject>

#include <functional>
#include <optional>

class QWidget;

namespace zel::session {
class ConfigurationSession;
}

namespace zel::ui {

class HistoryDialog;
class LinkController;
class SendController;
class UnitCommitsController;
class UnitComparison;
class UserPrompts;

// What the journal's commands need of the window they belong to.
struct HistoryWindowSide {
    QWidget& window; // the dialog's parent
    session::ConfigurationSession& configuration;
    LinkController& link;
    UnitComparison& comparison;
    SendController& sends;
    std::function<UserPrompts&()> prompts; // as they are when asked: tests replace them
    // A command's work with a unit has not ended, or live mode holds the unit.
    std::function<bool()> unitBusy;
    // True when nothing would be lost, or the user agrees to `question`.
    std::function<bool(const QString& question)> confirmDiscardingEdits;
    // What is edited replaced by `text` ("\n" line breaks), read as an import reads it.
    std::function<void(const QString& text)> loadText;
    // Stores what the pages show into the model, then shows the names again.
    std::function<void()> commitEdits;
    std::function<void(const QString&)> showStatus;
    // Where the open site's history keeps the unit the journal names `unitName`; nothing when no
    // open site names it, or, with `why` set, when its site keeps no history of it.
    std::function<std::optional<session::UnitHistoryPlace>(const QString& unitName, QString& why)>
        historyPlaceOf;
};

class HistoryController : public QObject {
    Q_OBJECT
public:
    explicit HistoryController(HistoryWindowSide window, QObject* parent = nullptr);

    // The "History" dialog; null before it was first shown.
    HistoryDialog* dialog() const { return m_dialog; }
    // How the dialog heads a unit's entries: by the open site's name for it (HistoryDialog).
    void setUnitNames(std::function<QString(const QString& unit)> names);
    // "Restore to Unit" follows the link and whether the unit is busy.
    void updateCommands();

public slots:
    void showHistory();
    // "Open": asks first when that would discard unsaved edits. False when it was not opened.
    bool openEntry(const zel::journal::Entry& entry);
    // "Compare": the entry compared with the configuration being edited.
    void compareEntry(const zel::journal::Entry& entry);
    // "Restore to Unit": the entry sent over the chosen link, after a question that names the
    // unit and the entry's time. The editor is left as it is.
    void restoreEntry(const zel::journal::Entry& entry);
    // Keeps the entry from the journal's bound, or lets the bound drop it again.
    void keepEntry(const zel::journal::Entry& entry, bool kept);
    // The same three of a configuration kept earlier: a journal entry's, or a site unit's at a
    // commit of its site's history.
    bool openKept(const zel::ui::KeptConfiguration& kept);
    void compareKept(const zel::ui::KeptConfiguration& kept);
    void restoreKept(const zel::ui::KeptConfiguration& kept);
    // What a History dialog's commits ask for is done here; Restore goes to the site's unit.
    void takeCommitRequests(zel::ui::UnitCommitsController* commits);

private:
    // An entry with its text; nothing, after saying why, when it cannot be read.
    std::optional<KeptConfiguration> keptEntry(const journal::Entry& entry);
    // Lists the journal off the window's thread, after what is queued to be written.
    void showEntries();
    void onKept(const journal::Entry& entry, bool kept, const QString& error);

    HistoryWindowSide m_window;
    HistoryDialog* m_dialog = nullptr;
    std::function<QString(const QString& unit)> m_unitNames;
    // The commits of the site's unit the link reaches, in the History dialog.
    UnitCommitsController* m_commits = nullptr;
};

} // namespace zel::ui
