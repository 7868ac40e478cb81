#include "session/site/site_history.h"

#include "text/file_save.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSysInfo>

namespace zel::session {

namespace {

// What a commit's record in `git log` begins with, and what parts it.
constexpr char kRecordStart = '\x1e';
constexpr char kFieldEnd = '\x1f';

// The fields of a commit's record in `git log`, between kRecordStart and the files it names.
const QString kCommitFormat = QStringLiteral("--format=%x1e%H%x1f%aI%x1f%an <%ae>%x1f%s");

QString lineOf(const QByteArray& out)
{
    return QString::fromLocal8Bit(out).trimmed();
}

// The commits of `git log` printed in kCommitFormat, each with the last file it names (with
// --name-only, the unit's file in that commit), `prefix` taken off.
QList<HistoryCommit> commitsIn(const QByteArray& log, const QString& prefix)
{
    QList<HistoryCommit> commits;
    for (const QByteArray& record : log.split(kRecordStart)) {
        const QList<QByteArray> lines = record.trimmed().split('\n');
        const QList<QByteArray> fields = lines.first().split(kFieldEnd);
        if (fields.size() < 4)
            continue;
        HistoryCommit commit;
        commit.commit = QString::fromLatin1(fields[0]);
        commit.time = QDateTime::fromString(QString::fromLatin1(fields[1]), Qt::ISODate);
        commit.author = QString::fromUtf8(fields[2]);
        commit.subject = QString::fromUtf8(fields[3]);
        if (lines.size() > 1)
            commit.path = QString::fromUtf8(lines.last().trimmed());
        if (commit.path.startsWith(prefix))
            commit.path = commit.path.mid(prefix.size());
        commits << commit;
    }
    return commits;
}

} // namespace

SiteHistory::SiteHistory(QString folder)
    : m_folder(QDir::cleanPath(QDir(folder).absolutePath())), m_runner(m_folder)
{
}

GitResult SiteHistory::git(const QStringList& arguments, const QByteArray& input) const
{
    return m_runner.run(arguments, input);
}

QString SiteHistory::open(bool* gitMissing, Opening opening)
{
    const QString missing = QCoreApplication::translate(
        "Site", "the git command is missing: install git (the package \"git\")");
    const auto noGit = [&](const GitResult& result) {
        if (gitMissing)
            *gitMissing = !result.started;
        return !result.started;
    };
    QDir folder(m_folder);
    if (opening == Opening::ExistingOnly && !folder.exists())
        return QCoreApplication::translate(
                   "Site", "the folder %1 does not exist: clone the history there first (git "
                           "clone URL FOLDER)")
            .arg(m_folder);
    if (!folder.exists() && !folder.mkpath(QStringLiteral(".")))
        return QCoreApplication::translate("Site", "the folder %1 cannot be made").arg(m_folder);
    if (folder.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System)
            .isEmpty()) {
        if (opening == Opening::ExistingOnly)
            return QCoreApplication::translate("Site",
                                               "the folder %1 is empty: it holds no history yet")
                .arg(m_folder);
        const GitResult init = git({QStringLiteral("init"), QStringLiteral("-q")});
        if (noGit(init))
            return missing;
        if (!init.ok())
            return QCoreApplication::translate("Site", "git init in %1 failed: %2")
                .arg(m_folder, init.failure());
    }
    // One question, four answers: bare?, in a work tree?, the Git folder, the place in it.
    const GitResult where =
        git({QStringLiteral("rev-parse"), QStringLiteral("--is-bare-repository"),
             QStringLiteral("--is-inside-work-tree"), QStringLiteral("--absolute-git-dir"),
             QStringLiteral("--show-prefix")});
    if (noGit(where))
        return missing;
    const QStringList answers = QString::fromLocal8Bit(where.out).split(QLatin1Char('\n'));
    if (!where.ok() || answers.size() < 4)
        return QCoreApplication::translate("Site",
                                           "%1 is neither a Git work tree nor an empty folder (%2)")
            .arg(m_folder, where.failure());
    if (answers[0] == QLatin1String("true"))
        return QCoreApplication::translate(
                   "Site", "%1 is a bare repository: give the folder of a clone of it")
            .arg(m_folder);
    if (answers[1] != QLatin1String("true"))
        return QCoreApplication::translate(
                   "Site", "%1 is inside a repository's Git folder, not its work tree")
            .arg(m_folder);
    m_gitFolder = answers[2];
    m_prefix = answers[3];
    return {};
}

