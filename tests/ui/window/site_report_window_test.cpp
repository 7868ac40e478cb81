// The site window's "Report...", against a simulated unit on loopback: the dialog proposes
// "<Site> <date>.pdf", the report names every unit of the site by its name with its link and
// says which was never fetched, and a report that cannot be written is said so once.
#include "link_window_fixture.h"

#include "link/absent_units.h"
#include "link/zelsim_process.h"
#include "support/failing_write_device.h"
#include "ui/site/site_controller.h"
#include "ui/site/site_window.h"

#include <QDate>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

namespace zel::test {
namespace {

TEST(SiteReportWindow, ReportsEveryUnitOfTheSiteByItsName)
{
    ZelSimProcess bar;
    ASSERT_TRUE(bar.start(ZelSimProcess::Link::Tcp, {}));
    const QTemporaryDir folder;
    LinkWindow w;
    ui::SiteWindow* site = w.window.sites()->showSiteWindow();
    ASSERT_TRUE(site->addUnit("Main Bar tcp:" + bar.address()) &&
                site->addUnit("Gone tcp:" + refusingHost()));
    ASSERT_TRUE(site->saveSiteAs(folder.filePath("Harbour Hotel.zelsite")));
    QSignalSpy finished(site, &ui::SiteWindow::runFinished);
    site->backUpAction()->trigger();
    ASSERT_TRUE(finished.wait(30000));
    ASSERT_TRUE(site->reportAction()->isEnabled());
    site->reports().setSaveRoutine(test::failingSaveWhere(
        [](const QString& saved) { return saved.endsWith(QStringLiteral("full.pdf")); }, 100));

    struct Case {
        QString file;
        QStringList present; // in the file written
        QString error = {};  // part of the one error box; empty: none
    };
    const Case cases[] = {
        {"site.html",
         {"<h1>Harbour Hotel</h1>",
          "<td>Main Bar</td><td>tcp:" + bar.address() + "</td><td>none</td>", "<td>Gone</td>",
          "never fetched", "Main Bar: the configuration as left"}},
        {"full.pdf", {}, "full.pdf: No space left on device."},
        {"site.txt", {}, "a report is saved as an HTML file (.html) or a PDF (.pdf)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file.toStdString());
        w.prompts->reportQuestions.clear();
        w.prompts->errors.clear();
        const QString report = folder.filePath(c.file);
        w.prompts->onReport = [&](const ui::ReportQuestion& question) {
            return std::optional(ui::ReportChoice{
                report, question.site, "J. Smith", "Alex", {}, question.baseline, {}});
        };
        site->reportAction()->trigger();
        ASSERT_EQ(w.prompts->reportQuestions.size(), 1);
        const ui::ReportQuestion& question = w.prompts->reportQuestions[0];
        EXPECT_EQ(question.site, "Harbour Hotel");
        EXPECT_EQ(question.client, &c == cases ? "" : "J. Smith") << "given for the site last";
        EXPECT_TRUE(
            question.baselines.value(0).contains(QDate::currentDate().toString("yyyy-MM-dd")));
        // In the folder and form of the report saved last.
        EXPECT_EQ(QFileInfo(question.path).completeBaseName(),
                  "Harbour Hotel " + QDate::currentDate().toString("yyyy-MM-dd"));
        EXPECT_EQ(w.prompts->errors.size(), c.error.isEmpty() ? 0 : 1);
        if (!c.error.isEmpty()) {
            EXPECT_TRUE(w.prompts->errors.value(0).contains(c.error))
                << w.prompts->errors.join('\n').toStdString();
            EXPECT_FALSE(QFile::exists(report));
            continue;
        }
        QFile written(report);
        const QString text =
            written.open(QIODevice::ReadOnly) ? QString::fromUtf8(written.readAll()) : QString();
        for (const QString& expected : c.present)
            EXPECT_TRUE(text.contains(expected)) << expected.toStdString();
    }
}

} // namespace
} // namespace zel::test
