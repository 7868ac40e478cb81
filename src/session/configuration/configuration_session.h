#pragma once
// The configuration being edited, without any widget: the one ConfigModel, what is known of it
// beyond the model (loaded, whole, last delivered), the reader run that fills it, the writer's
// text of it, whether it holds unsaved edits, whether it may be sent to a unit, and the history
// of its edits for undo and redo. The window and its pages look at it; the link delivers what
// it writes.

#include "link/link_mode.h"
#include "model/config_model.h"
#include "model/config_reader.h"
#include "session/configuration/edit_step.h"
#include "session/configuration/loaded_configuration.h"
#include "session/configuration/model_snapshot_command.h"

#include <QDateTime>
#include <QObject>
#include <QStringList>

class QUndoStack;

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace zel::session {

// A configuration fetched whole from a unit: what that unit held then.
struct FetchedConfiguration {
    model::ConfigModel model;
    QString origin; // the unit, as status texts name it: "host: 192.0.2.7"
    QDateTime when;
};

class ConfigurationSession : public QObject {
    Q_OBJECT
public:
    // What stands in the way of sending the configuration over a link.
    enum class ExportVerdict {
        Send,
        NothingToSend,   // loaded, but nothing that was read set anything: refuse
        AskIfIncomplete, // it did not come whole from the unit, or its text did not set what a
                         // whole configuration sets: ask first
    };

    explicit ConfigurationSession(QObject* parent = nullptr);

    model::ConfigModel& model() { return m_model; }
    const model::ConfigModel& model() const { return m_model; }
    const LoadedConfiguration& loaded() const { return m_loaded; }

    // The model back to its blank state; nothing is loaded.
    void reset();
    // Reads `text` into the model. Whoever shows the model answers configurationRead() and
    // stores back what it shows before the result is taken as the loaded configuration.
    model::ReadSummary readerRun(const std::string& text);
    // The import behind the last reader run did not end with the end of the configuration.
    void markIncomplete(const std::string& reason) { m_loaded.markIncomplete(reason); }

    // Whether the model holds edits that were neither exported nor saved; pending edits are
    // asked for first.
    bool hasUnsavedEdits();
    // Whether the configuration may go over a link of `mode`. A file takes anything loaded, after
    // a question when the text read did not set all a whole configuration sets (saved, the file
    // would read back as whole). With no link chosen nothing leaves the window.
    ExportVerdict exportVerdict(link::LinkMode mode) const;
    // The names and addresses that a config line cannot carry, described one a line.
    QStringList uncarriedTexts() const;

    // Where the configuration being edited came from, as a report names it.
    const QString& origin() const { return m_origin; }
    void setOrigin(const QString& origin) { m_origin = origin; }
    // `text` came whole from the unit `origin` names, by an import or a comparison.
    void fetchedFromUnit(const std::string& text, const QString& origin,
                         const QDateTime& when = QDateTime::currentDateTime());
    // What a unit held when its configuration was last fetched whole; nothing when none was.
    const FetchedConfiguration* lastFetchedFromUnit() const;

    // The unit the link reaches now, as the journal names it ("tcp:HOST:PORT"); whole fetches
    // from now on are from it. Empty when the link reaches no unit.
    void setLinkUnit(const QString& unit) { m_linkUnit = unit; }
    // The first configuration fetched whole from `unit` (as the journal names it) since the
    // session started: where the visit began, which a report measures its changes from. Later
    // fetches, comparisons and sends leave it as it is; nothing when none was.
    const FetchedConfiguration* firstFetchedFrom(const QString& unit) const;
    // The units fetched from since the session started, the one fetched from last first.
    QStringList unitsFetchedFrom() const { return m_unitsFetched; }
    // When the session started: a journal entry from before is from an earlier visit.
    const QDateTime& startedAt() const { return m_startedAt; }

    // The writer's lines of the model as it is now, kept as the text of the export that starts.
    std::vector<std::string> exportLines();
    // That export's text is now on `unit`, or in a file when `unit` is empty.
    void exportDelivered(const std::string& unit);
    // A comparison found that `unit` holds the configuration as it is now being edited.
    void unitHoldsEdited(const std::string& unit);
    // Something else than what is edited was sent to `unit` (a journal entry restored): it no
    // longer holds an export of it.
    void unitOverwritten(const std::string& unit) { m_loaded.overwritten(unit); }

    // The history of edits since the configuration was loaded; emptied by every reset and
    // every reader run.
    QUndoStack* undoStack() const { return m_undoStack; }
    // The model holds a new edit, named by `step`: one step of the history, unless nothing
    // changed or nothing is loaded.
    void recordEdit(const EditStep& step);
    // Puts `replacement` in place of the model as one step of the history (the unit's
    // configuration taken, a value put back), and has it shown.
    void replaceModel(const model::ConfigModel& replacement, const EditStep& step);
    // The model as it is now is on `unit` (live mode ended with every block acknowledged).
    void deliveredToUnit(const std::string& unit);

signals:
    // The reader run has filled the model: show it (and `log`, the reader's account of it).
    void configurationRead(const model::ReadSummary& summary, const model::LogLines& log);
    // Edits shown but not yet in the model are wanted there now.
    void pendingEditsWanted();
    // Undo or redo replaced the model: show it again, bringing the record of `step` into view.
    void modelRestored(const EditStep& step);
    // The model changed by an edit, an undo or a redo, named by `step`, and is shown.
    void modelChanged(const EditStep& step);

private:
    std::string writerText() const;
    // The history starts anew from the model as it is now.
    void startHistory();
    void restore(const ModelSnapshot& snapshot, const EditStep& step);

    model::ConfigModel m_model;
    LoadedConfiguration m_loaded;
    std::string m_exportedText; // the text of the export running or last run
    QUndoStack* m_undoStack;
    // The model as the last step of the history left it; the next edit starts from it.
    ModelSnapshot m_recorded;
    bool m_restoring = false;
    QString m_origin;
    std::optional<FetchedConfiguration> m_fetched; // the last fetched, kept across resets
    QString m_linkUnit;
    std::map<QString, FetchedConfiguration> m_firstFetched; // by unit, kept across resets
    QStringList m_unitsFetched;
    QDateTime m_startedAt = QDateTime::currentDateTimeUtc();
};

} // namespace zel::session
