// Files that are not a configuration, or cannot be read or written, through File Mode's file
// helpers and the reader: each gives a clear message or a text the reader takes without harm,
// never waiting on a pipe or reading past what a configuration can hold, and a failed save
// leaves the disk as it was.

#include "link/config_file.h"

#include "model/config_model.h"
#include "model/config_reader.h"
#include "model/model_reset.h"
#include "qt_printing.h"
#include "support/file_faults.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <fcntl.h>
#include <functional>
#include <optional>
#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>

using namespace zel;
using zel::test::AsOrdinaryUser;
using zel::test::FileSizeLimit;

namespace {

void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    ASSERT_EQ(file.write(bytes), bytes.size());
}

// Reads the lines into a fresh configuration, as the window's reader run does.
model::ConfigModel readLines(const QStringList& lines)
{
    model::ConfigModel config;
    model::resetModel(config);
    model::LogLines log;
    const QByteArray text = lines.join('\n').toLatin1();
    model::readText(config, std::string_view(text.constData(), static_cast<size_t>(text.size())),
                    log);
    return config;
}

// A temporary folder an ordinary user may look into.
void openToEveryone(const QTemporaryDir& dir)
{
    QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                          QFileDevice::ExeOwner | QFileDevice::ReadOther |
                                          QFileDevice::ExeOther);
}

} // namespace

TEST(BadFiles, ReadingGivesAClearErrorOrATextTheReaderTakes)
{
    QTemporaryDir dir;
    openToEveryone(dir);
    struct Case {
        const char* what;
        std::function<QString()> make; // makes the file and gives its path
        QString error;                 // part of the message; empty when the file is read
        std::function<void(const link::FileReadResult&)> check = {};
    };
    const Case cases[] = {
        {"empty file",
         [&] {
             writeBytes(dir.filePath("empty.zel"), {});
             return dir.filePath("empty.zel");
         },
         {},
         [](const link::FileReadResult& r) { EXPECT_TRUE(r.lines.isEmpty()); }},
        {"binary file",
         [&] {
             writeBytes(dir.filePath("binary.zel"),
                        QByteArray::fromStdString(zel::test::randomBytes(512 * 1024)));
             return dir.filePath("binary.zel");
         },
         {},
         [](const link::FileReadResult& r) { EXPECT_GT(r.lines.size(), 100); }},
        {"NUL bytes inside and between lines",
         [&] {
             writeBytes(dir.filePath("nul.zel"),
                        QByteArray("[SD1]\r\n\0\0\r\n[NO1\"a\0b\"]\r\n", 23));
             return dir.filePath("nul.zel");
         },
         {},
         [](const link::FileReadResult& r) {
             EXPECT_EQ(r.lines, (QStringList{"[SD1]", QString(2, QChar(0)),
                                             QString::fromLatin1("[NO1\"a\0b\"]", 10)}));
             EXPECT_EQ(readLines(r.lines).zoneName(1), std::string("a\0b", 3));
         }},
        {"lines of 1 MB",
         [&] {
             const QByteArray name(1024 * 1024, 'x');
             writeBytes(dir.filePath("long.zel"),
                        "[NO1\"" + name + "\"]\r\n[SD" + name + "]\r\n" + name);
             return dir.filePath("long.zel");
         },
         {},
         [](const link::FileReadResult& r) {
             ASSERT_EQ(r.lines.size(), 3);
             EXPECT_EQ(readLines(r.lines).zoneName(1), std::string(16, 'x'));
         }},
        {"50 MB file",
         [&] {
             QFile file(dir.filePath("huge.zel"));
             EXPECT_TRUE(file.open(QIODevice::WriteOnly));
             EXPECT_TRUE(file.resize(50 * 1024 * 1024));
             return dir.filePath("huge.zel");
         },
         "larger than a configuration file can be"},
        {"a folder",
         [&] {
             QDir(dir.path()).mkdir("folder.zel");
             return dir.filePath("folder.zel");
         },
         "it is a folder"},
        {"a pipe no program writes to (opening it would wait for ever)",
         [&] {
             ::mkfifo(QFile::encodeName(dir.filePath("pipe.zel")).constData(), 0600);
             return dir.filePath("pipe.zel");
         },
         "it is a pipe or a device"},
        {"a device that never ends", [] { return QStringLiteral("/dev/zero"); },
         "it is a pipe or a device"},
        {"no read permission",
         [&] {
             writeBytes(dir.filePath("secret.zel"), "[SD1]\r\n");
             QFile::setPermissions(dir.filePath("secret.zel"), QFileDevice::Permissions());
             return dir.filePath("secret.zel");
         },
         "Permission denied"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const QString path = c.make();
        link::FileReadResult read;
        {
            const AsOrdinaryUser ordinaryUser;
            read = link::readConfigurationFile(path);
        }
        if (read.ok) {
            const model::ConfigModel config = readLines(read.lines);
            EXPECT_LE(config.zoneCount(), model::kMaxZones);
            EXPECT_LE(config.sourceCount(), model::kMaxSources);
        }
        EXPECT_EQ(read.ok, c.error.isEmpty()) << read.errorText.toStdString();
        if (!c.error.isEmpty()) {
            EXPECT_TRUE(read.errorText.contains(c.error)) << read.errorText.toStdString();
            EXPECT_TRUE(read.errorText.contains(QDir::toNativeSeparators(path)))
                << "the message names the file";
            EXPECT_TRUE(read.lines.isEmpty());
        }
        if (c.check)
            c.check(read);
    }
}

TEST(BadFiles, SaveThatCannotBeMadeLeavesTheDiskAsItWas)
{
    QTemporaryDir dir;
    openToEveryone(dir);
    const QStringList lines = {"[SD1]", "", "[NO1\"Hall\"]"};
    const QDir folder(dir.path());
    folder.mkdir("locked");
    writeBytes(dir.filePath("locked/kept.zel"), "old\r\n");
    QFile::setPermissions(dir.filePath("locked"), QFileDevice::ReadOwner | QFileDevice::ExeOwner |
                                                      QFileDevice::ReadOther |
                                                      QFileDevice::ExeOther);
    folder.mkdir("taken.zel");
    writeBytes(dir.filePath("kept.zel"), "old\r\n");

    // Only the locked folder is closed to an ordinary user; the others fail for other reasons.
    struct Case {
        const char* what;
        QString path;
        rlim_t sizeLimit = RLIM_INFINITY;
    };
    const Case cases[] = {
        {"new file in a folder without write permission", dir.filePath("locked/new.zel")},
        {"existing file in a folder without write permission", dir.filePath("locked/kept.zel")},
        {"a folder of the same name", dir.filePath("taken.zel")},
        {"disk full after the first bytes", dir.filePath("kept.zel"), 4},
        {"disk full after a few lines", dir.filePath("kept.zel"), 20},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        link::FileWriteResult written;
        {
            const std::optional<AsOrdinaryUser> ordinaryUser =
                c.path.contains("locked") ? std::make_optional<AsOrdinaryUser>() : std::nullopt;
            const FileSizeLimit limit(c.sizeLimit);
            written = link::writeConfigurationFile(c.path, lines);
        }
        EXPECT_FALSE(written.ok);
        EXPECT_TRUE(written.errorText.contains(QDir::toNativeSeparators(c.path)))
            << written.errorText.toStdString();
    }
    EXPECT_EQ(QDir(dir.filePath("locked")).entryList(QDir::Files), QStringList{"kept.zel"});
    EXPECT_TRUE(QFileInfo(dir.filePath("taken.zel")).isDir());
    for (const QString& kept : {dir.filePath("locked/kept.zel"), dir.filePath("kept.zel")}) {
        QFile file(kept);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.readAll(), "old\r\n") << kept.toStdString();
    }
    EXPECT_EQ(folder.entryList(QDir::Files), QStringList{"kept.zel"}) << "no temporary file stays";
}

