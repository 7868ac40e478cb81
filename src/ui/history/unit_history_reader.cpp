#include "ui/history/unit_history_reader.h"

#include <QFutureWatcher>
#include <QtConcurrent/QtConcurrentRun>

namespace zel::ui {

namespace {

// Runs `work` on the thread pool and `done` with its result on `context`'s thread, unless
// `context` is gone by then. The work holds copies only: it may outlive whoever asked.
template <typename Result>
void runOffThread(QObject* context, std::function<Result()> work,
                  std::function<void(const Result&)> done)
{
    auto* watcher = new QFutureWatcher<Result>(context);
    QObject::connect(watcher, &QFutureWatcher<Result>::finished, context,
                     [watcher, done = std::move(done)] {
                         done(watcher->result());
                         watcher->deleteLater();
                     });
    watcher->setFuture(QtConcurrent::run(std::move(work)));
}

struct ReadResult {
    std::optional<session::UnitVersion> version;
    QString error;
};

} // namespace

UnitHistoryReader::UnitHistoryReader(QObject* parent) : QObject(parent) {}

UnitHistoryReader::Listing UnitHistoryReader::listingOf(const session::UnitHistoryPlace& place)
{
    Listing listing;
    listing.place = place;
    session::UnitHistory history(place);
    listing.note = history.open();
    if (!listing.note.isEmpty())
        return listing;
    QString error;
    listing.commits = history.commits(&error);
    if (!error.isEmpty())
        listing.note = tr("git log failed: %1").arg(error);
    else if (listing.commits.isEmpty())
        listing.note =
            tr("no commit holds %1 yet: back the site up with its history").arg(place.path);
    return listing;
}

void UnitHistoryReader::list(const session::UnitHistoryPlace& place)
{
    const int asked = ++m_listing;
    runOffThread<Listing>(
        this, [place] { return listingOf(place); },
        [this, asked](const Listing& listing) {
            if (asked != m_listing)
                return; // a newer listing was asked for
            emit listed(listing);
        });
}

void UnitHistoryReader::read(const session::UnitHistoryPlace& place,
                             const session::HistoryCommit& commit, VersionRead done)
{
    runOffThread<ReadResult>(
        this,
        [place, commit] {
            session::UnitHistory history(place);
            ReadResult result;
            result.error = history.open();
            if (result.error.isEmpty())
                result.version = history.versionOf(commit);
            if (result.error.isEmpty() && !result.version)
                result.error =
                    tr("the commit %1 holds no file %2").arg(commit.commit.left(7), commit.path);
            return result;
        },
        [done = std::move(done)](const ReadResult& result) { done(result.version, result.error); });
}

} // namespace zel::ui
