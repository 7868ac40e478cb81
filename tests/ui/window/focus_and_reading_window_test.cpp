// Where the keys land: a frame two pixels wide in the highlight colour on a focused slider
// handle and grid cell; the ten EQ bands one stop of the Tab order.
#include "ui/audio/eq_band_panel.h"
#include "ui/grids/name_grid.h"
#include "ui/pages/naming_page.h"
#include "ui/window/editor_page_set.h"
#include "ui/window/main_window.h"

#include <QPushButton>
#include <QSlider>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>

namespace zel::ui {
namespace {

// Whether focusing drew a frame: where pixels changed, the left edge is two pixels of `colour`.
bool framed(const QImage& before, const QImage& after, const QColor& colour)
{
    QRect changed;
    for (int y = 0; y < after.height(); ++y)
        for (int x = 0; x < after.width(); ++x)
            if (before.pixel(x, y) != after.pixel(x, y))
                changed |= QRect(x, y, 1, 1);
    return !changed.isEmpty() && after.pixelColor(changed.left(), changed.center().y()) == colour &&
           after.pixelColor(changed.left() + 1, changed.center().y()) == colour;
}

TEST(FocusAndReading, SliderHandlesAndGridCellsAreFramedInTheHighlightColourWhenFocused)
{
    MainWindow window;
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    window.newTemplate(model::UnitSize::Zel16);
    GridView* names = window.pageSet().namingPage()->grid(NameList::Zones);
    names->setCurrentIndex(names->model()->index(2, 1));
    const std::tuple<int, QWidget*, QWidget*> cases[] = {
        // the page; the control; what shows its frame (a grid's cells are in its viewport)
        {MainWindow::kZoneAudioPage, window.findChild<QSlider*>("volumeSlider"), nullptr},
        {MainWindow::kNamingPage, names, names->viewport()},
    };
    for (const auto& [page, control, viewport] : cases) {
        QWidget* shown = viewport ? viewport : control;
        window.tabs()->setCurrentIndex(page);
        window.tabs()->tabBar()->setFocus();
        const QImage before = shown->grab().toImage();
        control->setFocus();
        ASSERT_TRUE(QTest::qWaitFor([target = control] { return target->hasFocus(); }));
        EXPECT_TRUE(framed(before, shown->grab().toImage(), window.palette().highlight().color()));
    }
}

TEST(FocusAndReading, TheEqBandsAreOneTabStopWithLeftAndRightBetweenThem)
{
    // Keys from the button before the bands: Tab, Backtab, Left, Right, Up, Page Down.
    const Qt::Key keys[] = {Qt::Key_Tab,   Qt::Key_Backtab, Qt::Key_Left,
                            Qt::Key_Right, Qt::Key_Up,      Qt::Key_PageDown};
    const std::tuple<QString, int, int> cases[] = {
        // keys; the band focused then (0: the button after the bands); its level
        {"T", 1, 0},     {"TRR", 3, 0}, {"TRT", 0, 0},
        {"TRRTB", 3, 0}, {"TL", 1, 0},  {"TRRRRRRRRRRRR", 10, 0},
        {"TRUU", 2, 2},  {"TD", 1, -1},
    };
    for (const auto& [typed, band, level] : cases) {
        SCOPED_TRACE(typed.toStdString());
        QWidget host; // the Tab order is the order the parts are made in
        auto* before = new QPushButton(&host);
        auto* bands = new EqBandPanel(&host);
        auto* after = new QPushButton(&host);
        host.show();
        before->setFocus();
        ASSERT_TRUE(QTest::qWaitFor([&] { return before->hasFocus(); }));
        for (const QChar key : typed)
            QTest::keyClick(QApplication::focusWidget(), keys[QString("TBLRUD").indexOf(key)]);
        EXPECT_EQ(QApplication::focusWidget(),
                  band == 0 ? after : static_cast<QWidget*>(bands->slider(band)));
        for (int other = 1; other <= model::kBands; ++other)
            EXPECT_EQ(bands->level(other), other == band ? level : 0) << other;
    }
}

} // namespace
} // namespace zel::ui
