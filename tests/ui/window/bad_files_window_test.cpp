// Files and folders that are not what the window expects, through its File Mode import and
// export and its quick EQ preset controls: each gives one clear message or is read without harm,
// at once, a save that fails leaves the old file and the configuration being edited as they were,
// and quick EQ files go where they can be written.
#include "link_window_fixture.h"

#include "support/file_faults.h"
#include "ui/audio/eq_band_panel.h"
#include "ui/audio/quick_eq_library.h"
#include "ui/audio/quick_eq_panel.h"
#include "ui/pages/presets_page.h"
#include "ui/window/editor_page_set.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <functional>
#include <sys/stat.h>

namespace zel::test {
namespace {

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

// A temporary folder that an ordinary user may look into and, unless `writable` is false, not
// write to.
class SharedFolder {
public:
    SharedFolder() { setWritable(true); }
    QString path() const { return m_dir.path(); }
    QString filePath(const QString& name) const { return m_dir.filePath(name); }
    QStringList files() const { return QDir(m_dir.path()).entryList(QDir::Files | QDir::System); }
    void setWritable(bool writable)
    {
        QFile::setPermissions(
            m_dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner |
                              QFileDevice::ReadOther | QFileDevice::ExeOther |
                              (writable ? QFileDevice::WriteOther : QFileDevice::Permissions()));
    }

private:
    QTemporaryDir m_dir;
};

struct BadFile {
    const char* what;
    std::function<QString(const SharedFolder&)> make; // makes the file and gives its path
};

} // namespace

TEST(BadFilesWindow, FileImportSaysWhatIsWrongOrReadsTheTextAtOnce)
{
    const QByteArray megabyte(1024 * 1024, 'x');
    struct Case {
        BadFile file;
        QString errorPart;  // empty: the file is read
        int zoneCount;      // after the import
        bool named = false; // given to the program (no open dialog, File Mode chosen from any)
    };
    const QList<Case> cases = {
        {{"empty file",
          [](const SharedFolder& f) {
              writeFile(f.filePath("empty.zel"), {});
              return f.filePath("empty.zel");
          }},
         {},
         -1},
        {{"binary file",
          [](const SharedFolder& f) {
              writeFile(f.filePath("binary.zel"),
                        QByteArray::fromStdString(randomBytes(512 * 1024)));
              return f.filePath("binary.zel");
          }},
         {},
         -1},
        {{"NUL bytes in a configuration",
          [](const SharedFolder& f) {
              writeFile(f.filePath("nul.zel"),
                        QByteArray("[SD1]\r\n\0\r\n[NO3\"a\0b\"]\r\n\0[NI2\"c\"]\r\n", 32));
              return f.filePath("nul.zel");
          }},
         {},
         3},
        {{"lines of 1 MB",
          [&](const SharedFolder& f) {
              writeFile(f.filePath("long.zel"), "[NO2\"" + megabyte + "\"]\r\n[EO1M" + megabyte +
                                                    "]\r\n" + megabyte + "\r\n");
              return f.filePath("long.zel");
          }},
         {},
         2},
        {{"50 MB file",
          [](const SharedFolder& f) {
              QFile file(f.filePath("huge.zel"));
              EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.resize(50 * 1024 * 1024));
              return f.filePath("huge.zel");
          }},
         "larger than a configuration file can be",
         -1},
        {{"a folder",
          [](const SharedFolder& f) {
              QDir(f.path()).mkdir("folder.zel");
              return f.filePath("folder.zel");
          }},
         "it is a folder",
         -1},
        {{"a pipe no program writes to",
          [](const SharedFolder& f) {
              ::mkfifo(QFile::encodeName(f.filePath("pipe.zel")).constData(), 0644);
              return f.filePath("pipe.zel");
          }},
         "it is a pipe or a device",
         -1},
        {{"no read permission",
          [](const SharedFolder& f) {
              writeFile(f.filePath("secret.zel"), "[SD1]\r\n");
              QFile::setPermissions(f.filePath("secret.zel"), QFileDevice::WriteOwner);
              return f.filePath("secret.zel");
          }},
         "Permission denied",
         -1},
        {{"NUL bytes, named to the program",
          [](const SharedFolder& f) {
              writeFile(f.filePath("named.zel"), QByteArray("[SD1]\r\n[NO3\"a\0b\"]\r\n", 18));
              return f.filePath("named.zel");
          }},
         {},
         3,
         true},
        {{"a folder, named to the program",
          [](const SharedFolder& f) {
              QDir(f.path()).mkdir("named.zel");
              return f.filePath("named.zel");
          }},
         "it is a folder",
         -1,
         true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file.what);
        const SharedFolder folder;
        LinkWindow w;
        w.window.newZel16Action()->trigger();
        w.prompts->openAnswer = c.file.make(folder);
        if (c.named) {
            w.prompts->inputAnswers << QStringLiteral("host.example");
            w.window.telnetModeAction()->trigger();
        }
        QSignalSpy started(&w.link, &ui::LinkController::transferStarted);
        QSignalSpy finished(&w.link, &ui::LinkController::transferFinished);
        {
            const AsOrdinaryUser ordinaryUser;
            if (c.named)
                w.window.openFile(w.prompts->openAnswer);
            else
                w.window.importAction()->trigger();
        }
        EXPECT_TRUE(w.window.fileModeAction()->isChecked());
        EXPECT_EQ(w.prompts->openProposals.size(), c.named ? 0 : 1) << "asked for a file";
        if (c.errorPart.isEmpty() && c.zoneCount > 0) {
            EXPECT_EQ(w.window.statusText(),
                      " Imported complete from file: " + w.prompts->openAnswer);
        }
        EXPECT_FALSE(w.link.isTransferRunning());
        EXPECT_EQ(finished.size(), started.size())
            << "the file is taken in one step: nothing runs on after the command";
        if (c.errorPart.isEmpty()) {
            EXPECT_TRUE(w.prompts->errors.isEmpty()) << w.prompts->errors.join('\n').toStdString();
        } else {
            ASSERT_EQ(w.prompts->errors.size(), 1);
            EXPECT_TRUE(w.prompts->errors[0].contains(c.errorPart))
                << w.prompts->errors[0].toStdString();
            EXPECT_TRUE(
                w.prompts->errors[0].contains(QDir::toNativeSeparators(w.prompts->openAnswer)));
            EXPECT_TRUE(w.window.configurationTextBox()->toPlainText().isEmpty());
            EXPECT_EQ(w.window.statusText(), " Import failed from file: " + w.prompts->openAnswer);
        }
        EXPECT_EQ(w.window.model().zoneCount(), c.zoneCount);
    }
}

