#pragma once
// Runs the git command in one folder and collects what it printed. A site's history is kept by
// git itself, not by a library of ours: what it keeps is what every clone sees, and its own
// housekeeping (gc) runs as usual. It waits for git to end, so the window calls it off its own
// thread. Git never asks at a terminal here: a push that needs a password fails and says why.

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <chrono>

namespace zel::session {

struct GitResult {
    bool started = false; // false: the git command could not be run at all
    bool timedOut = false;
    int exitCode = -1;
    QByteArray out;
    QByteArray err;

    bool ok() const { return started && !timedOut && exitCode == 0; }
    // Why it failed, in one line: git's own last words, or why git did not run.
    QString failure() const;
};

class GitRunner {
public:
    explicit GitRunner(QString folder,
                       std::chrono::milliseconds timeout = std::chrono::milliseconds(120000));

    const QString& folder() const { return m_folder; }
    // Settings given to every command ("user.name=zeltool"), as `git -c` takes them.
    void setSettings(const QStringList& settings) { m_settings = settings; }
    GitResult run(const QStringList& arguments, const QByteArray& input = {}) const;

private:
    QString m_folder;
    std::chrono::milliseconds m_timeout;
    QStringList m_settings;
};

} // namespace zel::session
