// The window from the keyboard (menu mnemonics and shortcuts, Tab in and out of the grids), and
// the one rule for 8-bit text in every box that edits text the configuration keeps.
#include "scripted_prompts.h"

#include "model/config_model.h"
#include "ui/grids/matrix_grid.h"
#include "ui/grids/name_grid.h"
#include "ui/pages/favorites_page.h"
#include "ui/pages/groups_page.h"
#include "ui/pages/naming_page.h"
#include "ui/pages/network_page.h"
#include "ui/pages/presets_page.h"
#include "ui/window/editor_page_set.h"
#include "ui/window/main_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>

#include <functional>

namespace zel::ui {
namespace {

class KeyboardWindowTest : public testing::Test {
protected:
    KeyboardWindowTest()
    {
        auto scripted = std::make_unique<test::ScriptedPrompts>();
        prompts = scripted.get();
        window.setPrompts(std::move(scripted));
        window.show();
        window.activateWindow();
    }
    // A blank ZEL-8 on page `page`, with the keyboard focus on `widget` (none: the window).
    void start(int page, QWidget* widget)
    {
        window.newTemplate(model::UnitSize::Zel8);
        window.tabs()->setCurrentIndex(page);
        window.activateWindow(); // back from a menu
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        QWidget* focus = widget ? widget : static_cast<QWidget*>(&window);
        focus->setFocus();
        QApplication::processEvents();
    }
    QWidget* focused() const { return QApplication::focusWidget(); }

