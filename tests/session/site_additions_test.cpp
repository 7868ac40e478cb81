// Found units joining a site: the names they are proposed under, the units the site reaches
// already, all or none added; and how the editor names the unit it works with.
#include "session/site/site_additions.h"
#include "session/unit/unit_naming.h"

#include "link/qt_printing.h"

#include <gtest/gtest.h>

namespace zel::session {
namespace {

FoundUnit found(const QString& link, QStringList zones, int zoneCount = 16)
{
    FoundUnit unit;
    unit.link = *parseSiteLink(link);
    unit.fingerprint.zoneCount = zoneCount;
    unit.fingerprint.sourceCount = zoneCount;
    unit.fingerprint.zoneNames = std::move(zones);
    return unit;
}

Site siteOf(const QStringList& lines)
{
    return readSiteText(lines.join('\n').toLatin1()).site;
}

TEST(SiteAdditions, ProposesUniqueNamesFromWhatEachUnitHoldsAndSkipsUnitsTheSiteReaches)
{
    struct Case {
        const char* what;
        QStringList site; // lines of the site
        QList<FoundUnit> found;
        QStringList names; // "NAME LINK" proposed, in order
        QStringList inSite;
    };
    const QList<Case> cases = {
        {"first named zone, else the model",
         {},
         {found("tcp:127.0.0.1:2301", {"Lobby", "Bar"}),
          found("tcp:127.0.0.1:2302", {"Zone Name 1", " Terrace "}),
          found("serial:/dev/pts/4", {"zone name 1", "Zone Name 2"}),
          found("tcp:127.0.0.1:2304", {"", "Zone Name 2"}, 8)},
         {"Lobby tcp:127.0.0.1:2301", "Terrace tcp:127.0.0.1:2302", "ZEL-16 serial:/dev/pts/4",
          "ZEL-8 tcp:127.0.0.1:2304"},
         {}},
        {"names taken in the site and among the found, case ignored",
         {"lobby tcp:192.0.2.1"},
         {found("tcp:127.0.0.1:2301", {"Lobby"}), found("tcp:127.0.0.1:2302", {"LOBBY"}),
          found("tcp:127.0.0.1:2303", {"Zone Name 1"}),
          found("tcp:127.0.0.1:2304", {"Zone Name 1"})},
         {"Lobby 2 tcp:127.0.0.1:2301", "LOBBY 3 tcp:127.0.0.1:2302", "ZEL-16 tcp:127.0.0.1:2303",
          "ZEL-16 2 tcp:127.0.0.1:2304"},
         {}},
        {"a link the site has, written another way; one found twice",
         {"Bar tcp:192.0.2.10"},
         {found("tcp:192.0.2.10:23", {"Bar"}), found("serial:/dev/pts/4", {"Hall"}),
          found("serial:/dev/pts/4", {"Hall"})},
         {"Hall serial:/dev/pts/4"},
         {"tcp:192.0.2.10:23"}},
        {"a zone name a site line cannot keep gives way to the model",
         {},
         {found("tcp:127.0.0.1:2301", {"Bar tcp:x #2"}), found("tcp:127.0.0.1:2302", {"#1"})},
         {"ZEL-16 tcp:127.0.0.1:2301", "ZEL-16 2 tcp:127.0.0.1:2302"},
         {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const Site site = siteOf(c.site);
        const SiteProposal proposal = proposeSiteUnits(site, c.found);
        QStringList names, inSite;
        for (const SiteUnit& unit : proposal.units)
            names << unit.name + ' ' + unit.link.text();
        for (const FoundUnit& unit : proposal.inSite)
            inSite << unit.link.text();
        EXPECT_EQ(names.join(" | "), c.names.join(" | "));
        EXPECT_EQ(inSite.join(" | "), c.inSite.join(" | "));
        // What is proposed can be added as it is.
        Site grown = site;
        EXPECT_EQ(addSiteUnits(grown, proposal.units), QString());
        EXPECT_EQ(grown.units.size(), site.units.size() + proposal.units.size());
    }
}

TEST(SiteAdditions, AddsAllOrNoneAndSaysWhichUnitCouldNotJoin)
{
    struct Case {
        const char* what;
        QStringList units; // "NAME LINK" to add
        QString problem;   // the start of it; empty: all added
    };
    const QList<Case> cases = {
        {"all", {"Lobby tcp:127.0.0.1:2301", "Terrace serial:/dev/pts/4"}, {}},
        {"a name the site has",
         {"Lobby tcp:127.0.0.1:2301", "bar tcp:127.0.0.1:2302"},
         "bar: the name \"bar\" is given twice"},
        {"a name given twice among them",
         {"Hall tcp:127.0.0.1:2301", "HALL tcp:127.0.0.1:2302"},
         "HALL: the name"},
        {"a link the site reaches",
         {"Lobby tcp:192.0.2.10:23"},
         "Lobby: the site reaches tcp:192.0.2.10:23 already"},
        {"an empty name", {" tcp:127.0.0.1:2301"}, ": the unit has no name"},
        {"a name read back as a remark",
         {"#2 tcp:127.0.0.1:2301"},
         "#2: a name that begins with \"#\""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Site site = siteOf({"Bar tcp:192.0.2.10"});
        QList<SiteUnit> units;
        for (const QString& line : c.units)
            units << SiteUnit{
                line.section(' ', 0, -2), *parseSiteLink(line.section(' ', -1)), {}, {}};
        const QString problem = addSiteUnits(site, units);
        EXPECT_TRUE(c.problem.isEmpty() ? problem.isEmpty() : problem.startsWith(c.problem))
            << problem.toStdString();
        EXPECT_EQ(site.units.size(), c.problem.isEmpty() ? 1 + units.size() : 1);
    }
    // A typed line: the name is all before the last blank.
    QString problem;
    const std::optional<SiteUnit> typed =
        unitOfLine(siteOf({}), "  Terrace Left serial:COM3 ", problem);
    ASSERT_TRUE(typed) << problem.toStdString();
    EXPECT_EQ(typed->name, "Terrace Left");
    EXPECT_EQ(typed->link.text(), "serial:COM3");
    EXPECT_FALSE(
        unitOfLine(siteOf({"terrace left tcp:192.0.2.1"}), "Terrace Left serial:COM3", problem));
    EXPECT_TRUE(problem.contains("given twice")) << problem.toStdString();
}

TEST(UnitNaming, NamesASiteUnitUntilTheLinkReachesAnotherUnit)
{
    const NamedSiteUnit lobby{"Lobby", "Hotel", *parseSiteLink("tcp:127.0.0.1:2301")};
    struct Step {
        const char* what;
        std::optional<NamedSiteUnit> opened; // a site unit opened, before the link is followed
        QString link;                        // as the journal names the unit the link reaches
        QString title;
        QString name;
    };
    const QList<Step> steps = {
        {"nothing linked", {}, {}, "ZEL Configuration", {}},
        {"a link not yet given an address", {}, "tcp:", "ZEL Configuration", {}},
        {"a unit by its link",
         {},
         "tcp:127.0.0.1:2301",
         "tcp:127.0.0.1:2301 \u2013 ZEL Configuration",
         "tcp:127.0.0.1:2301"},
        {"opened from the site", lobby, "tcp:127.0.0.1:2301",
         "Lobby \u2013 Hotel \u2013 ZEL Configuration", "Lobby (tcp:127.0.0.1:2301)"},
        {"the link stays",
         {},
         "tcp:127.0.0.1:2301",
         "Lobby \u2013 Hotel \u2013 ZEL Configuration",
         "Lobby (tcp:127.0.0.1:2301)"},
        {"another unit",
         {},
         "serial:/dev/pts/4",
         "serial:/dev/pts/4 \u2013 ZEL Configuration",
         "serial:/dev/pts/4"},
        {"back at its link: the site's name is gone",
         {},
         "tcp:127.0.0.1:2301",
         "tcp:127.0.0.1:2301 \u2013 ZEL Configuration",
         "tcp:127.0.0.1:2301"},
        {"a file", lobby, {}, "ZEL Configuration", {}},
    };
    UnitNaming naming;
    for (const Step& step : steps) {
        SCOPED_TRACE(step.what);
        if (step.opened)
            naming.setSiteUnit(*step.opened);
        naming.followLink(step.link);
        EXPECT_EQ(naming.windowTitle(), step.title);
        EXPECT_EQ(naming.displayName(), step.name);
    }
}

} // namespace
} // namespace zel::session
