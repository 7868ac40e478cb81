#include "text/file_save.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace zel::text {

namespace {

// Whether `path`, after its links, names something that exists and is neither a regular file
// nor a folder: a pipe, a device or a socket. Renaming a new file over it would take it away.
bool isSpecialFile(const QString& path)
{
    const QFileInfo info(path); // follows symbolic links
    return info.exists() && !info.isFile() && !info.isDir();
}

// Writes into what is already there, with no temporary file: a pipe's reader gets the text, a
// device reports its own error ("No space left on device").
QString writeInPlace(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::ExistingOnly | QIODevice::Unbuffered))
        return file.errorString();
    if (file.write(bytes) != bytes.size())
        return file.errorString();
    file.close();
    if (file.error() != QFileDevice::NoError)
        return file.errorString();
    return {};
}

} // namespace

QString saveWholeFile(const QString& path, const QByteArray& bytes)
{
    if (isSpecialFile(path))
        return writeInPlace(path, bytes);
    QSaveFile file(path);
    file.setDirectWriteFallback(true);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    // The flush comes first: a write that fails while the buffer empties (a full disk) is not
    // seen by commit(), which would then put the cut file in place of the old one.
    if (file.write(bytes) != bytes.size() || !file.flush() || !file.commit())
        return file.errorString();
    return {};
}

} // namespace zel::text
