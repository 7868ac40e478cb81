// zeltool site backup and verify, find, and the identity check of export, against zelsim on
// loopback TCP and pseudo-terminals.

#include "simulated_unit.h"
#include "tool_runner.h"

#include "link/absent_units.h"
#include "link/zelsim_process.h"

#include <QProcess>
#include <QTest>
#include <gtest/gtest.h>

#include <csignal>
#include <regex>
#include <sstream>

namespace zel::tool::test {
namespace {

using Link = SimulatedUnit::Link;

const std::string kFilled = std::string(ZELTOOL_TEST_DATA) + "/filled_zel16.zel";
const std::string kHouse = std::string(ZEL_SOURCE_DIR) + "/docs/demo/house.zel";

std::vector<std::string> linesOf(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

// The value of `"key": "..."` in zeltool's JSON; enough for these checks.
std::string jsonText(const std::string& json, const std::string& key)
{
    std::smatch match;
    const std::regex pattern("\"" + key + "\": \"((?:[^\"\\\\]|\\\\.)*)\"");
    return std::regex_search(json, match, pattern) ? match[1].str() : std::string();
}

TEST(ZeltoolSite, GivesEachUnitItsLineAndTheRunItsExitStatus)
{
    const SimulatedUnit healthy(Link::Tcp, {"--config", kFilled});
    const SimulatedUnit silent(Link::Tcp, {"--silent-after", "0"});
    const SimulatedUnit refusing(Link::Tcp, {"--error-on", "QXSB"});
    const SimulatedUnit amplifier(Link::Pty);
    const std::string dead = zel::test::refusingHost().toStdString();
    const TemporaryFolder folder;
    const std::string all = folder.file("all.zelsite"), good = folder.file("good.zelsite");
    writeFile(all, "# the whole venue\nMain Bar  tcp:" + healthy.address() + "\nDead tcp:" + dead +
                       "\nSilent tcp:" + silent.address() + "   # switched off?\nRefusing tcp:" +
                       refusing.address() + "\nAmp serial:" + amplifier.address() + "\n");
    writeFile(good, "Main Bar tcp:" + healthy.address() + "\nAmp serial:" + amplifier.address());

    struct Case {
        std::string command;
        std::string site;
        int exitCode;
        std::vector<std::string> results; // the result and the start of the detail, per unit
        std::string summary;
    };
    const std::string firstBackup = "backed up  first backup: ";
    const std::string cannotReach = "failed  cannot reach it: Connection refused";
    const std::string noAnswer = "failed  no answer within 2 s";
    const std::string refused = "failed  the unit answered ERROR";
    // Each row runs on what the rows before it left.
    // clang-format off
    const std::vector<Case> cases = {
        {"verify", good, 1, {"no backup  no backup to compare with", "no backup  no backup"},
         "site verify: 2 units: 2 no backup"},
        {"backup", all, 1, {firstBackup + "ZEL-16, zone 1 \"Room 01\"", cannotReach, noAnswer, refused,
                            firstBackup + "ZEL-16, zone 1 \"Zone Name 1\""},
         "site backup: 5 units: 2 backed up, 3 failed"},
        {"backup", good, 0, {"unchanged  no change since the backup of ", "unchanged  no change"},
         "site backup: 2 units: 2 unchanged"},
        {"verify", all, 1, {"same  no change since the backup of ", cannotReach, noAnswer, refused,
                            "same  no change since"},
         "site verify: 5 units: 2 same, 3 failed"},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.command + " " + c.site);
        const ToolRun run =
            runZeltool({"site", c.command, c.site, "--timeout", "2", "--jobs", "3"});
        EXPECT_EQ(run.exitCode, c.exitCode) << run.err;
        const std::vector<std::string> lines = linesOf(run.out);
        ASSERT_EQ(lines.size(), c.results.size() + 1) << run.out;
        for (std::size_t i = 0; i < c.results.size(); ++i)
            EXPECT_NE(lines[i].find("  " + c.results[i]), std::string::npos) << lines[i];
        EXPECT_EQ(lines.back(), c.summary);
        // The journal's newest entry says which run read it.
        const std::string newest = linesOf(runZeltool({"history"}).out).at(0);
        EXPECT_NE(newest.find("  site " + c.command + "  from  "), std::string::npos) << newest;
    }
    EXPECT_EQ(linesOf(runZeltool({"site", "backup", all, "--timeout", "2"}).out)[0].rfind(
                  "Main Bar  tcp:" + healthy.address() + "  unchanged", 0),
              0u);
    const ToolRun json = runZeltool({"site", "verify", good, "--json"});
    EXPECT_NE(json.out.find("\"allGood\": true"), std::string::npos) << json.out;

    // A change made on the unit since its backup is named, and is news: exit 1.
    std::string renamed = readFile(kFilled);
    renamed.replace(renamed.find("[NO1\"Room 01\"]"), 15, "[NO1\"Hall\"]");
    writeFile(folder.file("hall.zel"), renamed);
    ASSERT_EQ(runZeltool({"export", folder.file("hall.zel"), "--tcp", healthy.address()}).exitCode,
              0);
    const ToolRun changed = runZeltool({"site", "backup", good});
    EXPECT_EQ(changed.exitCode, 1);
    EXPECT_NE(changed.out.find("  changed  1 change since the backup of "), std::string::npos)
        << changed.out;
    EXPECT_NE(changed.out.find(": Zone 1 name: \"Room 01\" -> \"Hall\"\n"), std::string::npos);
    EXPECT_EQ(runZeltool({"site", "verify", good}).exitCode, 0) << "the change is the backup now";

    writeFile(folder.file("bad.zelsite"), "Bar tcp:" + healthy.address() + "\nbar 192.0.2.1\n");
    const ToolRun bad = runZeltool({"site", "backup", folder.file("bad.zelsite")});
    EXPECT_EQ(bad.exitCode, 2);
    EXPECT_NE(bad.err.find("line 2: no link"), std::string::npos) << bad.err;
}

TEST(ZeltoolSite, AUnitThatMovedKeepsItsHistoryAndAnotherUnitIsNamedAsSuch)
{
    const TemporaryFolder folder;
    const std::string site = folder.file("hotel.zelsite");
    const auto backUp = [&site](const std::string& address) {
        writeFile(site, "Bar tcp:" + address + "\n");
        return runZeltool({"site", "backup", site, "--json", "--timeout", "5"});
    };
    std::string firstIdentity, movedTo;
    {
        const SimulatedUnit bar(Link::Tcp, {"--config", kFilled, "--tcp", "127.0.0.61:0"});
        const ToolRun first = backUp(bar.address());
        EXPECT_EQ(jsonText(first.out, "result"), "backed up") << first.out;
        firstIdentity = jsonText(first.out, "identity");
    }
    {
        // The same unit, renumbered: its line now names another address.
        const SimulatedUnit bar(Link::Tcp, {"--config", kFilled, "--tcp", "127.0.0.62:0"});
        movedTo = bar.address();
        const ToolRun moved = backUp(movedTo);
        EXPECT_EQ(jsonText(moved.out, "result"), "unchanged") << moved.out;
        EXPECT_EQ(jsonText(moved.out, "identity"), firstIdentity);
    }
    {
        // Another unit answers at the address where Bar was last reached.
        const SimulatedUnit other(Link::Tcp, {"--config", kHouse, "--tcp", movedTo});
        const ToolRun swapped = backUp(movedTo);
        EXPECT_EQ(swapped.exitCode, 1);
        EXPECT_EQ(jsonText(swapped.out, "result"), "another unit") << swapped.out;
        EXPECT_NE(jsonText(swapped.out, "detail").find("zone 1 \\\"Living Room\\\""),
                  std::string::npos)
            << swapped.out;
        EXPECT_NE(jsonText(swapped.out, "detail").find("not the unit known as \\\"Bar\\\""),
                  std::string::npos);
    }

    // Bar's configuration is not sent to another unit of its model now at that address unless
    // told to.
    std::string twin = readFile(kFilled);
    for (int zone = 16; zone >= 1; --zone) {
        const std::string number = (zone < 10 ? "0" : "") + std::to_string(zone);
        const std::string line = "[NO" + std::to_string(zone) + "\"Room " + number + "\"]";
        twin.replace(twin.find(line), line.size(),
                     "[NO" + std::to_string(zone) + "\"Suite " + number + "\"]");
    }
    writeFile(folder.file("twin.zel"), twin);
    const SimulatedUnit other(Link::Tcp, {"--config", folder.file("twin.zel"), "--tcp", movedTo});
    const ToolRun refused = runZeltool({"export", kFilled, "--tcp", movedTo});
    EXPECT_EQ(refused.exitCode, 2);
    EXPECT_NE(refused.err.find("does not look like the unit this configuration came from"),
              std::string::npos)
        << refused.err;
    EXPECT_NE(refused.err.find("this configuration: the unit known as \"Bar\""), std::string::npos);
    EXPECT_EQ(runZeltool({"export", kFilled, "--tcp", movedTo, "--force"}).exitCode, 0);
}

TEST(ZeltoolFind, ListsUnitsOnlyAndOnlyWhereAsked)
{
    const SimulatedUnit unit(Link::Tcp, {"--config", kFilled, "--tcp", "127.0.0.71:0"});
    const std::string port = unit.address().substr(unit.address().find(':') + 1);
    const SimulatedUnit refusing(Link::Tcp, {"--error-on", "QXSB", "--tcp", "127.0.0.72:" + port});
    const SimulatedUnit amplifier(Link::Pty);

    const ToolRun found = runZeltool({"find", "127.0.0.70-127.0.0.73", "--port", port});
    EXPECT_EQ(found.exitCode, 0) << found.err;
    EXPECT_EQ(found.out, "tcp:" + unit.address() +
                             "  ZEL-16  zone 1 \"Room 01\"  source 1 \"Source 01\"  "
                             "192.168.1.40/255.255.255.0 gateway 192.168.1.1\n");
    EXPECT_NE(found.err.find("1 unit found among 4 addresses"), std::string::npos) << found.err;

    const ToolRun none = runZeltool({"find", "127.0.0.73/32", "--port", port});
    EXPECT_EQ(none.exitCode, 1);
    const ToolRun wide = runZeltool({"find", "127.0.0.0/19"});
    EXPECT_EQ(wide.exitCode, 2);
    EXPECT_NE(wide.err.find("give --force"), std::string::npos) << wide.err;

    const ToolRun serial = runZeltool({"find", "--serial", amplifier.address()});
    EXPECT_EQ(serial.out,
              "serial:" + amplifier.address() +
                  "  ZEL-16  zone 1 \"Zone Name 1\"  source 1 \"Source Name 1\"  DHCP\n");
    const ToolRun listed = runZeltool({"find", "--serial"});
    EXPECT_EQ(listed.exitCode, 0);
    EXPECT_NE(listed.err.find("none was sent anything"), std::string::npos) << listed.err;
}

TEST(ZeltoolFind, CtrlCClosesEveryConnectionAndSaysWhatWasFound)
{
    zel::test::ZelSimProcess slow;
    ASSERT_TRUE(slow.start(zel::test::ZelSimProcess::Link::Tcp, {"--baud", "300"}, "127.0.0.74:0"));
    const QString port = slow.address().section(':', 1);
    QProcess find;
    find.start(ZELTOOL_PATH, {"find", "127.0.0.74-127.0.0.75", "--port", port});
    ASSERT_TRUE(find.waitForStarted(5000));
    ASSERT_TRUE(QTest::qWaitFor([&] { return slow.receivedCommands().contains("[QXSB]"); }, 10000));
    ::kill(static_cast<pid_t>(find.processId()), SIGINT);
    ASSERT_TRUE(find.waitForFinished(10000));
    EXPECT_EQ(find.exitCode(), 130);
    EXPECT_TRUE(find.readAllStandardError().contains("interrupted: 0 units found"));
    // Reading what zelsim said waits for it: there is no event loop here.
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return !slow.receivedCommands().isEmpty() && slow.closedConnections() == 1; }, 5000));
}

TEST(ZeltoolFind, ASlashEightIsProbedAsItIsWalkedAndCtrlCEndsItAtOnce)
{
    // The first address of 127.0.0.0/8 answers slowly: its probe shows that probing began
    // before any list of sixteen million addresses could have been made.
    zel::test::ZelSimProcess slow;
    ASSERT_TRUE(slow.start(zel::test::ZelSimProcess::Link::Tcp, {"--baud", "300"}, "127.0.0.1:0"));
    const QString port = slow.address().section(':', 1);
    QProcess find;
    find.start(ZELTOOL_PATH, {"find", "127.0.0.0/8", "--force", "--port", port});
    ASSERT_TRUE(find.waitForStarted(5000));
    ASSERT_TRUE(QTest::qWaitFor([&] { return slow.receivedCommands().contains("[QXSB]"); }, 10000));
    ::kill(static_cast<pid_t>(find.processId()), SIGINT);
    EXPECT_TRUE(find.waitForFinished(1000)); // within a second of Ctrl+C
    find.waitForFinished(10000);
    EXPECT_EQ(find.exitCode(), 130);
    EXPECT_TRUE(find.readAllStandardError().contains("0 units found among 16777214 addresses"));
}

} // namespace
} // namespace zel::tool::test
