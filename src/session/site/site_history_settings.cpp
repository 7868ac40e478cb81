#include "session/site/site_history_settings.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace zel::session {

namespace {

const QString kSiteKey = QStringLiteral("site");
const QString kHistoryKey = QStringLiteral("history");
const QString kIgnoreVolumeKey = QStringLiteral("ignore-volume");

// "# zelconfig KEY: VALUE", the key in small letters; nothing for any other remark.
std::optional<std::pair<QString, QString>> settingOf(const QString& line)
{
    static const QRegularExpression setting(
        QStringLiteral("^#\\s*zelconfig\\s+([a-z-]+)\\s*:\\s*(.*)$"),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = setting.match(line.trimmed());
    if (!match.hasMatch())
        return std::nullopt;
    return std::make_pair(match.captured(1).toLower(), match.captured(2).trimmed());
}

QString settingLine(const QString& key, const QString& value)
{
    return QStringLiteral("# zelconfig %1: %2").arg(key, value);
}

// The site's blocks of remark lines, in the file's order.
QList<QStringList*> remarkBlocks(Site& site)
{
    QList<QStringList*> blocks;
    for (SiteUnit& unit : site.units)
        blocks << &unit.linesBefore;
    blocks << &site.linesAfter;
    return blocks;
}

} // namespace

SiteHistorySettings historySettingsOf(const Site& site)
{
    SiteHistorySettings settings;
    QStringList remarks;
    for (const SiteUnit& unit : site.units)
        remarks << unit.linesBefore;
    remarks << site.linesAfter;
    for (const QString& line : remarks) {
        const auto setting = settingOf(line);
        if (!setting)
            continue;
        const auto& [key, value] = *setting;
        if (key == kSiteKey)
            settings.siteName = value;
        else if (key == kHistoryKey)
            settings.repository = value;
        else if (key == kIgnoreVolumeKey)
            settings.ignoreVolume = value.compare(QLatin1String("yes"), Qt::CaseInsensitive) == 0;
    }
    return settings;
}

void setHistorySettings(Site& site, const SiteHistorySettings& settings)
{
    const std::pair<QString, QString> wanted[] = {
        {kSiteKey, settings.siteName},
        {kHistoryKey, settings.repository},
        {kIgnoreVolumeKey, settings.ignoreVolume ? QStringLiteral("yes") : QString()},
    };
    const QList<QStringList*> blocks = remarkBlocks(site);
    QStringList added;
    for (const auto& [key, value] : wanted) {
        bool placed = false;
        for (QStringList* block : blocks)
            for (qsizetype i = 0; i < block->size(); ++i) {
                const auto setting = settingOf(block->at(i));
                if (!setting || setting->first != key)
                    continue;
                if (value.isEmpty() || placed) {
                    block->removeAt(i--);
                } else {
                    (*block)[i] = settingLine(key, value);
                    placed = true;
                }
            }
        if (!placed && !value.isEmpty())
            added << settingLine(key, value);
    }
    QStringList& top = site.units.isEmpty() ? site.linesAfter : site.units.first().linesBefore;
    // Below the site's opening remarks, just above the first unit.
    top.append(added);
}

QString repositoryFolder(const QString& repository, const QString& siteFilePath)
{
    if (repository == QLatin1String("~") || repository.startsWith(QLatin1String("~/")))
        return QDir::cleanPath(QDir::homePath() + repository.mid(1));
    return QDir::cleanPath(QFileInfo(siteFilePath).absoluteDir().absoluteFilePath(repository));
}

} // namespace zel::session