TEST(BadFilesWindow, FailedFileExportLeavesTheOldFileAndTheConfiguration)
{
    struct Case {
        const char* what;
        QString name;
        bool writableFolder;
        rlim_t sizeLimit;
    };
    const QList<Case> cases = {
        {"existing file in a folder without write permission", "kept.zel", false, RLIM_INFINITY},
        {"new file in a folder without write permission", "new.zel", false, RLIM_INFINITY},
        {"disk full part-way", "kept.zel", true, 100},
        {"a folder of the same name", "taken.zel", true, RLIM_INFINITY},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SharedFolder folder;
        ASSERT_TRUE(writeFile(folder.filePath("kept.zel"), "old\r\n"));
        QDir(folder.path()).mkdir("taken.zel");
        folder.setWritable(c.writableFolder);
        LinkWindow w;
        w.window.newZel16Action()->trigger();
        w.window.model().setZoneName(6, "Studio");
        const QStringList edited = writerLines(w.window);
        w.prompts->saveAnswer = folder.filePath(c.name);
        w.prompts->confirmAnswer = true;
        {
            const AsOrdinaryUser ordinaryUser;
            const FileSizeLimit limit(c.sizeLimit);
            ASSERT_TRUE(w.runToEnd(w.window.exportAction()));
        }
        ASSERT_EQ(w.prompts->errors.size(), 1);
        EXPECT_TRUE(w.prompts->errors[0].contains(QDir::toNativeSeparators(w.prompts->saveAnswer)))
            << w.prompts->errors[0].toStdString();
        EXPECT_EQ(fileBytes(folder.filePath("kept.zel")), "old\r\n");
        EXPECT_EQ(folder.files(), QStringList{"kept.zel"}) << "no new or temporary file";
        EXPECT_EQ(writerLines(w.window), edited);
    }
}

namespace {

// The preset page's quick EQ controls of a window, on a temporary preset folder.
class QuickEqWindowTest : public ::testing::Test {
protected:
    QuickEqWindowTest()
    {
        w.window.newZel16Action()->trigger();
        w.window.quickEqLibrary().setFolders({folder.path(), {}, {}});
    }
    ui::QuickEqPanel* panel() { return w.window.pageSet().presetsPage()->quickEqPanel(); }
    ui::EqBandPanel* bands() { return w.window.pageSet().presetsPage()->bandPanel(); }
    void setBands(int level)
    {
        for (int b = 1; b <= model::kBands; ++b)
            bands()->setLevel(b, level);
    }

