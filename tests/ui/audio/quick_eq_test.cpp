// PC quick EQ preset files: the file format, the listing, and the boxes and buttons of both
// pages acting on their band sliders.
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "model/config_model.h"
#include "ui/audio/eq_band_panel.h"
#include "ui/audio/quick_eq_library.h"
#include "ui/audio/quick_eq_panel.h"
#include "ui/audio/quick_eq_presets.h"
#include "ui/pages/presets_page.h"
#include "ui/pages/zone_audio_page.h"

#include "ui/window/scripted_prompts.h"

using namespace zel;

namespace {

void writeFile(const QString& path, const QByteArray& content)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    file.write(content);
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

QStringList entries(const QComboBox* box)
{
    QStringList texts;
    for (int i = 0; i < box->count(); ++i)
        texts << box->itemText(i);
    return texts;
}

TEST(QuickEqFile, TenLinesWithTheSignReversedAndCrLfAfterEach)
{
    ui::BandLevels levels{};
    levels[0] = 3; // +3 dB on 32 Hz
    EXPECT_EQ(ui::formatQuickEqLevels(levels),
              QByteArray("-3\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n"));
    levels = {10, -10, 7, -7, 0, 1, -1, 2, -2, 5};
    EXPECT_EQ(ui::formatQuickEqLevels(levels),
              QByteArray("-10\r\n10\r\n-7\r\n7\r\n0\r\n-1\r\n1\r\n-2\r\n2\r\n-5\r\n"));
}

TEST(QuickEqFile, ReadingStopsQuietlyAtTheFirstMissingOrBadLine)
{
    struct Case {
        const char* what;
        QByteArray content;
        std::vector<int> levels;
    };
    const Case cases[] = {
        {"ten lines",
         "-3\r\n0\r\n1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n-8\r\n",
         {3, 0, -1, -2, -3, -4, -5, -6, -7, 8}},
        {"four lines", "1\r\n2\r\n3\r\n4\r\n", {-1, -2, -3, -4}},
        {"letter on line 3", "1\n2\nx\n4\n", {-1, -2}},
        {"digit then letter", "1\n2x\n", {-1}},
        {"value beyond the sliders", "15\n-15\n2147483647\n-2147483648\n", {-10, 10, -10, 10}},
        {"64-digit number", QByteArray("1\n") + QByteArray(64, '9') + "\n3\n", {-1}},
        {"empty file", "", {}},
        {"empty line", "1\n\n3\n", {-1}},
        {"CR only, no final break", "1\r2\r3", {-1, -2, -3}},
        {"blanks and a plus sign", " 4 \n+5\n\t-6\n", {-4, -5, 6}},
        {"two signs", "1\n+-2\n", {-1}},
        {"hex is not decimal", "0x5\n", {}},
        {"lines after the tenth", QByteArray("1\n").repeated(10000), std::vector<int>(10, -1)},
        {"long first line", QByteArray(100000, ' ') + "1\n", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(ui::parseQuickEqLevels(c.content), c.levels);
    }
}

TEST(QuickEqFile, ListingFindsEqFilesInAnyCaseSortedAndCutAtTheFirstEq)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    for (const char* name : {"Rock.EQ", "jazz.eq", "a.eq.eq", "beta.Eq", "Alpha.eq", "notes.txt",
                             "eq", "x.eqs", ".hidden.eq"})
        writeFile(dir.filePath(name), "0\r\n");
    ASSERT_TRUE(QDir(dir.path()).mkdir("folder.eq"));

    QStringList names, files;
    for (const ui::QuickEqEntry& entry : ui::listQuickEqFiles(dir.path())) {
        names << entry.name;
        files << entry.fileName;
    }
    EXPECT_EQ(names, (QStringList{"a", "Alpha", "beta", "jazz", "Rock"}));
    EXPECT_EQ(files, (QStringList{"a.eq.eq", "Alpha.eq", "beta.Eq", "jazz.eq", "Rock.EQ"}));
    EXPECT_TRUE(ui::listQuickEqFiles(dir.filePath("no such folder")).isEmpty());
}

TEST(QuickEqFile, SavePathGetsTheEqExtensionOnlyWhenItHasNone)
{
    EXPECT_EQ(ui::withQuickEqSuffix("/p/jazz"), "/p/jazz.eq");
    EXPECT_EQ(ui::withQuickEqSuffix("/p/jazz."), "/p/jazz.eq");
    EXPECT_EQ(ui::withQuickEqSuffix("/p/jazz.eq"), "/p/jazz.eq");
    EXPECT_EQ(ui::withQuickEqSuffix("/p/jazz.EQ"), "/p/jazz.EQ");
    EXPECT_EQ(ui::withQuickEqSuffix("/p.d/jazz"), "/p.d/jazz.eq");
}

TEST(QuickEqLibrary, AProgramIsInstalledBesideShareZelconfigOrInASystemFolder)
{
    QTemporaryDir prefix;
    ASSERT_TRUE(QDir(prefix.path()).mkpath("share/zelconfig") && QDir(prefix.path()).mkpath("bin"));
    const std::pair<QString, bool> cases[] = {{prefix.filePath("bin"), true},
                                              {prefix.path(), false},
                                              {"/usr/bin", true},
                                              {"/opt/zel/bin", true},
                                              {"/usr2/zel", false}};
    for (const auto& [folder, installed] : cases)
        EXPECT_EQ(ui::QuickEqLibrary::isInstalledProgram(folder), installed)
            << folder.toStdString();
}

// Both pages with their quick preset panels on one library of one temporary preset folder.
class QuickEqPanelTest : public testing::Test {
protected:
    ui::QuickEqPanel* zoneQuick() { return zones.quickEqPanel(); }
    ui::QuickEqPanel* presetQuick() { return presets.quickEqPanel(); }
    ui::EqBandPanel* bands() { return presets.bandPanel(); }
    int indexOf(const QString& name) { return presetQuick()->box()->findText(name); }
    void pick(const QString& name)
    {
        const int index = indexOf(name);
        ASSERT_GE(index, 0) << name.toStdString();
        presetQuick()->box()->setCurrentIndex(index);
        emit presetQuick()->box()->activated(index);
    }
    void setBands(std::array<int, model::kBands> levels)
    {
        for (int b = 1; b <= model::kBands; ++b)
            bands()->setLevel(b, levels.at(static_cast<size_t>(b - 1)));
    }