bool SiteHistory::hasCommits() const
{
    return git({QStringLiteral("rev-parse"), QStringLiteral("-q"), QStringLiteral("--verify"),
                QStringLiteral("HEAD^{commit}")})
        .ok();
}

QStringList SiteHistory::committedFiles(const QString& subfolder) const
{
    // Before the first commit there is no HEAD, and git says so: no files.
    const GitResult listed =
        git({QStringLiteral("ls-tree"), QStringLiteral("-r"), QStringLiteral("-z"),
             QStringLiteral("--name-only"), QStringLiteral("HEAD"), QStringLiteral("--"),
             subfolder + QLatin1Char('/')});
    QStringList files;
    for (const QByteArray& name : listed.out.split('\0'))
        if (!name.isEmpty())
            files << QString::fromUtf8(name);
    return files;
}

std::map<QString, QByteArray> SiteHistory::textsAt(const QString& commit,
                                                   const QStringList& paths) const
{
    std::map<QString, QByteArray> texts;
    if (paths.isEmpty())
        return texts;
    QByteArray asked;
    for (const QString& path : paths)
        asked += (commit + QStringLiteral(":./") + path).toUtf8() + '\n';
    const GitResult read = git({QStringLiteral("cat-file"), QStringLiteral("--batch")}, asked);
    if (!read.ok())
        return texts;
    // Each answer: "OID TYPE SIZE\n", then SIZE bytes and "\n"; or "NAME missing\n".
    qsizetype at = 0;
    for (const QString& path : paths) {
        const qsizetype lineEnd = read.out.indexOf('\n', at);
        if (lineEnd < 0)
            break;
        const QList<QByteArray> words = read.out.mid(at, lineEnd - at).split(' ');
        at = lineEnd + 1;
        if (words.size() != 3 || words[1] != "blob")
            continue;
        const qsizetype size = words[2].toLongLong();
        texts[path] = read.out.mid(at, size);
        at += size + 1;
    }
    return texts;
}

std::optional<QByteArray> SiteHistory::textAt(const QString& commit, const QString& path) const
{
    std::map<QString, QByteArray> texts = textsAt(commit, {path});
    if (texts.empty())
        return std::nullopt;
    return std::move(texts.begin()->second);
}

QList<HistoryCommit> SiteHistory::commitsOf(const QString& path, QString* error) const
{
    QList<HistoryCommit> commits;
    if (!hasCommits())
        return commits; // git log would fail: a branch without commits
    const GitResult log =
        git({QStringLiteral("log"), QStringLiteral("--follow"), QStringLiteral("--name-only"),
             kCommitFormat, QStringLiteral("--"), path});
    if (!log.ok()) {
        if (error)
            *error = log.failure();
        return commits;
    }
    return commitsIn(log.out, m_prefix);
}

std::optional<HistoryCommit> SiteHistory::commitNamed(const QString& name) const
{
    // A name that begins with "-" would be taken for an option.
    if (name.isEmpty() || name.startsWith(QLatin1Char('-')))
        return std::nullopt;
    const GitResult hash = git({QStringLiteral("rev-parse"), QStringLiteral("-q"),
                                QStringLiteral("--verify"), name + QStringLiteral("^{commit}")});
    if (!hash.ok())
        return std::nullopt;
    const GitResult log = git({QStringLiteral("log"), QStringLiteral("-1"), kCommitFormat,
                               lineOf(hash.out), QStringLiteral("--")});
    const QList<HistoryCommit> commits = commitsIn(log.out, m_prefix);
    if (!log.ok() || commits.isEmpty())
        return std::nullopt;
    return commits.first();
}

