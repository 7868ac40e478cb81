#include "journal/entry_file.h"

#include "text/capped_read.h"

#include <QFile>
#include <QFileInfo>
#include <QObject>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace zel::journal {

namespace {

QString notRegularReason()
{
    return QObject::tr("it is a link or not a regular file, so the journal does not read it");
}

// Opens `path` for reading only when it is a regular file reached without a symbolic link.
// Checked on the open file itself where the system allows, so that nothing swapped in between
// the check and the open is read.
bool openRegular(QFile& file, const QString& path, QString& error)
{
#ifdef Q_OS_UNIX
    const int fd =
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        error = errno == ELOOP ? notRegularReason() : qt_error_string(errno);
        return false;
    }
    struct stat status {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(fd);
        error = notRegularReason();
        return false;
    }
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        error = file.errorString();
        return false;
    }
    return true;
#else
    const QFileInfo info(path);
    if (info.isSymLink() || !info.isFile()) {
        error = info.exists() || info.isSymLink() ? notRegularReason()
                                                  : QObject::tr("the file is missing");
        return false;
    }
    file.setFileName(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = file.errorString();
        return false;
    }
    return true;
#endif
}

} // namespace

FileRead readEntryFile(const QString& path, qint64 limit)
{
    FileRead read;
    QFile file;
    if (!openRegular(file, path, read.error))
        return read;
    if (limit >= 0) {
        read.bytes = file.read(limit);
        if (file.error() != QFileDevice::NoError)
            read.error = file.errorString();
        return read;
    }
    text::CappedBytes capped = text::readConfigurationBytes(file);
    read.bytes = std::move(capped.bytes);
    read.error = capped.error;
    return read;
}

} // namespace zel::journal
