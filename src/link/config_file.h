#pragma once
// File Mode: reading and writing ".zel" configuration files. The text is 8-bit, one config line
// per text line; lines are written with CR LF, and CR, LF or CR LF end a line when read.

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace zel::link {

struct FileReadResult {
    bool ok = false;
    QStringList lines;
    QString errorText; // what failed, when !ok
};

struct FileWriteResult {
    bool ok = false;
    QString errorText;
};

// Reads a configuration file whole. Only a plain file of at most text::kConfigurationFileLimit
// bytes is read: a folder, a pipe or a device (which may never end, or block the open) gives an
// error.
FileReadResult readConfigurationFile(const QString& path);

// Writes `lines`, each followed by CR LF, as saveWholeFile() saves: a failed write leaves an
// existing file as it was.
FileWriteResult writeConfigurationFile(const QString& path, const QStringList& lines);

// Splits 8-bit text into lines; a line ending at the very end adds no empty line.
QStringList splitConfigurationText(const QByteArray& bytes);

// How a transfer names a file as the other end: "file: " and its full path.
QString filePeerText(const QString& path);

} // namespace zel::link
