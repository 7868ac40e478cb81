// File > "Report..." against the simulated unit: the pages' edits are in the report, the changes
// are listed since the visit's start however often the unit was compared with and sent to, the
// journal or a file may be chosen instead, what was given for a unit is proposed again, and a
// report that cannot be written is said so once.
#include "link_window_fixture.h"

#include "link/zelsim_process.h"
#include "report/report_memory.h"
#include "support/failing_write_device.h"
#include "ui/compare/compare_dialog.h"
#include "ui/compare/unit_comparison.h"
#include "ui/report/report_controller.h"
#include "ui/report/report_dialog.h"

#include <QComboBox>
#include <QDate>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace zel::test {
namespace {

const QString kFilled = QStringLiteral(ZEL_SOURCE_DIR "/tests/tools/data/filled_zel16.zel");

QString readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// Answers the report dialog with `path`, the particulars given, and the baseline offered at
// `baseline` (the one proposed when it is kProposed; none when -1) or the file `baselineFile`.
constexpr int kProposed = -2;
std::function<std::optional<ui::ReportChoice>(const ui::ReportQuestion&)>
answer(const QString& path, int baseline = kProposed, const QString& baselineFile = {})
{
    return [=](const ui::ReportQuestion& question) {
        return std::optional(
            ui::ReportChoice{path, "Harbour House", "J. Smith", "Alex", "Gate code 1234",
                             baseline == kProposed ? question.baseline : baseline, baselineFile});
    };
}

TEST(Report, SavesWhatIsEditedWithTheChangesSinceTheUnitWasFetched)
{
    ZelSimProcess unit;
    ASSERT_TRUE(unit.start(ZelSimProcess::Link::Tcp, {"--config", kFilled}))
        << unit.error().toStdString();
    const QTemporaryDir folder;
    // A disk that fills up part-way: the report must say so, not that it was saved.
    const text::SaveRoutine fillsUp = test::failingSaveWhere(
        [](const QString& path) { return path.endsWith(QStringLiteral("full.pdf")); }, 100);
    struct Case {
        QString file;
        bool withChanges;
        QStringList present; // in the file written
        QStringList absent = {};
        QString error = {}; // part of the one error box; empty: none
    };
    // clang-format off
    const QList<Case> cases = {
        {"edited.html", true, {"<td>Site</td><td>Harbour House</td>",
         "<td>Link</td><td>tcp:127.0.0.1:", "Configuration from</td><td>host: ", "Changes since",
         "Gate code 1234", "Zone 3 Room 03 volume -30 dB (was -12 dB)",
         "Zone 4 Room 04 renamed Patio &amp; Pool"}},
        {"plain.html", false, {"Patio &amp; Pool"}, {"Changes"}},
        {"edited.pdf", true, {"%PDF-"}},
        {"none/edited.pdf", true, {}, {}, "The report could not be saved to "},
        {"edited.txt", true, {}, {}, "a report is saved as an HTML file (.html) or a PDF"},
        {"full.pdf", true, {}, {}, "full.pdf: No space left on device."},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file.toStdString());
        LinkWindow w;
        w.chooseTelnet(unit.address());
        w.window.report()->setSaveRoutine(fillsUp);
        ASSERT_TRUE(w.runToEnd(w.window.importAction()));
        w.window.model().zoneAudio(3).volume = -30;
        w.window.model().setZoneName(4, "Patio & Pool");
        const QString path = folder.filePath(c.file);
        w.prompts->onReport = answer(path, c.withChanges ? kProposed : -1);
        w.window.reportAction()->trigger();

        ASSERT_EQ(w.prompts->reportQuestions.size(), 1);
        EXPECT_EQ(w.prompts->confirmations.size(), 0); // no file is there to replace
        EXPECT_EQ(w.prompts->errors.size(), c.error.isEmpty() ? 0 : 1);
        if (!c.error.isEmpty()) {
            EXPECT_TRUE(w.prompts->errors.value(0).contains(c.error))
                << w.prompts->errors.join('\n').toStdString();
            EXPECT_FALSE(QFile::exists(path));
            EXPECT_FALSE(w.window.statusText().contains("Report saved"));
            continue;
        }
        const QString written = readAll(path);
        for (const QString& expected : c.present)
            EXPECT_TRUE(written.contains(expected)) << expected.toStdString();
        for (const QString& unwanted : c.absent)
            EXPECT_FALSE(written.contains(unwanted)) << unwanted.toStdString();
        EXPECT_TRUE(w.window.statusText().contains(" Report saved to "));
    }
}

