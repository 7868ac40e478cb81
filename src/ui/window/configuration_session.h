#pragma once
// The configuration being edited, without any widget: the one ConfigModel, what is known of it
// beyond the model (loaded, whole, last delivered), the reader run that fills it, the writer's
// text of it, whether it holds unsaved edits, and whether it may be sent to a unit. The window
// and its pages look at it; the link delivers what it writes.

#include "link/link_mode.h"
#include "model/config_model.h"
#include "model/config_reader.h"
#include "ui/window/loaded_configuration.h"

#include <QDateTime>
#include <QObject>
#include <QStringList>

#include <optional>
#include <string>
#include <vector>

namespace zel::ui {

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
        AskIfIncomplete, // it did not come whole from the unit: ask first
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
    // Whether the configuration may go over a link of `mode`; a file takes anything loaded.
    ExportVerdict exportVerdict(link::LinkMode mode) const;
    // The names and addresses that a config line cannot carry, described one a line.
    QStringList uncarriedTexts() const;

    // Where the configuration being edited came from, as a report names it.
    const QString& origin() const { return m_origin; }
    void setOrigin(const QString& origin) { m_origin = origin; }
    // `text` came whole from the unit `origin` names, by an import or a comparison.
    void fetchedFromUnit(const std::string& text, const QString& origin);
    // What a unit held when its configuration was last fetched whole; nothing when none was.
    const FetchedConfiguration* lastFetchedFromUnit() const;

    // The writer's lines of the model as it is now, kept as the text of the export that starts.
    std::vector<std::string> exportLines();
    // That export's text is now on `unit`, or in a file when `unit` is empty.
    void exportDelivered(const std::string& unit);

signals:
    // The reader run has filled the model: show it (and `log`, the reader's account of it).
    void configurationRead(const model::ReadSummary& summary, const model::LogLines& log);
    // Edits shown but not yet in the model are wanted there now.
    void pendingEditsWanted();

private:
    std::string writerText() const;

    model::ConfigModel m_model;
    LoadedConfiguration m_loaded;
    std::string m_exportedText; // the text of the export running or last run
    QString m_origin;
    std::optional<FetchedConfiguration> m_fetched; // the last fetched, kept across resets
};

} // namespace zel::ui
