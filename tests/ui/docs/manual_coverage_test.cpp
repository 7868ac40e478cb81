// man zelconfig names every menu item (submenus too) of the window and the site window, and every
// button of the site window and Find Units, as the page's source spells it; no two items of a
// menu share their Alt letter.
#include "ui/site/find_units_dialog.h"
#include "ui/site/site_controller.h"
#include "ui/site/site_window.h"
#include "ui/window/main_window.h"

#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <gtest/gtest.h>

namespace zel::ui {
namespace {

// Every caption of `actions`, each submenu's title followed by its own items; Alt and a letter
// reach one item of a menu only.
void addMenuCaptions(const QList<QAction*>& actions, QStringList& captions)
{
    QList<QKeySequence> mnemonics;
    for (QAction* action : actions) {
        const QKeySequence mnemonic = QKeySequence::mnemonic(action->text());
        EXPECT_TRUE(mnemonic.isEmpty() || !mnemonics.contains(mnemonic))
            << action->text().toStdString();
        mnemonics << mnemonic;
        if (!action->isSeparator())
            captions << action->text();
        if (action->menu())
            addMenuCaptions(action->menu()->actions(), captions);
    }
}

// The captions of `window`'s menus, and of its own buttons (not a dialog's it owns) when asked,
// as shown: the mnemonic's "&" gone, a doubled "&&" one "&".
QStringList captionsOf(QWidget* window, bool buttons)
{
    QStringList captions;
    if (auto* main = qobject_cast<QMainWindow*>(window))
        addMenuCaptions(main->menuBar()->actions(), captions);
    for (QPushButton* button : window->findChildren<QPushButton*>())
        if (buttons && button->window() == window)
            captions << button->text();
    for (QString& caption : captions)
        caption.replace(QLatin1String("&&"), QChar(1)).remove('&').replace(QChar(1), '&');
    return captions;
}

TEST(ManualCoverage, ManZelconfigNamesEveryMenuItemAndButton)
{
    QFile page(QStringLiteral(ZEL_SOURCE_DIR "/packaging/zelconfig.1"));
    ASSERT_TRUE(page.open(QIODevice::ReadOnly));
    // As read: roff's escaped dash a dash, its zero-width escape gone, filled lines one line.
    const QString manual =
        QString::fromUtf8(page.readAll()).replace("\\-", "-").remove("\\&").simplified();
    MainWindow window;
    SiteWindow* site = window.sites()->showSiteWindow();
    window.findUnitsAction()->trigger();
    const std::pair<const char*, QStringList> surfaces[] = {
        {"the window's menus", captionsOf(&window, false)},
        {"the site window", captionsOf(site, true)},
        {"Find Units", captionsOf(window.sites()->findUnitsDialog(), true)}};
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
