#pragma once
// The window's title and how its link names the unit, kept with session::UnitNaming: a unit
// opened from a site is called by the site's name for it until the link reaches another unit,
// any other unit by its link. Follows the link as it is chosen and as transfers start and end.

#include "session/unit/unit_naming.h"

#include <QObject>

class QWidget;

namespace zel::ui {

class LinkController;
class SiteController;

class UnitTitle : public QObject {
    Q_OBJECT
public:
    UnitTitle(QWidget& window, LinkController& link, SiteController& sites,
              QObject* parent = nullptr);

    const session::UnitNaming& naming() const { return m_naming; }
    // "Lobby (tcp:192.0.2.10)", the link of a unit not in a site, or empty (session::UnitNaming).
    QString displayName() const { return m_naming.displayName(); }

public slots:
    // The unit the link reaches now: the title, and the name status texts give it.
    void update();

private:
    void openSiteUnit(const session::NamedSiteUnit& unit);

    QWidget& m_window;
    LinkController& m_link;
    session::UnitNaming m_naming;
};

} // namespace zel::ui
