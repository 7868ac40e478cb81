#include "ui/site/site_file_reader.h"

#include <QFutureWatcher>
#include <QtConcurrent/QtConcurrentRun>

namespace zel::ui {

SiteFileReader::SiteFileReader(QObject* parent) : QObject(parent) {}

void SiteFileReader::read(const QString& path)
{
    const int number = ++m_newest;
    ++m_reads;
    auto* watcher = new QFutureWatcher<session::SiteLoad>(this);
    connect(watcher, &QFutureWatcherBase::finished, this, [this, watcher, number, path] {
        watcher->deleteLater();
        --m_reads;
        if (number != m_newest)
            return; // a newer read answers instead
        const session::SiteLoad load = watcher->result();
        if (load.kind == session::SiteLoad::Kind::Done)
            emit siteRead(path, load.site);
        else
            emit readFailed(failureText(path, load));
    });
    watcher->setFuture(QtConcurrent::run(&session::readSiteFile, path));
}

QString SiteFileReader::failureText(const QString& path, const session::SiteLoad& load)
{
    using Kind = session::SiteLoad::Kind;
    switch (load.kind) {
    case Kind::Missing:
        return tr("The site %1 is not there (%2).\n\nIt may have been moved or renamed, or the "
                  "drive or share it is on is not connected.")
            .arg(path, load.error);
    case Kind::NotASite:
        return tr("%1 is not a site file: these lines are not units (name, then "
                  "tcp:HOST or serial:DEVICE):\n%2")
            .arg(path, load.error);
    case Kind::Unreadable:
    case Kind::Done:
        break;
    }
    return tr("The site %1 cannot be opened:\n%2").arg(path, load.error);
}

} // namespace zel::ui
