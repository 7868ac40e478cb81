// What a screen reader gets: a slider's value is the one its label shows (a display at its first
// position reads 100, not 0), a value set through the reader moves the slider to it, the
// "ZEL EQ Preset" list has no blank entries before a configuration is loaded, and every list,
// table and progress bar of the window's dialogs has a name.
#include "ui/common/slider_reading.h"
#include "ui/common/tick_dialog.h"
#include "ui/compare/compare_dialog.h"
#include "ui/history/history_dialog.h"
#include "ui/window/main_window.h"

#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QSlider>
#include <QTest>

#include <functional>
#include <gtest/gtest.h>

namespace zel::ui {
namespace {

QAccessibleInterface* readerOf(QObject* object)
{
    return QAccessible::queryAccessibleInterface(object);
}

TEST(ScreenReader, ASliderReadsTheValueItsLabelShows)
{
    MainWindow window;
    window.newTemplate(model::UnitSize::Zel16);
    struct Case {
        const char* slider;
        const char* label;
        int position; // set on the slider; INT_MIN: the first one, as a new window shows it
        double number;
        const char* text;
    };
    const Case cases[] = {
        {"Display", "DisplayLvl", INT_MIN, 100, "100%"},
        {"Display", "DisplayLvl", 3, 25, "25%"},
        {"volumeSlider", "volumeValue", -20, -20, "Volume: -20db"},
        {"balanceSlider", "balanceValue", -10, -10, "Balance (L: 10db / R: 0db)"},
        {"lowpassSlider", "lowpassValue", 120, 120, "120Hz"},
        {"bandSlider1", "bandValue1", 4, 4, "+4 dB"},
        {"bandSlider2", "bandValue2", -7, -7, "-7 dB"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.slider) + " " + std::to_string(c.position));
        auto* slider = window.findChild<QSlider*>(c.slider);
        auto* label = window.findChild<QLabel*>(c.label);
        ASSERT_TRUE(slider && label);
        if (c.position != INT_MIN)
            slider->setValue(c.position);
        QAccessibleInterface* read = readerOf(slider);
        ASSERT_NE(read->valueInterface(), nullptr);
        EXPECT_EQ(read->text(QAccessible::Value), c.text);
        EXPECT_EQ(read->valueInterface()->currentValue().toDouble(), c.number);
        // The number the label shows (its only one, or the position where it shows two).
        EXPECT_EQ(readingNumber(label->text(), slider->value()), c.number)
            << label->text().toStdString();
    }

    // A reader that sets the display to 75 moves the slider to where its label shows 75%.
    auto* display = window.findChild<QSlider*>("Display");
    QAccessibleValueInterface* value = readerOf(display)->valueInterface();
    EXPECT_EQ(value->minimumValue().toDouble(), 25);
    EXPECT_EQ(value->maximumValue().toDouble(), 100);
    value->setCurrentValue(75);
    EXPECT_EQ(display->value(), 1);
    EXPECT_TRUE(window.findChild<QLabel*>("DisplayLvl")->text().contains("75%"));
}

TEST(ScreenReader, ListsAndProgressBarsAreNamedAndNoEntryReadsBlank)
{
    MainWindow window; // nothing loaded: the presets have no names yet
    auto* presets = window.findChild<QComboBox*>("zelEqPresetBox");
    ASSERT_GT(presets->count(), 0);
    QAccessibleInterface* open = readerOf(presets->view());
    ASSERT_EQ(open->childCount(), presets->count());
    for (int row = 0; row < open->childCount(); ++row)
        EXPECT_EQ(open->child(row)->text(QAccessible::Name),
                  QStringLiteral("Preset %1").arg(row + 1));

    CompareDialog compare(&window);
    compare.setSendable(true);
    compare.showDifferences({QStringLiteral("Compared.")}, QStringLiteral("On the unit"), {});
    HistoryDialog history(&window);
    TickDialog tick(QStringLiteral("Copy Zone Settings to Zones"), QStringLiteral("Copy to:"),
                    {{QStringLiteral("Zone 2")}, {QStringLiteral("Zone 3")}}, &window);
    const std::pair<QWidget*, QStringList> dialogs[] = {
        {&window, {"Transfer progress", "Zones"}},
        {&compare, {"Differences"}},
        {&history, {"Journal entries"}},
        {&tick, {"Copy Zone Settings to Zones"}},
    };
    static const QList<QAccessible::Role> named = {QAccessible::List, QAccessible::Tree,
                                                   QAccessible::Table, QAccessible::ProgressBar};
    for (const auto& [dialog, names] : dialogs) {
        SCOPED_TRACE(dialog->windowTitle().toStdString());
        QStringList found;
        QStringList unnamed;
        const std::function<void(QAccessibleInterface*)> walk = [&](QAccessibleInterface* node) {
            if (!node)
                return;
            if (named.contains(node->role())) {
                const QString name = node->text(QAccessible::Name);
                (name.trimmed().isEmpty() ? unnamed : found) << name;
            }
            // The entries of a list are not walked: a long list would be read entry by entry.
            if (node->role() != QAccessible::List && node->role() != QAccessible::Tree &&
                node->role() != QAccessible::Table)
                for (int i = 0; i < node->childCount(); ++i)
                    walk(node->child(i));
        };
        walk(readerOf(dialog));
        EXPECT_TRUE(unnamed.isEmpty()) << unnamed.size() << " unnamed";
        for (const QString& name : names)
            EXPECT_TRUE(found.contains(name)) << name.toStdString();
    }
}

} // namespace
} // namespace zel::ui
