// The favorites matrix driven by mouse, keyboard and popup events on a configuration of 8 zones
// and 8 sources: marking, held text, double-clicks, the popup commands, choosing favorites, the
// unavailable cells and what reaches the ConfigModel.

#include "grid_test_support.h"
#include "ui/pages/favorites_page.h"

#include <QAction>
#include <QListWidget>
#include <QMenu>
#include <QWindow>

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <vector>

namespace zel::ui::test {
namespace {

struct Step {
    enum Kind { Click, DoubleClick, AudioOnly, NoConnection, RightPress, Choose, KeyRight, Drag };
    Kind kind;
    int c = -1; // -1: a popup command opened from the keyboard, no right-press before it
    int r = -1;
    int c2 = 0; // end of a drag
    int r2 = 0;
};

// An audio connection: favorite f, source s, zone z.
struct Code {
    int f, s, z;
    std::string line() const
    {
        return "[F" + std::to_string(f) + "AO" + std::to_string(z) + "I" + std::to_string(s) + "]";
    }
};

// A ConfigModel of `size` zones and sources holding `stored`, and a favorites page that has been
// through the reset, the reader run and the commit step, shown on screen.
class FavoritesDriver {
public:
    explicit FavoritesDriver(const std::vector<Code>& stored = {}, int size = 8)
    {
        std::vector<std::string> lines = unitLines(size);
        for (const Code& code : stored)
            lines.push_back(code.line());
        m_page = std::make_unique<FavoritesPage>(m_model);
        readConfiguration(m_model, {m_page.get()}, lines);
        showPage(*m_page);
    }

    model::ConfigModel& model() { return m_model; }
    FavoritesPage& page() { return *m_page; }
    MatrixGrid& grid() { return *m_page->matrix(); }

    void run(const Step& step)
    {
        switch (step.kind) {
        case Step::Click:
            clickCell(grid(), step.c, step.r);
            break;
        case Step::DoubleClick:
            doubleClickCell(grid(), step.c, step.r);
            break;
        case Step::AudioOnly:
            popup(step, m_page->audioOnlyAction());
            break;
        case Step::NoConnection:
            popup(step, m_page->noConnectionAction());
            break;
        case Step::RightPress:
            popup(step, nullptr);
            break;
        case Step::Choose: {
            QListWidget* list = m_page->favoriteList();
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                              list->visualItemRect(list->item(step.c - 1)).center());
            break;
        }
        case Step::KeyRight:
            QTest::keyClick(&grid(), Qt::Key_Right);
            break;
        case Step::Drag: {
            QWidget* viewport = grid().viewport();
            QTest::mousePress(viewport, Qt::LeftButton, {}, grid().cellCentre(step.c, step.r));
            const QPoint end = grid().cellCentre(step.c2, step.r2);
            QTest::mouseMove(viewport, end);
            QTest::mouseRelease(viewport, Qt::LeftButton, {}, end);
            break;
        }
        }
    }

    // Cells 1..16 of zone row r, '.' for an empty cell.
    std::string row(int r)
    {
        std::string text;
        for (int c = 1; c <= model::kMaxSources; ++c) {
            const QString cell = grid().cellText(c, r);
            text += cell.isEmpty() ? std::string(".") : cell.toStdString();
        }
        return text;
    }

private:
    void popup(const Step& step, QAction* command)
    {
        if (step.c >= 0) {
            rightPressCell(grid(), step.c, step.r);
            EXPECT_TRUE(m_page->popupMenu()->isVisible());
            m_page->popupMenu()->hide();
        }
        if (command)
            command->trigger();
    }

