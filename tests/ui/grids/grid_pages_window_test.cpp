// The naming, favorites and groups pages inside the main window: templates, renames reaching
// the matrices at once, and matrix edits on any page reaching the exported text through the
// window's commit step.

#include "grid_test_support.h"
#include "ui/grids/name_grid.h"
#include "ui/pages/favorites_page.h"
#include "ui/pages/groups_page.h"
#include "ui/pages/naming_page.h"
#include "ui/window/editor_page_set.h"
#include "ui/window/main_window.h"

#include <QLineEdit>
#include <QListWidget>
#include <QTabBar>
#include <QTabWidget>

#include <gtest/gtest.h>

namespace zel::ui::test {
namespace {

void showTab(MainWindow& window, int index)
{
    QTabBar* bar = window.tabs()->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
    ASSERT_EQ(window.tabs()->currentIndex(), index);
}

std::string matrixRow(MatrixGrid& grid, int r)
{
    std::string text;
    for (int c = 1; c < grid.gridColumns(); ++c) {
        const QString cell = grid.cellText(c, r);
        text += cell.isEmpty() ? std::string(".") : cell.toStdString();
    }
    return text;
}

TEST(GridPagesInWindow, TemplatesSetRowsAndUnavailableCells)
{
    MainWindow window;
    window.show();
    struct Case {
        model::UnitSize size;
        int rows;
        std::string favoritesRow1, favoritesRow9, groupsRow9;
    };
    const std::vector<Case> cases = {
        {model::UnitSize::Zel16, 16, "................", "................", ".........."},
        {model::UnitSize::Zel8, 8, "........XXXXXXXX", "XXXXXXXXXXXXXXXX", "XXXXXXXXXX"},
        {model::UnitSize::Zel16, 16, "................", "................", ".........."},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(testing::Message() << test.rows << " zones");
        window.newTemplate(test.size);
        EXPECT_EQ(window.pageSet().namingPage()->grid(NameList::Zones)->model()->rowCount(),
                  test.rows);
        EXPECT_EQ(window.pageSet().namingPage()->grid(NameList::Sources)->model()->rowCount(),
                  test.rows);
        MatrixGrid& favorites = *window.pageSet().favoritesPage()->matrix();
        EXPECT_EQ(matrixRow(favorites, 1), test.favoritesRow1);
        EXPECT_EQ(matrixRow(favorites, 9), test.favoritesRow9);
        EXPECT_EQ(matrixRow(*window.pageSet().groupsPage()->matrix(), 9), test.groupsRow9);
        EXPECT_EQ(favorites.cellText(0, 1), QStringLiteral("Zone Name 1"));
        EXPECT_EQ(window.pageSet().favoritesPage()->favoriteList()->item(9)->text(),
                  QStringLiteral("Favorite Name 10"));
        EXPECT_TRUE(favorites.isEnabled());
    }
    window.reset();
    EXPECT_FALSE(window.pageSet().favoritesPage()->matrix()->isEnabled());
    EXPECT_FALSE(window.pageSet().namingPage()->grid(NameList::Zones)->isEnabled());
}

TEST(GridPagesInWindow, RenamedZoneHeadsTheMatrixRowsBeforeThePageIsLeft)
{
    MainWindow window;
    window.show();
    window.newTemplate(model::UnitSize::Zel8);
    showTab(window, MainWindow::kNamingPage);

    NameGrid& zones = *window.pageSet().namingPage()->grid(NameList::Zones);
    const QModelIndex zone2 = zones.model()->index(1, 1);
    zones.setCurrentIndex(zone2);
    zones.edit(zone2);
    QLineEdit* editor = zones.viewport()->findChild<QLineEdit*>();
    ASSERT_NE(editor, nullptr);
    QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(editor, QStringLiteral("Lobby"));

    EXPECT_EQ(window.tabs()->currentIndex(), MainWindow::kNamingPage);
    EXPECT_EQ(window.pageSet().favoritesPage()->matrix()->cellText(0, 2), QStringLiteral("Lobby"));
    EXPECT_EQ(window.pageSet().groupsPage()->matrix()->cellText(0, 2), QStringLiteral("Lobby"));
    showTab(window, MainWindow::kGroupsPage);
    EXPECT_EQ(window.pageSet().groupsPage()->matrix()->cellText(0, 2), QStringLiteral("Lobby"));
}

TEST(GridPagesInWindow, MatrixEditsReachTheExportFromAnyPage)
{
    MainWindow window;
    window.show();
    window.newTemplate(model::UnitSize::Zel8);

    showTab(window, MainWindow::kFavoritesPage);
    FavoritesPage& favorites = *window.pageSet().favoritesPage();
    doubleClickCell(*favorites.matrix(), 3, 2);
    QListWidget* list = favorites.favoriteList();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(3)).center());
    doubleClickCell(*favorites.matrix(), 5, 1);
    clickCell(*favorites.matrix(), 6, 6); // leaves a "?" on screen

    showTab(window, MainWindow::kGroupsPage);
    doubleClickCell(*window.pageSet().groupsPage()->matrix(), 2, 3);
    showTab(window, MainWindow::kNetworkPage);
    // The favorite chosen before stays chosen across page changes.
    EXPECT_EQ(list->currentRow(), 3);
    EXPECT_EQ(favorites.currentFavorite(), 4);

    window.commitAndRefresh(); // the first step of every export
    EXPECT_EQ(exportedLines(window.model(), "[F"),
              (std::vector<std::string>{"[F1AO2I3]", "[F4AO1I5]"}));
    EXPECT_EQ(exportedLines(window.model(), "[G"), std::vector<std::string>{"[G2AO3]"});
}

} // namespace
} // namespace zel::ui::test
