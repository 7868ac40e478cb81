#include "ui/window/configuration_session.h"

#include "link/latin1_text.h"

#include "model/carried_text.h"
#include "model/config_writer.h"
#include "model/model_reset.h"

namespace zel::ui {

ConfigurationSession::ConfigurationSession(QObject* parent) : QObject(parent) {}

void ConfigurationSession::reset()
{
    model::resetModel(m_model);
    m_loaded.clear();
    m_origin.clear();
}

model::ReadSummary ConfigurationSession::readerRun(const std::string& text)
{
    model::LogLines log;
    const model::ReadSummary summary = model::readText(m_model, text, log);
    model::markUnavailableGroups(m_model);
    emit configurationRead(summary, log);
    // Taken after the pages stored back what they show, so that showing it is no edit.
    m_loaded.loaded(summary.settingLines, writerText());
    return summary;
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
    if (mode != link::LinkMode::Serial && mode != link::LinkMode::Telnet)
        return ExportVerdict::Send;
    if (m_loaded.holdsNothingRead())
        return ExportVerdict::NothingToSend;
    return m_loaded.isIncomplete() ? ExportVerdict::AskIfIncomplete : ExportVerdict::Send;
}

QStringList ConfigurationSession::uncarriedTexts() const
{
    QStringList findings;
    for (const model::UncarriedText& found : model::uncarriedTexts(m_model))
        findings << link::fromLatin1(model::describeUncarried(found));
    return findings;
}

void ConfigurationSession::fetchedFromUnit(const std::string& text, const QString& origin)
{
    FetchedConfiguration fetched{{}, origin, QDateTime::currentDateTime()};
    model::resetModel(fetched.model);
    model::LogLines log;
    model::readText(fetched.model, text, log);
    model::markUnavailableGroups(fetched.model);
    m_fetched = std::move(fetched);
}

const FetchedConfiguration* ConfigurationSession::lastFetchedFromUnit() const
{
    return m_fetched ? &*m_fetched : nullptr;
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

std::string ConfigurationSession::writerText() const
{
    return model::joinLines(model::writeConfiguration(m_model), "\n");
}

} // namespace zel::ui
