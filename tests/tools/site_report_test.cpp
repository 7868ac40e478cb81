// zeltool site report against three simulated units backed up, changed and backed up again: the
// summary names each unit with its link and how many changes, the changes are only what changed,
// a unit never fetched is said so, and the exit codes are those of the other commands.

#include "simulated_unit.h"
#include "tool_runner.h"

#include "link/absent_units.h"

#include <QProcess>
#include <QStandardPaths>
#include <gtest/gtest.h>

namespace zel::tool::test {
namespace {

using Link = SimulatedUnit::Link;

const std::string kFilled = std::string(ZELTOOL_TEST_DATA) + "/filled_zel16.zel";

// The PDF's text, page by page (pages end in a form feed); empty when pdftotext is missing.
std::string pdfText(const std::string& path)
{
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty())
        return {};
    QProcess extract;
    extract.start(pdftotext, {QString::fromStdString(path), QStringLiteral("-")});
    return extract.waitForFinished() ? extract.readAllStandardOutput().toStdString() : "";
}

TEST(ZeltoolSiteReport, NamesEachUnitWithItsLinkAndListsOnlyWhatTheVisitChanged)
{
    const ScopedDataHome home; // a journal of these units alone
    const SimulatedUnit lobby(Link::Tcp, {"--config", kFilled});
    const SimulatedUnit bar(Link::Tcp, {"--config", kFilled});
    const SimulatedUnit terrace(Link::Tcp, {"--config", kFilled});
    const TemporaryFolder folder;
    const std::string site = folder.file("harbour.zelsite");
    writeFile(site, "# zelconfig site: Harbour Hotel\nLobby tcp:" + lobby.address() +
                        "\nMain Bar tcp:" + bar.address() + "\nTerrace tcp:" + terrace.address() +
                        "\nCellar tcp:" + zel::test::refusingHost().toStdString() + "\n");
    // The visit: a backup, a rename and one band in the lobby, a volume in the bar, a backup.
    ASSERT_EQ(runZeltool({"site", "backup", site, "--timeout", "2"}).exitCode, 1); // the cellar
    std::string lobbyText = readFile(kFilled), barText = lobbyText;
    lobbyText.replace(lobbyText.find("[NO1\"Room 01\"]"), 14, "[NO1\"Hall\"]");
    lobbyText.replace(lobbyText.find("[EO1B3L-6]"), 10, "[EO1B3L4]");
    barText.replace(barText.find("[VO2R-8]"), 8, "[VO2R-20]");
    for (const auto& [unit, text] : {std::pair{&lobby, lobbyText}, {&bar, barText}}) {
        writeFile(folder.file("edit.zel"), text);
        ASSERT_EQ(
            runZeltool({"export", folder.file("edit.zel"), "--tcp", unit->address(), "--force"})
                .exitCode,
            0);
    }
    ASSERT_EQ(runZeltool({"site", "backup", site, "--timeout", "2"}).exitCode, 1);

    const ToolRun html = runZeltool({"site", "report", site, "-o", folder.file("r.html"),
                                     "--client", "J. Smith", "--notes", "Gate code 1234"});
    ASSERT_EQ(html.exitCode, 0) << html.err;
    EXPECT_NE(html.err.find("Cellar: never fetched"), std::string::npos) << html.err;
    const std::string page = readFile(folder.file("r.html"));
    const std::string pdf = folder.file("r.pdf");
    ASSERT_EQ(runZeltool({"site", "report", site, "-o", pdf, "--site", "The Harbour"}).exitCode, 0);
    const std::string paper = pdfText(pdf);
    struct Case {
        const std::string* text;
        std::vector<std::string> present, absent;
    };
    const auto row = [](const std::string& name, const std::string& link, const std::string& n) {
        return "<tr><td>" + name + "</td><td>tcp:" + link + "</td><td>" + n + "</td></tr>";
    };
    const Case cases[] = {
        {&page,
         {"<td>Site</td><td>Harbour Hotel</td>", "<td>Client</td><td>J. Smith</td>",
          "Gate code 1234", row("Lobby", lobby.address(), "2"), row("Main Bar", bar.address(), "1"),
          row("Terrace", terrace.address(), "none"), "never fetched",
          "<li>Zone 1 Room 01 renamed Hall</li>", "<li>Zone 1 Hall EQ: 125 Hz: -6 → +4 dB</li>",
          "<li>Zone 2 Room 02 volume -20 dB (was -8 dB)</li>", "Nothing changed since",
          "Lobby: the configuration as left (ZEL-16)", "Terrace: the configuration as left"},
         {"treble", "32 Hz:", "balance", "1 kHz"}},
        {&paper,
         {"The Harbour", "Lobby", "Main Bar", "Zone 1 Hall EQ: 125 Hz: -6 → +4 dB",
          "never fetched"},
         {"treble", "32 Hz:", "Gate code"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text == &page ? "html" : "pdf");
        if (c.text->empty())
            continue; // no pdftotext here
        for (const std::string& expected : c.present)
            EXPECT_NE(c.text->find(expected), std::string::npos) << expected;
        // The list of changes, before the configurations (which show every setting).
        const std::size_t from = c.text->find("What the visit changed");
        const std::string changes = c.text->substr(from, c.text->find("Lobby: the con") - from);
        for (const std::string& unwanted : c.absent)
            EXPECT_EQ(changes.find(unwanted), std::string::npos) << unwanted;
    }

    EXPECT_EQ(page.find("Cellar: the configuration"), std::string::npos) << "never made up";

    // Exit codes: 2 for bad usage and a site that cannot be read, 1 for a file not written.
    const std::pair<std::vector<std::string>, int> runs[] = {
        {{"site", "report", site}, 2},
        {{"site", "report", site, "-o", folder.file("r.txt")}, 2},
        {{"site", "report", folder.file("none.zelsite"), "-o", folder.file("x.pdf")}, 2},
        {{"site", "report", site, "-o", folder.file("x.pdf"), "--json"}, 2},
        {{"site", "backup", site, "-o", folder.file("x.pdf")}, 2},
        {{"site", "report", site, "-o", folder.file("x.pdf"), "--changes-from", "10/12/2026"}, 2},
        {{"site", "report", site, "-o", folder.file("x.pdf"), "--changes-from", "2026-01-31"}, 0},
        {{"site", "report", site, "-o", folder.file("no/such/folder/x.pdf")}, 1},
    };
    for (const auto& [words, exitCode] : runs) {
        SCOPED_TRACE(words.back());
        EXPECT_EQ(runZeltool(words).exitCode, exitCode);
    }
}

} // namespace
} // namespace zel::tool::test
