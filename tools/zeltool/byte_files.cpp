#include "byte_files.h"

#include "link/file_save.h"

#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <QString>

#include <cstdio>

namespace zel::tool {

namespace {

constexpr qint64 kChunk = 64 * 1024;

QString pathText(const std::string& path)
{
    return QString::fromLocal8Bit(path.data(), static_cast<qsizetype>(path.size()));
}

std::string errorText(const QFile& file)
{
    return file.errorString().toLocal8Bit().toStdString();
}

} // namespace

ReadResult readBytes(const std::string& path, std::size_t limit)
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
    // In pieces, to one byte past the limit: a device such as /dev/zero never ends.
    const auto cap = static_cast<qint64>(limit) + 1;
    QByteArray bytes;
    while (bytes.size() < cap) {
        const QByteArray chunk = file.read(std::min(kChunk, cap - bytes.size()));
        if (chunk.isEmpty())
            break;
        bytes += chunk;
    }
    if (file.error() != QFileDevice::NoError)
        result.error = errorText(file);
    else if (bytes.size() > static_cast<qsizetype>(limit))
        result.error =
            "larger than a configuration file can be (" + std::to_string(limit) + " bytes at most)";
    else
        result.bytes.assign(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    return result;
}

std::string replaceFile(const std::string& path, std::string_view bytes)
{
    const QString error = link::saveWholeFile(
        pathText(path), QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
    return error.toLocal8Bit().toStdString();
}

bool writeStandardOutput(std::string_view bytes)
{
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), stdout) == bytes.size();
    return std::fflush(stdout) == 0 && written;
}

} // namespace zel::tool
