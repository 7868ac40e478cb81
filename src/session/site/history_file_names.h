#pragma once
// The names of a site's folder and its units' files in a history repository: REPO/SITE/UNIT.zel.
// A site's unit names may hold what a file name cannot, on this system or on a colleague's
// (a "/", control codes, the characters other systems refuse); each is replaced by "_" and the
// name says which were. Two names that come out alike are told apart by a number.

#include <QList>
#include <QString>
#include <QStringList>

namespace zel::session {

struct HistoryFileName {
    QString name;     // "Bar_Cellar.zel" for a unit, "Harbour Hotel" for a site's folder
    QString replaced; // the characters replaced, each once ("/:"); empty when none
};

// The folder of a site, from its file's name without ".zelsite".
HistoryFileName siteFolderName(const QString& siteFileName);
// The files of a site's units, one per name, in the same order, each told from the others
// whatever the case of its letters.
QList<HistoryFileName> unitFileNames(const QStringList& unitNames);
// "the unit "Bar/Cellar" is kept in "Bar_Cellar.zel": a file name cannot hold "/""
QString replacedNote(const QString& unitName, const HistoryFileName& file);

} // namespace zel::session
