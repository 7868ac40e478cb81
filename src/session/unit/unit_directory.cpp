#include "session/unit/unit_directory.h"

#include "journal/journal.h"
#include "text/shared_file_lock.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLockFile>
#include <QUuid>

namespace zel::session {

namespace {

constexpr qint64 kDirectoryLimit = 16 * 1024 * 1024;

QString timeText(const QDateTime& time)
{
    return time.isValid() ? time.toUTC().toString(Qt::ISODateWithMs) : QString();
}

QDateTime timeOf(const QJsonValue& value)
{
    QDateTime time = QDateTime::fromString(value.toString(), Qt::ISODateWithMs);
    return time.isValid() ? time.toUTC() : QDateTime();
}

QJsonObject toJson(const KnownUnit& unit)
{
    QJsonArray addresses;
    for (const ReachedAt& reached : unit.addresses)
        addresses.append(QJsonObject{{QStringLiteral("unit"), reached.unit},
                                     {QStringLiteral("when"), timeText(reached.when)}});
    return {{QStringLiteral("identity"), unit.identity},
            {QStringLiteral("name"), unit.name},
            {QStringLiteral("fingerprint"), unit.fingerprint.toJson()},
            {QStringLiteral("addresses"), addresses},
            {QStringLiteral("lastBackup"), timeText(unit.lastBackup)},
            {QStringLiteral("backupEntry"), unit.backupEntry},
            {QStringLiteral("lastChange"), timeText(unit.lastChange)},
            {QStringLiteral("lastResult"), unit.lastResult},
            {QStringLiteral("lastResultTime"), timeText(unit.lastResultTime)}};
}

KnownUnit knownUnitOf(const QJsonObject& object)
{
    KnownUnit unit;
    unit.identity = object.value(QStringLiteral("identity")).toString();
    unit.name = object.value(QStringLiteral("name")).toString();
    unit.fingerprint =
        UnitFingerprint::fromJson(object.value(QStringLiteral("fingerprint")).toObject());
    for (const QJsonValue& value : object.value(QStringLiteral("addresses")).toArray()) {
        const QJsonObject reached = value.toObject();
        unit.addresses.append({reached.value(QStringLiteral("unit")).toString(),
                               timeOf(reached.value(QStringLiteral("when")))});
    }
    unit.lastBackup = timeOf(object.value(QStringLiteral("lastBackup")));
    unit.backupEntry = object.value(QStringLiteral("backupEntry")).toString();
    unit.lastChange = timeOf(object.value(QStringLiteral("lastChange")));
    unit.lastResult = object.value(QStringLiteral("lastResult")).toString();
    unit.lastResultTime = timeOf(object.value(QStringLiteral("lastResultTime")));
    return unit;
}

bool sameUnitName(const QString& a, const QString& b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

QDateTime lastSeen(const KnownUnit& unit)
{
    return unit.addresses.isEmpty() ? QDateTime() : unit.addresses.front().when;
}

} // namespace

UnitDirectory::UnitDirectory(QString path) : m_path(std::move(path)) {}

QString UnitDirectory::defaultPath()
{
    const QString journal = journal::defaultFolder();
    if (journal.isEmpty())
        return {};
    return QFileInfo(journal).path() + QStringLiteral("/units.json");
}

QString UnitDirectory::load()
{
    m_units.clear();
    if (m_path.isEmpty())
        return QStringLiteral("there is no data folder for this user");
    QFile file(m_path);
    if (!file.exists())
        return {};
    if (!file.open(QIODevice::ReadOnly))
        return file.errorString();
    const QByteArray bytes = file.read(kDirectoryLimit + 1);
    if (bytes.size() > kDirectoryLimit)
        return QStringLiteral("the file is larger than a unit directory can be");
    return parse(bytes);
}

QString UnitDirectory::parse(const QByteArray& bytes)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return QStringLiteral("it is not a unit directory (%1)").arg(error.errorString());
    for (const QJsonValue& value : document.object().value(QStringLiteral("units")).toArray()) {
        KnownUnit unit = knownUnitOf(value.toObject());
        if (!unit.identity.isEmpty())
            m_units.append(std::move(unit));
    }
    return {};
}

QByteArray UnitDirectory::bytes() const
{
    QJsonArray units;
    for (const KnownUnit& unit : m_units)
        units.append(toJson(unit));
    return QJsonDocument(QJsonObject{{QStringLiteral("units"), units}}).toJson();
}

DirectoryUpdate UnitDirectory::update(const std::function<void(UnitDirectory&)>& change)
{
    using Kind = DirectoryUpdate::Kind;
    if (m_path.isEmpty())
        return {Kind::Missing, QStringLiteral("there is no data folder for this user")};
    const QString folder = QFileInfo(m_path).path();
    if (!QDir().mkpath(folder))
        return {Kind::WriteFailed, QStringLiteral("cannot make the folder ") + folder};
    QLockFile lock(m_path + QStringLiteral(".lock"));
    lock.setStaleLockTime(text::kStaleLockMs);
    if (!lock.tryLock(text::kSharedLockWaitMs)) {
        // Only a lock another program holds is "busy": one that cannot be made is a write that
        // failed, as on a full disk or in a folder that cannot be written.
        if (lock.error() == QLockFile::LockFailedError)
            return {Kind::Busy, QStringLiteral("another program holds the unit directory; try "
                                               "again in a moment")};
        return {Kind::WriteFailed,
                QStringLiteral("cannot make the lock file %1.lock (is the disk full, or the "
                               "folder not writable?)")
                    .arg(m_path)};
    }
    if (const QString error = load(); !error.isEmpty())
        return {Kind::Unreadable,
                QStringLiteral("%1 cannot be read (%2); it was left as it is").arg(m_path, error)};
    change(*this);
    if (const QString error = m_save(m_path, bytes()); !error.isEmpty())
        return {Kind::WriteFailed,
                QStringLiteral("cannot save %1 (%2); it was left as it was").arg(m_path, error)};
    return {};
}

KnownUnit* UnitDirectory::find(const QString& identity)
{
    for (KnownUnit& unit : m_units)
        if (unit.identity == identity)
            return &unit;
    return nullptr;
}

const KnownUnit* UnitDirectory::find(const QString& identity) const
{
    return const_cast<UnitDirectory*>(this)->find(identity);
}

const KnownUnit* UnitDirectory::forSiteLine(const QString& name, const QString& unit) const
{
    const KnownUnit* named = nullptr;
    for (const KnownUnit& known : m_units) {
        if (!sameUnitName(known.name, name))
            continue;
        if (!known.addresses.isEmpty() && known.addresses.front().unit == unit)
            return &known;
        if (!named || lastSeen(known) > lastSeen(*named))
            named = &known;
    }
    return named ? named : lastReachedAt(unit);
}

const KnownUnit* UnitDirectory::lookingLike(const UnitFingerprint& fingerprint,
                                            const QString& unit) const
{
    const KnownUnit* best = nullptr;
    double bestShare = 0;
    for (const KnownUnit& known : m_units) {
        const double share = similarity(known.fingerprint, fingerprint);
        const bool here = !known.addresses.isEmpty() && known.addresses.front().unit == unit;
        if (share >= kSameUnitShare && (share > bestShare || (share == bestShare && here))) {
            best = &known;
            bestShare = share;
        }
    }
    return best;
}

const KnownUnit* UnitDirectory::lastReachedAt(const QString& unit) const
{
    const KnownUnit* last = nullptr;
    QDateTime lastWhen;
    for (const KnownUnit& known : m_units)
        for (const ReachedAt& reached : known.addresses)
            if (reached.unit == unit && (!last || reached.when > lastWhen)) {
                last = &known;
                lastWhen = reached.when;
            }
    return last;
}

QString UnitDirectory::newIdentity()
{
    return QUuid::createUuid().toString(QUuid::WithoutBraces);
}

KnownUnit& UnitDirectory::add(const QString& name, const UnitFingerprint& fingerprint,
                              const QString& identity)
{
    KnownUnit unit;
    unit.identity = identity.isEmpty() ? newIdentity() : identity;
    unit.name = name;
    unit.fingerprint = fingerprint;
    m_units.append(unit);
    return m_units.last();
}

void UnitDirectory::reached(KnownUnit& known, const QString& unit, const QDateTime& when)
{
    known.addresses.removeIf([&unit](const ReachedAt& reached) { return reached.unit == unit; });
    known.addresses.prepend({unit, when.toUTC()});
    while (known.addresses.size() > kAddressesKept)
        known.addresses.removeLast();
}

} // namespace zel::session
