// Times a site history's answers for one unit on a repository: the list of its commits (date,
// author, first line; through renames) and its file as the oldest commit holds it, each asked
// RUNS times anew, as the window's History asks when a unit is chosen, and what a restore from
// the oldest commit named by its short hash reads (zeltool site restore --from). Target: the
// list under a second.
// Usage: zel_history_bench REPO UNIT_PATH [RUNS]   (UNIT_PATH relative to REPO, e.g. site/A.zel)

#include "session/restore/unit_history.h"
#include "session/site/site_history.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

using namespace zel;

namespace {

// min, median and max of `runs` calls of `work`, in milliseconds.
std::vector<double> timed(int runs, const std::function<void()>& work)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer clock;
        clock.start();
        work();
        times.push_back(double(clock.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    return {times.front(), times[times.size() / 2], times.back()};
}

void print(const char* what, const std::vector<double>& times)
{
    std::printf("  %-34s min %8.1f ms   median %8.1f ms   max %8.1f ms\n", what, times[0], times[1],
                times[2]);
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    const QStringList words = application.arguments();
    if (words.size() < 3) {
        std::fprintf(stderr, "usage: zel_history_bench REPO UNIT_PATH [RUNS]\n");
        return 2;
    }
    const int runs = words.size() > 3 ? std::max(1, words[3].toInt()) : 5;
    session::SiteHistory history(words[1]);
    if (const QString problem = history.open(); !problem.isEmpty()) {
        std::fprintf(stderr, "zel_history_bench: %s\n", qPrintable(problem));
        return 2;
    }
    QList<session::HistoryCommit> commits;
    const std::vector<double> listing = timed(runs, [&] { commits = history.commitsOf(words[2]); });
    if (commits.isEmpty()) {
        std::fprintf(stderr, "zel_history_bench: %s has no commits\n", qPrintable(words[2]));
        return 2;
    }
    std::optional<QByteArray> oldest;
    const std::vector<double> reading =
        timed(runs, [&] { oldest = history.textAt(commits.last().commit, commits.last().path); });
    session::UnitHistory unit({words[1], words[2], {}, {}});
    unit.open(); // the repository answered above
    std::optional<session::UnitVersion> restored;
    const std::vector<double> restoring = timed(runs, [&] {
        QString error;
        restored = unit.versionAt(commits.last().commit.left(7), error);
    });
    std::printf("%lld commits of %s; newest: %s, %s, \"%s\"\n", qlonglong(commits.size()),
                qPrintable(words[2]), qPrintable(commits.first().time.toString(Qt::ISODate)),
                qPrintable(commits.first().author), qPrintable(commits.first().subject));
    print("its commits (date, author, subject)", listing);
    print("its file at the oldest commit", reading);
    print("a restore's read (--from oldest)", restoring);
    std::printf("the listing: %.0f ms (target: under 1000 ms) %s\n", listing[1],
                listing[1] < 1000 && oldest && restored ? "met" : "NOT MET");
    return listing[1] < 1000 && oldest && restored ? 0 : 1;
}
