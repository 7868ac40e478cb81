// The window as a screen reader reads it: every control the user can reach has a name, the names
// follow the zone, preset and favorite shown, headers are names (never a bare number), a drop-down
// list is named by its caption and read by its value, and the controls whose caption does not say
// what they do describe it (their tool tip); a slider is read as the value its label shows.
#include "ui/access/slider_reading.h"
#include "ui/grids/matrix_grid.h"
#include "ui/pages/favorites_page.h"
#include "ui/window/editor_page_set.h"
#include "ui/window/main_window.h"
#include "ui/window/welcome_window.h"

#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QSlider>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>

namespace zel::ui {
namespace {

// Each visible interactive control, and the headers read with each cell, under `node` by name,
// with its description; those without a name or named by a number alone go to `unnamed`, and
// so does a drop-down list not named by its caption or not read by its chosen item.
void walk(QAccessibleInterface* node, QStringList& unnamed, QMap<QString, QString>& found)
{
    using A = QAccessible;
    static const QList<A::Role> interactive = {
        A::Slider,     A::ComboBox, A::EditableText, A::CheckBox, A::RadioButton,
        A::PushButton, A::SpinBox,  A::List,         A::ListItem, A::Table,
        A::Cell,       A::PageTab,  A::ProgressBar};
    if (!node || node->state().invisible)
        return;
    const QString name = node->text(A::Name).trimmed();
    const auto check = [&](QAccessibleInterface* named, const QString& name) {
        if (name.isEmpty() || name.toInt() > 0)
            unnamed << QString::number(named->role(), 16) + " " + name + " in " +
                           node->parent()->text(A::Name);
        found.insert(name, named->text(A::Description));
    };
    if (interactive.contains(node->role()))
        check(node, name);
    if (QAccessibleTableCellInterface* cell = node->tableCellInterface()) {
        for (QAccessibleInterface* header : cell->columnHeaderCells() + cell->rowHeaderCells()) {
            check(header, header->text(A::Name).trimmed());
            // Handed out without being kept: the cache takes the header, to delete it.
            A::deleteAccessibleInterface(A::registerAccessibleInterface(header));
        }
    }
    const auto labels = node->relations(A::Label);
    const QString value = node->object() ? node->object()->property("currentText").toString() : "";
    QAccessibleTextInterface* text = node->textInterface();
    if (node->role() == A::ComboBox &&
        ((!labels.isEmpty() && name != labels.first().first->text(A::Name)) ||
         node->text(A::Value) != value || !text || text->text(0, text->characterCount()) != value))
        unnamed << "the drop-down list " + name + " not named by its caption, read by its value";
    for (int i = 0; i < node->childCount(); ++i)
        walk(node->child(i), unnamed, found);
}

TEST(AccessibleNames,
     BeforeAnythingIsLoadedTheTextsTheProgressAndTheMatrixAreNamedAndNoPresetIsBlank)
{
    MainWindow window;
    const WelcomeWindow welcome(&window);
    const auto name = [](QObject* control) {
        return QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name);
    };
    EXPECT_EQ(name(welcome.findChild<QPlainTextEdit*>()), "Welcome text");
    EXPECT_EQ(name(window.findChild<QProgressBar*>()), "Transfer progress");
    EXPECT_EQ(name(window.pageSet().favoritesPage()->matrix()), "Favorite 1: zones by sources");
    QAccessibleInterface* presets = QAccessible::queryAccessibleInterface(
        window.findChild<QComboBox*>("zelEqPresetBox")->view());
    ASSERT_EQ(presets->childCount(), model::kPresets);
    for (int row = 0; row < presets->childCount(); ++row)
        EXPECT_EQ(presets->child(row)->text(QAccessible::Name), QString("Preset %1").arg(row + 1));
}

TEST(AccessibleNames, EveryControlIsNamedNamesFollowWhatIsShownAndSlidersReadAsTheirLabels)
{
    MainWindow window;
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    window.openFile(QStringLiteral(ZEL_SOURCE_DIR "/docs/demo/house.zel")); // a file is loaded
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.session().loaded().isLoaded(); }));
    // Another zone, preset and favorite than the first, so that the names follow them.
    window.findChild<QListWidget*>("zoneList")->setCurrentRow(2);
    window.findChild<QListWidget*>("presetList")->setCurrentRow(1);
    window.pageSet().favoritesPage()->favoriteList()->setCurrentRow(0);
    struct Case {
        int page;
        QStringList named;     // names that must be found
        QStringList described; // names that must have a description
    };
    const Case cases[] = {
        {MainWindow::kConfigurationFilePage, {"Configuration text", "Log"}, {}},
        {MainWindow::kNamingPage,
         {"Zone Names", "Source Names", "Zone 3 name: Dining", "Number", "Name", "Zone 3"},
         {}},
        {MainWindow::kFavoriteGroupNamingPage, {"Favorite Names", "Group Names", "Favorite 2"}, {}},
        {MainWindow::kZoneAudioPage,
         {"Zone 3 Volume", "Zone 3 Balance", "Zone 3 Band 1KHz", "DSP Mode", "Zones",
          "ZEL EQ Preset"},
         {"Zone 3 Volume Lock", "PC Quick EQ Presets", "Save", "Delete"}},
        {MainWindow::kPresetsPage, {"Preset 2 Band 32Hz", "ZEL Preset Name", "ZEL EQ Presets"}, {}},
        {MainWindow::kFavoritesPage,
         {"Favorite 1: zones by sources", "Choose a Favorite", "Favorite 1: Morning", "Tuner",
          "Streamer", "Source 9", "Living Room", "Dining, Streamer: audio"},
         {"Living Room, Tuner: audio", "Kitchen, CD Player: no connection"}},
        {MainWindow::kGroupsPage,
         {"Groups: zones by groups", "Downstairs", "All", "Kitchen"},
         {"Garage, Bedrooms: not a member"}},
        {MainWindow::kNetworkPage, {"IP Address", "Display Brightness"}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.page);
        window.tabs()->setCurrentIndex(c.page);
        QStringList unnamed;
        QMap<QString, QString> found;
        walk(QAccessible::queryAccessibleInterface(window.tabs()->currentWidget()), unnamed, found);
        EXPECT_TRUE(unnamed.isEmpty()) << unnamed.join('\n').toStdString();
        for (const QString& name : c.named + c.described)
            EXPECT_TRUE(found.contains(name)) << name.toStdString();
        for (const QString& name : c.described)
            EXPECT_FALSE(found.value(name).isEmpty()) << name.toStdString() << " undescribed";
    }
    const std::tuple<const char*, const char*, int, double, QString> sliders[] = {
        // slider, its label, position set, the number and text read
        {"Display", "DisplayLvl", 0, 100, "100%"},
        {"Display", "DisplayLvl", 3, 25, "25%"},
        {"volumeSlider", "volumeValue", -20, -20, "Volume: -20db"},
        {"balanceSlider", "balanceValue", -10, -10, "Balance (L: 10db / R: 0db)"},
        {"lowpassSlider", "lowpassValue", 120, 120, "120Hz"},
        {"bandSlider1", "bandValue1", 4, 4, "+4 dB"},
    };
    for (const auto& [name, labelName, position, number, text] : sliders) {
        SCOPED_TRACE(std::string(name) + " " + std::to_string(position));
        auto* slider = window.findChild<QSlider*>(name);
        slider->setValue(position);
        QAccessibleInterface* read = QAccessible::queryAccessibleInterface(slider);
        EXPECT_EQ(read->text(QAccessible::Value), text);
        EXPECT_EQ(read->valueInterface()->currentValue().toDouble(), number);
        const QString label = window.findChild<QLabel*>(labelName)->text();
        EXPECT_EQ(readingNumber(label, slider->value()), number) << label.toStdString(); // as shown
    }
    // A reader that sets the display to 75 moves it to where its label shows 75%.
    QAccessibleInterface* display =
        QAccessible::queryAccessibleInterface(window.findChild<QSlider*>("Display"));
    display->valueInterface()->setCurrentValue(75);
    EXPECT_EQ(window.findChild<QLabel*>("DisplayLvl")->text(), "Level:75%");
}

} // namespace
} // namespace zel::ui
