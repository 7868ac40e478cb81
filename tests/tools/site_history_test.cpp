// zeltool site backup with a history: a Git work tree whose remote is a bare repository in a
// temporary folder, units played by zelsim on loopback.

#include "tool_runner.h"

#include "link/absent_units.h"
#include "link/zelsim_process.h"

#include <QLockFile>
#include <QProcess>
#include <QSysInfo>
#include <gtest/gtest.h>

namespace zel::tool::test {
namespace {

using zel::test::ZelSimProcess;

std::string git(const std::string& folder, const QStringList& arguments)
{
    QProcess process;
    process.start("git", QStringList{"-C", QString::fromStdString(folder)} + arguments);
    process.waitForFinished(30000);
    return process.readAllStandardOutput().toStdString();
}

// Git's settings are the test's own: an identity, or none at all.
class GitSettings {
public:
    GitSettings()
    {
        writeFile(m_folder.file("gitconfig"),
                  "[user]\n\tname = Test Installer\n\temail = installer@example.com\n");
        useIdentity(true);
        ::setenv("GIT_CONFIG_NOSYSTEM", "1", 1);
    }
    ~GitSettings() { ::unsetenv("GIT_CONFIG_GLOBAL"); }
    void useIdentity(bool identity)
    {
        ::setenv("GIT_CONFIG_GLOBAL", identity ? m_folder.file("gitconfig").c_str() : "/dev/null",
                 1);
    }

private:
    TemporaryFolder m_folder;
};

std::string unitLine(const std::string& name, const ZelSimProcess& unit)
{
    return name + " tcp:" + unit.address().toStdString() + "\n";
}

TEST(ZeltoolSiteHistory, CommitsOnlyWhatChangedAndTellsOnlyNews)
{
    GitSettings settings;
    ZelSimProcess lobby, bar;
    ASSERT_TRUE(lobby.start(ZelSimProcess::Link::Tcp, {"--control"}));
    ASSERT_TRUE(bar.start(ZelSimProcess::Link::Tcp, {"--control"}));
    const std::string cellar = "Cellar tcp:" + zel::test::refusingHost().toStdString() + "\n";
    const TemporaryFolder folder;
    const std::string remote = folder.file("remote.git"), work = folder.file("work");
    git(folder.path(), {"init", "-q", "--bare", "remote.git"});
    git(folder.path(), {"clone", "-q", "remote.git", "work"});
    const std::string site = folder.file("harbour-hotel.zelsite");
    const std::string header = "# zelconfig site: Harbour Hotel\n# zelconfig history: work\n";
    const std::string installer = "Test Installer <installer@example.com>";
    const std::string machine =
        "zeltool <zeltool@" + QSysInfo::machineHostName().toStdString() + ">";

    struct Row {
        std::string what;
        std::string units; // the site's unit lines
        std::vector<std::pair<ZelSimProcess*, QByteArray>> keypad;
        std::vector<std::string> options;
        int exitCode;
        std::string out;     // what --quiet prints
        std::string subject; // the new commit's first line; empty when none is made
        std::string numstat; // its files' lines added and removed, when given
        std::string author;
    };
    const std::string both = unitLine("Lobby", lobby) + unitLine("Bar", bar);
    const std::string first = "Harbour Hotel: 2 new (Lobby, Bar), 1 failed (Cellar: cannot "
                              "reach it: Connection refused)";
    const std::string terrace = "Harbour Hotel: 1 changed (Bar), 1 unchanged";
    const std::string volume = "Harbour Hotel: 1 volume only (Lobby), 1 unchanged";
    const std::string foyer = "Harbour Hotel: 1 changed (Lobby), 1 failed (Bar: cannot reach "
                              "it: Connection refused)";
    const std::string renamed = "Harbour Hotel: 1 renamed (Foyer)";
    // Each row runs on what the rows before it left.
    // clang-format off
    const std::vector<Row> rows = {
        {"first run, pushed", both + cellar, {}, {"--git", work, "--push"}, 1, first + "\n", first, "", installer},
        {"nothing changed", both, {}, {}, 0, "", "", "", ""},
        {"a zone renamed at the keypad", both, {{&bar, "[NO3\"Terrace\"]"}}, {}, 0,
         terrace + "\nBar:\n    Zone 3 name: \"Zone Name 3\" -> \"Terrace\"\n", terrace,
         "1\t1\tharbour-hotel/Bar.zel\n", installer},
        {"a volume that does not count", both, {{&lobby, "[VO2R-30]"}}, {"--ignore-volume"}, 0, "",
         volume, "1\t1\tharbour-hotel/Lobby.zel\n", installer},
        {"a unit that failed keeps its file", both, {{&lobby, "[NO1\"Foyer Bar\"]"}}, {}, 1,
         foyer + "\nLobby:\n    Zone 1 name: \"Zone Name 1\" -> \"Foyer Bar\"\n", foyer,
         "1\t1\tharbour-hotel/Lobby.zel\n", machine},
        {"a unit renamed in the site", unitLine("Foyer", lobby), {}, {}, 0, renamed + "\n", renamed,
         "1\t1\tharbour-hotel/{Lobby.zel => Foyer.zel}\n", installer},
        {"earlier commits pushed", unitLine("Foyer", lobby), {}, {"--push"}, 0, "", "", "", ""},
    };
    // clang-format on
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        if (row.author == machine) // git has no identity; and Bar is switched off
            bar.kill();
        settings.useIdentity(row.author != machine);
        for (const auto& [unit, line] : row.keypad)
            ASSERT_TRUE(unit->control("keypad " + line));
        writeFile(site, header + row.units);
        const std::string before = git(work, {"rev-parse", "HEAD"});
        std::vector<std::string> arguments = {"site", "backup", site, "--quiet", "--timeout", "5"};
        arguments.insert(arguments.end(), row.options.begin(), row.options.end());
        const ToolRun run = runZeltool(arguments);
        EXPECT_EQ(run.exitCode, row.exitCode) << run.err;
        EXPECT_EQ(run.out, row.out);
        EXPECT_EQ(git(work, {"status", "--porcelain"}), "") << "every file is as committed";
        if (std::count(row.options.begin(), row.options.end(), "--push"))
            EXPECT_EQ(git(remote, {"rev-parse", "HEAD"}), git(work, {"rev-parse", "HEAD"}));
        const std::string subject = git(work, {"log", "-1", "--format=%s%n%an <%ae>"});
        if (row.subject.empty()) {
            EXPECT_EQ(git(work, {"rev-parse", "HEAD"}), before) << subject;
            continue;
        }
        EXPECT_EQ(subject, row.subject + "\n" + row.author + "\n");
        if (!row.numstat.empty())
            EXPECT_EQ(git(work, {"show", "-M", "--numstat", "--format=", "HEAD"}), row.numstat);
    }
    EXPECT_EQ(git(work, {"log", "--follow", "--format=%s", "--", "harbour-hotel/Foyer.zel"}),
              renamed + "\n" + foyer + "\n" + volume + "\n" + first + "\n");
    // A client turns a zone up: verify names it, unless the volumes do not count.
    ASSERT_TRUE(lobby.control("keypad [VO5R-40]"));
    const ToolRun differs = runZeltool({"site", "verify", site});
    EXPECT_EQ(differs.exitCode, 1);
    EXPECT_NE(differs.out.find("differs  1 change since the backup of "), std::string::npos)
        << differs.out;
    const ToolRun same = runZeltool({"site", "verify", site, "--ignore-volume"});
    EXPECT_EQ(same.exitCode, 0);
    EXPECT_NE(same.out.find("same  no change since the backup of "), std::string::npos) << same.out;
    EXPECT_NE(same.out.find(" (1 volume difference not counted)\n"), std::string::npos);
    const std::string file = readFile(work + "/harbour-hotel/Foyer.zel");
    EXPECT_EQ(file.rfind("; zelconfig site history\r\n; unit: Foyer\r\n; link: tcp:" +
                             lobby.address().toStdString() + "\r\n; model: ZEL-16\r\n",
                         0),
              0u)
        << file;
}

TEST(ZeltoolSiteHistory, RefusesWhatItCannotUseAndKeepsACommitItCannotPush)
{
    const GitSettings settings;
    ZelSimProcess unit;
    ASSERT_TRUE(unit.start(ZelSimProcess::Link::Tcp));
    const TemporaryFolder folder;
    const std::string site = folder.file("hotel.zelsite");
    writeFile(site, unitLine("Bar", unit));
    std::filesystem::create_directories(folder.path() / "notes");
    writeFile(folder.file("notes/todo.txt"), "call the client\n");
    git(folder.path(), {"init", "-q", "--bare", "remote.git"});
    git(folder.path(), {"clone", "-q", "remote.git", "ahead"});
    git(folder.path(), {"clone", "-q", "remote.git", "behind"});
    git(folder.file("ahead"), {"commit", "-q", "--allow-empty", "-m", "a colleague's run"});
    git(folder.file("ahead"), {"push", "-q"});

    struct Case {
        std::string what;
        std::vector<std::string> arguments;
        const char* path; // PATH while it runs; nullptr: as it is
        int exitCode;
        std::string err;
        int commits; // in the repository afterwards; -1: not asked
    };
    const std::string fresh = folder.file("fresh");
    // clang-format off
    const std::vector<Case> cases = {
        {"a folder that is not a work tree", {"--git", folder.file("notes")}, nullptr, 2, "is neither a Git work tree nor an empty folder", -1},
        {"a bare repository", {"--git", folder.file("remote.git")}, nullptr, 2, "is a bare repository", -1},
        {"git missing", {"--git", fresh}, "/nonexistent", 2, "--git: the git command is missing", -1},
        {"no history to push", {"--push"}, nullptr, 2, "--push and --quiet need a history", -1},
        {"no upstream", {"--git", fresh, "--push"}, nullptr, 1, "the push failed, the commit is kept: the branch has no upstream", 1},
        {"a push the remote refuses", {"--git", folder.file("behind"), "--push"}, nullptr, 1, "the push failed, the commit is kept: ! [rejected]", 1},
    };
    // clang-format on
    const std::string path = std::getenv("PATH");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<std::string> arguments = {"site", "backup", site};
        arguments.insert(arguments.end(), c.arguments.begin(), c.arguments.end());
        ::setenv("PATH", c.path ? c.path : path.c_str(), 1);
        const ToolRun run = runZeltool(arguments);
        ::setenv("PATH", path.c_str(), 1);
        EXPECT_EQ(run.exitCode, c.exitCode) << run.out;
        EXPECT_NE(run.err.find(c.err), std::string::npos) << run.err;
        if (c.commits >= 0)
            EXPECT_EQ(git(c.arguments[1], {"rev-list", "--count", "HEAD"}),
                      std::to_string(c.commits) + "\n");
    }
    EXPECT_EQ(runZeltool({"site", "verify", site, "--git", fresh}).exitCode, 2);
}

