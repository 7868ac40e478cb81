#include "session/site/history_backup.h"

#include "session/site/counted_changes.h"
#include "session/site/history_unit_file.h"

#include "model/config_reader.h"
#include "model/model_reset.h"
#include "model/unit_model.h"
#include "text/latin1_text.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

namespace zel::session {

namespace {

using Kind = HistoryUnitRecord::Kind;
using Result = UnitOutcome::Result;

model::ConfigModel historyConfiguration(const QByteArray& text)
{
    model::ConfigModel configuration;
    model::resetModel(configuration);
    model::LogLines log;
    model::readText(configuration, text.toStdString(), log);
    return configuration;
}

QString modelNameOf(const model::ConfigModel& configuration)
{
    const std::optional<model::UnitModel> unitModel = model::unitModelOf(configuration);
    return unitModel ? text::fromLatin1(model::unitModelName(*unitModel)) : QString();
}

bool backedUp(const UnitOutcome& outcome)
{
    return (outcome.result == Result::FirstBackup || outcome.result == Result::Unchanged ||
            outcome.result == Result::Changed) &&
           !outcome.text.isEmpty();
}

} // namespace

HistoryBackup::HistoryBackup(const SiteHistory& history, Settings settings)
    : m_history(history), m_settings(std::move(settings))
{
}

HistoryBackupResult HistoryBackup::keep(const QList<SiteUnit>& units,
                                        const std::map<int, UnitOutcome>& outcomes)
{
    HistoryBackupResult result;
    QStringList names;
    for (const SiteUnit& unit : units)
        names << unit.name;
    const QList<HistoryFileName> files = unitFileNames(names);
    m_committed =
        m_history.textsAt(QStringLiteral("HEAD"), m_history.committedFiles(m_settings.siteFolder));
    for (qsizetype i = 0; i < units.size() && result.error.isEmpty(); ++i) {
        const QString path = m_settings.siteFolder + QLatin1Char('/') + files[i].name;
        const auto found = outcomes.find(int(i));
        HistoryUnitRecord record;
        if (found != outcomes.end() && backedUp(found->second)) {
            record = settleUnit(found->second, path, names, result.error);
        } else {
            record.name = units[i].name;
            record.link = units[i].link.unitName();
            record.path = path;
            record.detail = found == outcomes.end()
                                ? QCoreApplication::translate("Site", "not read: the run stopped")
                                : found->second.detail;
            record.reason = found != outcomes.end() && found->second.result == Result::AnotherUnit
                                ? QCoreApplication::translate("Site", "another unit answered")
                                : record.detail;
        }
        if (!files[i].replaced.isEmpty() &&
            (record.kind == Kind::New || !record.renamedFrom.isEmpty()))
            result.notes << replacedNote(units[i].name, files[i]);
        result.units << record;
    }
    result.summary = historySummary(m_settings.siteName, result.units);
    if (!result.error.isEmpty() || m_toCommit.isEmpty())
        return result;
    if (QString failed = m_history.add(m_toAdd); !failed.isEmpty()) {
        result.error = QCoreApplication::translate("Site", "git add failed: %1").arg(failed);
        return result;
    }
    QString failed;
    result.commit =
        m_history.commit(historyMessage(m_settings.siteName, result.units), m_toCommit, failed);
    if (result.commit.isEmpty())
        result.error = QCoreApplication::translate("Site", "git commit failed: %1").arg(failed);
    return result;
}

std::optional<HistoryBackup::Committed> HistoryBackup::renamedFile(const UnitOutcome& outcome,
                                                                   const QStringList& names)
{
    for (const auto& [path, text] : m_committed) {
        const std::optional<UnitFileRead> read = readUnitFile(text);
        if (!read || m_claimed.contains(path) ||
            names.contains(read->header.unit, Qt::CaseInsensitive))
            continue;
        const bool sameIdentity =
            !outcome.identity.isEmpty() && read->header.identity == outcome.identity;
        if (sameIdentity || read->header.link == outcome.link.unitName()) {
            m_claimed << path;
            return Committed{path, text};
        }
    }
    return std::nullopt;
}

HistoryUnitRecord HistoryBackup::settleUnit(const UnitOutcome& outcome, const QString& path,
                                            const QStringList& names, QString& error)
{
    HistoryUnitRecord record;
    record.name = outcome.name;
    record.link = outcome.link.unitName();
    record.path = path;
    std::optional<Committed> before;
    if (const auto found = m_committed.find(path); found != m_committed.end()) {
        before = Committed{path, found->second};
        m_claimed << path;
    } else {
        before = renamedFile(outcome, names);
    }
    const std::optional<UnitFileRead> old = before ? readUnitFile(before->text) : std::nullopt;
    // The identity it was first kept under stays, so that laptops that know the unit by
    // identities of their own do not rewrite its file in turn.
    const QString identity =
        old && !old->header.identity.isEmpty() ? old->header.identity : outcome.identity;
    // The same text is the same model: most runs find every unit as it was, and read nothing.
    const QString modelName = old && old->unitText == outcome.text
                                  ? old->header.model
                                  : modelNameOf(historyConfiguration(outcome.text));
    const QByteArray text =
        unitFileText({outcome.name, record.link, modelName, identity}, outcome.text);
    if (!before) {
        record.kind = Kind::New;
        record.detail = modelName;
    } else if (before->text == text) {
        record.kind = Kind::Unchanged;
    } else {
        if (before->path != path)
            record.renamedFrom = old ? old->header.unit : before->path;
        const CountedChanges changes =
            countedChanges(historyConfiguration(old ? old->unitText : before->text),
                           historyConfiguration(outcome.text), m_settings.ignoreVolume);
        record.changes = changes.counted;
        record.leftOut = changes.leftOut;
        if (!changes.counted.isEmpty())
            record.kind = Kind::Changed;
        else if (!record.renamedFrom.isEmpty())
            record.kind = Kind::Renamed;
        else
            record.kind = changes.leftOut.isEmpty() ? Kind::TextOnly : Kind::VolumeOnly;
        if (record.kind == Kind::TextOnly && old && old->header.link != record.link)
            record.detail = QCoreApplication::translate("Site", "reached at %1 (was %2)")
                                .arg(record.link, old->header.link);
    }
    if (before && before->path != path) {
        // git mv needs the old file where the commit has it.
        error = placeFile(before->path, before->text, false);
        if (error.isEmpty())
            error = m_history.move(before->path, path);
        m_toCommit << before->path;
    }
    if (error.isEmpty())
        error = placeFile(path, text, true);
    if (changesFile(record)) {
        m_toAdd << path; // also when an earlier run left it written but not committed
        m_toCommit << path;
    }
    return record;
}

QString HistoryBackup::placeFile(const QString& path, const QByteArray& text, bool stage)
{
    QFile file(QDir(m_history.folder()).filePath(path));
    if (file.open(QIODevice::ReadOnly) && file.size() == text.size() && file.readAll() == text)
        return {};
    if (stage)
        m_toAdd << path;
    const QString failed = m_history.writeFile(path, text);
    return failed.isEmpty()
               ? QString()
               : QCoreApplication::translate("Site", "%1 cannot be written: %2").arg(path, failed);
}

} // namespace zel::session
