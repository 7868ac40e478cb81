#include "session/live/live_unit_lock.h"

#include "link/host_address.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QHostAddress>
#include <QLockFile>
#include <QRegularExpression>
#include <QStandardPaths>

namespace zel::session {

namespace {

// The unit's name with the obvious aliases of a host as one: "localhost" is 127.0.0.1, and an
// address is written as the network layer writes it ("[::1]" stays itself).
QString aliasFree(const QString& unit)
{
    const QString prefix = QStringLiteral("tcp:");
    if (!unit.startsWith(prefix))
        return unit;
    const link::HostAndPort parsed = link::parseHostText(unit.mid(prefix.size()));
    if (parsed.problem != link::HostAndPort::Problem::None)
        return unit;
    QString host = parsed.host;
    if (host.compare(QStringLiteral("localhost"), Qt::CaseInsensitive) == 0)
        host = QHostAddress(QHostAddress::LocalHost).toString();
    else if (const QHostAddress address(host); !address.isNull())
        host = address.toString();
    return prefix + link::hostAndPortText(host, parsed.port);
}

// The lock's file name: the unit's name with every character a file name may not hold as "_".
QString lockBase(const QString& unit)
{
    const QString folder =
        QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/live");
    QDir().mkpath(folder);
    QString name = aliasFree(unit);
    name.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9._-]")), QStringLiteral("_"));
    return folder + u'/' + name;
}

} // namespace

LiveUnitLock::LiveUnitLock() = default;

LiveUnitLock::~LiveUnitLock()
{
    release();
}

bool LiveUnitLock::take(const QString& unit, const QString& window)
{
    release();
    const QString base = lockBase(unit);
    auto lock = std::make_unique<QLockFile>(base + QStringLiteral(".lock"));
    lock->setStaleLockTime(0); // stale only when its program has gone, never by age
    if (!lock->tryLock(0)) {
        qint64 pid = 0;
        QString host;
        QString application;
        if (lock->error() == QLockFile::LockFailedError &&
            lock->getLockInfo(&pid, &host, &application)) {
            QFile holder(base + QStringLiteral(".holder"));
            const QString title = holder.open(QIODevice::ReadOnly)
                                      ? QString::fromUtf8(holder.readAll()).trimmed()
                                      : QString();
            m_heldBy = QCoreApplication::translate("LiveUnitLock", "%1 (process %2)")
                           .arg(title.isEmpty() ? application : title, QString::number(pid));
        } else {
            m_heldBy =
                QCoreApplication::translate("LiveUnitLock", "the lock file %1 cannot be written")
                    .arg(QDir::toNativeSeparators(lock->fileName()));
        }
        return false;
    }
    QFile holder(base + QStringLiteral(".holder"));
    if (holder.open(QIODevice::WriteOnly | QIODevice::Truncate))
        holder.write(window.toUtf8());
    m_holderPath = holder.fileName();
    m_lock = std::move(lock);
    m_heldBy.clear();
    return true;
}

void LiveUnitLock::release()
{
    if (!m_lock)
        return;
    QFile::remove(m_holderPath);
    m_lock->unlock();
    m_lock.reset();
}

} // namespace zel::session