QString SiteHistory::writeFile(const QString& path, const QByteArray& bytes) const
{
    const QString file = QDir(m_folder).filePath(path);
    if (!QDir().mkpath(QFileInfo(file).path()))
        return QCoreApplication::translate("Site", "the folder %1 cannot be made")
            .arg(QFileInfo(file).path());
    return text::saveWholeFile(file, bytes);
}

QString SiteHistory::move(const QString& from, const QString& to) const
{
    const GitResult moved = git({QStringLiteral("mv"), QStringLiteral("--"), from, to});
    return moved.ok() ? QString() : moved.failure();
}

QString SiteHistory::add(const QStringList& paths) const
{
    const GitResult added = git(QStringList{QStringLiteral("add"), QStringLiteral("--")} + paths);
    return added.ok() ? QString() : added.failure();
}

QString SiteHistory::commit(const QString& message, const QStringList& paths, QString& error) const
{
    // git's own identity when it has one: the user's, or the one the company set up.
    QStringList settings;
    const auto unset = [this](const char* setting, const char* variable) {
        return qEnvironmentVariableIsEmpty(variable) &&
               !git({QStringLiteral("config"), QStringLiteral("--get"),
                     QString::fromLatin1(setting)})
                    .ok();
    };
    if (unset("user.name", "GIT_AUTHOR_NAME"))
        settings << QStringLiteral("user.name=zeltool");
    if (unset("user.email", "GIT_AUTHOR_EMAIL"))
        settings << QStringLiteral("user.email=zeltool@") + QSysInfo::machineHostName();
    GitRunner runner(m_folder);
    runner.setSettings(settings);
    const GitResult made =
        runner.run(QStringList{QStringLiteral("commit"), QStringLiteral("-q"), QStringLiteral("-F"),
                               QStringLiteral("-"), QStringLiteral("--")} +
                       paths,
                   message.toUtf8());
    if (!made.ok()) {
        error = made.failure();
        return {};
    }
    return lineOf(
        git({QStringLiteral("rev-parse"), QStringLiteral("--short"), QStringLiteral("HEAD")}).out);
}

SiteHistory::Pushed SiteHistory::push() const
{
    Pushed pushed;
    const QString branch = lineOf(
        git({QStringLiteral("symbolic-ref"), QStringLiteral("--short"), QStringLiteral("HEAD")})
            .out);
    const GitResult upstream =
        git({QStringLiteral("for-each-ref"),
             QStringLiteral("--format=%(upstream:short)%00%(upstream:remotename)%00"
                            "%(upstream:remoteref)"),
             QStringLiteral("refs/heads/") + branch});
    const QList<QByteArray> parts = upstream.out.trimmed().split('\0');
    if (branch.isEmpty() || parts.size() != 3 || parts[0].isEmpty()) {
        pushed.error = QCoreApplication::translate(
            "Site", "the branch has no upstream to push to (give it one once: "
                    "git push -u REMOTE BRANCH)");
        return pushed;
    }
    pushed.upstream = QString::fromUtf8(parts[0]);
    const GitResult ahead = git({QStringLiteral("rev-list"), QStringLiteral("--count"),
                                 QStringLiteral("@{upstream}..HEAD")});
    if (ahead.ok() && lineOf(ahead.out) == QLatin1String("0"))
        return pushed;
    const GitResult sent =
        git({QStringLiteral("push"), QStringLiteral("-q"), QString::fromUtf8(parts[1]),
             QStringLiteral("HEAD:") + QString::fromUtf8(parts[2])});
    if (!sent.ok())
        pushed.error = sent.failure();
    pushed.pushed = sent.ok();
    return pushed;
}

} // namespace zel::session
