#include "session/live/live_identity_lock.h"

#include "text/shared_file_lock.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLockFile>
#include <QStandardPaths>
#include <QUuid>

namespace zel::session {

namespace {

// A registration is a few names: anything larger is not one.
constexpr qint64 kRegistrationLimit = 64 * 1024;

QString unitsFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
           QStringLiteral("/live/units");
}

QString cannotWrite(const QString& path)
{
    return QCoreApplication::translate("LiveUnitLock", "the lock file %1 cannot be written")
        .arg(QDir::toNativeSeparators(path));
}

} // namespace

LiveIdentityLock::LiveIdentityLock() = default;

LiveIdentityLock::~LiveIdentityLock()
{
    release();
}

bool LiveIdentityLock::take(const UnitFingerprint& read, const QString& window)
{
    m_heldBy.clear();
    if (!read.isKnown() || isBlank(read)) {
        release();
        return true;
    }
    const QString folder = unitsFolder();
    if (!QDir().mkpath(folder)) {
        m_heldBy = cannotWrite(folder);
        return false;
    }
    // One window at a time looks and registers: two going live at once never both find the
    // unit free.
    QLockFile guard(folder + QStringLiteral("/registering.lock"));
    guard.setStaleLockTime(text::kStaleLockMs);
    if (!guard.tryLock(text::kSharedLockWaitMs)) {
        m_heldBy = cannotWrite(guard.fileName());
        return false;
    }
    m_heldBy = holderOf(read, folder);
    if (!m_heldBy.isEmpty())
        return false; // a registration this window holds stays as it was
    if (!m_lock) {
        const QString base = folder + u'/' + QUuid::createUuid().toString(QUuid::WithoutBraces);
        auto lock = std::make_unique<QLockFile>(base + QStringLiteral(".lock"));
        lock->setStaleLockTime(0); // stale only when its program has gone, never by age
        if (!lock->tryLock(0)) {
            m_heldBy = cannotWrite(lock->fileName());
            return false;
        }
        m_lock = std::move(lock);
        m_base = base;
    }
    // Taken again while live, the registration follows what the unit is now.
    QFile registration(m_base + QStringLiteral(".json"));
    const QByteArray bytes = QJsonDocument(QJsonObject{{QStringLiteral("window"), window},
                                                       {QStringLiteral("unit"), read.toJson()}})
                                 .toJson();
    if (!registration.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        registration.write(bytes) != bytes.size() || !registration.flush()) {
        m_heldBy = cannotWrite(registration.fileName());
        release();
        return false;
    }
    return true;
}

QString LiveIdentityLock::holderOf(const UnitFingerprint& read, const QString& folder) const
{
    const QFileInfoList registrations =
        QDir(folder).entryInfoList({QStringLiteral("*.json")}, QDir::Files);
    for (const QFileInfo& info : registrations) {
        const QString base = info.path() + u'/' + info.completeBaseName();
        if (m_lock && base == m_base)
            continue; // this window's own
        QLockFile lock(base + QStringLiteral(".lock"));
        lock.setStaleLockTime(0);
        if (lock.tryLock(0)) { // its program has gone
            QFile::remove(info.filePath());
            continue; // the lock file goes with `lock`
        }
        QFile file(info.filePath());
        if (lock.error() != QLockFile::LockFailedError || !file.open(QIODevice::ReadOnly))
            continue;
        const QJsonObject registration =
            QJsonDocument::fromJson(file.read(kRegistrationLimit)).object();
        const UnitFingerprint held =
            UnitFingerprint::fromJson(registration.value(QStringLiteral("unit")).toObject());
        if (!looksLikeSameUnit(read, held))
            continue;
        qint64 pid = 0;
        QString host;
        QString application;
        lock.getLockInfo(&pid, &host, &application);
        const QString window = registration.value(QStringLiteral("window")).toString();
        return QCoreApplication::translate("LiveUnitLock", "%1 (process %2)")
            .arg(window.isEmpty() ? application : window, QString::number(pid));
    }
    return {};
}

void LiveIdentityLock::release()
{
    if (!m_lock)
        return;
    QFile::remove(m_base + QStringLiteral(".json"));
    m_lock->unlock();
    m_lock.reset();
}

} // namespace zel::session
