// man zelconfig covers every command a user can reach: each item of every menu, submenus
// included, of the main window and the site window, and each button of Find Units and of the
// site window, found as the page's source holds it.
#include "ui/site/find_units_dialog.h"
#include "ui/site/site_controller.h"
#include "ui/site/site_window.h"
#include "ui/window/main_window.h"

#include <QAction>
#include <QFile>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace zel::ui {
namespace {

// The text a reader of the page sees: roff's escapes for a dash and for nothing undone, and
// every run of blanks and line breaks one blank, so that a caption filled over two lines counts.
QString manualText()
{
    QFile file(QStringLiteral(ZEL_SOURCE_DIR "/packaging/zelconfig.1"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QString text = QString::fromUtf8(file.readAll());
    text.replace(QLatin1String("\\-"), QLatin1String("-"));
    text.remove(QLatin1String("\\&"));
    return text.simplified();
}

// A caption as the menu shows it: the mnemonic's "&" gone, a doubled "&&" one "&".
QString shownText(QString caption)
{
    caption.replace(QLatin1String("&&"), QChar(0x1));
    caption.remove(QLatin1Char('&'));
    caption.replace(QChar(0x1), QLatin1Char('&'));
    return caption;
}

// Every caption of `actions`, each submenu's title followed by its own items.
void collectCaptions(const QList<QAction*>& actions, QStringList& captions)
{
    for (QAction* action : actions) {
        if (action->isSeparator())
            continue;
        captions << shownText(action->text());
        if (action->menu())
            collectCaptions(action->menu()->actions(), captions);
    }
}

// The buttons of `window` itself, not those of a dialog it owns.
void collectButtons(QWidget* window, QStringList& captions)
{
    for (QPushButton* button : window->findChildren<QPushButton*>()) {
        if (button->window() == window)
            captions << shownText(button->text());
    }
}

TEST(ManualCoverage, ManZelconfigNamesEveryMenuItemAndButton)
{
    const QString manual = manualText();
    ASSERT_FALSE(manual.isEmpty()) << "packaging/zelconfig.1 cannot be read";

    MainWindow window;
    SiteWindow* site = window.sites()->showSiteWindow();
    window.findUnitsAction()->trigger();
    FindUnitsDialog* findUnits = window.sites()->findUnitsDialog();
    ASSERT_NE(site, nullptr);
    ASSERT_NE(findUnits, nullptr);

    struct Surface {
        const char* name;
        QStringList captions;
    };
    Surface surfaces[] = {{"the main window's menus", {}},
                          {"the site window's menus", {}},
                          {"the site window's buttons", {}},
                          {"Find Units' buttons", {}}};
    collectCaptions(window.menuBar()->actions(), surfaces[0].captions);
    collectCaptions(site->menuBar()->actions(), surfaces[1].captions);
    collectButtons(site, surfaces[2].captions);
    collectButtons(findUnits, surfaces[3].captions);

    for (const Surface& surface : surfaces) {
        SCOPED_TRACE(surface.name);
        // A window whose commands were not found would pass without a look.
        EXPECT_GE(surface.captions.size(), 3);
        for (const QString& caption : surface.captions) {
            EXPECT_TRUE(manual.contains(caption))
                << "man zelconfig (packaging/zelconfig.1) does not name \"" << caption.toStdString()
                << "\"";
        }
    }
}

} // namespace
} // namespace zel::ui
