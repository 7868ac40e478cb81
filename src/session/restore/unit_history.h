#pragma once
// One unit's file in its site's history, REPO/SITE/UNIT.zel, as any clone of the repository
// holds it: the commits that changed it (through the renames a site made of the unit) and its
// configuration at any commit, so that a colleague's backup can be opened, compared or sent back
// to the unit from another laptop. It only reads: a folder that holds no repository is not made
// one. Every call runs git and waits for it: the window calls it off its thread.

#include "session/site/site_file.h"
#include "session/site/site_history.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

namespace zel::session {

// Where a site's unit is kept.
struct UnitHistoryPlace {
    QString repository; // the work tree's folder
    QString path;       // "SITE/UNIT.zel", from the repository's folder
    QString unitName;   // as the site names it
    SiteLink link;      // how the site reaches it
    bool operator==(const UnitHistoryPlace&) const = default;
};

// Where the unit named `unitName` of the site saved at `sitePath` is kept: in `repository` when
// one is given (zeltool's --git), else where the site's own history line says. Nothing, with
// `error` set, when the site names no such unit or no history, or was never saved.
std::optional<UnitHistoryPlace> unitHistoryPlace(const QString& sitePath, const Site& site,
                                                 const QString& unitName, const QString& repository,
                                                 QString& error);

// The unit's configuration as one commit holds it.
struct UnitVersion {
    HistoryCommit commit; // `path` is the unit's file in it
    QByteArray text;      // the configuration's text, without the file's remark lines
};

class UnitHistory {
public:
    explicit UnitHistory(UnitHistoryPlace place);

    const UnitHistoryPlace& place() const { return m_place; }
    // Why the repository cannot be read (git missing, no work tree there); empty when it can.
    QString open(bool* gitMissing = nullptr);
    // The commits that changed the unit's file, newest first; empty when none did yet.
    QList<HistoryCommit> commits(QString* error = nullptr) const;
    // The unit's configuration at the commit `name` stands for (a hash, the start of one,
    // "HEAD~2"), or at the newest commit that holds its file when `name` is empty. A commit made
    // after the unit's last change holds its file as that change left it. Nothing, with `error`
    // set, when there is no such commit or it holds no file of the unit.
    std::optional<UnitVersion> versionAt(const QString& name, QString& error) const;
    // The unit's configuration at `commit`, one of commits(); nothing when it cannot be read.
    std::optional<UnitVersion> versionOf(const HistoryCommit& commit) const;

private:
    UnitHistoryPlace m_place;
    SiteHistory m_history;
};

// The configuration's text in a unit's file: what follows its remark lines, or all of a file
// that has none (one a person put there by hand).
QByteArray configurationOfUnitFile(const QByteArray& file);

} // namespace zel::session
