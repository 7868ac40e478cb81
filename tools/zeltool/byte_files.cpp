#include "byte_files.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
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

bool writeAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t count = ::write(fd, bytes.data(), bytes.size());
        if (count < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(count));
    }
    return true;
}

// Permissions for the new file: those of the file it replaces, else what the umask allows.
mode_t permissionsFor(const std::string& path)
{
    struct stat existing {};
    if (::stat(path.c_str(), &existing) == 0 && S_ISREG(existing.st_mode))
        return existing.st_mode & 07777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
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
    if (path.empty())
        return std::strerror(ENOENT);
    if (path.back() == '/')
        return std::strerror(EISDIR);
    const std::size_t slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : path.substr(0, slash + 1);
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    std::string temporary = folder + (folder.back() == '/' ? "" : "/") + "." + name + ".XXXXXX";

    const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0)
        return lastError();
    const bool written =
        writeAll(fd, bytes) && ::fchmod(fd, permissionsFor(path)) == 0 && ::fsync(fd) == 0;
    std::string error = written ? std::string() : lastError();
    if (::close(fd) != 0 && error.empty())
        error = lastError();
    if (error.empty() && ::rename(temporary.c_str(), path.c_str()) != 0)
        error = lastError();
    if (!error.empty())
        ::unlink(temporary.c_str());
    return error;
}

bool writeStandardOutput(std::string_view bytes)
{
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), stdout) == bytes.size();
    return std::fflush(stdout) == 0 && written;
}

} // namespace zel::tool
