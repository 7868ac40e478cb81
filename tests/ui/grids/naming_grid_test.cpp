// The naming grids: the 16-character typing limit with and without an open editor, names
// reaching the ConfigModel at once, row counts following the configuration, and renamed zones
// and sources reaching the matrices through the refresh of names.

#include "grid_test_support.h"
#include "ui/grids/name_grid.h"
#include "ui/grids/name_list_model.h"
#include "ui/pages/favorites_page.h"
#include "ui/pages/groups_page.h"
#include "ui/pages/naming_page.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace zel::ui::test {
namespace {

// Types one character; characters beyond ASCII have no key code of their own.
void typeCharacter(QWidget* target, QChar character)
{
    if (character.unicode() < 0x80) {
        QTest::keyClicks(target, QString(character));
        return;
    }
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(character));
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(character));
    QApplication::sendEvent(target, &release);
}

QLineEdit* openEditor(NameGrid& grid, int row)
{
    const QModelIndex index = grid.model()->index(row, 1);
    grid.setCurrentIndex(index);
    grid.edit(index);
    return grid.viewport()->findChild<QLineEdit*>();
}

TEST(NamingGrid, TypingLimit)
{
    struct Case {
        const char* name;
        int length;       // characters the name holds before typing
        bool editorOpen;  // type into an open editor (caret at the end) or onto the selected cell
        bool selectAll;   // select the whole text in the editor first
        QString keys;     // "\b" Backspace, "\r" Enter
        QString expected; // the name afterwards; "=" for unchanged
    };
    const QString name15 = QStringLiteral("Fifteen chars..");
    const QString name16 = QStringLiteral("Sixteen chars...");
    const std::vector<Case> cases = {
        {"15 accepts one letter", 15, true, false, "x", name15 + "x"},
        {"15 accepts exactly one of two", 15, true, false, "xy", name15 + "x"},
        {"16 refuses a letter", 16, true, false, "x", "="},
        {"16 refuses a digit", 16, true, false, "7", "="},
        {"16 refuses a space", 16, true, false, " ", "="},
        {"16 refuses punctuation", 16, true, false, "\"", "="},
        {"16 refuses typing over a selection", 16, true, true, "z", "="},
        {"16 accepts Backspace", 16, true, false, "\b", name16.left(15)},
        {"16 accepts Backspace, then one letter", 16, true, false, "\bq", name16.left(15) + "q"},
        {"16 accepts Enter", 16, true, false, "\r", "="},
        {"16 refuses a letter on the selected cell", 16, false, false, "x", "="},
        {"15 lets a letter open the editor", 15, false, false, "x", "x"},
        {"a double quote is stored as typed", 3, true, false, "\"", "abc\""},
        {"a character beyond Latin-1 is refused", 3, true, false, QStringLiteral("\u20ac"), "="},
        {"Latin-1 letters are stored", 3, true, false, QStringLiteral("\u00e9"),
         QStringLiteral("abc\u00e9")},
        {"brackets are refused", 3, true, false, "[]", "="},
        {"0xFF is refused", 3, true, false, QStringLiteral("\u00ff"), "="},
        {"brackets are refused on the selected cell", 3, false, false, "]", "="},
    };

    for (const Case& test : cases) {
        SCOPED_TRACE(test.name);
        model::ConfigModel model;
        const QString before = test.length == 15 ? name15 : test.length == 16 ? name16 : "abc";
        std::vector<std::string> lines = unitLines(8);
        lines.push_back("[NO4\"" + before.toStdString() + "\"]");
        NamingPage page(model, kSourceZoneNaming);
        readConfiguration(model, {&page}, lines);
        showPage(page);
        NameGrid& grid = *page.grid(NameList::Zones);

        QWidget* target = &grid;
        if (test.editorOpen) {
            QLineEdit* editor = openEditor(grid, 3);
            ASSERT_NE(editor, nullptr);
            QTest::keyClick(editor, test.selectAll ? Qt::Key_A : Qt::Key_End,
                            test.selectAll ? Qt::ControlModifier : Qt::NoModifier);
            target = editor;
        } else {
            grid.setCurrentIndex(grid.model()->index(3, 1));
        }
        for (const QChar key : test.keys) {
            if (key == '\b')
                QTest::keyClick(target, Qt::Key_Backspace);
            else if (key == '\r')
                QTest::keyClick(target, Qt::Key_Return);
            else
                typeCharacter(target, key);
            // A letter on the selected cell opens the editor, which takes the keys after it.
            if (QLineEdit* editor = grid.viewport()->findChild<QLineEdit*>();
                editor && editor->isVisible())
                target = editor;
        }
        // The model holds the new name while the editor may still be open.
        const QString expected = test.expected == "=" ? before : test.expected;
        EXPECT_EQ(QString::fromLatin1(model.zoneName(4)), expected);
        EXPECT_EQ(grid.model()->index(3, 1).data().toString(), expected);
    }
}

