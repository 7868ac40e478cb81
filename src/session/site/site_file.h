#pragma once
// A site: the units of one venue, kept in a ".zelsite" file. Plain text, one unit a line: its
// name, then its link ("tcp:HOST[:PORT]" or "serial:DEVICE"):
//
//   # Hotel Miramar
//   Bar          tcp:192.0.2.10
//   Lobby Left   tcp:lobby.local:2323   # behind the port forward
//   Terrace      serial:/dev/serial/by-id/usb-FTDI_FT232R_A1B2C3-if00-port0
//
// A remark begins at the first word starting with "#" after the line's first link word, and is
// split off first: a link named in a remark never changes the unit's link. Of what is left, the
// link is the last word that begins with "tcp:" or "serial:"; everything before it is the name,
// blanks inside included, so names may hold blanks and "#" (though not a "#" word after a link
// word). A line whose first character (after blanks) is "#" is a remark. Names are unique
// within a site. Remarks and empty lines are kept when the window saves the site again. Bytes
// are Latin-1 both ways, so that every byte survives.

#include "session/unit/site_link.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace zel::session {

struct SiteUnit {
    QString name;
    SiteLink link;
    QString remark;          // after the link, "#" included; empty when none
    QStringList linesBefore; // remark and empty lines just above it
    bool operator==(const SiteUnit&) const = default;
};

struct Site {
    QList<SiteUnit> units;
    QStringList linesAfter; // remark and empty lines after the last unit
    bool operator==(const Site&) const = default;
};

struct SiteRead {
    Site site;
    QStringList problems; // "line 3: ..."; a site with problems is not used
};

SiteRead readSiteText(const QByteArray& bytes);
QByteArray siteText(const Site& site);

// What is wrong with a unit's name and link as they would be written, within `site` where
// `index` is the unit's own row (-1: a unit to be added); empty when nothing is.
QString siteUnitProblem(const Site& site, int index, const QString& name, const QString& link);

// Takes a unit out of the site; the remark lines above it stay, above the unit that follows
// (the site's opening remarks and its settings among them).
void removeSiteUnit(Site& site, qsizetype index);

// A site file as read, and, when it could not be used, why: it is not there, it cannot be read
// (no permission, too large, a read error), or it is not a site (a line that is not a unit).
struct SiteLoad {
    enum class Kind { Done, Missing, Unreadable, NotASite };
    Kind kind = Kind::Done;
    QString error; // the file's error, or every problem, one a line; empty when done
    Site site;
};
SiteLoad readSiteFile(const QString& path);
// The same, for a caller that need not tell the kinds apart: nothing, with `error` set, when the
// site cannot be used.
std::optional<Site> loadSiteFile(const QString& path, QString& error);
// Saves through the one save routine: a failed save leaves the old file as it was. Returns why
// it failed, or an empty text.
QString saveSiteFile(const QString& path, const Site& site);

} // namespace zel::session
