// The groups matrix: double-clicks toggle membership in the ConfigModel at once, rows of zones
// beyond the zone count stay "X", a click names the column's group in the corner.

#include "grid_test_support.h"
#include "ui/pages/groups_page.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace zel::ui::test {
namespace {

class GroupsDriver {
public:
    explicit GroupsDriver(const std::vector<std::string>& extraLines = {})
    {
        std::vector<std::string> lines = unitLines(8);
        lines.insert(lines.end(), extraLines.begin(), extraLines.end());
        m_page = std::make_unique<GroupsPage>(m_model);
        readConfiguration(m_model, {m_page.get()}, lines);
        showPage(*m_page);
    }

    model::ConfigModel& model() { return m_model; }
    GroupsPage& page() { return *m_page; }
    MatrixGrid& grid() { return *m_page->matrix(); }

    // Groups 1..10 of zone row z, '.' for empty, as the matrix shows them.
    std::string row(int z)
    {
        std::string text;
        for (int g = 1; g <= model::kGroups; ++g) {
            const QString cell = grid().cellText(g, z);
            text += cell.isEmpty() ? std::string(".") : cell.toStdString();
        }
        return text;
    }

    // The same row as the ConfigModel holds it.
    std::string modelRow(int z)
    {
        std::string text;
        for (int g = 1; g <= model::kGroups; ++g) {
            const std::string& mark = m_model.groupMark(g, z);
            text += mark.empty() ? std::string(".") : mark;
        }
        return text;
    }

private:
    model::ConfigModel m_model;
    std::unique_ptr<GroupsPage> m_page;
};

TEST(GroupsMatrix, DoubleClicksToggleMembership)
{
    struct Case {
        const char* name;
        std::vector<QPoint> doubleClicks; // (group, zone)
        std::vector<std::pair<int, std::string>> rows;
        std::vector<std::string> exported; // group lines, zone by zone, group by group
    };
    const std::vector<Case> cases = {
        {"joins a group", {{3, 2}}, {{2, "..G......."}}, {"[G3AO2]"}},
        {"leaves it again", {{3, 2}, {3, 2}}, {{2, ".........."}}, {}},
        {"a zone in several groups",
         {{3, 4}, {10, 2}, {3, 2}, {5, 2}},
         {{2, "..G.G....G"}, {4, "..G......."}},
         {"[G3AO2]", "[G5AO2]", "[G10AO2]", "[G3AO4]"}},
        {"leaving one group keeps the others",
         {{3, 2}, {5, 2}, {3, 2}},
         {{2, "....G....."}},
         {"[G5AO2]"}},
        {"rows beyond the zone count stay X",
         {{4, 9}, {1, 16}, {10, 12}},
         {{9, "XXXXXXXXXX"}, {16, "XXXXXXXXXX"}, {12, "XXXXXXXXXX"}},
         {}},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.name);
        GroupsDriver driver;
        for (const QPoint cell : test.doubleClicks)
            doubleClickCell(driver.grid(), cell.x(), cell.y());
        for (const auto& [z, expected] : test.rows) {
            EXPECT_EQ(driver.row(z), expected) << "zone " << z;
            EXPECT_EQ(driver.modelRow(z), expected) << "zone " << z;
        }
        EXPECT_EQ(exportedLines(driver.model(), "[G"), test.exported);
    }
}

TEST(GroupsMatrix, MembershipOfAnUnavailableZoneIsNeitherShownNorExported)
{
    GroupsDriver driver({"[G3AO12]", "[G2AO5]"});
    EXPECT_EQ(driver.row(12), "XXXXXXXXXX");
    EXPECT_EQ(driver.row(5), ".G........");
    EXPECT_EQ(exportedLines(driver.model(), "[G"), std::vector<std::string>{"[G2AO5]"});
}

TEST(GroupsMatrix, ClickNamesTheColumnsGroup)
{
    GroupsDriver driver;
    driver.model().setGroupName(6, "");
    struct Case {
        QPoint cell;
        QString corner;
    };
    const std::vector<Case> cases = {
        {{4, 1}, "Group Name 4"},
        {{4, 7}, "Group Name 4"},
        {{2, 12}, "Group Name 2"},
        {{10, 3}, "Group Name 10"},
        {{6, 2}, ""},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(testing::Message() << "cell " << test.cell.x() << "," << test.cell.y());
        clickCell(driver.grid(), test.cell.x(), test.cell.y());
        EXPECT_EQ(driver.grid().cellText(0, 0), test.corner);
    }
    // A click changes no membership.
    for (int z = 1; z <= 8; ++z)
        EXPECT_EQ(driver.modelRow(z), "..........");
}

TEST(GroupsMatrix, NothingChangesBeforeAConfigurationIsRead)
{
    model::ConfigModel model;
    GroupsPage page(model);
    model::resetModel(model);
    page.resetView();
    showPage(page);
    page.toggleMembership({2, 2});
    EXPECT_EQ(model.groupMark(2, 2), "");
    EXPECT_EQ(page.matrix()->cellText(0, 2), QStringLiteral("Zone 2"));
    EXPECT_EQ(page.matrix()->cellText(10, 0), QStringLiteral("10"));
}

TEST(GroupsMatrix, DrawsCellsByContent)
{
    GroupsDriver driver;
    doubleClickCell(driver.grid(), 2, 3);
    MatrixGrid& grid = driver.grid();
    const QColor buttonFace = grid.palette().color(QPalette::Active, QPalette::Button);
    struct Expected {
        int g, z;
        QColor fill;
    };
    const std::vector<Expected> cells = {
        {0, 0, Qt::white},  {5, 0, QColor(170, 170, 170)},
        {0, 4, buttonFace}, {2, 3, QColor(119, 255, 119)},
        {2, 9, buttonFace}, {3, 3, Qt::white},
    };
    const QImage image = grid.grab().toImage();
    for (const Expected& cell : cells) {
        SCOPED_TRACE(testing::Message() << "cell " << cell.g << "," << cell.z);
        EXPECT_EQ(cellFill(grid, image, cell.g, cell.z), cell.fill);
    }
}

} // namespace
} // namespace zel::ui::test
