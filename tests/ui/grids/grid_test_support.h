#pragma once
// Helpers for driving the grids with Qt Test events and for setting up a configuration the way
// the main window's reader run leaves it.

#include "model/config_model.h"
#include "model/config_reader.h"
#include "model/config_writer.h"
#include "model/model_reset.h"
#include "model/templates.h"
#include "ui/grids/matrix_grid.h"
#include "ui/pages/editor_page.h"

#include <QApplication>
#include <QColor>
#include <QImage>
#include <QPoint>
#include <QTest>

#include <cctype>
#include <string>
#include <string_view>
#include <vector>

namespace zel::ui::test {

// Lines of a configuration with `size` zones and sources: the blank template of a ZEL-8 or
// ZEL-16, else the names alone.
inline std::vector<std::string> unitLines(int size)
{
    if (size == 8 || size == 16)
        return model::templateLines(static_cast<model::UnitSize>(size));
    std::vector<std::string> lines;
    for (int n = 1; n <= size; ++n) {
        lines.push_back("[NI" + std::to_string(n) + "\"Source Name " + std::to_string(n) + "\"]");
        lines.push_back("[NO" + std::to_string(n) + "\"Zone Name " + std::to_string(n) + "\"]");
    }
    for (int n = 1; n <= model::kFavorites; ++n) {
        lines.push_back("[NF" + std::to_string(n) + "\"Favorite Name " + std::to_string(n) + "\"]");
        lines.push_back("[NG" + std::to_string(n) + "\"Group Name " + std::to_string(n) + "\"]");
    }
    return lines;
}

// What the main window does when it reads a configuration text: the reset of model and pages,
// the reader, the unavailable group marks, the pages loaded, then the commit-and-refresh step.
inline void readConfiguration(model::ConfigModel& model, const std::vector<EditorPage*>& pages,
                              const std::vector<std::string>& lines)
{
    model::resetModel(model);
    for (EditorPage* page : pages) {
        page->resetView();
        setControlsEnabled(page, false);
    }
    for (EditorPage* page : pages)
        setControlsEnabled(page, true);
    model::LogLines log;
    model::readText(model, model::joinLines(lines, "\r\n"), log);
    model::markUnavailableGroups(model);
    for (EditorPage* page : pages)
        page->loadFromModel();
    for (EditorPage* page : pages)
        page->commitToModel();
    for (EditorPage* page : pages)
        page->refreshNames();
}

// Exported lines that begin with `prefix` followed by a digit ("[F" gives the favorite lines,
// "[G" the group lines), in the writer's order.
inline std::vector<std::string> exportedLines(const model::ConfigModel& model,
                                              std::string_view prefix)
{
    std::vector<std::string> lines;
    for (const std::string& line : model::writeConfiguration(model)) {
        if (line.size() > prefix.size() && line.starts_with(prefix) &&
            std::isdigit(static_cast<unsigned char>(line[prefix.size()])))
            lines.push_back(line);
    }
    return lines;
}

inline void showPage(QWidget& page)
{
    page.resize(697, 381);
    page.show();
    QApplication::processEvents();
}

inline void clickCell(MatrixGrid& grid, int c, int r)
{
    const QPoint pos = grid.cellCentre(c, r);
    QTest::mouseClick(grid.cellWidget(c, r), Qt::LeftButton, {}, pos);
}

// The events of a real double-click: press and release, then the double-click press, then
// its release.
inline void doubleClickCell(MatrixGrid& grid, int c, int r)
{
    const QPoint pos = grid.cellCentre(c, r);
    QWidget* widget = grid.cellWidget(c, r);
    QTest::mouseClick(widget, Qt::LeftButton, {}, pos);
    QTest::mouseDClick(widget, Qt::LeftButton, {}, pos);
    QTest::mouseRelease(widget, Qt::LeftButton, {}, pos);
}

inline void rightPressCell(MatrixGrid& grid, int c, int r)
{
    const QPoint pos = grid.cellCentre(c, r);
    QWidget* widget = grid.cellWidget(c, r);
    QTest::mousePress(widget, Qt::RightButton, {}, pos);
    QTest::mouseRelease(widget, Qt::RightButton, {}, pos);
}

// Fill colour of a matrix cell on a grab of the whole grid, read inside the cell next to its
// top-left corner, away from the text.
inline QColor cellFill(MatrixGrid& grid, const QImage& image, int c, int r)
{
    const QPoint centre = grid.cellCentre(c, r);
    QWidget* widget = grid.cellWidget(c, r);
    const int halfWidth = (c == 0 ? MatrixGrid::kLabelWidth : MatrixGrid::kCellWidth) / 2;
    const QPoint inside = centre - QPoint(halfWidth - 4, MatrixGrid::kRowHeight / 2 - 4);
    return image.pixelColor(widget->mapTo(&grid, inside));
}

} // namespace zel::ui::test
