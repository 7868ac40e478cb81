#pragma once
// A Git repository that keeps sites' histories: REPO/SITE/UNIT.zel, one commit per run that
// changed a file. It reads the files as a commit holds them, lists a unit's commits (following
// its file through renames), writes and moves files and commits them, and pushes to the
// branch's upstream. Every call runs git and waits for it: the window calls it off its thread.
// Paths are relative to the repository's folder, which may lie anywhere in its work tree.

#include "session/site/git_runner.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

#include <map>
#include <optional>

namespace zel::session {

// One commit of a unit's file.
struct HistoryCommit {
    QString commit;  // its full hash
    QDateTime time;  // when it was made (the author's time)
    QString author;  // "Name <email>"
    QString subject; // the message's first line
    QString path;    // the unit's file in that commit, which a rename may have moved since
};

class SiteHistory {
public:
    explicit SiteHistory(QString folder);

    // What open() does with a folder that is missing or empty.
    enum class Opening {
        MakeWhenEmpty, // it becomes a repository (git init): a backup starts its history
        ExistingOnly,  // it is refused: reading a history makes none
    };
    // Makes the folder ready: a missing or empty folder becomes a repository (git init) or is
    // refused, as `opening` says; a folder of a Git work tree is used as it is. Returns why it
    // cannot be used, empty when it can; `gitMissing` tells when that is because the git command
    // is not there.
    QString open(bool* gitMissing = nullptr, Opening opening = Opening::MakeWhenEmpty);
    const QString& folder() const { return m_folder; }
    // The repository's own folder (".git"), where its lock is kept.
    const QString& gitFolder() const { return m_gitFolder; }

    // Whether a branch holds a commit yet.
    bool hasCommits() const;
    // The files under `subfolder` in the newest commit.
    QStringList committedFiles(const QString& subfolder) const;
    // The texts of `paths` in `commit`; a path that commit does not hold is left out.
    std::map<QString, QByteArray> textsAt(const QString& commit, const QStringList& paths) const;
    std::optional<QByteArray> textAt(const QString& commit, const QString& path) const;
    // The commits that changed the file at `path`, newest first, through its renames.
    QList<HistoryCommit> commitsOf(const QString& path, QString* error = nullptr) const;
    // The commit a name given by hand stands for (a hash or the start of one, "HEAD~2", a tag);
    // nothing when git knows no such commit. Its `path` is empty.
    std::optional<HistoryCommit> commitNamed(const QString& name) const;

    // Writing; the caller holds the repository's HistoryLock. Each returns why it failed.
    QString writeFile(const QString& path, const QByteArray& bytes) const;
    QString move(const QString& from, const QString& to) const;
    QString add(const QStringList& paths) const;
    // Commits `paths` as the work tree holds them, nothing else that is staged. The author is
    // git's configured identity, or "zeltool" at this machine's name where git has none.
    // Returns the commit's short hash, or empty with `error` set.
    QString commit(const QString& message, const QStringList& paths, QString& error) const;

    struct Pushed {
        bool pushed = false; // commits went to the upstream
        QString upstream;    // "origin/main"; empty when the branch has none
        QString error;       // why the push failed
    };
    // Pushes the branch to its upstream when it holds commits the upstream has not.
    Pushed push() const;

private:
    GitResult git(const QStringList& arguments, const QByteArray& input = {}) const;

    QString m_folder;
    QString m_gitFolder;
    QString m_prefix; // the folder's place in its work tree, "" or "venues/"
    GitRunner m_runner;
};

} // namespace zel::session
