#include "journal/journal_scan.h"

#include "journal/entry_file.h"
#include "journal/entry_header.h"
#include "journal/journal_index.h"
#include "journal/legacy_entries.h"

#include <QDir>
#include <QHash>

#include <algorithm>
#include <optional>

namespace zel::journal {

namespace {

// The entry a text says it is, from its header, or for a text from before headers, from its
// name and content. Nothing for a text that is neither (a file someone else put there).
std::optional<Entry> entryOfText(const QString& folder, const QString& name, qint64 size)
{
    const QString path = folder + u'/' + name;
    const FileRead start = readEntryFile(path, kHeaderReadLimit);
    if (!start.error.isEmpty())
        return std::nullopt;
    if (std::optional<HeaderRead> header = readEntryHeader(start.bytes)) {
        header->entry.file = name;
        header->entry.size = size;
        return header->entry;
    }
    const FileRead whole = readEntryFile(path);
    if (!whole.error.isEmpty())
        return std::nullopt;
    return entryFromLegacyText(name, whole.bytes);
}

// The place of a text among those made in the same millisecond: the journal names the first
// "...-from.zel", the next ones "...-from-2.zel", "...-from-3.zel" and so on.
int sequenceOf(const QString& file)
{
    const qsizetype end = file.lastIndexOf(u'.');
    const qsizetype dash = file.lastIndexOf(u'-', end);
    bool number = false;
    const int n = dash < 0 ? 0 : file.mid(dash + 1, end - dash - 1).toInt(&number);
    return number ? n : 1;
}

} // namespace

FolderEntries collectEntries(const QString& folder)
{
    // Regular files only: a symbolic link or a special file among the texts is never read.
    QHash<QString, qint64> texts;
    const QDir dir(folder);
    for (const QFileInfo& info :
         dir.entryInfoList({QStringLiteral("*.zel")}, QDir::Files | QDir::NoSymLinks))
        if (info.isFile() && !info.isSymLink() && info.size() > 0)
            texts.insert(info.fileName(), info.size());

    FolderEntries found;
    const FileRead indexFile = readEntryFile(dir.filePath(kIndexName));
    const std::optional<IndexRead> index =
        indexFile.error.isEmpty() ? readIndex(indexFile.bytes) : std::nullopt;
    found.indexStale = !index;
    QSet<QString> named;
    if (index) {
        for (Entry entry : index->entries) {
            if (!texts.contains(entry.file) || named.contains(entry.file)) {
                found.indexStale = true;
                continue;
            }
            named.insert(entry.file);
            if (index->unmarkedSends.contains(entry.file)) {
                const FileRead text = readEntryFile(dir.filePath(entry.file));
                entry.partial = !text.error.isEmpty() || lacksWholeConfiguration(text.bytes);
                found.indexStale = true;
            }
            found.entries.append(entry);
        }
    }
    for (auto text = texts.cbegin(); text != texts.cend(); ++text) {
        if (named.contains(text.key()))
            continue;
        if (std::optional<Entry> entry = entryOfText(folder, text.key(), text.value())) {
            found.entries.append(*entry);
            found.indexStale = true;
        }
    }
    std::stable_sort(found.entries.begin(), found.entries.end(),
                     [](const Entry& a, const Entry& b) {
                         if (a.time != b.time)
                             return a.time < b.time;
                         const int first = sequenceOf(a.file), second = sequenceOf(b.file);
                         return first != second ? first < second : a.file < b.file;
                     });
    return found;
}

} // namespace zel::journal