    SharedFolder folder;
    LinkWindow w;
};

} // namespace

TEST_F(QuickEqWindowTest, FilesThatAreNoCurveChangeAtMostTheBandsBeforeTheFirstBadLine)
{
    using Levels = std::array<int, model::kBands>;
    const Levels untouched{4, 4, 4, 4, 4, 4, 4, 4, 4, 4};
    struct Case {
        const char* name; // the entry; the file is its name and ".eq" unless made otherwise
        QByteArray content;
        Levels levels;
        std::function<void(const QString& path)> make = {};
    };
    const QList<Case> cases = {
        {"empty", {}, untouched},
        {"binary", QByteArray::fromStdString(randomBytes(200 * 1024)), untouched},
        {"nul", QByteArray("1\r\n2\0\r\n3\r\n", 10), {-1, 4, 4, 4, 4, 4, 4, 4, 4, 4}},
        {"lines", QByteArray("2\r\n").repeated(10000), {-2, -2, -2, -2, -2, -2, -2, -2, -2, -2}},
        {"digits", "1\r\n" + QByteArray(64, '7') + "\r\n1\r\n", {-1, 4, 4, 4, 4, 4, 4, 4, 4, 4}},
        {"huge",
         {},
         {-3, -3, -3, -3, -3, -3, -3, -3, -3, -3},
         [](const QString& path) {
             QFile file(path);
             ASSERT_TRUE(file.open(QIODevice::WriteOnly));
             const QByteArray block = QByteArray("3\r\n").repeated(1024 * 1024);
             for (int i = 0; i < 17; ++i) // about 50 MB
                 file.write(block);
         }},
        {"secret", "1\r\n", untouched,
         [](const QString& path) {
             writeFile(path, "1\r\n");
             QFile::setPermissions(path, QFileDevice::WriteOwner);
         }},
        {"endless",
         {},
         untouched,
         [](const QString& path) { QFile::link(QStringLiteral("/dev/zero"), path); }},
    };
    for (const Case& c : cases) {
        const QString path = folder.filePath(QString::fromLatin1(c.name) + ".eq");
        if (c.make)
            c.make(path);
        else
            ASSERT_TRUE(writeFile(path, c.content));
    }
    // A pipe no program writes to, behind a name the listing takes for a preset file.
    ::mkfifo(QFile::encodeName(folder.filePath("pipe")).constData(), 0644);
    QFile::link(folder.filePath("pipe"), folder.filePath("pipe.eq"));
    panel()->refresh();

    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        setBands(4);
        const int index = panel()->box()->findText(c.name);
        ASSERT_GE(index, 0);
        {
            const AsOrdinaryUser ordinaryUser;
            panel()->applyEntry(index);
        }
        EXPECT_EQ(bands()->levels(), c.levels);
    }
    const int pipe = panel()->box()->findText("pipe");
    if (pipe >= 0) {
        SCOPED_TRACE("pipe");
        setBands(4);
        panel()->applyEntry(pipe);
        EXPECT_EQ(bands()->levels(), untouched);
    }
    EXPECT_TRUE(w.prompts->errors.isEmpty()) << "reading quick EQ files is silent";
}

TEST_F(QuickEqWindowTest, SaveOrDeleteThatCannotBeMadeSaysSoAndKeepsTheOldFile)
{
    ASSERT_TRUE(writeFile(folder.filePath("old.eq"), "1\r\n"));
    setBands(2);
    struct Case {
        const char* what;
        bool writableFolder;
        rlim_t sizeLimit;
        bool deleting = false;
    };
    const Case cases[] = {
        {"folder without write permission", false, RLIM_INFINITY},
        {"disk full part-way", true, 8},
        {"delete in a folder without write permission", false, RLIM_INFINITY, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        w.prompts->errors.clear();
        w.prompts->quickEqSaveAnswer = folder.filePath("old.eq");
        w.prompts->confirmAnswer = true;
        folder.setWritable(c.writableFolder);
        panel()->refresh();
        panel()->box()->setCurrentIndex(panel()->box()->findText("old"));
        {
            const AsOrdinaryUser ordinaryUser;
            const FileSizeLimit limit(c.sizeLimit);
            if (c.deleting)
                panel()->deleteChosen();
            else
                panel()->saveCurve();
        }
        folder.setWritable(true);
        ASSERT_EQ(w.prompts->errors.size(), 1);
        EXPECT_TRUE(w.prompts->errors[0].startsWith(
            (c.deleting ? "Cannot delete file \"" : "Cannot create file \"") +
            QDir::toNativeSeparators(folder.filePath("old.eq")) + "\". "))
            << w.prompts->errors[0].toStdString();
        EXPECT_EQ(fileBytes(folder.filePath("old.eq")), "1\r\n");
        EXPECT_EQ(folder.files(), QStringList{"old.eq"}) << "no temporary file stays";
    }
}

} // namespace zel::test

