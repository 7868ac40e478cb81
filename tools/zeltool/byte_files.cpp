#include "byte_files.h"

#include "text/capped_read.h"
#include "text/file_save.h"

#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <QString>

#include <cstdio>

namespace zel::tool {

namespace {

QString pathText(const std::string& path)
{
    return QString::fromLocal8Bit(path.data(), static_cast<qsizetype>(path.size()));
}

std::string errorText(const QFile& file)
{
    return file.errorString().toLocal8Bit().toStdString();
}

} // namespace

ReadResult readBytes(const std::string& path)
{
    ReadResult result;
    QFile file;
    bool opened = false;
    if (path == "-") {
        opened = file.open(stdin, QIODevice::ReadOnly);
    } else {
        file.setFileName(pathText(path));
        if (QFileInfo(file.fileName()).isDir()) {
            result.error = "Is a directory";
            return result;
        }
        opened = file.open(QIODevice::ReadOnly);
    }
    if (!opened) {
        result.error = errorText(file);
        return result;
    }
    const text::CappedBytes read = text::readConfigurationBytes(file);
    result.error = read.error.toLocal8Bit().toStdString();
    result.bytes.assign(read.bytes.constData(), static_cast<std::size_t>(read.bytes.size()));
    return result;
}

std::string replaceFile(const std::string& path, std::string_view bytes)
{
    const QString error = text::saveWholeFile(
        pathText(path), QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
    return error.toLocal8Bit().toStdString();
}

std::string writeNewFile(const std::string& path, std::string_view bytes)
{
    QFile file(pathText(path));
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return file.exists() ? std::string("the file exists") : errorText(file);
    const bool written = file.write(bytes.data(), static_cast<qint64>(bytes.size())) ==
                         static_cast<qint64>(bytes.size());
    if (written && file.flush()) {
        file.close();
        if (file.error() == QFileDevice::NoError)
            return {};
    }
    const std::string error = errorText(file);
    file.remove();
    return error;
}

bool writeStandardOutput(std::string_view bytes)
{
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), stdout) == bytes.size();
    return std::fflush(stdout) == 0 && written;
}

} // namespace zel::tool
