#include "session/restore/unit_history.h"

#include "session/site/history_file_names.h"
#include "session/site/history_unit_file.h"
#include "session/site/site_history_settings.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace zel::session {

std::optional<UnitHistoryPlace> unitHistoryPlace(const QString& sitePath, const Site& site,
                                                 const QString& unitName, const QString& repository,
                                                 QString& error)
{
    if (sitePath.isEmpty()) {
        error = QCoreApplication::translate(
            "Site", "the site is not saved yet: its history is kept under its file's "
                    "name");
        return std::nullopt;
    }
    QStringList names;
    qsizetype index = -1;
    for (const SiteUnit& unit : site.units) {
        // Names are told apart whatever the case of their letters, as the site file keeps them.
        if (unit.name.compare(unitName, Qt::CaseInsensitive) == 0)
            index = names.size();
        names << unit.name;
    }
    if (index < 0) {
        error = names.isEmpty() ? QCoreApplication::translate("Site", "the site names no unit")
                                : QCoreApplication::translate(
                                      "Site", "the site names no unit \"%1\"; its units: %2")
                                      .arg(unitName, names.join(QStringLiteral(", ")));
        return std::nullopt;
    }
    const QString named = repository.isEmpty() ? historySettingsOf(site).repository : repository;
    if (named.isEmpty()) {
        error = QCoreApplication::translate(
            "Site", "the site names no history (a line \"# zelconfig history: REPO\" "
                    "in its file)");
        return std::nullopt;
    }
    UnitHistoryPlace place;
    place.repository = repository.isEmpty() ? repositoryFolder(named, sitePath) : repository;
    place.path = siteFolderName(QFileInfo(sitePath).fileName()).name + QLatin1Char('/') +
                 unitFileNames(names)[index].name;
    place.unitName = names[index];
    place.link = site.units[index].link;
    return place;
}

QByteArray configurationOfUnitFile(const QByteArray& file)
{
    const std::optional<UnitFileRead> read = readUnitFile(file);
    return read ? read->unitText : file;
}

UnitHistory::UnitHistory(UnitHistoryPlace place)
    : m_place(std::move(place)), m_history(m_place.repository)
{
}

QString UnitHistory::open(bool* gitMissing)
{
    return m_history.open(gitMissing, SiteHistory::Opening::ExistingOnly);
}

QList<HistoryCommit> UnitHistory::commits(QString* error) const
{
    return m_history.commitsOf(m_place.path, error);
}

std::optional<UnitVersion> UnitHistory::versionOf(const HistoryCommit& commit) const
{
    const std::optional<QByteArray> file = m_history.textAt(commit.commit, commit.path);
    if (!file)
        return std::nullopt;
    return UnitVersion{commit, configurationOfUnitFile(*file)};
}

std::optional<UnitVersion> UnitHistory::versionAt(const QString& name, QString& error) const
{
    QString failed;
    const QList<HistoryCommit> changes = commits(&failed);
    if (!failed.isEmpty()) {
        error = QCoreApplication::translate("Site", "git log failed: ") + failed;
        return std::nullopt;
    }
    if (name.isEmpty()) {
        // The newest commit that holds the file: one that took it away does not.
        for (const HistoryCommit& change : changes)
            if (std::optional<UnitVersion> version = versionOf(change))
                return version;
        error = QCoreApplication::translate(
                    "Site", "no commit holds %1 yet: back the site up with its history first")
                    .arg(m_place.path);
        return std::nullopt;
    }
    std::optional<HistoryCommit> commit = m_history.commitNamed(name);
    if (!commit) {
        error = QCoreApplication::translate("Site", "there is no commit \"%1\" in %2")
                    .arg(name, m_place.repository);
        return std::nullopt;
    }
    // The file under its name now, or under a name it had before the unit was renamed.
    QStringList paths{m_place.path};
    for (const HistoryCommit& change : changes)
        if (!paths.contains(change.path))
            paths << change.path;
    const std::map<QString, QByteArray> files = m_history.textsAt(commit->commit, paths);
    for (const QString& path : paths)
        if (const auto found = files.find(path); found != files.end()) {
            commit->path = path;
            return UnitVersion{*commit, configurationOfUnitFile(found->second)};
        }
    error = QCoreApplication::translate("Site", "the commit %1 holds no file of %2 (%3)")
                .arg(commit->commit.left(7), m_place.unitName, m_place.path);
    return std::nullopt;
}

} // namespace zel::session
