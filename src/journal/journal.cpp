#include "journal/journal.h"

#include "journal/entry_file.h"
#include "journal/entry_header.h"
#include "journal/journal_index.h"
#include "journal/journal_scan.h"
#include "journal/legacy_entries.h"
#include "text/file_save.h"
#include "text/shared_file_lock.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QStandardPaths>

#include <algorithm>

namespace zel::journal {

namespace {

// The window's application name: the journal lives in its data folder.
const char* const kApplicationName = "ZEL Configuration";
const char* const kLockName = "index.lock";

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

Journal::Journal(QString folder, Limits limits)
    : m_folder(std::move(folder)), m_limits(limits), m_save(text::saveWholeFile)
{
}

QString Journal::path(const QString& name) const
{
    return m_folder + u'/' + name;
}

QString Journal::reserveFileName(const QDateTime& time, Direction direction, QString& error) const
{
    const QString stem =
        time.toString(QStringLiteral("yyyyMMdd-HHmmss-zzz")) + u'-' + directionWord(direction);
    for (int n = 1; n < 1000; ++n) {
        const QString name =
            stem + (n == 1 ? QString() : u'-' + QString::number(n)) + QStringLiteral(".zel");
        QFile file(path(name));
        if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
            return name;
        error = file.errorString();
        if (!file.exists())
            break; // not there, yet it cannot be made
    }
    error = QStringLiteral("cannot make a file in ") + m_folder + QStringLiteral(": ") + error;
    return {};
}

FileResult Journal::record(Entry entry, const QByteArray& text)
{
    using Kind = FileResult::Kind;
    if (m_folder.isEmpty())
        return {Kind::Missing, QStringLiteral("there is no data folder for this user")};
    if (!QDir().mkpath(m_folder))
        return {Kind::WriteFailed, QStringLiteral("cannot make the folder ") + m_folder};
    entry.time = QDateTime::currentDateTimeUtc();
    entry.configLines = countConfigLines(text);
    QString error;
    entry.file = reserveFileName(entry.time, entry.direction, error);
    if (entry.file.isEmpty())
        return {Kind::WriteFailed, error};
    const QByteArray bytes = entryHeader(entry) + text;
    entry.size = bytes.size();
    if (error = m_save(path(entry.file), bytes); !error.isEmpty()) {
        QFile::remove(path(entry.file)); // the empty file that reserved the name
        return {Kind::WriteFailed, error};
    }
    // From here the text is the record: the index only catches up with it.
    return updateIndex([](QList<Entry>&) { return FileResult(); }, false);
}

FileResult Journal::setKept(const Entry& entry, bool kept)
{
    using Kind = FileResult::Kind;
    return updateIndex(
        [&](QList<Entry>& entries) -> FileResult {
            const auto held = std::find_if(entries.begin(), entries.end(),
                                           [&](const Entry& e) { return e.file == entry.file; });
            if (held == entries.end())
                return {Kind::Missing, QStringLiteral("the entry is no longer in the journal")};
            const FileRead read = readEntryFile(path(held->file));
            if (!read.error.isEmpty())
                return {Kind::Unreadable, read.error};
            const std::optional<HeaderRead> header = readEntryHeader(read.bytes);
            held->kept = kept;
            // The text says it too, so that the mark outlives a lost index.
            const QByteArray body = header ? read.bytes.mid(header->bodyStart) : read.bytes;
            const QByteArray bytes = entryHeader(*held) + body;
            held->size = bytes.size();
            if (const QString error = m_save(path(held->file), bytes); !error.isEmpty())
                return {Kind::WriteFailed, error};
            return {};
        },
        true);
}

FileResult Journal::updateIndex(const std::function<FileResult(QList<Entry>&)>& change,
                                bool lockNeeded)
{
    using Kind = FileResult::Kind;
    QLockFile lock(path(QString::fromLatin1(kLockName)));
    lock.setStaleLockTime(text::kStaleLockMs);
    if (!lock.tryLock(text::kSharedLockWaitMs)) {
        if (!lockNeeded)
            return {};
        // Only a lock another program holds is "busy": one that cannot be made is a write that
        // failed, as on a full disk or in a folder that cannot be written.
        if (lock.error() == QLockFile::LockFailedError)
            return {Kind::Busy,
                    QStringLiteral("another program is writing the journal; try again")};
        return {Kind::WriteFailed, QStringLiteral("cannot make the lock file in ") + m_folder +
                                       QStringLiteral(" (is the disk full, or the folder not "
                                                      "writable?)")};
    }
    QList<Entry> entries = collectEntries(m_folder).entries;
    if (FileResult changed = change(entries); !changed.done())
        return changed;
    const BoundProtection protection =
        m_protection && overBound(entries, m_limits) ? m_protection(entries) : BoundProtection();
    const QList<Entry> dropped = applyBound(entries, m_limits, protection);
    if (const QString error = m_save(path(kIndexName), indexBytes(entries)); !error.isEmpty())
        return {Kind::WriteFailed, QStringLiteral("cannot save the index: ") + error};
    for (const Entry& entry : dropped)
        QFile::remove(path(entry.file));
    return {};
}

QList<Entry> Journal::entries() const
{
    QList<Entry> entries = collectEntries(m_folder).entries;
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
    FileRead read = readEntryFile(path(entry.file));
    if (!read.error.isEmpty()) {
        if (error)
            *error = read.error;
        return std::nullopt;
    }
    if (const std::optional<HeaderRead> header = readEntryHeader(read.bytes))
        return read.bytes.mid(header->bodyStart);
    return read.bytes;
}

} // namespace zel::journal