    QTemporaryDir dir;
    test::ScriptedPrompts prompts;
    ui::QuickEqLibrary library{prompts, {dir.path(), {}, {}}};
    model::ConfigModel model;
    ui::ZoneAudioPage zones{model, library};
    ui::PresetsPage presets{model, library};
};

TEST_F(QuickEqPanelTest, ApplyingAnEntrySetsTheBandsItCouldRead)
{
    writeFile(dir.filePath("Rock.EQ"), "-3\r\n2\r\n15\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n-1\r\n");
    writeFile(dir.filePath("four.eq"), "1\r\n1\r\n1\r\n1\r\n");
    writeFile(dir.filePath("letter.eq"), "4\r\n4\r\nq\r\n4\r\n");
    writeFile(dir.filePath("a.eq.eq"), "-5\r\n");
    presetQuick()->refresh();

    pick("Rock"); // an upper-case extension is found where letter case matters
    EXPECT_EQ(bands()->levels(), (std::array<int, 10>{3, -2, -10, 0, 0, 0, 0, 0, 0, 1}));
    EXPECT_EQ(bands()->valueLabel(3)->text(), "-10");

    setBands({7, 7, 7, 7, 7, 7, 7, 7, 7, 7});
    pick("four");
    EXPECT_EQ(bands()->levels(), (std::array<int, 10>{-1, -1, -1, -1, 7, 7, 7, 7, 7, 7}));
    pick("letter");
    EXPECT_EQ(bands()->levels(), (std::array<int, 10>{-4, -4, -1, -1, 7, 7, 7, 7, 7, 7}));
    pick("a"); // the file the entry was listed from
    EXPECT_EQ(bands()->level(1), 5);

    ASSERT_TRUE(QFile::remove(dir.filePath("four.eq")));
    setBands({2, 2, 2, 2, 2, 2, 2, 2, 2, 2});
    pick("four"); // gone since the listing: nothing changes, nothing is asked
    EXPECT_EQ(bands()->levels(), (std::array<int, 10>{2, 2, 2, 2, 2, 2, 2, 2, 2, 2}));
    EXPECT_TRUE(prompts.errors.isEmpty());
}

TEST_F(QuickEqPanelTest, ZoneCurveSavedFromOnePageIsListedOnBothAndAppliesOnTheOther)
{
    zones.bandPanel()->setLevel(1, 3);
    prompts.quickEqSaveAnswer = dir.filePath("jazz");
    zoneQuick()->saveCurve();
    EXPECT_EQ(prompts.quickEqSaveFolders, QStringList{dir.path()});
    EXPECT_TRUE(prompts.confirmations.isEmpty()) << "a new file needs no question";
    EXPECT_EQ(readFile(dir.filePath("jazz.eq")),
              QByteArray("-3\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n"));
    for (ui::QuickEqPanel* panel : {zoneQuick(), presetQuick()})
        EXPECT_EQ(entries(panel->box()), QStringList{"jazz"});
    EXPECT_EQ(zoneQuick()->box()->currentText(), "jazz") << "the saved file is shown chosen";
    EXPECT_EQ(presetQuick()->box()->currentIndex(), -1);
    pick("jazz");
    EXPECT_EQ(bands()->level(1), 3);
}

TEST_F(QuickEqPanelTest, SavingOverAFileAsksFirstAndCancelLeavesItUntouched)
{
    writeFile(dir.filePath("old.eq"), "1\r\n");
    presetQuick()->refresh();
    setBands({1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
    pick("old");
    prompts.quickEqSaveAnswer = dir.filePath("old.eq");
    prompts.confirmAnswer = false;
    presetQuick()->saveCurve();
    EXPECT_EQ(prompts.quickEqSaveProposals, QStringList{"old"}) << "the chosen entry is proposed";
    ASSERT_EQ(prompts.confirmations.size(), 1);
    EXPECT_EQ(prompts.confirmations[0],
              "File " + QDir::toNativeSeparators(dir.filePath("old.eq")) + " exists. Overwrite?");
    EXPECT_EQ(readFile(dir.filePath("old.eq")), "1\r\n");
    EXPECT_EQ(presetQuick()->box()->currentIndex(), indexOf("old")) << "no refresh after cancel";

    prompts.confirmAnswer = true;
    presetQuick()->saveCurve();
    EXPECT_EQ(readFile(dir.filePath("old.eq")), ui::formatQuickEqLevels(bands()->levels()));
    EXPECT_EQ(presetQuick()->box()->currentIndex(), indexOf("old"));

    const qsizetype asked = prompts.quickEqSaveProposals.size();
    prompts.quickEqSaveAnswer.clear(); // the user cancels the save dialog
    writeFile(dir.filePath("old.eq"), "kept");
    presetQuick()->saveCurve();
    EXPECT_EQ(prompts.quickEqSaveProposals.size(), asked + 1);
    EXPECT_EQ(readFile(dir.filePath("old.eq")), "kept");
}

TEST_F(QuickEqPanelTest, AFileThatCannotBeCreatedIsReportedAndNothingIsRefreshed)
{
    writeFile(dir.filePath("kept.eq"), "1\r\n");
    presetQuick()->refresh();
    pick("kept");
    prompts.quickEqSaveAnswer = dir.filePath("no such folder/x.eq");
    presetQuick()->saveCurve();
    ASSERT_EQ(prompts.errors.size(), 1);
    EXPECT_TRUE(prompts.errors[0].startsWith(
        "Cannot create file \"" + QDir::toNativeSeparators(dir.filePath("no such folder/x.eq")) +
        "\". "))
        << prompts.errors[0].toStdString();
    EXPECT_GT(prompts.errors[0].size(), QString("Cannot create file \"\". ").size() +
                                            dir.filePath("no such folder/x.eq").size())
        << "the system's reason follows";
    EXPECT_EQ(presetQuick()->box()->currentIndex(), indexOf("kept"));
}

TEST_F(QuickEqPanelTest, DeleteAsksForTheChosenEntryAndRefreshesBothBoxes)
{
    writeFile(dir.filePath("Rock.EQ"), "1\r\n");
    writeFile(dir.filePath("Pop.eq"), "1\r\n");
    for (ui::QuickEqPanel* panel : {zoneQuick(), presetQuick()})
        panel->refresh();

    EXPECT_FALSE(presetQuick()->deleteButton()->isEnabled()) << "nothing chosen";
    presetQuick()->deleteChosen();
    EXPECT_TRUE(prompts.confirmations.isEmpty());

    pick("Rock");
    EXPECT_TRUE(presetQuick()->deleteButton()->isEnabled());
    prompts.confirmAnswer = false;
    presetQuick()->deleteChosen();
    EXPECT_EQ(prompts.confirmations, QStringList{"Delete EQ: Rock?"});
    EXPECT_TRUE(QFile::exists(dir.filePath("Rock.EQ")));
    EXPECT_EQ(presetQuick()->box()->currentIndex(), -1) << "the list is read anew all the same";

    pick("Rock");
    prompts.confirmAnswer = true;
    presetQuick()->deleteChosen();
    EXPECT_FALSE(QFile::exists(dir.filePath("Rock.EQ")));
    for (ui::QuickEqPanel* panel : {zoneQuick(), presetQuick()})
        EXPECT_EQ(entries(panel->box()), QStringList{"Pop"});
}

TEST_F(QuickEqPanelTest, PagesListTheFolderAnewWhenShownOrReset)
{
    EXPECT_EQ(presetQuick()->box()->count(), 0);
    writeFile(dir.filePath("late.eq"), "1\r\n");
    presets.pageShown();
    EXPECT_EQ(entries(presetQuick()->box()), QStringList{"late"});
    EXPECT_EQ(zoneQuick()->box()->count(), 0) << "the other page lists when it is shown";
    zones.resetView();
    EXPECT_EQ(entries(zoneQuick()->box()), QStringList{"late"});
}

} // namespace
