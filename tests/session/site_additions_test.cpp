// Found units joining a site: the names they are proposed under, the units the site reaches
// already, all or none added.
#include "session/site/site_additions.h"

#include <gtest/gtest.h>

namespace zel::session {
namespace {

// "LINK zone1|zone2" (a ZEL-16), or with "/8" after the names a ZEL-8.
FoundUnit found(const QString& described)
{
    FoundUnit unit;
    unit.link = *parseSiteLink(described.section(' ', 0, 0));
    const QString names = described.section(' ', 1);
    unit.fingerprint.zoneCount = unit.fingerprint.sourceCount = names.endsWith("/8") ? 8 : 16;
    unit.fingerprint.zoneNames = names.chopped(names.endsWith("/8") ? 2 : 0).split('|');
    return unit;
}

TEST(SiteAdditions, ProposesUniqueNamesFromWhatEachUnitHoldsAndSkipsUnitsTheSiteReaches)
{
    struct Case {
        const char* what;
        QByteArray site;
        QList<FoundUnit> found;
        QString proposed; // "NAME LINK | ..."
        QString inSite;
    };
    // clang-format off
    const QList<Case> cases = {
        {"first named zone, else the model", "",
         {found("tcp:127.0.0.1:2301 Lobby|Bar"), found("tcp:127.0.0.1:2302 Zone Name 1| Terrace "), found("serial:/dev/pts/4 zone name 1|Zone Name 2"), found("tcp:127.0.0.1:2304 |Zone Name 2/8")},
         "Lobby tcp:127.0.0.1:2301 | Terrace tcp:127.0.0.1:2302 | ZEL-16 serial:/dev/pts/4 | ZEL-8 tcp:127.0.0.1:2304", ""},
        {"names taken in the site and among the found, case ignored", "lobby tcp:192.0.2.1",
         {found("tcp:127.0.0.1:2301 Lobby"), found("tcp:127.0.0.1:2302 LOBBY"), found("tcp:127.0.0.1:2303 Zone Name 1"), found("tcp:127.0.0.1:2304 Zone Name 1")},
         "Lobby 2 tcp:127.0.0.1:2301 | LOBBY 3 tcp:127.0.0.1:2302 | ZEL-16 tcp:127.0.0.1:2303 | ZEL-16 2 tcp:127.0.0.1:2304", ""},
        {"a link the site has, written another way; one found twice", "Bar tcp:192.0.2.10",
         {found("tcp:192.0.2.10:23 Bar"), found("serial:/dev/pts/4 Hall"), found("serial:/dev/pts/4 Hall")},
         "Hall serial:/dev/pts/4", "tcp:192.0.2.10:23"},
        {"a zone name a site line cannot keep gives way to the model", "",
         {found("tcp:127.0.0.1:2301 Bar tcp:x #2"), found("tcp:127.0.0.1:2302 #1")},
         "ZEL-16 tcp:127.0.0.1:2301 | ZEL-16 2 tcp:127.0.0.1:2302", ""},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const Site site = readSiteText(c.site).site;
        const SiteProposal proposal = proposeSiteUnits(site, c.found);
        QStringList proposed, inSite;
        for (const SiteUnit& unit : proposal.units)
            proposed << unit.name + ' ' + unit.link.text();
        for (const FoundUnit& unit : proposal.inSite)
            inSite << unit.link.text();
        EXPECT_EQ(proposed.join(" | "), c.proposed);
        EXPECT_EQ(inSite.join(" | "), c.inSite);
        Site grown = site; // what is proposed can be added as it is
        EXPECT_EQ(addSiteUnits(grown, proposal.units), QString());
        EXPECT_EQ(grown.units.size(), site.units.size() + proposal.units.size());
    }
}

TEST(SiteAdditions, AddsAllOrNoneAndSaysWhichUnitCouldNotJoin)
{
    // clang-format off
    const QList<std::pair<QStringList, QString>> cases = { // "NAME LINK" added; the problem's start
        {{"Lobby tcp:127.0.0.1:2301", "Terrace serial:/dev/pts/4"}, ""},
        {{"Lobby tcp:127.0.0.1:2301", "bar tcp:127.0.0.1:2302"}, "bar: the name \"bar\" is given twice"},
        {{"Hall tcp:127.0.0.1:2301", "HALL tcp:127.0.0.1:2302"}, "HALL: the name \"HALL\" is given twice"},
        {{"Lobby tcp:192.0.2.10:23"}, "Lobby: the site reaches tcp:192.0.2.10:23 already"},
        {{" tcp:127.0.0.1:2301"}, ": the unit has no name"},
        {{"#2 tcp:127.0.0.1:2301"}, "#2: a name that begins with \"#\" would be read as a remark"},
    };
    // clang-format on
    for (const auto& [lines, expected] : cases) {
        SCOPED_TRACE(lines.join(", ").toStdString());
        Site site = readSiteText("Bar tcp:192.0.2.10").site;
        QList<SiteUnit> units;
        for (const QString& line : lines)
            units << SiteUnit{
                line.section(" ", 0, -2), *parseSiteLink(line.section(" ", -1)), {}, {}};
        const QString problem = addSiteUnits(site, units);
        EXPECT_EQ(problem.left(expected.size()), expected);
        EXPECT_EQ(site.units.size(), expected.isEmpty() ? 1 + units.size() : 1);
    }
}

} // namespace
} // namespace zel::session