TEST(BadFiles, SaveIntoAPipeOrADeviceWritesIntoItAndNeverReplacesIt)
{
    QTemporaryDir dir;
    const auto at = [&](const char* name) { return QFile::encodeName(dir.filePath(name)); };
    ::mkfifo(at("pipe"), 0600);
    writeBytes(dir.filePath("real"), "old");
    for (const char* target : {"pipe", "real"})
        ::symlink(at(target), at(QByteArray("to-") + target));
    ::symlink("/dev/full", at("to-full"));
    // The file's type, before and after; the error expected (empty: the text arrives).
    const std::tuple<const char*, mode_t, const char*> cases[] = {
        {"pipe", S_IFIFO, ""},
        {"to-pipe", S_IFIFO, ""},
        {"to-real", S_IFREG, ""},
        {"/dev/full", S_IFCHR, "No space left on device"},
        {"to-full", S_IFCHR, "No space left on device"},
    };
    for (const auto& [name, type, error] : cases) {
        SCOPED_TRACE(name);
        const QByteArray path = name[0] == '/' ? QByteArray(name) : at(name);
        const QString file = QFile::decodeName(path);
        if (type == S_IFCHR && ::geteuid() != 0) { // only root could lose the device by a rename
            GTEST_SKIP() << "the device rows need root";
        }
        // A reader already waits on the pipe, so the save neither blocks nor loses the text.
        const int reader = ::open(at("pipe"), O_RDONLY | O_NONBLOCK);
        const link::FileWriteResult written = link::writeConfigurationFile(file, {"[SD1]"});
        EXPECT_TRUE(written.ok == (*error == 0) && written.errorText.contains(error))
            << written.errorText.toStdString();
        char received[16];
        const ssize_t got = ::read(reader, received, sizeof received);
        ::close(reader);
        EXPECT_EQ(QByteArray(received, std::max<int>(got, 0)), type == S_IFIFO ? "[SD1]\r\n" : "");
        EXPECT_EQ(QFileInfo(file).size(), type == S_IFREG ? 7 : 0);
        struct stat after {};
        EXPECT_TRUE(::stat(path, &after) == 0 && (after.st_mode & S_IFMT) == type);
        EXPECT_TRUE(::lstat(path, &after) == 0 && S_ISLNK(after.st_mode) == (name[0] == 't'));
    }
}
