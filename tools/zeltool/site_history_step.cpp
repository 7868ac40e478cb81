#include "site_history_step.h"

#include "tool_command.h"

#include "session/site/history_lock.h"

namespace zel::tool {

namespace {

// How long a run waits for another one to end its work with the repository: its commit and
// push take a moment, not the minutes a site's fetch may.
constexpr std::chrono::milliseconds kLockWait{10000};

std::string localText(const QString& text)
{
    return text.toLocal8Bit().toStdString();
}

} // namespace

SiteHistoryStep::SiteHistoryStep(HistoryRequest request)
    : m_request(std::move(request)), m_history(m_request.folder)
{
}

bool SiteHistoryStep::open(const std::string& verb)
{
    bool gitMissing = false;
    const QString problem = m_history.open(&gitMissing);
    if (problem.isEmpty())
        return true;
    fail(kExitUsage, "site " + verb + ": " + m_request.givenBy + ": " + localText(problem));
    return false;
}

HistoryStepResult SiteHistoryStep::keep(const QList<session::SiteUnit>& units,
                                        const session::SiteRun& run, const std::string& verb)
{
    HistoryStepResult result;
    const std::string where = "site " + verb + ": the history in " + localText(m_history.folder());
    session::HistoryLock lock(m_history.gitFolder());
    if (const QString busy = lock.acquire(kLockWait); !busy.isEmpty()) {
        fail(kExitUsage, where + " is not kept: " + localText(busy) + "; waited " +
                             std::to_string(kLockWait.count() / 1000) + " s");
        result.usable = false;
        return result;
    }
    session::HistoryBackup backup(
        m_history, {m_request.siteFolder, m_request.siteName, m_request.ignoreVolume});
    result.kept = backup.keep(units, run.outcomes());
    lock.release(); // a push needs no lock: it sends commits already made
    for (const QString& note : result.kept.notes)
        fail(kExitOk, "site " + verb + ": " + localText(note));
    if (!result.kept.error.isEmpty()) {
        fail(kExitUsage, where + " is not kept: " + localText(result.kept.error));
        result.usable = false;
        return result;
    }
    if (!m_request.push)
        return result;
    const session::SiteHistory::Pushed pushed = m_history.push();
    if (!pushed.error.isEmpty()) {
        result.pushError = pushed.error;
        fail(kExitFailure,
             where + ": the push failed, the commit is kept: " + localText(pushed.error));
    } else if (pushed.pushed) {
        result.pushedTo = pushed.upstream;
    }
    return result;
}

} // namespace zel::tool
