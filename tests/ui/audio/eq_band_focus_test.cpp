// The ten EQ bands as the keyboard reaches them: one stop of the Tab order that enters the band
// current last, Left and Right from band to band, the other keys on the band's level; each band
// read by its frequency and its level in decibels.
#include "ui/audio/eq_band_panel.h"
#include "ui/common/slider_reading.h"

#include <QAccessible>
#include <QApplication>
#include <QPushButton>
#include <QSlider>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

#include <vector>

namespace zel::ui {
namespace {

TEST(EqBandFocus, TheBandsAreOneTabStopWithLeftAndRightBetweenThem)
{
    installSliderReadings();
    std::vector<Qt::Key> toTheLast(12, Qt::Key_Right);
    toTheLast.insert(toTheLast.begin(), Qt::Key_Tab);
    struct Case {
        const char* what;
        std::vector<Qt::Key> keys; // from the button before the bands
        int focusedBand;           // 0: the button after them
        int level;                 // of the focused band; the others stay at 0
        const char* reading;
    };
    const Case cases[] = {
        {"Tab enters the first band", {Qt::Key_Tab}, 1, 0, "0 dB"},
        {"Right goes on", {Qt::Key_Tab, Qt::Key_Right, Qt::Key_Right}, 3, 0, "0 dB"},
        {"Tab leaves the bands", {Qt::Key_Tab, Qt::Key_Right, Qt::Key_Tab}, 0, 0, ""},
        {"back to the band current last",
         {Qt::Key_Tab, Qt::Key_Right, Qt::Key_Right, Qt::Key_Tab, Qt::Key_Backtab},
         3,
         0,
         "0 dB"},
        {"Left at the first band stays", {Qt::Key_Tab, Qt::Key_Left}, 1, 0, "0 dB"},
        {"Right at the last band stays", toTheLast, 10, 0, "0 dB"},
        {"Up raises the band", {Qt::Key_Tab, Qt::Key_Right, Qt::Key_Up, Qt::Key_Up}, 2, 2, "+2 dB"},
        {"Page Down lowers it", {Qt::Key_Tab, Qt::Key_PageDown}, 1, -1, "-1 dB"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QWidget host;
        auto* before = new QPushButton(QStringLiteral("before"), &host);
        auto* bands = new EqBandPanel(&host);
        auto* after = new QPushButton(QStringLiteral("after"), &host);
        auto* layout = new QVBoxLayout(&host);
        for (QWidget* w : {static_cast<QWidget*>(before), static_cast<QWidget*>(bands),
                           static_cast<QWidget*>(after)})
            layout->addWidget(w);
        host.show();
        host.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&host));
        before->setFocus();
        ASSERT_TRUE(QTest::qWaitFor([&] { return before->hasFocus(); }));
        for (const Qt::Key key : c.keys)
            QTest::keyClick(QApplication::focusWidget(), key);

        QWidget* expected =
            c.focusedBand == 0 ? static_cast<QWidget*>(after) : bands->slider(c.focusedBand);
        EXPECT_EQ(QApplication::focusWidget(), expected);
        for (int band = 1; band <= model::kBands; ++band)
            EXPECT_EQ(bands->level(band), band == c.focusedBand ? c.level : 0) << band;
        if (c.focusedBand == 0)
            continue;
        QAccessibleInterface* read = QAccessible::queryAccessibleInterface(expected);
        EXPECT_EQ(read->text(QAccessible::Name), bandName(c.focusedBand));
        EXPECT_EQ(read->text(QAccessible::Value), c.reading);
        ASSERT_NE(read->valueInterface(), nullptr);
        EXPECT_EQ(read->valueInterface()->currentValue().toInt(), c.level);
    }
}

} // namespace
} // namespace zel::ui