// The visit's start is the first whole fetch from the unit: Export, Compare and Send Selected
// after it move the comparison's last fetch, never the report's baseline, which is named with
// its date and time. A window started afresh measures from the journal's newest whole fetch,
// or another entry or a file, and proposes what was given for the unit last time.
TEST(Report, MeasuresFromTheVisitsStartAndRemembersWhatWasGiven)
{
    ZelSimProcess unit;
    ASSERT_TRUE(unit.start(ZelSimProcess::Link::Tcp, {"--config", kFilled}));
    const QTemporaryDir folder;
    LinkWindow w;
    w.chooseTelnet(unit.address());
    ASSERT_TRUE(w.runToEnd(w.window.importAction()));
    w.window.model().setZoneName(4, "Lounge");
    w.prompts->confirmAnswer = true;
    ASSERT_TRUE(w.runToEnd(w.window.exportAction()));
    ASSERT_TRUE(w.runToEnd(w.window.compareAction()));
    w.window.model().zoneAudio(5).volume = -40; // sent alone with Send Selected
    ASSERT_TRUE(w.runToEnd(w.window.compareAction()));
    ui::CompareDialog* dialog = w.window.comparison()->dialog();
    ASSERT_TRUE(dialog && dialog->sendButton()->isVisible());
    dialog->sendButton()->click();
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            return !w.link.isTransferRunning() && dialog->heading()->text().contains("now holds");
        },
        20000));
    ASSERT_TRUE(w.journalSettled());

    const QString journalUnit = w.link.journalUnit();
    const session::FetchedConfiguration* last = w.window.session().lastFetchedFromUnit();
    const session::FetchedConfiguration* first = w.window.session().firstFetchedFrom(journalUnit);
    ASSERT_TRUE(last && first);
    EXPECT_EQ(last->model.zoneName(4), "Lounge") << "the comparison's fetch is what the unit holds";
    EXPECT_EQ(first->model.zoneName(4), "Room 04");
    const QString fetched = "the configuration fetched from " +
                            QRegularExpression::escape(journalUnit) +
                            " on \\d{4}-\\d\\d-\\d\\d at \\d\\d:\\d\\d</td>";
    const QString older = folder.filePath("older.zel");
    QFile file(older);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(readAll(kFilled).replace("\"Room 02\"", "\"Hall\"").toLatin1());
    file.close();
    LinkWindow later; // started afresh: the journal's fetches are from before
    later.chooseTelnet(unit.address());
    later.window.newZel16Action()->trigger();
    later.window.model().setZoneName(2, "Hall");
    struct Case {
        LinkWindow* window;
        const char* what;
        int baseline;         // in the dialog's list; kProposed: as proposed
        QString file;         // the file chosen
        QString changesSince; // a pattern
        QStringList present, absent = {};
    };
    const QString inFile = "the configuration in the file &#39;older.zel&#39; of \\d{4}-";
    // clang-format off
    const Case cases[] = {
        {&w, "the visit's start", kProposed, {}, fetched,
         {"Zone 4 Room 04 renamed Lounge", "Zone 5 Room 05 volume -40 dB (was -20 dB)"},
         {"Nothing changed"}},
        {&later, "the visit's start afresh", kProposed, {}, fetched, {"Room 02 renamed Hall"}},
        {&later, "an older entry", 1, {}, fetched, {"Room 02 renamed Hall"}},
        {&later, "a file", -1, older, inFile, {}, {"renamed Hall"}},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const QString path = folder.filePath(QStringLiteral("%1.html").arg(c.what));
        ScriptedPrompts& prompts = *c.window->prompts;
        prompts.reportQuestions.clear();
        prompts.onReport = answer(path, c.baseline, c.file);
        c.window->window.reportAction()->trigger();
        ASSERT_EQ(prompts.reportQuestions.size(), 1);
        const ui::ReportQuestion& question = prompts.reportQuestions[0];
        // The visit's start is today's first whole fetch: the oldest of them all here. The
        // session's fetches are the journal's: never offered twice.
        EXPECT_EQ(question.baseline, question.baselines.size() - 1);
        EXPECT_FALSE(question.baselines.join('\n').contains("not in the journal"));
        if (c.window == &later) { // what was given for the unit; the unit and date proposed
            EXPECT_EQ(QStringList({question.site, question.client, question.installer}),
                      QStringList({"Harbour House", "J. Smith", "Alex"}));
            EXPECT_EQ(question.path,
                      folder.filePath(QString(journalUnit).replace(':', '-') + " " +
                                      QDate::currentDate().toString("yyyy-MM-dd") + ".html"));
        }
        const QString written = readAll(path);
        EXPECT_TRUE(QRegularExpression("Changes since</td><td>" + c.changesSince)
                        .match(written)
                        .hasMatch());
        for (const QString& expected : c.present)
            EXPECT_TRUE(written.contains(expected)) << expected.toStdString();
        for (const QString& unwanted : c.absent)
            EXPECT_FALSE(written.contains(unwanted)) << unwanted.toStdString();
    }

    // Another unit has nothing remembered of its own but the installer; what cannot be
    // remembered (its file on a disk that fills up) is said after the report is saved.
    later.window.fileModeAction()->trigger();
    later.prompts->reportQuestions.clear();
    const QString memory = report::ReportMemory::defaultFile();
    later.window.report()->setSaveRoutine(
        test::failingSaveWhere([&](const QString& path) { return path == memory; }, 10));
    later.prompts->onReport = answer(folder.filePath("kept.html"));
    later.window.reportAction()->trigger();
    ASSERT_EQ(later.prompts->reportQuestions.size(), 1);
    EXPECT_EQ(later.prompts->reportQuestions[0].site, "");
    EXPECT_EQ(later.prompts->reportQuestions[0].installer, "Alex");
    EXPECT_TRUE(later.window.statusText().endsWith(
        "kept.html; the site, client and installer could not be kept for next time: No space "
        "left on device"))
        << later.window.statusText().toStdString();
}

