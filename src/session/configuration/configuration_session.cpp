#include "session/configuration/configuration_session.h"

#include "text/latin1_text.h"

#include "model/carried_text.h"
#include "model/config_writer.h"
#include "model/model_reset.h"
#include "model/whole_configuration.h"

#include <QScopedValueRollback>
#include <QUndoStack>

namespace zel::session {

namespace {
// Each step holds a snapshot of the model (about 90 KB, shared with the step before it).
constexpr int kUndoLimit = 100;
} // namespace

ConfigurationSession::ConfigurationSession(QObject* parent)
    : QObject(parent), m_undoStack(new QUndoStack(this))
{
    m_undoStack->setUndoLimit(kUndoLimit);
    startHistory();
}

void ConfigurationSession::reset()
{
    model::resetModel(m_model);
    m_loaded.clear();
    startHistory();
    m_origin.clear();
}

model::ReadSummary ConfigurationSession::readerRun(const std::string& text)
{
    model::LogLines log;
    const model::ReadSummary summary = model::readText(m_model, text, log);
    model::markUnavailableGroups(m_model);
    emit configurationRead(summary, log);
    // Taken after the pages stored back what they show, so that showing it is no edit, and so
    // that a value a page makes up for a setting the text did not set counts as missing.
    m_loaded.loaded(summary.settingLines, writerText());
    m_loaded.setMissingParts(model::missingFromWhole(m_model, summary.coverage));
    startHistory();
    return summary;
}

void ConfigurationSession::startHistory()
{
    m_undoStack->clear();
    m_recorded = std::make_shared<const model::ConfigModel>(m_model);
}

void ConfigurationSession::recordEdit(const EditStep& step)
{
    // Showing a restored model is no edit of its own.
    if (!m_loaded.isLoaded() || m_restoring || m_model == *m_recorded)
        return;
    auto edited = std::make_shared<const model::ConfigModel>(m_model);
    m_undoStack->push(new ModelSnapshotCommand(
        m_recorded, edited, step, [this](const ModelSnapshot& snapshot, const EditStep& shown) {
            restore(snapshot, shown);
        }));
    m_recorded = std::move(edited);
    emit modelChanged(step);
}

void ConfigurationSession::replaceModel(const model::ConfigModel& replacement, const EditStep& step)
{
    if (!m_loaded.isLoaded())
        return;
    m_model = replacement;
    {
        const QScopedValueRollback restoring(m_restoring, true);
        emit modelRestored(step);
    }
    recordEdit(step);
}

void ConfigurationSession::deliveredToUnit(const std::string& unit)
{
    m_loaded.delivered(writerText(), unit);
}

void ConfigurationSession::restore(const ModelSnapshot& snapshot, const EditStep& step)
{
    m_model = *snapshot;
    {
        const QScopedValueRollback restoring(m_restoring, true);
        emit modelRestored(step);
    }
    // What the pages show is the model now (a level beyond a slider's range is held clamped).
    m_recorded =
        m_model == *snapshot ? snapshot : std::make_shared<const model::ConfigModel>(m_model);
    emit modelChanged(step);
}

bool ConfigurationSession::hasUnsavedEdits()
{
    if (!m_loaded.isLoaded())
        return false;
    emit pendingEditsWanted();
    return m_loaded.isEdited(writerText());
}

ConfigurationSession::ExportVerdict ConfigurationSession::exportVerdict(link::LinkMode mode) const
{
    const bool partial = !m_loaded.missingParts().empty();
    switch (mode) {
    case link::LinkMode::None:
        return ExportVerdict::Send;
    case link::LinkMode::File:
        return partial ? ExportVerdict::AskIfIncomplete : ExportVerdict::Send;
    case link::LinkMode::Serial:
    case link::LinkMode::Telnet:
        break;
    }
    if (m_loaded.holdsNothingRead())
        return ExportVerdict::NothingToSend;
    return m_loaded.isIncomplete() || partial ? ExportVerdict::AskIfIncomplete
                                              : ExportVerdict::Send;
}

QStringList ConfigurationSession::uncarriedTexts() const
{
    QStringList findings;
    for (const model::UncarriedText& found : model::uncarriedTexts(m_model))
        findings << text::fromLatin1(model::describeUncarried(found));
    return findings;
}

void ConfigurationSession::fetchedFromUnit(const std::string& text, const QString& origin,
                                           const QDateTime& when)
{
    FetchedConfiguration fetched{{}, origin, when};
    model::resetModel(fetched.model);
    model::LogLines log;
    model::readText(fetched.model, text, log);
    model::markUnavailableGroups(fetched.model);
    if (!m_linkUnit.isEmpty()) {
        m_firstFetched.try_emplace(m_linkUnit, fetched);
        m_unitsFetched.removeOne(m_linkUnit);
        m_unitsFetched.prepend(m_linkUnit);
    }
    m_fetched = std::move(fetched);
}

const FetchedConfiguration* ConfigurationSession::lastFetchedFromUnit() const
{
    return m_fetched ? &*m_fetched : nullptr;
}

const FetchedConfiguration* ConfigurationSession::firstFetchedFrom(const QString& unit) const
{
    const auto first = m_firstFetched.find(unit);
    return first == m_firstFetched.end() ? nullptr : &first->second;
}

std::vector<std::string> ConfigurationSession::exportLines()
{
    std::vector<std::string> lines = model::writeConfiguration(m_model);
    m_exportedText = model::joinLines(lines, "\n");
    return lines;
}

void ConfigurationSession::exportDelivered(const std::string& unit)
{
    m_loaded.delivered(m_exportedText, unit);
}

void ConfigurationSession::unitHoldsEdited(const std::string& unit)
{
    m_loaded.delivered(writerText(), unit);
}

std::string ConfigurationSession::writerText() const
{
    return model::joinLines(model::writeConfiguration(m_model), "\n");
}

} // namespace zel::session
