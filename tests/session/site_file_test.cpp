// Site files: one unit a line, name then link; remarks kept; saved whole or not at all.
#include "session/site/site_file.h"

#include "link/qt_printing.h"
#include "support/file_faults.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace zel::session {
namespace {

TEST(SiteFile, ReadsANameThenALinkOrSaysWhatIsWrong)
{
    struct Case {
        QByteArray line;
        QString name;
        QString link; // as written back; empty when the line is refused
        QString problem;
    };
    // clang-format off
    const std::vector<Case> cases = {
        {"Bar tcp:192.0.2.10", "Bar", "tcp:192.0.2.10", {}},
        {"  Lobby Left   tcp:lobby.local:2323  ", "Lobby Left", "tcp:lobby.local:2323", {}},
        {"Room #2 serial:/dev/ttyUSB0 # by the door", "Room #2", "serial:/dev/ttyUSB0", {}},
        {"Old tcp:192.0.2.1 Bar tcp:[::1]:2323", "Old tcp:192.0.2.1 Bar", "tcp:[::1]:2323", {}},
        {"Lobby tcp:127.0.0.1:41079  # spare: tcp:127.0.0.2:37535", "Lobby", "tcp:127.0.0.1:41079", {}},
        {"Hall serial:/dev/ttyS0 # was tcp:127.0.0.3 # then serial:/dev/ttyS1", "Hall", "serial:/dev/ttyS0", {}},
        {"Bar 192.0.2.10", {}, {}, "line 1: no link"},
        {"tcp:192.0.2.10", {}, {}, "line 1: no name before the link"},
        {"Bar tcp:192.0.2.10 extra", {}, {}, "line 1: \"extra\" after the link"},
        {"Bar tcp:192.0.2.10:99999", {}, {}, "line 1: Port 99999 is out of range"},
        {"Bar serial:", {}, {}, "line 1: \"serial:\" names no device"},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line.toStdString());
        const SiteRead read = readSiteText(c.line + "\n");
        if (c.problem.isEmpty()) {
            ASSERT_TRUE(read.problems.isEmpty()) << read.problems.join(' ').toStdString();
            ASSERT_EQ(read.site.units.size(), 1);
            EXPECT_EQ(read.site.units[0].name, c.name);
            EXPECT_EQ(read.site.units[0].link.text(), c.link);
        } else {
            ASSERT_EQ(read.problems.size(), 1);
            EXPECT_TRUE(read.problems[0].startsWith(c.problem)) << read.problems[0].toStdString();
        }
    }
}

TEST(SiteFile, KeepsRemarksRefusesTwiceTheSameNameAndNamesOneUnitOneWay)
{
    const QByteArray text = "# Hotel\n\nBar tcp:192.0.2.10   # main\n# floors\nK\xfc"
                            "che serial:COM3\n# end\n";
    const SiteRead read = readSiteText(text);
    ASSERT_TRUE(read.problems.isEmpty());
    EXPECT_EQ(read.site.units[1].name, QStringLiteral("K\u00fcche")); // Latin-1 both ways
    EXPECT_EQ(siteText(read.site), text);
    EXPECT_EQ(readSiteText(text + "bar tcp:192.0.2.99\n").problems,
              QStringList("line 7: the name \"bar\" is given twice"));
    // One unit however its port is written, as the journal names it.
    EXPECT_EQ(read.site.units[0].link.unitName(), QStringLiteral("tcp:192.0.2.10:23"));
    EXPECT_EQ(siteUnitProblem(read.site, -1, "Terrace\nBar", "tcp:192.0.2.9"),
              QStringLiteral("a name is one line"));
    EXPECT_EQ(siteUnitProblem(read.site, 0, "Bar", "tcp:192.0.2.9"), QString());
    // A name the file would read back as a shorter name and a remark is refused.
    EXPECT_NE(siteUnitProblem(read.site, -1, "Old tcp:192.0.2.1 #2", "tcp:192.0.2.9"), QString());
}

TEST(SiteFile, AFailedSaveLeavesTheOldFile)
{
    const QTemporaryDir folder;
    const QString path = folder.filePath("hotel.zelsite");
    Site site = readSiteText("Bar tcp:192.0.2.10\n").site;
    ASSERT_EQ(saveSiteFile(path, site), QString());
    for (int n = 0; n < 200; ++n)
        site.units << SiteUnit{QStringLiteral("Unit %1").arg(n), {}, {}, {}};
    {
        const test::FileSizeLimit limit(64); // the disk fills up part-way through the write
        EXPECT_NE(saveSiteFile(path, site), QString());
    }
    QString error;
    const std::optional<Site> kept = loadSiteFile(path, error);
    ASSERT_TRUE(kept) << error.toStdString();
    EXPECT_EQ(kept->units.size(), 1);
}

} // namespace
} // namespace zel::session