// The dialog: the proposed name follows the site until the user names the file; the baseline
// chosen and a file without an extension.
TEST(Report, DialogProposesAFileNameForTheSiteTyped)
{
    const ui::ReportQuestion question{
        "/r/Old report.pdf", "Old", "C", "I", {"First", "Journal"}, 1, [](const QString& site) {
            return "/r/" + site + ".pdf";
        }};
    struct Case {
        QString site, typedPath;
        int item; // of the baseline box
        QString path;
        int baseline;
    };
    const Case cases[] = {
        {"Harbour", "", 0, "/r/Harbour.pdf", 0},
        {"Harbour", "/tmp/mine", 2, "/tmp/mine.pdf", -1},
        {"", "", 1, "/r/.pdf", 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path.toStdString());
        ui::ReportDialog dialog(question);
        EXPECT_EQ(dialog.baselineBox()->currentIndex(), 1) << "the proposed baseline";
        EXPECT_EQ(dialog.baselineBox()->count(), 4) << "two baselines, none, a file";
        if (!c.typedPath.isEmpty()) {
            dialog.pathEdit()->clear();
            QTest::keyClicks(dialog.pathEdit(), c.typedPath);
        }
        dialog.siteEdit()->setText(c.site);
        dialog.baselineBox()->setCurrentIndex(c.item);
        EXPECT_EQ(dialog.choice().path, c.path);
        EXPECT_EQ(dialog.choice().baseline, c.baseline);
    }
    ui::ReportDialog dialog(question);
    dialog.chooseBaselineFile("/r/before.zel");
    EXPECT_EQ(dialog.choice().baselineFile, "/r/before.zel");
    EXPECT_EQ(dialog.choice().baseline, -1);
    dialog.pathEdit()->clear();
    EXPECT_FALSE(dialog.saveButton()->isEnabled()) << "no file, no report";
}

} // namespace
} // namespace zel::test
