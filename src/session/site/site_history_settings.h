#pragma once
// What a site file says of its history, in remark lines of their own, so that the unit lines
// and every reader of them stay as they were (a line that begins with "#" is a remark to them):
//
//   # zelconfig site: Harbour Hotel
//   # zelconfig history: ~/venues/history
//   # zelconfig ignore-volume: yes
//
// "site" names the site in the history's messages (else the file's name does); "history" is
// the Git work tree its units' files are kept in, a path relative to the site file's folder or
// from "~/"; "ignore-volume" leaves the zones' volumes out of what counts as a change. The
// site's writer keeps these lines where they stand, as every remark.

#include "session/site/site_file.h"

#include <QString>

namespace zel::session {

struct SiteHistorySettings {
    QString siteName;   // empty: the file's name
    QString repository; // as written; empty when the site names none
    bool ignoreVolume = false;
    bool operator==(const SiteHistorySettings&) const = default;
};

SiteHistorySettings historySettingsOf(const Site& site);
// Writes `settings` into the site's remark lines: a setting's line is replaced where it stands,
// or, when there was none, added above the first unit; an empty value takes its line away.
void setHistorySettings(Site& site, const SiteHistorySettings& settings);
// The repository's folder: `repository` as the site file at `siteFilePath` names it.
QString repositoryFolder(const QString& repository, const QString& siteFilePath);

} // namespace zel::session