    MainWindow window;
    test::ScriptedPrompts* prompts = nullptr;
};

TEST_F(KeyboardWindowTest, MenusShortcutsAndTabReachWhatTheyName)
{
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    NameGrid* zoneGrid = window.pageSet().namingPage()->grid(NameList::Zones);
    NameGrid* sourceGrid = window.pageSet().namingPage()->grid(NameList::Sources);
    NameGrid* favoriteGrid = window.pageSet().favoriteGroupNamingPage()->grid(NameList::Favorites);
    NameGrid* groupGrid = window.pageSet().favoriteGroupNamingPage()->grid(NameList::Groups);
    MatrixGrid* favorites = window.pageSet().favoritesPage()->matrix();
    QListWidget* favoriteList = window.pageSet().favoritesPage()->favoriteList();
    MatrixGrid* groups = window.pageSet().groupsPage()->matrix();
    QMenu* fileMenu = window.menuBar()->actions().at(0)->menu();
    QMenu* editMenu = window.menuBar()->actions().at(1)->menu();
    const model::ConfigModel& model = window.model();
    auto* modeBox = window.findChild<QComboBox*>("dspModeBox");

    struct Case {
        const char* what;
        int page;
        QWidget* focus;
        QKeyCombination key;
        std::function<bool()> reached;
        std::function<void()> before = {}; // what the user did just before the key
    };
    const Case cases[] = {
        {"Ctrl+I imports", MainWindow::kConfigurationFilePage, nullptr, Qt::CTRL | Qt::Key_I,
         [&] { return prompts->openProposals.size() == 1; }},
        {"Ctrl+E exports", MainWindow::kNamingPage, nullptr, Qt::CTRL | Qt::Key_E,
         [&] { return prompts->saveProposals.size() == 1; }},
        {"Ctrl+2 chooses the serial link", MainWindow::kConfigurationFilePage, nullptr,
         Qt::CTRL | Qt::Key_2, [&] { return prompts->portQuestions == 1; }},
        {"Ctrl+3 chooses the telnet link", MainWindow::kConfigurationFilePage, nullptr,
         Qt::CTRL | Qt::Key_3, [&] { return prompts->inputQueries.size() == 1; }},
        {"Ctrl+1 chooses the file link", MainWindow::kConfigurationFilePage, nullptr,
         Qt::CTRL | Qt::Key_1, [&] { return window.fileModeAction()->isChecked(); }},
        {"Tab leaves the zone names", MainWindow::kNamingPage, zoneGrid, Qt::Key_Tab,
         [&] { return focused() == sourceGrid; }},
        {"Shift+Tab leaves the source names", MainWindow::kNamingPage, sourceGrid, Qt::Key_Backtab,
         [&] { return focused() == zoneGrid; }},
        {"Tab leaves the favorite names", MainWindow::kFavoriteGroupNamingPage, favoriteGrid,
         Qt::Key_Tab, [&] { return focused() == groupGrid; }},
        {"Tab goes from the favorite list to its matrix", MainWindow::kFavoritesPage, favoriteList,
         Qt::Key_Tab, [&] { return focused() == favorites; }},
        {"Tab leaves the favorites matrix", MainWindow::kFavoritesPage, favorites, Qt::Key_Tab,
         [&] { return focused() != favorites && focused() != nullptr; }},
        {"Shift+Tab goes back to the favorite list", MainWindow::kFavoritesPage, favorites,
         Qt::Key_Backtab, [&] { return focused() == favoriteList; }},
        {"Tab leaves the groups matrix", MainWindow::kGroupsPage, groups, Qt::Key_Tab,
         [&] { return focused() != groups && focused() != nullptr; }},
        {"an arrow marks the next cell of the favorites matrix", MainWindow::kFavoritesPage,
         favorites, Qt::Key_Down,
         [&] { return window.pageSet().favoritesPage()->markedCell() == QPoint(1, 2); }},
        {"Space toggles the selected group cell", MainWindow::kGroupsPage, groups, Qt::Key_Space,
         [&] { return model.groupMark(1, 1) == "G"; }},
        {"Enter toggles the selected group cell", MainWindow::kGroupsPage, groups, Qt::Key_Return,
         [&] { return model.groupMark(1, 1) == "G"; }},
        {"Space does what a double-click does in the favorites matrix", MainWindow::kFavoritesPage,
         favorites, Qt::Key_Space,
         [&] {
             const QPoint cell = favorites->selectedCell();
             return favorites->cellText(cell.x(), cell.y()) == "A";
         }},
        {"Shift+F10 opens the favorites menu", MainWindow::kFavoritesPage, favorites,
         Qt::SHIFT | Qt::Key_F10,
         [&] { return window.pageSet().favoritesPage()->popupMenu()->isVisible(); }},
        {"keys typed right after a click on the selected name cell edit it",
         MainWindow::kNamingPage, zoneGrid, Qt::Key_A,
         [&] { return QString::fromStdString(model.zoneName(1)).endsWith(QLatin1Char('a')); },
         [&] {
             const QRect selected = zoneGrid->visualRect(zoneGrid->currentIndex());
             QTest::mouseClick(zoneGrid->viewport(), Qt::LeftButton, {}, selected.center());
         }},
        {"Ctrl+Shift+Z redoes what was undone", MainWindow::kGroupsPage, groups,
         Qt::CTRL | Qt::SHIFT | Qt::Key_Z, [&] { return model.groupMark(1, 1) == "G"; },
         [&] {
             QTest::keyClick(groups, Qt::Key_Space);
             window.undoAction()->trigger();
         }},
        {"a key that changes the DSP mode leaves the focus on the mode box",
         MainWindow::kZoneAudioPage, modeBox, Qt::Key_Down,
         [&] { return modeBox->currentIndex() == 1 && focused() == modeBox; },
         [&] { QTest::keyClick(modeBox, Qt::Key_Home); }},
        {"Alt+E opens the Edit menu", MainWindow::kConfigurationFilePage, nullptr,
         Qt::ALT | Qt::Key_E, [&] { return editMenu->isVisible(); }},
        {"Alt+F opens the File menu", MainWindow::kConfigurationFilePage, nullptr,
         Qt::ALT | Qt::Key_F, [&] { return fileMenu->isVisible(); }},
        {"Ctrl+Q exits", MainWindow::kConfigurationFilePage, nullptr, Qt::CTRL | Qt::Key_Q,
         [&] { return !window.isVisible(); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        *prompts = test::ScriptedPrompts();
        prompts->confirmAnswer = true; // the edits of the case before may go
        start(c.page, c.focus);
        if (c.before)
            c.before();
        QWidget* target = focused() ? focused() : &window;
        QTest::keyClick(target, c.key.key(), c.key.keyboardModifiers());
        EXPECT_TRUE(QTest::qWaitFor(c.reached, 2000));
        if (QWidget* menu = QApplication::activePopupWidget()) {
            // Escape closes the menu, then leaves the menu bar
            QTest::keyClick(menu, Qt::Key_Escape);
            QTest::keyClick(window.menuBar(), Qt::Key_Escape);
        }
    }
}

TEST_F(KeyboardWindowTest, EveryTextOfTheConfigurationRefusesCharactersBeyondLatin1)
{
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    model::ConfigModel& model = window.model();
    const auto openZoneName = [this] {
        NameGrid* grid = window.pageSet().namingPage()->grid(NameList::Zones);
        const QModelIndex first = grid->model()->index(0, 1);
        grid->setCurrentIndex(first);
        grid->edit(first);
        return grid->viewport()->findChild<QLineEdit*>();
    };
    const auto child = [](QWidget* page, const char* name) {
        return page->findChild<QLineEdit*>(QLatin1String(name));
    };
    const auto address = [this, child](const char* name) {
        window.pageSet()
            .networkPage()
            ->findChild<QCheckBox*>(QStringLiteral("DHCPCheckbox"))
            ->setChecked(false);
        return child(window.pageSet().networkPage(), name);
    };
    struct Case {
        const char* what;
        int page;
        std::function<QLineEdit*()> edit;
        std::function<std::string()> stored;
    };
    const Case cases[] = {
        {"zone name", MainWindow::kNamingPage, openZoneName, [&] { return model.zoneName(1); }},
        {"preset name", MainWindow::kPresetsPage,
         [&] { return child(window.pageSet().presetsPage(), "presetName"); },
         [&] {
             window.commitAndRefresh();
             return model.preset(1).name;
         }},
        {"IP address", MainWindow::kNetworkPage, [&] { return address("IPAddress"); },
         [&] { return model.network().ipAddress; }},
        {"netmask", MainWindow::kNetworkPage, [&] { return address("Netmask"); },
         [&] { return model.network().netmask; }},
        {"gateway", MainWindow::kNetworkPage, [&] { return address("Gateway"); },
         [&] { return model.network().gateway; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        window.newTemplate(model::UnitSize::Zel8);
        window.tabs()->setCurrentIndex(c.page);
        QLineEdit* edit = c.edit();
        ASSERT_NE(edit, nullptr);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        for (const QChar typed : QStringLiteral("Caf\u00e9\u20ac\u4e2d"))
            QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(typed), {});
        EXPECT_EQ(edit->text(), QStringLiteral("Caf\u00e9")) << "typed: refused one by one";
        QApplication::clipboard()->setText(QStringLiteral("x\u4e2dy"));
        QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(edit->text(), QStringLiteral("Caf\u00e9")) << "pasted: refused whole";
        QApplication::clipboard()->setText(QStringLiteral("\u00fcber"));
        QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(edit->text(), QStringLiteral("Caf\u00e9\u00fcber"));
        EXPECT_EQ(c.stored(), "Caf\xE9\xFC"
                              "ber");
    }
}

} // namespace
} // namespace zel::ui
