// man zelconfig names every command a user can reach: each item of every menu (submenus too) of
// the window and the site window, and each button of the site window and of Find Units, as the
// page's source spells it.
#include "ui/site/find_units_dialog.h"
#include "ui/site/site_controller.h"
#include "ui/site/site_window.h"
#include "ui/window/main_window.h"

#include <QAction>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <gtest/gtest.h>

namespace zel::ui {
namespace {

// A caption as shown: the mnemonic's "&" gone, a doubled "&&" one "&".
QString shown(QString caption)
{
    return caption.replace(QLatin1String("&&"), QChar(1)).remove('&').replace(QChar(1), '&');
}

// Every caption of `actions`, each submenu's title followed by its own items.
QStringList menuCaptions(const QList<QAction*>& actions)
{
    QStringList captions;
    for (QAction* action : actions) {
        if (!action->isSeparator())
            captions << shown(action->text());
        if (action->menu())
            captions << menuCaptions(action->menu()->actions());
    }
    return captions;
}

// The buttons of `window` itself, not those of a dialog it owns.
QStringList buttonCaptions(QWidget* window)
{
    QStringList captions;
    for (QPushButton* button : window->findChildren<QPushButton*>())
        if (button->window() == window)
            captions << shown(button->text());
    return captions;
}

TEST(ManualCoverage, ManZelconfigNamesEveryMenuItemAndButton)
{
    QFile page(QStringLiteral(ZEL_SOURCE_DIR "/packaging/zelconfig.1"));
    ASSERT_TRUE(page.open(QIODevice::ReadOnly));
    // As a reader sees it: roff's escaped dash a dash, its zero-width escape gone, a caption
    // filled over two lines one line.
    const QString manual =
        QString::fromUtf8(page.readAll()).replace("\\-", "-").remove("\\&").simplified();

    MainWindow window;
    SiteWindow* site = window.sites()->showSiteWindow();
    window.findUnitsAction()->trigger();
    ASSERT_NE(window.sites()->findUnitsDialog(), nullptr);
    const std::pair<const char*, QStringList> surfaces[] = {
        {"the window's menus", menuCaptions(window.menuBar()->actions())},
        {"the site window's menus", menuCaptions(site->menuBar()->actions())},
        {"the site window's buttons", buttonCaptions(site)},
        {"Find Units' buttons", buttonCaptions(window.sites()->findUnitsDialog())}};
    for (const auto& [surface, captions] : surfaces) {
        SCOPED_TRACE(surface);
        EXPECT_GE(captions.size(), 3) << "its commands were not found";
        for (const QString& caption : captions)
            EXPECT_TRUE(manual.contains(caption))
                << "packaging/zelconfig.1 does not name \"" << caption.toStdString() << "\"";
    }
}

} // namespace
} // namespace zel::ui
