#pragma once
// Saving a whole file the way an editor does: the new text goes to a temporary file beside the
// old one, which replaces it only once everything is written, so a failed save leaves the old
// file as it was. A symbolic link is written through, to the file it names. Where the folder
// cannot be written but the file can, the file is written in place instead. A pipe, a device or
// a socket is written into directly: it is never replaced by a regular file.

#include <QByteArray>
#include <QString>

#include <functional>

namespace zel::text {

// Writes `bytes` to `path`; returns why it failed, or an empty text.
QString saveWholeFile(const QString& path, const QByteArray& bytes);

// A save as saveWholeFile() does it, for those that let a test put another in its place.
using SaveRoutine = std::function<QString(const QString& path, const QByteArray& bytes)>;

} // namespace zel::text