TEST(ZeltoolSiteHistory, TwoRunsAtOnceEachCommitAndOneHeldTooLongSaysWhoHoldsIt)
{
    const GitSettings settings;
    ZelSimProcess unit;
    ASSERT_TRUE(unit.start(ZelSimProcess::Link::Tcp));
    const TemporaryFolder folder;
    const std::string work = folder.file("work");
    for (const std::string name : {"lobby", "bar"})
        writeFile(folder.file(name + ".zelsite"),
                  "# zelconfig history: work\n" + unitLine("Amp", unit));
    git(folder.path(), {"init", "-q", "work"});
    {
        QLockFile held(QString::fromStdString(work + "/.git/zelconfig-history.lock"));
        ASSERT_TRUE(held.tryLock(0));
        const ToolRun refused = runZeltool({"site", "backup", folder.file("lobby.zelsite")});
        EXPECT_EQ(refused.exitCode, 2);
        EXPECT_NE(refused.err.find("is not kept: another run holds it: "), std::string::npos)
            << refused.err;
        EXPECT_NE(refused.err.find("(process " + std::to_string(::getpid()) + ") on "),
                  std::string::npos);
    }
    QProcess lobby, bar;
    lobby.start(ZELTOOL_PATH,
                {"site", "backup", QString::fromStdString(folder.file("lobby.zelsite"))});
    bar.start(ZELTOOL_PATH, {"site", "backup", QString::fromStdString(folder.file("bar.zelsite"))});
    ASSERT_TRUE(lobby.waitForFinished(60000) && bar.waitForFinished(60000));
    EXPECT_EQ(lobby.exitCode(), 0) << lobby.readAllStandardError().toStdString();
    EXPECT_EQ(bar.exitCode(), 0) << bar.readAllStandardError().toStdString();
    EXPECT_EQ(git(work, {"log", "--format=%s"}).size(),
              std::string("lobby: 1 new (Amp)\nbar: 1 new (Amp)\n").size());
    EXPECT_EQ(git(work, {"ls-files"}), "bar/Amp.zel\nlobby/Amp.zel\n");
    EXPECT_EQ(git(work, {"status", "--porcelain"}), "");
}