TEST(NamingGrid, PasteKeepsWhatTypingCouldEnter)
{
    const std::pair<QString, std::string> pastes[] = {
        {"A name of twenty chars", "A name of twenty"},
        {QString(10000, 'x'), std::string(16, 'x')},
        {"Kitchen\n", "Source Name 1"}, // refused whole
        {"[QXSB]", "Source Name 1"},
        {QStringLiteral("Quelle \u00ff"), "Source Name 1"},
    };
    for (const auto& [pasted, stored] : pastes) {
        SCOPED_TRACE(pasted.left(30).toStdString());
        model::ConfigModel model;
        NamingPage page(model, kSourceZoneNaming);
        readConfiguration(model, {&page}, unitLines(8));
        showPage(page);
        QLineEdit* editor = openEditor(*page.grid(NameList::Sources), 0);
        ASSERT_NE(editor, nullptr);
        editor->selectAll();
        editor->insert(pasted);
        emit editor->textEdited(editor->text());
        EXPECT_EQ(model.sourceName(1), stored);
    }
}

TEST(NamingGrid, ClearedNameIsExportedAsOneBlank)
{
    model::ConfigModel model;
    NamingPage page(model, kSourceZoneNaming);
    readConfiguration(model, {&page}, unitLines(8));
    showPage(page);
    QLineEdit* editor = openEditor(*page.grid(NameList::Zones), 2);
    ASSERT_NE(editor, nullptr);
    QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(editor, Qt::Key_Backspace);
    QTest::keyClick(editor, Qt::Key_Return);
    EXPECT_EQ(page.grid(NameList::Zones)->model()->index(2, 1).data().toString(), QString());
    const std::vector<std::string> lines = model::writeConfiguration(model);
    EXPECT_NE(std::find(lines.begin(), lines.end(), "[NO3\" \"]"), lines.end());
}

TEST(NamingGrid, TabEndsTheEditAndLeavesTheGridWhileArrowsStayOnNames)
{
    model::ConfigModel model;
    NamingPage page(model, kSourceZoneNaming);
    readConfiguration(model, {&page}, unitLines(8));
    showPage(page);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&page));
    NameGrid& grid = *page.grid(NameList::Zones);
    QLineEdit* editor = openEditor(grid, 2);
    ASSERT_NE(editor, nullptr);
    editor->setFocus();
    QTest::keyClick(editor, Qt::Key_End);
    QTest::keyClick(editor, Qt::Key_X);
    QTest::keyClick(editor, Qt::Key_Tab);
    EXPECT_EQ(model.zoneName(3), "Zone Name 3x");
    EXPECT_EQ(grid.currentIndex(), grid.model()->index(2, 1));
    EXPECT_EQ(QApplication::focusWidget(), page.grid(NameList::Sources));
    QTest::keyClick(&grid, Qt::Key_Left);
    EXPECT_EQ(grid.currentIndex(), grid.model()->index(2, 1)) << "never onto a label";
}

