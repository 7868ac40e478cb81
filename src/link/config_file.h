#pragma once
// File Mode: reading and writing ".zel" configuration files. The text is 8-bit, one config line
// per text line; lines are written with CR LF, and CR, LF or CR LF end a line when read.

#include <QByteArray>
#include <QString>
#include <QStringList>

class QIODevice;

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

// The largest file taken as a configuration. A configuration is a few kilobytes; the limit leaves
// room for a few very long lines while a file that cannot be one (a disk image, a log) is
// refused at once instead of stalling the window.
constexpr qint64 kConfigurationFileLimit = 4 * 1024 * 1024;

struct CappedBytes {
    QByteArray bytes;      // all the device held, when error is empty
    QString error;         // the device's error, or tooLargeReason(); empty when read
    bool tooLarge = false; // error is tooLargeReason()
};

// Reads an open device (a file, standard input) to its end, in pieces and never more than one
// byte past kConfigurationFileLimit: a device such as /dev/zero never ends.
CappedBytes readConfigurationBytes(QIODevice& device);

// "larger than a configuration file can be (4194304 bytes at most)"
QString tooLargeReason();

// Reads a configuration file whole. Only a plain file of at most kConfigurationFileLimit bytes
// is read: a folder, a pipe or a device (which may never end, or block the open) gives an error.
FileReadResult readConfigurationFile(const QString& path);

// Writes `lines`, each followed by CR LF, as saveWholeFile() saves: a failed write leaves an
// existing file as it was.
FileWriteResult writeConfigurationFile(const QString& path, const QStringList& lines);

// Splits 8-bit text into lines; a line ending at the very end adds no empty line.
QStringList splitConfigurationText(const QByteArray& bytes);

// " Imported complete from file: " and the file's full path.
QString fileImportStatus(const QString& path);
// " Exported to file: " and the file's full path.
QString fileExportStatus(const QString& path);
// How status texts name a file: "file: " and its full path.
QString filePeerText(const QString& path);
// "File " full path " exists. Overwrite?"
QString overwriteQuestion(const QString& path);

} // namespace zel::link
