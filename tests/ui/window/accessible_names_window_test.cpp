// The window as a screen reader reads it: every control the user can reach has a name, the names
// follow the zone, preset and favorite shown, headers say what they head (a source's, group's or
// zone's name, never a bare number), a drop-down list is named by its caption and read by its
// value, and the controls whose caption does not say what they do describe it (their tool tip).
#include "ui/grids/matrix_grid.h"
#include "ui/pages/favorites_page.h"
#include "ui/window/editor_page_set.h"
#include "ui/window/main_window.h"
#include "ui/window/welcome_window.h"

#include <QAccessible>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>

namespace zel::ui {
namespace {

struct Walk {
    QStringList faults;           // unnamed controls, number-only headers, misread lists
    QMap<QString, QString> found; // names of the controls reached, with their descriptions
};

// A header's name must say what it heads.
void checkName(const QString& name, const QString& where, Walk& seen)
{
    if (name.isEmpty())
        seen.faults << "unnamed " + where;
    else if (name.contains(QRegularExpression(QStringLiteral("^\\d+$"))))
        seen.faults << "a bare number, " + name + ", names " + where;
}

// The headers a screen reader reads with `cell`, shown or not.
void checkHeaders(QAccessibleTableCellInterface* cell, Walk& seen)
{
    for (QAccessibleInterface* header : cell->columnHeaderCells() + cell->rowHeaderCells()) {
        const QString name = header->text(QAccessible::Name).trimmed();
        checkName(name, QString::number(header->role(), 16) + " header", seen);
        seen.found.insert(name, {});
        // The table hands out headers it does not keep: the cache takes them, to delete them.
        QAccessible::deleteAccessibleInterface(QAccessible::registerAccessibleInterface(header));
    }
}

// Each visible interactive control and header under `node` by name.
void walk(QAccessibleInterface* node, Walk& seen)
{
    using A = QAccessible;
    static const QList<A::Role> interactive = {
        A::Slider,     A::ComboBox, A::EditableText, A::CheckBox,  A::RadioButton,
        A::PushButton, A::SpinBox,  A::List,         A::ListItem,  A::Table,
        A::Cell,       A::PageTab,  A::ColumnHeader, A::RowHeader, A::ProgressBar};
    if (!node || node->state().invisible)
        return;
    const QString name = node->text(A::Name).trimmed();
    const QString where = QString::number(node->role(), 16) + " in " +
                          (node->parent() ? node->parent()->text(A::Name) : QString());
    if (interactive.contains(node->role())) {
        checkName(name, where, seen);
        seen.found.insert(name, node->text(A::Description));
    }
    if (node->role() == A::Cell && node->tableCellInterface())
        checkHeaders(node->tableCellInterface(), seen);
    if (node->role() == A::ComboBox) {
        const auto labels = node->relations(A::Label);
        const QString label = labels.isEmpty() ? QString() : labels.first().first->text(A::Name);
        if (!labels.isEmpty() && name != QString(label).remove(QLatin1Char('&')))
            seen.faults << "the drop-down list " + name + " is not named by its caption " + label;
        const QString value = node->object()->property("currentText").toString();
        QAccessibleTextInterface* text = node->textInterface();
        if (node->text(A::Value) != value || !text ||
            text->text(0, text->characterCount()) != value)
            seen.faults << "the drop-down list " + name + " is not read by its value";
    }
    for (int i = 0; i < node->childCount(); ++i)
        walk(node->child(i), seen);
}

QString nameOf(QObject* object)
{
    QAccessibleInterface* node = QAccessible::queryAccessibleInterface(object);
    return node ? node->text(QAccessible::Name) : QString();
}

TEST(AccessibleNames, BeforeAnythingIsLoadedTheTextsTheProgressAndTheMatrixAreNamed)
{
    MainWindow window;
    const WelcomeWindow welcome(&window);
    EXPECT_EQ(nameOf(welcome.findChild<QPlainTextEdit*>()), "Welcome text");
    EXPECT_EQ(nameOf(window.findChild<QProgressBar*>()), "Transfer progress");
    EXPECT_EQ(nameOf(window.pageSet().favoritesPage()->matrix()), "Favorite 1: zones by sources");
}

TEST(AccessibleNames, AfterAFileIsLoadedEveryControlAndHeaderIsNamedAndNamesFollowWhatIsShown)
{
    MainWindow window;
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    window.openFile(QStringLiteral(ZEL_SOURCE_DIR "/docs/demo/house.zel"));
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
        Walk seen;
        walk(QAccessible::queryAccessibleInterface(window.tabs()->currentWidget()), seen);
        EXPECT_TRUE(seen.faults.isEmpty()) << seen.faults.join('\n').toStdString();
        for (const QString& name : c.named + c.described)
            EXPECT_TRUE(seen.found.contains(name))
                << name.toStdString() << " not among\n"
                << QStringList(seen.found.keys()).join(" | ").toStdString();
        for (const QString& name : c.described)
            EXPECT_FALSE(seen.found.value(name).isEmpty()) << name.toStdString() << " undescribed";
    }
}

} // namespace
} // namespace zel::ui
