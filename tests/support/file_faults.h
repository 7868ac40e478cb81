#pragma once
// Ways to make file operations fail in a test, even when the tests run as root: a file size
// limit (a disk that fills up part-way through a write) and file access as an ordinary user
// (files without read permission, folders without write permission); and the content of a
// binary file.

#include <csignal>
#include <random>
#include <string>
#include <sys/fsuid.h>
#include <sys/resource.h>
#include <unistd.h>

namespace zel::test {

// `size` bytes of every value, the same for every run.
inline std::string randomBytes(std::size_t size)
{
    std::mt19937 random(7);
    std::string bytes(size, '\0');
    for (char& byte : bytes)
        byte = static_cast<char>(random());
    return bytes;
}

// Lowers the largest file this process may write, so that a save fails half way even as root.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_saved);
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_saved;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, m_oldHandler);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit m_saved{};
    void (*m_oldHandler)(int);
};

// While it lives, the calling thread opens files as the user "nobody", so permissions apply to
// it even when the test runs as root (whose file access ignores them). The file system user is
// per thread and goes back to root, with root's file capabilities, when the object goes.
class AsOrdinaryUser {
public:
    static constexpr uid_t kNobody = 65534;

    AsOrdinaryUser()
    {
        if (::geteuid() != 0)
            return; // permissions apply already
        ::setfsgid(kNobody);
        ::setfsuid(kNobody);
        m_switched = true;
    }
    ~AsOrdinaryUser()
    {
        if (!m_switched)
            return;
        ::setfsuid(0);
        ::setfsgid(0);
    }
    AsOrdinaryUser(const AsOrdinaryUser&) = delete;
    AsOrdinaryUser& operator=(const AsOrdinaryUser&) = delete;

private:
    bool m_switched = false;
};

} // namespace zel::test
