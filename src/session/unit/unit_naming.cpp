#include "session/unit/unit_naming.h"

#include <QCoreApplication>

namespace zel::session {

void UnitNaming::setSiteUnit(const NamedSiteUnit& unit)
{
    m_siteUnit = unit;
    m_linkUnit = unit.link.unitName();
}

void UnitNaming::rename(const NamedSiteUnit& unit)
{
    if (m_siteUnit && m_siteUnit->link.unitName() == unit.link.unitName())
        m_siteUnit = unit;
}

void UnitNaming::followLink(const QString& linkUnit)
{
    // A mode whose host or port is not chosen yet ("tcp:") reaches no unit.
    m_linkUnit = linkUnit.endsWith(QLatin1Char(':')) ? QString() : linkUnit;
    if (m_siteUnit && m_siteUnit->link.unitName() != linkUnit)
        m_siteUnit.reset();
}

QString UnitNaming::displayName() const
{
    if (m_siteUnit)
        return QCoreApplication::translate("UnitNaming", "%1 (%2)")
            .arg(m_siteUnit->name, m_siteUnit->link.text());
    return m_linkUnit;
}

QString UnitNaming::windowTitle() const
{
    const QString program = QCoreApplication::translate("UnitNaming", "ZEL Configuration");
    // En dashes with blanks around them between the parts.
    if (m_siteUnit)
        return QCoreApplication::translate("UnitNaming", "%1 \u2013 %2 \u2013 %3")
            .arg(m_siteUnit->name, m_siteUnit->site, program);
    if (!m_linkUnit.isEmpty())
        return QCoreApplication::translate("UnitNaming", "%1 \u2013 %2").arg(m_linkUnit, program);
    return program;
}

} // namespace zel::session
