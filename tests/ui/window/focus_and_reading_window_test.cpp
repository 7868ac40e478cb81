// Where the keys land, as the user sees it and as a screen reader reads it: a frame two pixels
// wide in the highlight colour on a focused slider handle, grid or matrix cell and list; the ten
// EQ bands one stop of the Tab order; a slider read as the value its label shows.
#include "ui/audio/eq_band_panel.h"
#include "ui/common/slider_reading.h"
#include "ui/grids/matrix_grid.h"
#include "ui/grids/name_grid.h"
#include "ui/pages/favorites_page.h"
#include "ui/pages/naming_page.h"
#include "ui/window/editor_page_set.h"
#include "ui/window/main_window.h"

#include <QAccessible>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSlider>
#include <QTabWidget>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

namespace zel::ui {
namespace {

// What focusing drew: framed where pixels changed, its left and top edges two pixels of the
// highlight colour at their middle.
QString frameFault(const QImage& before, const QImage& after, const QColor& highlight)
{
    QRect changed;
    for (int y = 0; y < after.height(); ++y)
        for (int x = 0; x < after.width(); ++x)
            if (before.pixel(x, y) != after.pixel(x, y))
                changed |= QRect(x, y, 1, 1);
    for (int line = 0; line < 2; ++line)
        for (const QPoint at : {QPoint(changed.left() + line, changed.center().y()),
                                QPoint(changed.center().x(), changed.top() + line)})
            if (changed.isEmpty() || after.pixelColor(at) != highlight)
                return QStringLiteral("no frame at %1,%2").arg(at.x()).arg(at.y());
    return {};
}

TEST(FocusFrames, SliderHandlesGridCellsAndListsAreFramedInTheHighlightColourWhenFocused)
{
    MainWindow window;
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    window.openFile(QStringLiteral(ZEL_SOURCE_DIR "/docs/demo/house.zel"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.session().loaded().isLoaded(); }));
    GridView* names = window.pageSet().namingPage()->grid(NameList::Zones);
    GridView* matrix = window.pageSet().favoritesPage()->matrix();
    names->setCurrentIndex(names->model()->index(2, 1));
    matrix->setCurrentIndex(matrix->model()->index(2, 2));
    auto* zones = window.findChild<QListWidget*>("zoneList");
    const std::tuple<int, QWidget*, QWidget*> cases[] = {
        // the page; the control; what shows its frame (a grid's cells are in its viewport)
        {MainWindow::kZoneAudioPage, window.findChild<QSlider*>("volumeSlider"), nullptr},
        {MainWindow::kZoneAudioPage, window.findChild<QSlider*>("bandSlider3"), nullptr},
        {MainWindow::kNamingPage, names, names->viewport()},
        {MainWindow::kFavoritesPage, matrix, matrix->viewport()},
        {MainWindow::kZoneAudioPage, zones, nullptr},
    };
    for (const auto& [page, control, viewport] : cases) {
        SCOPED_TRACE(control->objectName().toStdString() + control->accessibleName().toStdString());
        QWidget* shown = viewport ? viewport : control;
        window.tabs()->setCurrentIndex(page);
        window.tabs()->tabBar()->setFocus();
        const QImage before = shown->grab().toImage();
        control->setFocus();
        ASSERT_TRUE(QTest::qWaitFor([target = control] { return target->hasFocus(); }));
        EXPECT_EQ(frameFault(before, shown->grab().toImage(), window.palette().highlight().color()),
                  QString());
    }
}

TEST(FocusFrames, TheEqBandsAreOneTabStopWithLeftAndRightBetweenThem)
{
    // Keys from the button before the bands: Tab, Backtab, Left, Right, Up, Page Down.
    const std::map<QChar, Qt::Key> keys = {{'T', Qt::Key_Tab},  {'B', Qt::Key_Backtab},
                                           {'L', Qt::Key_Left}, {'R', Qt::Key_Right},
                                           {'U', Qt::Key_Up},   {'D', Qt::Key_PageDown}};
    const std::tuple<QString, int, int, QString> cases[] = {
        // keys; the band focused then (0: the button after the bands); its level; its reading
        {"T", 1, 0, "0 dB"},     {"TRR", 3, 0, "0 dB"},  {"TRT", 0, 0, ""},
        {"TRRTB", 3, 0, "0 dB"}, {"TL", 1, 0, "0 dB"},   {"TRRRRRRRRRRRR", 10, 0, "0 dB"},
        {"TRUU", 2, 2, "+2 dB"}, {"TD", 1, -1, "-1 dB"},
    };
    installSliderReadings();
    for (const auto& [typed, band, level, reading] : cases) {
        SCOPED_TRACE(typed.toStdString());
        QWidget host;
        auto* layout = new QVBoxLayout(&host);
        auto* before = new QPushButton(&host);
        auto* bands = new EqBandPanel(&host);
        auto* after = new QPushButton(&host);
        for (QWidget* part : std::initializer_list<QWidget*>{before, bands, after})
            layout->addWidget(part);
        host.show();
        before->setFocus();
        ASSERT_TRUE(QTest::qWaitFor([&] { return before->hasFocus(); }));
        for (const QChar key : typed)
            QTest::keyClick(QApplication::focusWidget(), keys.at(key));
        QWidget* focused = QApplication::focusWidget();
        EXPECT_EQ(focused, band == 0 ? after : static_cast<QWidget*>(bands->slider(band)));
        for (int other = 1; other <= model::kBands; ++other)
            EXPECT_EQ(bands->level(other), other == band ? level : 0) << other;
        if (band > 0) {
            QAccessibleInterface* read = QAccessible::queryAccessibleInterface(focused);
            EXPECT_EQ(read->text(QAccessible::Name), bandName(band));
            EXPECT_EQ(read->text(QAccessible::Value), reading);
        }
    }
}

TEST(FocusFrames, ASliderIsReadAsTheValueItsLabelShows)
{
    MainWindow window;
    const std::tuple<const char*, const char*, int, double, QString> cases[] = {
        // slider, its label, position set (INT_MIN: none), the number and text read
        {"Display", "DisplayLvl", INT_MIN, 100, "100%"},
        {"Display", "DisplayLvl", 3, 25, "25%"},
        {"volumeSlider", "volumeValue", -20, -20, "Volume: -20db"},
        {"balanceSlider", "balanceValue", -10, -10, "Balance (L: 10db / R: 0db)"},
        {"lowpassSlider", "lowpassValue", 120, 120, "120Hz"},
        {"bandSlider1", "bandValue1", 4, 4, "+4 dB"},
    };
    for (const auto& [name, labelName, position, number, text] : cases) {
        SCOPED_TRACE(std::string(name) + " " + std::to_string(position));
        auto* slider = window.findChild<QSlider*>(name);
        if (position != INT_MIN)
            slider->setValue(position);
        QAccessibleInterface* read = QAccessible::queryAccessibleInterface(slider);
        EXPECT_EQ(read->text(QAccessible::Value), text);
        EXPECT_EQ(read->valueInterface()->currentValue().toDouble(), number);
        // The label's one number, or the position where it shows two.
        const QString label = window.findChild<QLabel*>(labelName)->text();
        EXPECT_EQ(readingNumber(label, slider->value()), number) << label.toStdString();
    }
    // A reader that sets the display to 75 moves it to where its label shows 75%.
    QAccessible::queryAccessibleInterface(window.findChild<QSlider*>("Display"))
        ->valueInterface()
        ->setCurrentValue(75);
    EXPECT_EQ(window.findChild<QLabel*>("DisplayLvl")->text(), "Level:75%");
}

} // namespace
} // namespace zel::ui
