// The window as a screen reader reads it: every control the user can reach has a name, the names
// follow the zone, preset and favorite shown, and the controls whose caption does not say what
// they do describe it (their tool tip).
#include "ui/window/main_window.h"

#include "ui/pages/favorites_page.h"
#include "ui/pages/presets_page.h"
#include "ui/pages/zone_audio_page.h"
#include "ui/window/editor_page_set.h"

#include <QAccessible>
#include <QListWidget>
#include <QMap>
#include <QSet>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>

#include <functional>

namespace zel::ui {
namespace {

const QSet<QAccessible::Role> kInteractiveRoles = {
    QAccessible::Slider,   QAccessible::ComboBox,    QAccessible::EditableText,
    QAccessible::CheckBox, QAccessible::RadioButton, QAccessible::PushButton,
    QAccessible::SpinBox,  QAccessible::List,        QAccessible::ListItem,
    QAccessible::Table,    QAccessible::Cell,        QAccessible::PageTab};

// What a screen reader finds under `node`: each visible interactive control's name and its
// description, and those without a name. A drop-down list is read by its label (its name is
// the chosen item).
void walk(QAccessibleInterface* node, QStringList& unnamed, QMap<QString, QString>& found)
{
    if (!node || node->state().invisible)
        return;
    QString name = node->text(QAccessible::Name).trimmed();
    const auto labels = node->relations(QAccessible::Label);
    if (node->role() == QAccessible::ComboBox && !labels.isEmpty())
        name = labels.first().first->text(QAccessible::Name);
    if (kInteractiveRoles.contains(node->role())) {
        if (name.isEmpty())
            unnamed << QStringLiteral("role 0x%1 in \"%2\"")
                           .arg(node->role(), 0, 16)
                           .arg(node->parent() ? node->parent()->text(QAccessible::Name) : "");
        else
            found.insert(name, node->text(QAccessible::Description));
    }
    for (int i = 0; i < node->childCount(); ++i)
        walk(node->child(i), unnamed, found);
}

TEST(AccessibleNames, EveryControlOnEveryPageIsNamedAndNamesFollowWhatIsShown)
{
    MainWindow window;
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    window.newTemplate(model::UnitSize::Zel16);
    const EditorPageSet& pages = window.pageSet();

    struct Case {
        int page;
        std::function<void()> choose; // shows another record first; none: the first
        QStringList named;            // names that must be found
        QStringList described;        // names that must have a description
    };
    const Case cases[] = {
        {MainWindow::kConfigurationFilePage, {}, {"Configuration text", "Log"}, {}},
        {MainWindow::kNamingPage,
         {},
         {"Zone Names", "Source Names", "Zone 3 name: Zone Name 3"},
         {}},
        {MainWindow::kFavoriteGroupNamingPage, {}, {"Favorite Names", "Group Names"}, {}},
        {MainWindow::kZoneAudioPage,
         [&] { pages.zoneAudioPage()->findChild<QListWidget*>("zoneList")->setCurrentRow(2); },
         {"Zone 3 Volume", "Zone 3 Balance", "Zone 3 Band 1KHz", "DSP Mode", "PC Quick EQ Presets",
          "Zones"},
         {"Zone 3 Volume Lock", "PC Quick EQ Presets", "Save", "Delete"}},
        {MainWindow::kPresetsPage,
         [&] { pages.presetsPage()->findChild<QListWidget*>("presetList")->setCurrentRow(1); },
         {"Preset 2 Band 32Hz", "ZEL Preset Name", "ZEL EQ Presets"},
         {}},
        {MainWindow::kFavoritesPage,
         [&] { pages.favoritesPage()->favoriteList()->setCurrentRow(3); },
         {"Favorite 4: zones by sources", "Choose a Favorite", "Favorite 4: Favorite Name 4",
          "Zone Name 2, source 3: no connection"},
         {"Zone Name 2, source 3: no connection"}},
        {MainWindow::kGroupsPage,
         {},
         {"Groups: zones by groups", "Zone Name 2, group 3: not a member"},
         {"Zone Name 2, group 3: not a member"}},
        {MainWindow::kNetworkPage, {}, {"IP Address", "Display Brightness"}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.page);
        window.tabs()->setCurrentIndex(c.page);
        if (c.choose)
            c.choose();
        QStringList unnamed;
        QMap<QString, QString> found;
        walk(QAccessible::queryAccessibleInterface(window.tabs()->currentWidget()), unnamed, found);
        EXPECT_TRUE(unnamed.isEmpty()) << unnamed.join(QLatin1Char('\n')).toStdString();
        for (const QString& name : c.named)
            EXPECT_TRUE(found.contains(name))
                << name.toStdString() << " not among\n"
                << QStringList(found.keys()).join(QLatin1Char('\n')).toStdString();
        for (const QString& name : c.described)
            EXPECT_FALSE(found.value(name).isEmpty())
                << name.toStdString() << " has no description";
    }
}

} // namespace
} // namespace zel::ui
