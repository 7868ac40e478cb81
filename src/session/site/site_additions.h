#pragma once
// Units that join a site: the name a found unit is proposed under, what a typed "Add Unit" line
// adds, and the adding of several at once, all of them or none.
//
// A found unit is proposed under what it holds: its first zone with a name of its own (not empty,
// not the blank template's "Zone Name 3"), else its model ("ZEL-16"). Names are unique within a
// site whatever their case, so a name taken gets " 2", " 3"... A unit whose link the site has
// already (as the journal names it: "host" and "host:23" are one unit) is not proposed again.

#include "session/find/probe_scan.h"
#include "session/site/site_file.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace zel::session {

// The site's name as its window and the editor's title show it: the file's name without its
// extension, or "New Site" before it was saved.
QString siteName(const QString& sitePath);

// What `fingerprint` proposes as the unit's name: its first zone name given, else its model.
QString proposedUnitName(const UnitFingerprint& fingerprint);
// `name`, or with " 2", " 3"... the first that none of `taken` holds (case ignored).
QString uniqueName(const QString& name, const QStringList& taken);

struct SiteProposal {
    QList<SiteUnit> units;   // to add, named, in the order found
    QList<FoundUnit> inSite; // found, but the site reaches them already
};
// The units of `found` to add to `site`, each named unique within the site and among them.
SiteProposal proposeSiteUnits(const Site& site, const QList<FoundUnit>& found);

// The unit of an "Add Unit" line ("Bar tcp:192.0.2.10": the name, then the link after the last
// blank); nothing, with `problem` set, when `site` cannot take it.
std::optional<SiteUnit> unitOfLine(const Site& site, const QString& line, QString& problem);

// Adds `units` to `site`, all of them or, when one cannot be added ("Lobby: the name "Bar" is
// given twice"), none; the problem, or an empty text.
QString addSiteUnits(Site& site, const QList<SiteUnit>& units);

} // namespace zel::session
