#include "link/config_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace zel::link {

namespace {

QString fullPath(const QString& path)
{
    return QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
}

} // namespace

QStringList splitConfigurationText(const QByteArray& bytes)
{
    QStringList lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const char c = bytes[i];
        if (c != '\r' && c != '\n')
            continue;
        lines.append(QString::fromLatin1(bytes.mid(start, i - start)));
        if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < bytes.size())
        lines.append(QString::fromLatin1(bytes.mid(start)));
    return lines;
}

FileReadResult readConfigurationFile(const QString& path)
{
    FileReadResult result;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        result.errorText =
            QObject::tr("Cannot open %1: %2").arg(fullPath(path), file.errorString());
        return result;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        result.errorText =
            QObject::tr("Cannot read %1: %2").arg(fullPath(path), file.errorString());
        return result;
    }
    result.lines = splitConfigurationText(bytes);
    result.ok = true;
    return result;
}

FileWriteResult writeConfigurationFile(const QString& path, const QStringList& lines)
{
    FileWriteResult result;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        result.errorText =
            QObject::tr("Cannot write %1: %2").arg(fullPath(path), file.errorString());
        return result;
    }
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += line.toLatin1() + "\r\n";
    if (file.write(bytes) != bytes.size() || !file.commit()) {
        result.errorText =
            QObject::tr("Cannot write %1: %2").arg(fullPath(path), file.errorString());
        return result;
    }
    result.ok = true;
    return result;
}

QString fileImportStatus(const QString& path)
{
    return QStringLiteral(" Imported complete from file: ") + fullPath(path);
}

QString overwriteQuestion(const QString& path)
{
    return QStringLiteral("File ") + fullPath(path) + QStringLiteral(" exists. Overwrite?");
}

} // namespace zel::link
