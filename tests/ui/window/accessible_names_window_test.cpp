// The window as a screen reader reads it: every control the user can reach has a name, the names
// follow the zone, preset and favorite shown, and the controls whose caption does not say what
// they do describe it (their tool tip).
#include "ui/pages/favorites_page.h"
#include "ui/window/editor_page_set.h"
#include "ui/window/main_window.h"

#include <QAccessible>
#include <QListWidget>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>

namespace zel::ui {
namespace {

// Each visible interactive control under `node` by name, with its description; those without
// a name go to `unnamed`. A drop-down list is read by its label (its name is the chosen item).
void walk(QAccessibleInterface* node, QStringList& unnamed, QMap<QString, QString>& found)
{
    using A = QAccessible;
    static const QList<A::Role> interactive = {
        A::Slider,  A::ComboBox, A::EditableText, A::CheckBox, A::RadioButton, A::PushButton,
        A::SpinBox, A::List,     A::ListItem,     A::Table,    A::Cell,        A::PageTab};
    if (!node || node->state().invisible)
        return;
    QString name = node->text(A::Name).trimmed();
    const auto labels = node->relations(A::Label);
    if (node->role() == A::ComboBox && !labels.isEmpty())
        name = labels.first().first->text(A::Name);
    if (interactive.contains(node->role()) && name.isEmpty())
        unnamed << QString::number(node->role(), 16) + " in " + node->parent()->text(A::Name);
    else if (interactive.contains(node->role()))
        found.insert(name, node->text(A::Description));
    for (int i = 0; i < node->childCount(); ++i)
        walk(node->child(i), unnamed, found);
}

TEST(AccessibleNames, EveryControlOnEveryPageIsNamedAndNamesFollowWhatIsShown)
{
    MainWindow window;
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    window.newTemplate(model::UnitSize::Zel16);
    // Another zone, preset and favorite than the first, so that the names follow them.
    window.findChild<QListWidget*>("zoneList")->setCurrentRow(2);
    window.findChild<QListWidget*>("presetList")->setCurrentRow(1);
    window.pageSet().favoritesPage()->favoriteList()->setCurrentRow(3);
    struct Case {
        int page;
        QStringList named;     // names that must be found
        QStringList described; // names that must have a description
    };
    const Case cases[] = {
        {MainWindow::kConfigurationFilePage, {"Configuration text", "Log"}, {}},
        {MainWindow::kNamingPage, {"Zone Names", "Source Names", "Zone 3 name: Zone Name 3"}, {}},
        {MainWindow::kFavoriteGroupNamingPage, {"Favorite Names", "Group Names"}, {}},
        {MainWindow::kZoneAudioPage,
         {"Zone 3 Volume", "Zone 3 Balance", "Zone 3 Band 1KHz", "DSP Mode", "Zones"},
         {"Zone 3 Volume Lock", "PC Quick EQ Presets", "Save", "Delete"}},
        {MainWindow::kPresetsPage, {"Preset 2 Band 32Hz", "ZEL Preset Name", "ZEL EQ Presets"}, {}},
        {MainWindow::kFavoritesPage,
         {"Favorite 4: zones by sources", "Choose a Favorite", "Favorite 4: Favorite Name 4"},
         {"Zone Name 2, source 3: no connection"}},
        {MainWindow::kGroupsPage,
         {"Groups: zones by groups"},
         {"Zone Name 2, group 3: not a member"}},
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
}

} // namespace
} // namespace zel::ui
