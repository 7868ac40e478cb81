// The pictures of the site window and of "Find Units": a hotel's site whose units the unit
// directory knows, and units as a search lists them, without a unit on the wire.

#include "site_shots.h"

#include "session/site/site_outcome.h"
#include "session/unit/unit_directory.h"
#include "ui/site/find_units_dialog.h"
#include "ui/site/site_controller.h"
#include "ui/site/site_table.h"
#include "ui/site/site_window.h"
#include "ui/window/main_window.h"

#include <QApplication>
#include <QEventLoop>
#include <QFile>
#include <QPlainTextEdit>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>

namespace {

zel::session::UnitFingerprint unitNamed(const QString& zone, const QString& source, bool dhcp,
                                        const QString& ip)
{
    zel::session::UnitFingerprint unit;
    unit.zoneCount = unit.sourceCount = 16;
    for (int n = 1; n <= 16; ++n) {
        unit.zoneNames << (n == 1 ? zone : QStringLiteral("Zone %1").arg(n));
        unit.sourceNames << (n == 1 ? source : QStringLiteral("Source %1").arg(n));
    }
    unit.dhcp = dhcp;
    unit.ipAddress = ip;
    unit.netmask = QStringLiteral("255.255.255.0");
    unit.gateway = QStringLiteral("192.168.1.1");
    return unit;
}

} // namespace

bool saveSitePictures(zel::ui::MainWindow& window,
                      const std::function<bool(QWidget&, const QString&)>& save)
{
    using zel::session::KnownUnit;
    const QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("Hotel Miramar.zelsite"));
    QFile site(path);
    if (!site.open(QIODevice::WriteOnly))
        return false;
    site.write("# Hotel Miramar: one unit per floor, the terrace on the serial line\n"
               "Lobby Bar        tcp:192.168.1.40\n"
               "Restaurant       tcp:192.168.1.41\n"
               "Spa              tcp:192.168.1.42   # behind the firewall\n"
               "Terrace          serial:/dev/serial/by-id/usb-FTDI_FT232R_A1B2C3-if00-port0\n");
    site.close();

    const QDateTime monday(QDate(2026, 3, 2), QTime(7, 30), Qt::LocalTime);
    zel::session::UnitDirectory directory;
    directory.update([&](zel::session::UnitDirectory& units) {
        const auto add = [&](const QString& name, const QString& unit, const QString& result,
                             int changedDays) {
            KnownUnit& known = units.add(name, unitNamed(name, "Tuner", false, unit));
            zel::session::UnitDirectory::reached(known, unit, monday);
            known.lastBackup = monday.addDays(-7);
            if (changedDays >= 0)
                known.lastChange = monday.addDays(-changedDays);
            known.lastResult = result;
            known.lastResultTime = monday;
        };
        add("Lobby Bar", "tcp:192.168.1.40:23", "unchanged", -1);
        add("Restaurant", "tcp:192.168.1.41:23", "changed", 0);
        add("Spa", "tcp:192.168.1.42:23", "failed: no answer within 60 s", 3);
        add("Terrace", "serial:/dev/serial/by-id/usb-FTDI_FT232R_A1B2C3-if00-port0", "unchanged",
            -1);
    });
    zel::ui::SiteWindow* siteWindow = window.sites()->showSiteWindow();
    siteWindow->openSite(path);
    // The site file and the unit directory are read off the window's thread.
    const auto* rows = qobject_cast<zel::ui::SiteTable*>(siteWindow->table());
    QEventLoop shown;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (siteWindow->path() == path && !rows->isReadingDirectory())
            shown.quit();
    });
    poll.start(10);
    shown.exec();
    siteWindow->table()->selectRow(1);
    bool ok = save(*siteWindow, QStringLiteral("16-site.png"));
    siteWindow->close();

    window.sites()->showFindUnits();
    zel::ui::FindUnitsDialog* find = window.sites()->findUnitsDialog();
    find->rangesBox()->setPlainText(QStringLiteral("192.168.1.0/24"));
    find->addFound({{zel::session::SiteLink::Kind::Tcp, "192.168.1.40:23"},
                    unitNamed("Lobby Bar", "Tuner", false, "192.168.1.40"),
                    true,
                    {}});
    find->addFound({{zel::session::SiteLink::Kind::Tcp, "192.168.1.57:23"},
                    unitNamed("Zone Name 1", "Source Name 1", true, "0.0.0.0"),
                    true,
                    {}});
    for (int row = 0; row < find->results()->rowCount(); ++row) // ticked to be added to a site
        find->results()->item(row, 0)->setCheckState(Qt::Checked);
    ok = save(*find, QStringLiteral("17-find-units.png")) && ok;
    find->close();
    return ok;
}