// A colleague backs a site up and pushes; a second clone of the company's repository, on
// another laptop, restores a unit from any commit through the send path.
TEST(ZeltoolSiteHistory, ASecondCloneRestoresAUnitFromACommit)
{
    const GitSettings settings;
    ZelSimProcess unit;
    ASSERT_TRUE(unit.start(ZelSimProcess::Link::Tcp, {"--control"}));
    const TemporaryFolder folder;
    const std::string site = folder.file("hotel.zelsite"), second = folder.file("second");
    writeFile(site, "# zelconfig history: first\n" + unitLine("Bar", unit));
    git(folder.path(), {"init", "-q", "--bare", "remote.git"});
    git(folder.path(), {"clone", "-q", "remote.git", "first"});
    git(folder.file("first"), {"commit", "-q", "--allow-empty", "-m", "the company's repository"});
    for (const QByteArray keypad : {"", "[NO3\"Terrace\"]"}) {
        if (!keypad.isEmpty())
            ASSERT_TRUE(unit.control("keypad " + keypad));
        ASSERT_EQ(runZeltool({"site", "backup", site, "--push"}).exitCode, 0);
    }
    git(folder.path(), {"clone", "-q", "remote.git", "second"});
    const std::string firstBackup = git(second, {"rev-parse", "--short=7", "HEAD~1"}).substr(0, 7);

    struct Case {
        std::string what;
        std::vector<std::string> arguments; // after "site restore SITE"; --git second unless given
        int exitCode;
        std::string said;  // on standard output when it went, else on standard error
        std::string zone3; // the unit's zone 3 name afterwards
    };
    const std::string bar = "restored Bar (tcp:" + unit.address().toStdString() + ") to ";
    // clang-format off
    const std::vector<Case> cases = {
        {"from a commit", {"Bar", "--from", firstBackup}, 0, bar + "Bar's configuration at commit " + firstBackup, "Zone Name 3"},
        {"the newest commit, the name in other letters", {"bar"}, 0, ": hotel: 1 changed (Bar)\n", "Terrace"},
        {"a unit the site does not name", {"Cellar"}, 2, "the site names no unit \"Cellar\"; its units: Bar", "Cellar"},
        {"a commit git does not know", {"Bar", "--from", "0123abc"}, 2, "there is no commit \"0123abc\" in", "Cellar"},
        {"a commit before the unit's first backup", {"Bar", "--from", "HEAD~2"}, 2, "holds no file of Bar (hotel/Bar.zel)", "Cellar"},
        {"no clone there", {"Bar", "--git", folder.file("nowhere")}, 2, "does not exist: clone the history there first", "Cellar"},
        {"an option of backup", {"Bar", "--quiet"}, 2, "are for site backup and verify", "Cellar"},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_TRUE(unit.control("keypad [NO3\"Cellar\"]")); // changed since every backup
        std::vector<std::string> arguments = {"site", "restore", site};
        arguments.insert(arguments.end(), c.arguments.begin(), c.arguments.end());
        if (std::find(arguments.begin(), arguments.end(), "--git") == arguments.end())
            arguments.insert(arguments.end(), {"--git", second});
        const ToolRun run = runZeltool(arguments);
        EXPECT_EQ(run.exitCode, c.exitCode) << run.err;
        EXPECT_NE((c.exitCode == 0 ? run.out : run.err).find(c.said), std::string::npos)
            << run.out << run.err;
        if (c.exitCode == 0) {
            // The journal's newest entries: the unit as the restore found it, then what it sent.
            const QStringList journal =
                QString::fromStdString(runZeltool({"history"}).out).split('\n');
            ASSERT_GE(journal.size(), 2);
            EXPECT_TRUE(journal[0].contains("  restore  to  tcp:") &&
                        journal[0].contains("whole send"))
                << journal[0].toStdString();
            EXPECT_TRUE(journal[1].contains("  as found before a send  from  tcp:") &&
                        journal[1].contains("whole fetch"))
                << journal[1].toStdString();
            EXPECT_NE(runZeltool({"history", "show", "2"}).out.find("[NO3\"Cellar\"]"),
                      std::string::npos);
        }
        const ToolRun held = runZeltool({"import", "--tcp", unit.address().toStdString()});
        EXPECT_NE(held.out.find("[NO3\"" + c.zone3 + "\"]"), std::string::npos);
    }
}

} // namespace
} // namespace zel::tool::test
