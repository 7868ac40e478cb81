#include "byte_files.h"

#include "link/file_save.h"

#include <QByteArray>
#include <QString>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zel::tool {

namespace {

std::string lastError()
{
    return std::strerror(errno);
}

// Reads to the end, or to one byte past `limit`.
bool readAll(int fd, std::string& bytes, std::size_t limit)
{
    char buffer[64 * 1024];
    while (bytes.size() <= limit) {
        const ssize_t count = ::read(fd, buffer, sizeof buffer);
        if (count == 0)
            return true;
        if (count < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        bytes.append(buffer, static_cast<std::size_t>(count));
    }
    return true;
}

} // namespace

ReadResult readBytes(const std::string& path, std::size_t limit)
{
    ReadResult result;
    const bool standardInput = path == "-";
    const int fd = standardInput ? STDIN_FILENO : ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        result.error = lastError();
        return result;
    }
    struct stat info {};
    if (::fstat(fd, &info) == 0 && S_ISDIR(info.st_mode))
        result.error = std::strerror(EISDIR);
    else if (!readAll(fd, result.bytes, limit))
        result.error = lastError();
    else if (result.bytes.size() > limit)
        result.error =
            "larger than a configuration file can be (" + std::to_string(limit) + " bytes at most)";
    if (!standardInput)
        ::close(fd);
    if (!result.error.empty())
        result.bytes.clear();
    return result;
}

std::string replaceFile(const std::string& path, std::string_view bytes)
{
    const QString error = link::saveWholeFile(
        QString::fromLocal8Bit(path.data(), static_cast<qsizetype>(path.size())),
        QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
    return error.toLocal8Bit().toStdString();
}

bool writeStandardOutput(std::string_view bytes)
{
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), stdout) == bytes.size();
    return std::fflush(stdout) == 0 && written;
}

} // namespace zel::tool
