#include "unit_config.h"

#include "model/command_language.h"
#include "model/config_reader.h"
#include "model/config_writer.h"
#include "model/model_reset.h"
#include "model/templates.h"

#include <QFile>

#include <stdexcept>

namespace zelsim {

namespace model = zel::model;

UnitConfig::UnitConfig()
{
    model::LogLines log;
    for (const std::string& line : model::templateLines(model::UnitSize::Zel16))
        model::readLine(m_model, line, log);
}

bool UnitConfig::loadFile(const QString& path, QString& error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = file.errorString();
        return false;
    }
    const QByteArray text = file.readAll();
    m_model = model::ConfigModel();
    model::LogLines log;
    model::readText(m_model, std::string_view(text.constData(), static_cast<size_t>(text.size())),
                    log);
    return true;
}

void UnitConfig::apply(const QByteArray& command)
{
    const std::string line = command.toStdString();
    if (line == model::kGroupsMarker) {
        model::clearGroupMembership(m_model);
    } else if (line == model::kFavoritesMarker) {
        model::clearFavorites(m_model);
    } else {
        model::LogLines log;
        try {
            model::readLine(m_model, line, log);
        } catch (const std::exception&) {
            // A command the unit cannot use leaves its configuration as it was.
        }
    }
}

void UnitConfig::changeAfterDumps(int dumps, const QByteArray& command)
{
    m_changes.emplace_back(dumps, command);
}

void UnitConfig::dumpSent()
{
    ++m_dumpsSent;
    for (const auto& [dumps, command] : m_changes)
        if (dumps == m_dumpsSent)
            apply(command);
}

std::vector<QByteArray> UnitConfig::dumpLines() const
{
    std::vector<QByteArray> lines;
    for (const std::string& line : model::writeConfiguration(m_model)) {
        // The block markers are for a unit taking a configuration, not part of one it holds.
        if (line.empty() || line == model::kGroupsMarker || line == model::kFavoritesMarker ||
            line == model::kEndMarker)
            continue;
        lines.emplace_back(line.data(), static_cast<qsizetype>(line.size()));
    }
    return lines;
}

} // namespace zelsim
