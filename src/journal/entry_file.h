#pragma once
// Reading a text of the journal folder without leaving it: a symbolic link (which may name a file
// anywhere) and anything that is not a regular file (a pipe that never ends, a device) are not
// read, and no text is read past the configuration read cap.

#include <QByteArray>
#include <QString>

namespace zel::journal {

struct FileRead {
    QByteArray bytes;
    QString error; // empty when read
};

// The first `limit` bytes of the regular file at `path`, or all of it up to the configuration
// read cap when `limit` is negative (a larger file is refused).
FileRead readEntryFile(const QString& path, qint64 limit = -1);

} // namespace zel::journal