namespace zel::test {

TEST_F(QuickEqWindowTest, FilesAreKeptWhereTheyCanBeWrittenAndSamplesAreCopiedOnSave)
{
    SharedFolder samples, user;
    const QByteArray loudness = "-6\r\n-5\r\n-3\r\n-1\r\n0\r\n0\r\n-1\r\n-3\r\n-5\r\n-6\r\n";
    ASSERT_TRUE(writeFile(samples.filePath("Flat.eq"), QByteArray("0\r\n").repeated(10)));
    ASSERT_TRUE(writeFile(samples.filePath("Loudness.eq"), loudness));
    samples.setWritable(false);
    const QString userFolder = user.filePath("ZEL Configuration"); // made by the first save
    const auto listed = [this] {
        QStringList names;
        for (int i = 0; i < panel()->box()->count(); ++i)
            names << panel()->box()->itemText(i);
        return names;
    };
    struct Case {
        const char* what;
        bool installed;
        bool programWritable;
        QString kept;
    };
    const Case cases[] = {
        {"installed, run by root: the program's folder can be written", true, true, userFolder},
        {"installed: the program's folder cannot be written", true, false, userFolder},
        {"unpacked: the program's folder can be written", false, true, folder.path()},
        {"unpacked where it cannot be written", false, false, userFolder},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        folder.setWritable(c.programWritable);
        const AsOrdinaryUser ordinaryUser;
        w.window.quickEqLibrary().setFolders(
            {folder.path(), userFolder, samples.path(), c.installed});
        EXPECT_EQ(listed(), (QStringList{"Flat", "Loudness"}));

        setBands(4);
        const int sample = panel()->box()->findText("Loudness");
        panel()->box()->setCurrentIndex(sample);
        panel()->applyEntry(sample); // read from the samples, which cannot be written
        EXPECT_EQ(bands()->level(1), 6);
        bands()->setLevel(1, 2);
        w.prompts->quickEqSaveAnswer = c.kept + "/Loudness";
        panel()->saveCurve();
        EXPECT_EQ(w.prompts->quickEqSaveFolders.last(), c.kept);
        EXPECT_EQ(w.prompts->quickEqSaveProposals.last(), "Loudness");
        EXPECT_TRUE(w.prompts->errors.isEmpty()) << w.prompts->errors.join(' ').toStdString();
        EXPECT_EQ(fileBytes(c.kept + "/Loudness.eq"), ui::formatQuickEqLevels(bands()->levels()));
        EXPECT_EQ(fileBytes(samples.filePath("Loudness.eq")), loudness);
        EXPECT_EQ(QFile::exists(folder.filePath("Loudness.eq")), c.kept == folder.path());

        EXPECT_EQ(listed(), (QStringList{"Flat", "Loudness"})) << "the copy takes its place";
        EXPECT_EQ(panel()->box()->currentText(), "Loudness");
        setBands(0);
        panel()->applyEntry(panel()->box()->currentIndex());
        EXPECT_EQ(bands()->level(1), 2) << "the copy is read";

        // The copy can be deleted, and the sample shows again; a sample says why it stays.
        w.prompts->confirmAnswer = true;
        for (const char* name : {"Loudness", "Flat"}) {
            panel()->box()->setCurrentIndex(panel()->box()->findText(name));
            panel()->deleteChosen();
        }
        EXPECT_FALSE(QFile::exists(c.kept + "/Loudness.eq"));
        EXPECT_TRUE(QFile::exists(samples.filePath("Flat.eq")));
        ASSERT_EQ(w.prompts->errors.size(), 1);
        EXPECT_TRUE(w.prompts->errors.takeFirst().startsWith("EQ Flat is a sample installed"));
        EXPECT_EQ(listed(), (QStringList{"Flat", "Loudness"}));
    }
}

} // namespace zel::test
