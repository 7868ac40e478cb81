#include "journal/journal.h"

#include "journal/journal_index.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QSaveFile>
#include <QStandardPaths>

#include <algorithm>

namespace zel::journal {

namespace {

// The window's application name: the journal lives in its data folder.
const char* const kApplicationName = "ZEL Configuration";
const char* const kIndexName = "index.json";
const char* const kLockName = "index.lock";

QString writeWhole(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        return file.errorString();
    return {};
}

} // namespace

QString defaultFolder()
{
    // AppDataLocation follows the application's name: borrow the window's for the question.
    const QString ownName = QCoreApplication::applicationName();
    QCoreApplication::setApplicationName(QString::fromLatin1(kApplicationName));
    const QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QCoreApplication::setApplicationName(ownName);
    return data.isEmpty() ? QString() : data + QStringLiteral("/journal");
}

int countConfigLines(const QByteArray& text)
{
    int count = 0;
    bool lineStart = true;
    for (const char c : text) {
        if (lineStart && c == '[')
            ++count;
        lineStart = c == '\n' || c == '\r';
    }
    return count;
}

Journal::Journal(QString folder, Limits limits) : m_folder(std::move(folder)), m_limits(limits) {}

QString Journal::path(const QString& name) const
{
    return m_folder + u'/' + name;
}

QString Journal::newFileName(const QDateTime& time, Direction direction) const
{
    const QString stem =
        time.toString(QStringLiteral("yyyyMMdd-HHmmss-zzz")) + u'-' + directionWord(direction);
    QString name = stem + QStringLiteral(".zel");
    for (int n = 2; QFile::exists(path(name)); ++n)
        name = stem + u'-' + QString::number(n) + QStringLiteral(".zel");
    return name;
}

QList<Entry> Journal::readEntries() const
{
    QFile index(path(QString::fromLatin1(kIndexName)));
    if (!index.open(QIODevice::ReadOnly))
        return {};
    return readIndex(index.readAll());
}

QList<Entry> Journal::entries() const
{
    QList<Entry> entries = readEntries();
    std::reverse(entries.begin(), entries.end());
    return entries;
}

std::optional<Entry> Journal::newestFrom(const QString& unit) const
{
    for (const Entry& entry : entries())
        if (entry.direction == Direction::FromUnit && entry.unit == unit)
            return entry;
    return std::nullopt;
}

std::optional<QByteArray> Journal::text(const Entry& entry, QString* error) const
{
    QFile file(path(entry.file));
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = file.errorString();
        return std::nullopt;
    }
    return file.readAll();
}

QString Journal::record(Direction direction, const QString& unit, bool whole, const QString& ending,
                        const QByteArray& text)
{
    if (m_folder.isEmpty())
        return QStringLiteral("there is no data folder for this user");
    if (!QDir().mkpath(m_folder))
        return QStringLiteral("cannot make the folder ") + m_folder;
    QLockFile lock(path(QString::fromLatin1(kLockName)));
    lock.setStaleLockTime(10000);
    if (!lock.tryLock(5000))
        return QStringLiteral("another program holds the journal");

    Entry entry;
    entry.time = QDateTime::currentDateTimeUtc();
    entry.direction = direction;
    entry.unit = unit;
    entry.whole = whole;
    entry.ending = whole ? QString() : ending;
    entry.configLines = countConfigLines(text);
    entry.file = newFileName(entry.time, direction);
    entry.size = text.size();
    if (const QString error = writeWhole(path(entry.file), text); !error.isEmpty())
        return error;

    QList<Entry> entries = readEntries();
    entries.append(entry);
    QList<Entry> kept = entries;
    applyLimits(kept);
    if (const QString error = writeWhole(path(QString::fromLatin1(kIndexName)), indexBytes(kept));
        !error.isEmpty()) {
        QFile::remove(path(entry.file));
        return error;
    }
    removeUnnamedTexts(kept);
    return {};
}

void Journal::removeUnnamedTexts(const QList<Entry>& named) const
{
    QStringList names;
    for (const Entry& entry : named)
        names << entry.file;
    for (const QString& name : QDir(m_folder).entryList({QStringLiteral("*.zel")}, QDir::Files))
        if (!names.contains(name))
            QFile::remove(path(name));
}

void Journal::applyLimits(QList<Entry>& entries) const
{
    qint64 bytes = 0;
    for (const Entry& entry : entries)
        bytes += entry.size;
    while (entries.size() > 1 &&
           (entries.size() > m_limits.maxEntries || bytes > m_limits.maxBytes)) {
        bytes -= entries.front().size;
        entries.removeFirst();
    }
}

} // namespace zel::journal
