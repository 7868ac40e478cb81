// File > "Report..." against the simulated unit: the pages' edits are in the report, the changes
// since the import from the unit are offered and listed, and a report that cannot be written is
// said so once.
#include "link_window_fixture.h"

#include "link/zelsim_process.h"

#include <QFile>
#include <QTemporaryDir>

namespace zel::test {
namespace {

const QString kFilled = QStringLiteral(ZEL_SOURCE_DIR "/tests/tools/data/filled_zel16.zel");

TEST(Report, SavesWhatIsEditedWithTheChangesSinceTheUnitWasFetched)
{
    ZelSimProcess unit;
    ASSERT_TRUE(unit.start(ZelSimProcess::Link::Tcp, {"--config", kFilled}))
        << unit.error().toStdString();
    const QTemporaryDir folder;
    struct Case {
        QString file;
        bool withChanges;
        QStringList present; // in the file written
        QStringList absent = {};
        QString error = {}; // part of the one error box; empty: none
    };
    const QList<Case> cases = {
        {"edited.html",
         true,
         {"Configuration from</td><td>host: ", "Changes since", "Zone 3 volume", "-30 dB",
          "Patio &amp; Pool"}},
        {"plain.html", false, {"Patio &amp; Pool"}, {"Changes"}},
        {"edited.pdf", true, {"%PDF-"}},
        {"none/edited.pdf", true, {}, {}, "The report could not be saved to "},
        {"edited.txt", true, {}, {}, "a report is saved as an HTML file (.html) or a PDF"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file.toStdString());
        LinkWindow w;
        w.chooseTelnet(unit.address());
        ASSERT_TRUE(w.runToEnd(w.window.importAction()));
        w.window.model().zoneAudio(3).volume = -30;
        w.window.model().setZoneName(4, "Patio & Pool");
        const QString path = folder.filePath(c.file);
        w.prompts->reportAnswer = ui::ReportChoice{path, c.withChanges};
        w.window.reportAction()->trigger();

        ASSERT_EQ(w.prompts->reportOffers.size(), 1);
        EXPECT_TRUE(w.prompts->reportOffers[0].contains("fetched from host: "));
        EXPECT_EQ(w.prompts->errors.size(), c.error.isEmpty() ? 0 : 1);
        if (!c.error.isEmpty()) {
            EXPECT_TRUE(w.prompts->errors.value(0).contains(c.error))
                << w.prompts->errors.join('\n').toStdString();
            EXPECT_FALSE(QFile::exists(path));
            continue;
        }
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QString written = QString::fromLatin1(file.readAll());
        for (const QString& expected : c.present)
            EXPECT_TRUE(written.contains(expected)) << expected.toStdString();
        for (const QString& unwanted : c.absent)
            EXPECT_FALSE(written.contains(unwanted)) << unwanted.toStdString();
        EXPECT_TRUE(w.window.statusText().contains(" Report saved to "));
    }

    // A window started afresh has fetched nothing itself: it offers the changes since the
    // journal's newest whole fetch from the unit its link is set to.
    LinkWindow later;
    later.chooseTelnet(unit.address());
    later.window.newZel16Action()->trigger();
    later.prompts->reportAnswer = ui::ReportChoice{folder.filePath("later.html"), true};
    later.window.reportAction()->trigger();
    ASSERT_EQ(later.prompts->reportOffers.size(), 1);
    EXPECT_TRUE(later.prompts->reportOffers[0].contains("fetched from tcp:"))
        << later.prompts->reportOffers[0].toStdString();
}

} // namespace
} // namespace zel::test