TEST(NamingGrid, RowsFollowTheCounts)
{
    struct Case {
        std::vector<std::string> lines;
        int zoneRows, sourceRows;
    };
    const std::vector<Case> cases = {
        {unitLines(8), 8, 8},
        {unitLines(16), 16, 16},
        {{"[NO16\"Last\"]", "[NI5\"\"]"}, 16, 5},
        {{}, 1, 1},
        {{"[NO1\"One\"]", "[NI0\"None\"]"}, 1, 1},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(testing::Message()
                     << test.zoneRows << " zone rows, " << test.sourceRows << " source rows");
        model::ConfigModel model;
        NamingPage naming(model, kSourceZoneNaming);
        NamingPage favoriteGroupNaming(model, kFavoriteGroupNaming);
        readConfiguration(model, {&naming, &favoriteGroupNaming}, test.lines);
        EXPECT_EQ(naming.grid(NameList::Zones)->model()->rowCount(), test.zoneRows);
        EXPECT_EQ(naming.grid(NameList::Sources)->model()->rowCount(), test.sourceRows);
        EXPECT_EQ(favoriteGroupNaming.grid(NameList::Favorites)->model()->rowCount(), 10);
        EXPECT_EQ(favoriteGroupNaming.grid(NameList::Groups)->model()->rowCount(), 10);
    }

    model::ConfigModel model;
    NamingPage page(model, kFavoriteGroupNaming);
    const QAbstractItemModel* favorites = page.grid(NameList::Favorites)->model();
    EXPECT_EQ(favorites->index(8, 0).data().toString(), QStringLiteral("Favorite 9"));
    EXPECT_EQ(favorites->index(9, 0).data().toString(), QStringLiteral("Favorite 10"));
    EXPECT_EQ(page.grid(NameList::Groups)->model()->index(2, 0).data().toString(),
              QStringLiteral("Group 3"));
}

TEST(NamingGrid, RenamesReachTheMatrices)
{
    model::ConfigModel model;
    NamingPage naming(model, kSourceZoneNaming);
    NamingPage favoriteGroupNaming(model, kFavoriteGroupNaming);
    FavoritesPage favorites(model);
    GroupsPage groups(model);
    const std::vector<EditorPage*> pages = {&naming, &favoriteGroupNaming, &favorites, &groups};
    readConfiguration(model, pages, unitLines(8));
    for (EditorPage* page : pages) {
        // What the main window does when a page changes names that others repeat.
        QObject::connect(page, &EditorPage::namesChanged, [&pages] {
            for (EditorPage* each : pages)
                each->refreshNames();
        });
    }
    showPage(favorites);
    clickCell(*favorites.matrix(), 3, 1);
    clickCell(*groups.matrix(), 6, 1);
    showPage(naming);

    const auto rename = [](NameGrid& grid, int row, const char* text) {
        QLineEdit* editor = openEditor(grid, row);
        ASSERT_NE(editor, nullptr);
        QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(editor, QString::fromLatin1(text));
    };
    rename(*naming.grid(NameList::Zones), 1, "Lobby");
    EXPECT_EQ(model.zoneName(2), "Lobby");
    EXPECT_EQ(favorites.matrix()->cellText(0, 2), QStringLiteral("Lobby"));
    EXPECT_EQ(groups.matrix()->cellText(0, 2), QStringLiteral("Lobby"));
    EXPECT_EQ(favorites.matrix()->cellText(0, 3), QStringLiteral("Zone Name 3"));

    rename(*naming.grid(NameList::Sources), 2, "Tuner");
    EXPECT_EQ(favorites.matrix()->cellText(0, 0), QStringLiteral("Tuner"));

    showPage(favoriteGroupNaming);
    rename(*favoriteGroupNaming.grid(NameList::Groups), 5, "Patio");
    EXPECT_EQ(groups.matrix()->cellText(0, 0), QStringLiteral("Patio"));
    rename(*favoriteGroupNaming.grid(NameList::Favorites), 0, "Party");
    EXPECT_EQ(favorites.favoriteList()->item(0)->text(), QStringLiteral("Party"));
}

} // namespace
} // namespace zel::ui::test
