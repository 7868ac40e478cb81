#include "link/config_file.h"

#include "model/config_reader.h"
#include "text/capped_read.h"
#include "text/file_save.h"
#include "text/latin1_text.h"

#include <QDir>
#include <QFile>
#include <QFileDevice>
#include <QFileInfo>

namespace zel::link {

namespace {

QString fullPath(const QString& path)
{
    return QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
}

enum class FileKind { PlainOrUnknown, Folder, Special };

// What `path` names: a path that cannot be looked at (missing, no permission) is left for the
// open to report.
FileKind fileKind(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists() || info.isFile())
        return FileKind::PlainOrUnknown;
    return info.isDir() ? FileKind::Folder : FileKind::Special;
}

} // namespace

QStringList splitConfigurationText(const QByteArray& bytes)
{
    QStringList lines;
    for (std::string_view line :
         model::splitLines(std::string_view(bytes.constData(), static_cast<size_t>(bytes.size()))))
        lines.append(text::fromLatin1(line));
    return lines;
}

FileReadResult readConfigurationFile(const QString& path)
{
    FileReadResult result;
    // A pipe may block the open until a writer comes, and a device may never end.
    switch (fileKind(path)) {
    case FileKind::Folder:
        result.errorText = QObject::tr("Cannot open %1: it is a folder").arg(fullPath(path));
        return result;
    case FileKind::Special:
        result.errorText =
            QObject::tr("Cannot open %1: it is a pipe or a device, not a file").arg(fullPath(path));
        return result;
    case FileKind::PlainOrUnknown:
        break;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        result.errorText =
            QObject::tr("Cannot open %1: %2").arg(fullPath(path), file.errorString());
        return result;
    }
    const text::CappedBytes read = text::readConfigurationBytes(file);
    if (!read.error.isEmpty()) {
        result.errorText =
            QObject::tr("Cannot read %1: %2")
                .arg(fullPath(path),
                     (read.tooLarge ? QObject::tr("it is ") : QString()) + read.error);
        return result;
    }
    result.lines = splitConfigurationText(read.bytes);
    result.ok = true;
    return result;
}

FileWriteResult writeConfigurationFile(const QString& path, const QStringList& lines)
{
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += line.toLatin1() + "\r\n";
    FileWriteResult result;
    if (const QString error = text::saveWholeFile(path, bytes); !error.isEmpty())
        result.errorText = QObject::tr("Cannot write %1: %2").arg(fullPath(path), error);
    else
        result.ok = true;
    return result;
}

QString filePeerText(const QString& path)
{
    return QStringLiteral("file: ") + fullPath(path);
}

} // namespace zel::link
