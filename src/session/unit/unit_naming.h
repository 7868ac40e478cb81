#pragma once
// Which unit the editor works with, and what it is called: a unit opened from a site is called
// by its site's name for it ("Lobby (tcp:192.0.2.10)"), another unit by its link. The site unit
// is kept until the link reaches another unit, or none (a file). The window's title, its status
// line, Compare, the report and History name the unit from here.

#include "session/unit/site_link.h"

#include <QString>

#include <optional>

namespace zel::session {

struct NamedSiteUnit {
    QString name; // the site's name for the unit
    QString site; // the site's name
    SiteLink link;
    bool operator==(const NamedSiteUnit&) const = default;
};

class UnitNaming {
public:
    // The editor works with `unit` of a site, over its link, from now on.
    void setSiteUnit(const NamedSiteUnit& unit);
    // The site, or the unit in it, was renamed: taken when it is the site unit worked with.
    void rename(const NamedSiteUnit& unit);
    // The link reaches `linkUnit` now, as the journal names units ("tcp:HOST:PORT",
    // "serial:DEVICE"; empty for a file or no link): a site unit it does not reach is forgotten.
    void followLink(const QString& linkUnit);

    const std::optional<NamedSiteUnit>& siteUnit() const { return m_siteUnit; }
    const QString& linkUnit() const { return m_linkUnit; }
    // The site's name for the unit ("Lobby"); empty for a unit not in a site.
    QString siteName() const { return m_siteUnit ? m_siteUnit->name : QString(); }
    // "Lobby (tcp:192.0.2.10)" for a site unit; the link ("tcp:192.0.2.10:23") for another unit;
    // empty with no unit.
    QString displayName() const;
    // "Lobby – Hotel – ZEL Configuration" for a site unit, "tcp:192.0.2.10:23 – ZEL
    // Configuration" for another unit, "ZEL Configuration" with none.
    QString windowTitle() const;

private:
    std::optional<NamedSiteUnit> m_siteUnit;
    QString m_linkUnit;
};

} // namespace zel::session