    model::ConfigModel m_model;
    std::unique_ptr<FavoritesPage> m_page;
};

struct Case {
    const char* name;
    std::vector<Code> stored; // connections in the configuration text
    std::vector<Step> steps;
    std::vector<std::pair<int, std::string>> rows; // zone row -> its 16 cells
    std::optional<QPoint> marked;
    std::vector<std::string> exported; // favorite lines written after the commit step
};

TEST(FavoritesMatrix, MouseKeyboardAndPopupSequences)
{
    using S = Step;
    const std::vector<Case> cases = {
        {"click marks an empty cell",
         {},
         {{S::Click, 2, 3}},
         {{3, ".?......XXXXXXXX"}},
         QPoint(2, 3),
         {}},
        {"click elsewhere restores the first cell",
         {{1, 2, 3}},
         {{S::Click, 2, 3}, {S::Click, 4, 3}},
         {{3, ".A.?....XXXXXXXX"}},
         QPoint(4, 3),
         {"[F1AO3I2]"}},
        {"marked cell clicked twice and thrice",
         {{1, 2, 3}},
         {{S::Click, 2, 3}, {S::Click, 2, 3}, {S::Click, 2, 3}},
         {{3, ".A......XXXXXXXX"}},
         QPoint(2, 3),
         {"[F1AO3I2]"}},
        {"double-click on an empty cell makes the row exclusive",
         {{1, 2, 3}, {1, 6, 3}},
         {{S::DoubleClick, 5, 3}},
         {{3, "....A...XXXXXXXX"}},
         QPoint(5, 3),
         {"[F1AO3I5]"}},
        {"double-click on an unmarked A leaves it the only one",
         {{1, 2, 3}, {1, 6, 3}},
         {{S::Click, 4, 4}, {S::DoubleClick, 2, 3}},
         {{3, ".A......XXXXXXXX"}, {4, "........XXXXXXXX"}},
         QPoint(2, 3),
         {"[F1AO3I2]"}},
        {"second double-click on the marked A empties it",
         {{1, 2, 3}, {1, 6, 3}},
         {{S::DoubleClick, 2, 3}, {S::DoubleClick, 2, 3}},
         {{3, "........XXXXXXXX"}},
         QPoint(2, 3),
         {}},
        {"held A is exported while its cell shows ?",
         {},
         {{S::DoubleClick, 3, 2}, {S::Click, 5, 2}, {S::Click, 3, 2}},
         {{2, "..?.....XXXXXXXX"}},
         QPoint(3, 2),
         {"[F1AO2I3]"}},
        {"a marked A is stored in the favorite left",
         {{1, 2, 3}},
         {{S::Click, 2, 3}, {S::Choose, 2}, {S::Choose, 1}},
         {{3, ".A......XXXXXXXX"}},
         QPoint(2, 3),
         {"[F1AO3I2]"}},
        {"choosing a favorite replaces ? and forgets the held text",
         {{1, 2, 3}},
         {{S::Click, 2, 3}, {S::Choose, 2}, {S::Click, 4, 3}},
         {{3, "...?....XXXXXXXX"}},
         QPoint(4, 3),
         {"[F1AO3I2]"}},
        {"Audio Only from a right-click leaves marker and selection",
         {{1, 1, 5}},
         {{S::Click, 2, 2}, {S::AudioOnly, 3, 5}},
         {{5, "..A.....XXXXXXXX"}, {2, ".?......XXXXXXXX"}},
         QPoint(2, 2),
         {"[F1AO5I3]"}},
        {"No Connection on ? empties the cell for good",
         {{1, 2, 3}},
         {{S::Click, 2, 3}, {S::NoConnection, 2, 3}, {S::Click, 4, 3}},
         {{3, "...?....XXXXXXXX"}},
         QPoint(4, 3),
         {}},
        {"popup on header row, label column and corner changes nothing",
         {{1, 2, 3}},
         {{S::AudioOnly, 3, 0},
          {S::NoConnection, 2, 0},
          {S::AudioOnly, 0, 3},
          {S::NoConnection, 0, 0}},
         {{3, ".A......XXXXXXXX"}},
         QPoint(0, 0),
         {"[F1AO3I2]"}},
        {"popup before any right-press acts on the selected cell",
         {},
         {{S::Click, 2, 4}, {S::AudioOnly}},
         {{4, ".A......XXXXXXXX"}},
         QPoint(2, 4),
         {"[F1AO4I2]"}},
        {"popup keeps acting on the cell last right-clicked",
         {},
         {{S::RightPress, 3, 5}, {S::Click, 2, 4}, {S::AudioOnly}},
         {{5, "..A.....XXXXXXXX"}, {4, ".?......XXXXXXXX"}},
         QPoint(2, 4),
         {"[F1AO5I3]"}},
        {"a click on a zone label changes nothing",
         {{1, 2, 3}},
         {{S::Click, 0, 3}, {S::DoubleClick, 0, 3}},
         {{3, ".A......XXXXXXXX"}},
         QPoint(0, 0),
         {"[F1AO3I2]"}},
        {"a dragged range marks its top-left cell",
         {},
         {{S::Drag, 5, 6, 3, 4}},
         {{4, "..?.....XXXXXXXX"}, {6, "........XXXXXXXX"}},
         QPoint(3, 4),
         {}},
        {"the keyboard moves the marker",
         {{1, 2, 3}},
         {{S::Click, 2, 3}, {S::KeyRight}},
         {{3, ".A?.....XXXXXXXX"}},
         QPoint(3, 3),
         {"[F1AO3I2]"}},
        {"two A in one row from a text are kept",
         {{1, 2, 3}, {1, 5, 3}, {4, 8, 8}},
         {},
         {{3, ".A..A...XXXXXXXX"}},
         QPoint(0, 0),
         {"[F1AO3I2]", "[F1AO3I5]", "[F4AO8I8]"}},
        {"unavailable cells ignore clicks, double-clicks and the popup",
         {{1, 9, 3}, {1, 3, 9}},
         {{S::Click, 9, 3},
          {S::DoubleClick, 3, 9},
          {S::AudioOnly, 10, 2},
          {S::Click, 12, 12},
          {S::NoConnection, 9, 9}},
         {{2, "........XXXXXXXX"},
          {3, "........XXXXXXXX"},
          {9, "XXXXXXXXXXXXXXXX"},
          {12, "XXXXXXXXXXXXXXXX"}},
         QPoint(0, 0),
         {}},
    };

    for (const Case& test : cases) {
        SCOPED_TRACE(test.name);
        FavoritesDriver driver(test.stored);
        for (const Step& step : test.steps)
            driver.run(step);
        for (const auto& [r, expected] : test.rows)
            EXPECT_EQ(driver.row(r), expected) << "zone row " << r;
        if (test.marked) {
            EXPECT_EQ(driver.page().markedCell(), *test.marked);
        }
        driver.page().commitToModel();
        EXPECT_EQ(exportedLines(driver.model(), "[F"), test.exported);
    }
}

TEST(FavoritesMatrix, ClickShowsSourceNameInCorner)
{
    FavoritesDriver driver;
    driver.run({Step::Click, 5, 2});
    EXPECT_EQ(driver.grid().cellText(0, 0), QStringLiteral("Source Name 5"));
    // A click on an unavailable cell leaves the corner alone.
    driver.run({Step::Click, 11, 2});
    EXPECT_EQ(driver.grid().cellText(0, 0), QStringLiteral("Source Name 5"));
}

TEST(FavoritesMatrix, EditSurvivesLeavingAndReturningToTheFavorite)
{
    FavoritesDriver driver({{3, 4, 6}});
    driver.run({Step::Choose, 3});
    EXPECT_EQ(driver.row(6), "...A....XXXXXXXX");
    driver.run({Step::DoubleClick, 7, 6});
    driver.run({Step::Choose, 5});
    EXPECT_EQ(driver.row(6), "........XXXXXXXX");
    driver.run({Step::Choose, 3});
    EXPECT_EQ(driver.row(6), "......A.XXXXXXXX");
    EXPECT_EQ(driver.page().currentFavorite(), 3);
    EXPECT_EQ(exportedLines(driver.model(), "[F"), std::vector<std::string>{"[F3AO6I7]"});
}

TEST(FavoritesMatrix, ResetAndReloadFollowTheCounts)
{
    FavoritesDriver driver({}, 16);
    EXPECT_EQ(driver.row(16), "................");
    driver.run({Step::Click, 16, 16});
    EXPECT_EQ(driver.page().markedCell(), QPoint(16, 16));

    // A smaller configuration read afterwards: the reset blanks the view state, the reader run
    // marks the cells beyond the new counts.
    readConfiguration(driver.model(), {&driver.page()}, unitLines(4));
    EXPECT_EQ(driver.page().markedCell(), QPoint(0, 0));
    EXPECT_EQ(driver.page().heldText(), QString());
    EXPECT_EQ(driver.row(4), "....XXXXXXXXXXXX");
    EXPECT_EQ(driver.row(5), "XXXXXXXXXXXXXXXX");
    EXPECT_EQ(driver.grid().cellText(0, 5), QStringLiteral("Zone 5"));
    EXPECT_EQ(driver.grid().cellText(0, 4), QStringLiteral("Zone Name 4"));
    EXPECT_EQ(driver.page().favoriteList()->count(), model::kFavorites);
    EXPECT_EQ(driver.page().favoriteList()->item(9)->text(), QStringLiteral("Favorite Name 10"));
}

// The same actions through the platform window, which routes events to the open menu and sends
// its own context-menu event after a right-button press.
TEST(FavoritesMatrix, PopupAndDoubleClickThroughTheWindow)
{
    FavoritesDriver driver({{1, 1, 5}});
    FavoritesPage& page = driver.page();
    MatrixGrid& grid = driver.grid();
    QWindow* window = page.windowHandle();
    ASSERT_NE(window, nullptr);
    const auto at = [&](int c, int r) {
        return grid.viewport()->mapTo(&page, grid.cellCentre(c, r));
    };

    QTest::mouseClick(window, Qt::LeftButton, {}, at(2, 2));
    QTest::mousePress(window, Qt::RightButton, {}, at(3, 5));
    QTest::mouseRelease(window, Qt::RightButton, {}, at(3, 5));
    QMenu* menu = page.popupMenu();
    ASSERT_TRUE(menu->isVisible());
    EXPECT_EQ(driver.row(5), "A.......XXXXXXXX"); // the release picks nothing
    QTest::mouseClick(menu->windowHandle(), Qt::LeftButton, {},
                      menu->actionGeometry(page.audioOnlyAction()).center());
    EXPECT_FALSE(menu->isVisible());
    EXPECT_EQ(driver.row(5), "..A.....XXXXXXXX");
    EXPECT_EQ(driver.row(2), ".?......XXXXXXXX");

    QTest::mouseDClick(window, Qt::LeftButton, {}, at(6, 4));
    EXPECT_EQ(driver.row(4), ".....A..XXXXXXXX");
    EXPECT_EQ(page.markedCell(), QPoint(6, 4));
    EXPECT_EQ(driver.row(2), "........XXXXXXXX");
}

TEST(FavoritesMatrix, DrawsCellsByContent)
{
    FavoritesDriver driver({{1, 2, 1}});
    driver.run({Step::Click, 4, 1});
    MatrixGrid& grid = driver.grid();
    const QColor buttonFace = grid.palette().color(QPalette::Active, QPalette::Button);

    struct Expected {
        int c, r;
        QColor fill;
    };
    const std::vector<Expected> cells = {
        {0, 0, Qt::white},         {3, 0, QColor(170, 170, 170)}, {0, 2, buttonFace},
        {4, 1, QColor(0, 0, 255)}, {2, 1, QColor(0, 255, 255)},   {9, 1, buttonFace},
        {1, 1, Qt::white},
    };
    for (const Expected& cell : cells)
        grid.cellCentre(cell.c, cell.r); // scrolls the rows into view before the grab
    const QImage image = grid.grab().toImage();
    for (const Expected& cell : cells) {
        SCOPED_TRACE(testing::Message() << "cell " << cell.c << "," << cell.r);
        EXPECT_EQ(cellFill(grid, image, cell.c, cell.r), cell.fill);
    }

    // The marker's text is white on blue: the cell holds white pixels besides the blue.
    const QPoint marker = grid.cellWidget(4, 1)->mapTo(&grid, grid.cellCentre(4, 1));
    int brightest = 0;
    for (int dx = -6; dx <= 6; ++dx)
        for (int dy = -6; dy <= 6; ++dy)
            brightest = std::max(brightest, image.pixelColor(marker + QPoint(dx, dy)).red());
    EXPECT_GT(brightest, 200);
}

} // namespace
} // namespace zel::ui::test
