#include "session/site/site_additions.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QRegularExpression>

namespace zel::session {

namespace {

QStringList namesOf(const QList<SiteUnit>& units)
{
    QStringList names;
    for (const SiteUnit& unit : units)
        names << unit.name;
    return names;
}

bool reaches(const QList<SiteUnit>& units, const SiteLink& link)
{
    for (const SiteUnit& unit : units)
        if (unit.link.unitName() == link.unitName())
            return true;
    return false;
}

} // namespace

QString siteName(const QString& sitePath)
{
    return sitePath.isEmpty() ? QCoreApplication::translate("Site", "New Site")
                              : QFileInfo(sitePath).completeBaseName();
}

QString proposedUnitName(const UnitFingerprint& fingerprint)
{
    for (qsizetype i = 0; i < fingerprint.zoneNames.size(); ++i) {
        const QString name = fingerprint.zoneNames[i].simplified();
        const QString blank = QStringLiteral("Zone Name %1").arg(i + 1);
        if (!name.isEmpty() && name.compare(blank, Qt::CaseInsensitive) != 0)
            return name;
    }
    return fingerprint.isKnown() ? modelText(fingerprint)
                                 : QCoreApplication::translate("Site", "Unit");
}

QString uniqueName(const QString& name, const QStringList& taken)
{
    QString candidate = name;
    for (int number = 2; taken.contains(candidate, Qt::CaseInsensitive); ++number)
        candidate = QStringLiteral("%1 %2").arg(name).arg(number);
    return candidate;
}

SiteProposal proposeSiteUnits(const Site& site, const QList<FoundUnit>& found)
{
    SiteProposal proposal;
    Site growing = site;
    for (const FoundUnit& unit : found) {
        if (reaches(growing.units, unit.link)) {
            if (reaches(site.units, unit.link))
                proposal.inSite << unit;
            continue; // found twice in one search: proposed once
        }
        // A zone's name the site file could not keep as a name ("#5", "tcp:x") gives way to the
        // model.
        const QStringList taken = namesOf(growing.units);
        QString name = uniqueName(proposedUnitName(unit.fingerprint), taken);
        if (!siteUnitProblem(growing, -1, name, unit.link.text()).isEmpty())
            name = uniqueName(modelText(unit.fingerprint), taken);
        const SiteUnit added{name, unit.link, {}, {}};
        growing.units << added;
        proposal.units << added;
    }
    return proposal;
}

std::optional<SiteUnit> unitOfLine(const Site& site, const QString& line, QString& problem)
{
    const QString trimmed = line.trimmed();
    const qsizetype blank = trimmed.lastIndexOf(QRegularExpression(QStringLiteral("\\s")));
    const QString name = blank < 0 ? QString() : trimmed.left(blank).trimmed();
    const QString link = blank < 0 ? trimmed : trimmed.mid(blank + 1);
    problem = siteUnitProblem(site, -1, name, link);
    if (!problem.isEmpty())
        return std::nullopt;
    return SiteUnit{name, *parseSiteLink(link), {}, {}};
}

QString addSiteUnits(Site& site, const QList<SiteUnit>& units)
{
    Site grown = site;
    for (const SiteUnit& unit : units) {
        QString problem = siteUnitProblem(grown, -1, unit.name, unit.link.text());
        if (problem.isEmpty() && reaches(grown.units, unit.link))
            problem = QCoreApplication::translate("Site", "the site reaches %1 already")
                          .arg(unit.link.text());
        if (!problem.isEmpty())
            return QStringLiteral("%1: %2").arg(unit.name.trimmed(), problem);
        grown.units << SiteUnit{unit.name.trimmed(), unit.link, {}, {}};
    }
    site = grown;
    return {};
}

} // namespace zel::session
