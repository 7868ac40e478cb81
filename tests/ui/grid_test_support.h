#pragma once
// Helpers for driving the grids with Qt Test events and for setting up a configuration the way
// the main window's reader run leaves it.

#include "model/config_model.h"
#include "ui/editor_page.h"
#include "ui/matrix_grid.h"

#include <QApplication>
#include <QColor>
#include <QImage>
#include <QPoint>
#include <QTest>

#include <string>

namespace zel::ui::test {

// Names and counts of a configuration with `size` zones and sources, as a blank template gives.
inline void fillUnit(model::ConfigModel& model, int size)
{
    for (int n = 1; n <= size; ++n) {
        model.setZoneName(n, "Zone Name " + std::to_string(n));
        model.setSourceName(n, "Source Name " + std::to_string(n));
    }
    for (int n = 1; n <= model::kFavorites; ++n) {
        model.setFavoriteName(n, "Favorite Name " + std::to_string(n));
        model.setGroupName(n, "Group Name " + std::to_string(n));
    }
    model.raiseZoneCount(size);
    model.raiseSourceCount(size);
}

// What the reader run does for the group membership of zones beyond the zone count.
inline void markUnavailableGroupRows(model::ConfigModel& model)
{
    for (int z = std::max(model.zoneCount() + 1, 1); z <= model::kMaxZones; ++z) {
        for (int g = 1; g <= model::kGroups; ++g)
            model.setGroupMark(g, z, std::string(model::kUnavailableMark));
    }
}

// The page's part of reset and reader run, then the commit-and-refresh step.
inline void resetAndLoad(EditorPage& page)
{
    page.resetView();
    setControlsEnabled(&page, true);
    page.loadFromModel();
    page.commitToModel();
    page.refreshNames();
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
    const QPoint inside = centre - QPoint(halfWidth - 2, MatrixGrid::kRowHeight / 2 - 2);
    return image.pixelColor(widget->mapTo(&grid, inside));
}

} // namespace zel::ui::test
