// The focus as the user sees it: a frame two pixels wide in the highlight colour around a
// slider's handle, the current cell of a grid or matrix and a list, shown only while the control
// has the focus. With ZEL_FOCUS_SHOTS set to a folder, the framed controls are saved there.
#include "ui/common/focus_frame.h"
#include "ui/grids/matrix_grid.h"
#include "ui/grids/name_grid.h"
#include "ui/pages/favorites_page.h"
#include "ui/pages/naming_page.h"
#include "ui/window/editor_page_set.h"
#include "ui/window/main_window.h"

#include <QApplication>
#include <QDir>
#include <QListWidget>
#include <QSlider>
#include <QStyleOptionSlider>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>

#include <functional>

namespace zel::ui {
namespace {

// Where the style puts the handle of `slider`.
QRect handleRect(const QSlider* slider)
{
    QStyleOptionSlider option;
    option.initFrom(slider);
    option.orientation = slider->orientation();
    option.minimum = slider->minimum();
    option.maximum = slider->maximum();
    option.sliderPosition = slider->sliderPosition();
    option.sliderValue = slider->value();
    option.singleStep = slider->singleStep();
    option.pageStep = slider->pageStep();
    option.tickPosition = slider->tickPosition();
    option.tickInterval = slider->tickInterval();
    option.upsideDown = slider->orientation() == Qt::Horizontal
                            ? slider->invertedAppearance() != (option.direction == Qt::RightToLeft)
                            : !slider->invertedAppearance();
    return slider->style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle,
                                           slider);
}

TEST(FocusFrames, SliderHandlesGridCellsAndListsAreFramedInTheHighlightColourWhileFocused)
{
    MainWindow window;
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    window.openFile(QStringLiteral(ZEL_SOURCE_DIR "/docs/demo/house.zel"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.session().loaded().isLoaded(); }));
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    const EditorPageSet& pages = window.pageSet();
    auto* volume = window.findChild<QSlider*>("volumeSlider");
    auto* band = window.findChild<QSlider*>("bandSlider3");
    GridView* names = pages.namingPage()->grid(NameList::Zones);
    GridView* matrix = pages.favoritesPage()->matrix();
    auto* zones = window.findChild<QListWidget*>("zoneList");
    names->setCurrentIndex(names->model()->index(2, 1));
    matrix->setCurrentIndex(matrix->model()->index(2, 2));
    // The widget framed, what shows the frame (a grid's cells are in its viewport), and the
    // framed rectangle there.
    struct Case {
        const char* shot;
        int page;
        QWidget* control;
        QWidget* shown;
        std::function<QRect()> framed;
        bool topEdge = true; // a list's top edge may lie on its chosen entry: the left one only
    };
    const auto aroundHandle = [](QSlider* slider) {
        return [slider] {
            return handleRect(slider)
                .adjusted(-FocusFrame::kWidth, -FocusFrame::kWidth, FocusFrame::kWidth,
                          FocusFrame::kWidth)
                .intersected(slider->rect());
        };
    };
    const auto currentCell = [](GridView* grid) {
        return [grid] { return grid->visualRect(grid->currentIndex()); };
    };
    const Case cases[] = {
        {"focus-slider-handle", MainWindow::kZoneAudioPage, volume, volume, aroundHandle(volume)},
        {"focus-band-slider", MainWindow::kZoneAudioPage, band, band, aroundHandle(band)},
        {"focus-grid-cell", MainWindow::kNamingPage, names, names->viewport(), currentCell(names)},
        {"focus-matrix-cell", MainWindow::kFavoritesPage, matrix, matrix->viewport(),
         currentCell(matrix)},
        {"focus-list", MainWindow::kZoneAudioPage, zones, zones, [zones] { return zones->rect(); },
         false},
    };
    const QColor highlight = window.palette().color(QPalette::Active, QPalette::Highlight);
    const QString shots = qEnvironmentVariable("ZEL_FOCUS_SHOTS");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.shot);
        window.tabs()->setCurrentIndex(c.page);
        window.tabs()->tabBar()->setFocus();
        ASSERT_TRUE(QTest::qWaitFor([&] { return !c.control->hasFocus(); }));
        const QImage unfocused = c.shown->grab().toImage();
        c.control->setFocus(Qt::TabFocusReason);
        ASSERT_TRUE(QTest::qWaitFor([&] { return c.control->hasFocus(); }));
        const QImage focused = c.shown->grab().toImage();
        if (!shots.isEmpty())
            focused.save(QDir(shots).filePath(QStringLiteral("%1.png").arg(c.shot)));
        // Both pixel lines of the frame, across its left edge and its top edge at their middle.
        const QRect frame = c.framed();
        ASSERT_FALSE(frame.isEmpty());
        for (int line = 0; line < FocusFrame::kWidth; ++line) {
            QList<QPoint> points{QPoint(frame.left() + line, frame.center().y())};
            if (c.topEdge)
                points << QPoint(frame.center().x(), frame.top() + line);
            for (const QPoint at : points) {
                SCOPED_TRACE(QStringLiteral("%1,%2").arg(at.x()).arg(at.y()).toStdString());
                EXPECT_EQ(focused.pixelColor(at), highlight);
                EXPECT_NE(unfocused.pixelColor(at), highlight);
            }
        }
    }
}

} // namespace
} // namespace zel::ui
