#include "ui/window/unit_title.h"

#include "ui/site/site_controller.h"
#include "ui/transfer/link_controller.h"

#include <QActionGroup>
#include <QWidget>

namespace zel::ui {

UnitTitle::UnitTitle(QWidget& window, LinkController& link, SiteController& sites, QObject* parent)
    : QObject(parent), m_window(window), m_link(link)
{
    // The link changes when a mode is chosen (the host or port after it, told in the log), when
    // a site or Find Units sets it, and is taken as it is when a transfer starts.
    connect(link.linkModeGroup(), &QActionGroup::triggered, this, &UnitTitle::update);
    connect(&link, &LinkController::logLine, this, &UnitTitle::update);
    connect(&link, &LinkController::transferStarted, this, &UnitTitle::update);
    connect(&link, &LinkController::transferFinished, this, &UnitTitle::update);
    connect(&sites, &SiteController::linkChosen, this, &UnitTitle::update);
    connect(&sites, &SiteController::siteUnitOpened, this, &UnitTitle::openSiteUnit);
    connect(&sites, &SiteController::siteUnitRenamed, this,
            [this](const session::NamedSiteUnit& unit) {
                m_naming.rename(unit);
                update();
            });
    update();
}

void UnitTitle::openSiteUnit(const session::NamedSiteUnit& unit)
{
    m_naming.setSiteUnit(unit);
    update();
}

void UnitTitle::update()
{
    m_naming.followLink(m_link.journalUnit());
    const std::optional<session::NamedSiteUnit>& unit = m_naming.siteUnit();
    m_link.nameUnit(unit ? unit->link.unitName() : QString(), unit ? displayName() : QString());
    m_window.setWindowTitle(m_naming.windowTitle());
}

} // namespace zel::ui
