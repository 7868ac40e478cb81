#include "ui/window/main_window.h"

#include "scripted_prompts.h"

#include "model/templates.h"
#include "ui/pages/editor_page.h"
#include "ui/pages/network_page.h"
#include "ui/transfer/link_controller.h"
#include "ui/window/editor_page_set.h"
#include "ui/window/start_arguments.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <tuple>

namespace zel::ui {
namespace {

QStringList lines(const QPlainTextEdit* box)
{
    return box->toPlainText().split(QLatin1Char('\n'));
}

// Every widget inside the page, at any depth.
QList<QWidget*> controlsOf(QWidget* page)
{
    return page->findChildren<QWidget*>();
}

// A control nested two containers deep inside a page, so that enabling must reach every depth.
QLineEdit* addNestedProbe(QWidget* page)
{
    auto* outer = new QGroupBox(page);
    auto* inner = new QWidget(outer);
    new QCheckBox(inner);
    return new QLineEdit(inner);
}

void clickTab(MainWindow& window, int index)
{
    QTabBar* bar = window.tabs()->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
}

TEST(MainWindowFrame, CaptionSizeAndPageLayout)
{
    MainWindow window;
    EXPECT_EQ(window.windowTitle(), QStringLiteral("ZEL Configuration"));
    EXPECT_EQ(window.minimumSize(), window.maximumSize()) << "fixed size";
    const Qt::WindowFlags flags = window.windowFlags();
    EXPECT_TRUE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    EXPECT_FALSE(window.windowIcon().pixmap(32).isNull()) << "the desktop entry's icon";

    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    // Client area: the pages and the status line below the menu bar.
    EXPECT_EQ(window.centralWidget()->width(), MainWindow::kClientWidth);
    EXPECT_EQ(window.centralWidget()->height() + window.statusBar()->height(),
              MainWindow::kClientHeight);
    EXPECT_EQ(window.tabs()->geometry(), QRect(8, 0, 697, 409));

    const QStringList captions = {"Configuration File",
                                  "Source / Zone Naming",
                                  "Favorite / Group Naming",
                                  "Zone Audio Controls",
                                  "ZEL EQ Presets",
                                  "Favorites",
                                  "Groups",
                                  "Network"};
    ASSERT_EQ(window.tabs()->count(), captions.size());
    for (int i = 0; i < captions.size(); ++i)
        EXPECT_EQ(window.tabs()->tabText(i), captions[i]) << "tab " << i;
    EXPECT_EQ(window.tabs()->currentIndex(), MainWindow::kConfigurationFilePage);

    const QList<EditorPage*> pages = window.pageSet().pages();
    ASSERT_EQ(pages.size(), 7);
    for (int i = 0; i < pages.size(); ++i)
        EXPECT_EQ(window.tabs()->widget(i + 1), pages[i]) << "tab " << i + 1;

    EXPECT_LE(window.tabs()->tabBar()->sizeHint().width(), window.tabs()->width())
        << "every tab caption in view without scrolling";

    QPlainTextEdit* configuration = window.configurationTextBox();
    QPlainTextEdit* log = window.logTextBox();
    EXPECT_EQ(configuration->parentWidget(), window.tabs()->widget(0));
    EXPECT_EQ(log->parentWidget(), window.tabs()->widget(0));
    EXPECT_EQ(configuration->width(), 345);
    EXPECT_EQ(log->width(), 321);
    EXPECT_LT(configuration->geometry().right(), log->geometry().left());
    EXPECT_LE(log->geometry().right(), window.tabs()->widget(0)->width());
}

TEST(MainWindowMenus, FileEditAndUnitMenusThenAboutCommand)
{
    MainWindow window;
    const QList<QAction*> bar = window.menuBar()->actions();
    ASSERT_EQ(bar.size(), 4);
    // Captions as shown; text() also holds the "&" before each mnemonic.
    EXPECT_EQ(bar[0]->iconText(), QStringLiteral("File"));
    ASSERT_NE(bar[0]->menu(), nullptr);
    EXPECT_EQ(bar[1]->iconText(), QStringLiteral("Edit"));
    ASSERT_NE(bar[1]->menu(), nullptr);
    EXPECT_EQ(bar[2]->iconText(), QStringLiteral("Unit"));
    ASSERT_NE(bar[2]->menu(), nullptr);
    EXPECT_EQ(bar[3], window.aboutAction());
    EXPECT_EQ(bar[3]->iconText(), QStringLiteral("About"));
    EXPECT_EQ(bar[3]->menu(), nullptr) << "About is a command, not a menu";

    const QStringList expected = {
        "File Mode",  "Serial Mode", "Telnet Mode",       "New ZEL-8", "New ZEL-16", "-",
        "Import",     "Export",      "Compare with Unit", "Report",    "History",    "-",
        "Find Units", "New Site",    "Open Site",         "-",         "Exit"};
    QStringList items;
    for (const QAction* item : bar[0]->menu()->actions())
        items << (item->isSeparator() ? QStringLiteral("-") : item->iconText());
    EXPECT_EQ(items, expected);

    // Alt and one key reach each item: one mnemonic for each, none used twice in a menu.
    for (const QList<QAction*>& menu :
         {bar, bar[0]->menu()->actions(), bar[1]->menu()->actions(), bar[2]->menu()->actions()}) {
        QList<QKeySequence> mnemonics;
        for (const QAction* item : menu) {
            if (item->isSeparator())
                continue;
            const QKeySequence mnemonic = QKeySequence::mnemonic(item->text());
            EXPECT_FALSE(mnemonic.isEmpty()) << item->iconText().toStdString();
            EXPECT_FALSE(mnemonics.contains(mnemonic)) << item->iconText().toStdString();
            mnemonics << mnemonic;
        }
    }

    const QList<QAction*> named = {window.fileModeAction(),   window.serialModeAction(),
                                   window.telnetModeAction(), window.newZel8Action(),
                                   window.newZel16Action(),   window.importAction(),
                                   window.exportAction(),     window.exitAction()};
    const QStringList names = {"File Mode",  "Serial Mode", "Telnet Mode", "New ZEL-8",
                               "New ZEL-16", "Import",      "Export",      "Exit"};
    for (int i = 0; i < named.size(); ++i)
        EXPECT_EQ(named[i]->iconText(), names[i]);
}

TEST(MainWindowMenus, LinkModeItemsAreRadioItemsThatMayAllBeOff)
{
    MainWindow window;
    QAction* file = window.fileModeAction();
    QAction* serial = window.serialModeAction();
    QAction* telnet = window.telnetModeAction();
    for (QAction* mode : {file, serial, telnet}) {
        EXPECT_TRUE(mode->isCheckable());
        EXPECT_EQ(mode->actionGroup(), window.linkModeGroup());
    }
    EXPECT_TRUE(file->isChecked()) << "File Mode is chosen at start";
    EXPECT_FALSE(serial->isChecked());
    EXPECT_FALSE(telnet->isChecked());

    telnet->setChecked(true);
    EXPECT_FALSE(file->isChecked());
    EXPECT_EQ(window.linkModeGroup()->checkedAction(), telnet);
    telnet->setChecked(false); // no link chosen
    EXPECT_EQ(window.linkModeGroup()->checkedAction(), nullptr);
}

TEST(MainWindowReset, EditingPagesDisabledAtEveryDepthWhileTabsStaySelectable)
{
    MainWindow window;
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

    // At start-up nothing has been read: every control of every editing page is off.
    for (EditorPage* page : window.pageSet().pages())
        for (QWidget* control : controlsOf(page))
            EXPECT_FALSE(control->isEnabled()) << control->metaObject()->className();

    QList<QLineEdit*> probes;
    for (EditorPage* page : window.pageSet().pages())
        probes << addNestedProbe(page);
    window.newZel16Action()->trigger();
    for (QLineEdit* probe : probes)
        EXPECT_TRUE(probe->isEnabled()) << "a configuration was read";

    window.reset();
    for (int i = 0; i < window.pageSet().pages().size(); ++i) {
        SCOPED_TRACE(i + 1);
        EditorPage* page = window.pageSet().pages()[i];
        for (QWidget* control : controlsOf(page))
            EXPECT_FALSE(control->isEnabled()) << control->metaObject()->className();
        EXPECT_TRUE(page->isEnabled()) << "the page itself stays enabled";
        EXPECT_TRUE(window.tabs()->isTabEnabled(i + 1));
        clickTab(window, i + 1);
        EXPECT_EQ(window.tabs()->currentIndex(), i + 1) << "the tab can still be chosen";
    }
    EXPECT_TRUE(window.configurationTextBox()->isEnabled());
    EXPECT_TRUE(window.logTextBox()->isEnabled());
}

TEST(MainWindowReset, BlanksTheConfigurationButKeepsWhatTheModelKeeps)
{
    MainWindow window;
    window.newZel16Action()->trigger();
    window.model().setZoneName(3, "Kitchen");
    window.reset();

    EXPECT_TRUE(window.configurationTextBox()->toPlainText().isEmpty());
    EXPECT_TRUE(window.logTextBox()->toPlainText().isEmpty());
    EXPECT_EQ(window.model().zoneCount(), -1);
    EXPECT_EQ(window.model().sourceCount(), -1);
    EXPECT_EQ(window.model().favoriteName(1), "");
    EXPECT_EQ(window.model().zoneName(3), "Kitchen");
    EXPECT_EQ(window.model().network().ipAddress, "0.0.0.0");
    EXPECT_EQ(window.statusText(), QStringLiteral(" Loaded New ZEL-16 Template"));
}

TEST(MainWindowNewTemplate, LoadsTheBlankConfigurationOfEachUnitSize)
{
    struct Case {
        model::UnitSize size;
        QAction* (MainWindow::*action)() const;
        const char* status;
        int configurationLines;
        int logLines;
        int count;
        const char* lastLine;
    };
    const Case cases[] = {
        {model::UnitSize::Zel8, &MainWindow::newZel8Action, " Loaded New ZEL-8 Template", 185, 177,
         8, "[VO8R-12]"},
        {model::UnitSize::Zel16, &MainWindow::newZel16Action, " Loaded New ZEL-16 Template", 233,
         217, 16, "[VO16R-12]"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.status);
        MainWindow window;
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        clickTab(window, MainWindow::kGroupsPage);
        window.configurationTextBox()->setPlainText(QStringLiteral("[SD3]"));
        QSignalSpy refreshed(&window, &MainWindow::committedAndRefreshed);

        (window.*c.action)()->trigger();

        EXPECT_EQ(window.tabs()->currentIndex(), MainWindow::kConfigurationFilePage);
        EXPECT_EQ(refreshed.count(), 1) << "only the reader run commits; the page switch is quiet";
        EXPECT_EQ(window.statusText(), QString::fromLatin1(c.status));

        const QStringList configuration = lines(window.configurationTextBox());
        EXPECT_EQ(configuration.size(), c.configurationLines);
        EXPECT_EQ(configuration.front(), QStringLiteral("[SD0]"));
        EXPECT_EQ(configuration.back(), QString::fromLatin1(c.lastLine));

        const QStringList log = lines(window.logTextBox());
        EXPECT_EQ(log.size(), c.logLines);
        for (const QString& line : log) {
            EXPECT_FALSE(line.startsWith(QStringLiteral("Didn't Handle: "))) << line.toStdString();
            EXPECT_FALSE(line.startsWith(QStringLiteral("Error parsing: "))) << line.toStdString();
        }

        EXPECT_TRUE(window.configurationTextBox()->updatesEnabled());
        EXPECT_TRUE(window.logTextBox()->updatesEnabled());

        EXPECT_EQ(window.model().zoneCount(), c.count);
        EXPECT_EQ(window.model().sourceCount(), c.count);
        EXPECT_EQ(window.model().displayLevel(), 0) << "the old [SD3] text was discarded";
        EXPECT_EQ(window.model().zoneName(c.count), "Zone Name " + std::to_string(c.count));
        EXPECT_EQ(window.model().favoriteName(10), "Favorite Name 10");
    }
}

TEST(MainWindowNewTemplate, Zel8AfterZel16ShrinksTheUnitAndMarksTheRestUnavailable)
{
    MainWindow window;
    window.newZel16Action()->trigger();
    window.newZel8Action()->trigger();

    EXPECT_EQ(window.model().zoneCount(), 8);
    EXPECT_EQ(window.model().sourceCount(), 8);
    EXPECT_EQ(lines(window.logTextBox()).size(), 177) << "the log starts afresh";
    EXPECT_EQ(lines(window.configurationTextBox()).size(), 185);
    EXPECT_EQ(window.model().zoneName(9), "Zone Name 9") << "kept, only out of view";
    for (int g = 1; g <= model::kGroups; ++g) {
        EXPECT_EQ(window.model().groupMark(g, 8), "");
        EXPECT_EQ(window.model().groupMark(g, 9), "X");
        EXPECT_EQ(window.model().groupMark(g, 16), "X");
    }
    EXPECT_EQ(window.statusText(), QStringLiteral(" Loaded New ZEL-8 Template"));
}

TEST(MainWindowStatusLine, ShowsHostsAndPathsThatLookLikeMarkupAsTyped)
{
    MainWindow window;
    QLabel* label = nullptr;
    for (QLabel* candidate : window.statusBar()->findChildren<QLabel*>()) {
        window.setStatusText(QStringLiteral(" probe"));
        if (candidate->text() == QStringLiteral(" probe"))
            label = candidate;
    }
    ASSERT_NE(label, nullptr);
    const QStringList texts = {
        QStringLiteral(" Importing from host: <b>unit</b>"),
        QStringLiteral(" Import complete from host: <font size=20>big"),
        QStringLiteral(" Imported complete from file: <i>/tmp/unit.zel"),
        QStringLiteral(" Importing 3 lines from host: <img src=x>"),
    };
    for (const QString& text : texts) {
        SCOPED_TRACE(text.toStdString());
        window.setStatusText(text);
        EXPECT_EQ(window.statusText(), text);
        // Shown as markup, the text would take the room of its visible words only.
        EXPECT_GE(label->sizeHint().width(), label->fontMetrics().horizontalAdvance(text));
    }
}

TEST(MainWindowReaderRun, ReadsTheConfigurationTextBoxAsLatin1)
{
    MainWindow window;
    window.reset();
    // Zone names with bytes above 127 (a non-breaking space among them), a line passed over for
    // its leading blanks, and a line the reader does not know.
    window.configurationTextBox()->setPlainText(
        QStringLiteral("[NO2\"Caf\u00e9\"]\n[NO3\"A\u00a0-B\"]\n  [SD1]\n[EC]\nremark"));
    window.readerRun();

    EXPECT_EQ(window.model().zoneName(2), "Caf\xe9");
    EXPECT_EQ(window.model().zoneName(3), "A\xa0-B");
    EXPECT_EQ(window.model().zoneCount(), 3);
    EXPECT_EQ(window.model().displayLevel(), 0);
    const QString log = window.logTextBox()->toPlainText();
    EXPECT_TRUE(log.contains(QStringLiteral("Caf\u00e9"))) << log.toStdString();
    EXPECT_EQ(lines(window.logTextBox()).back(), QStringLiteral("Didn't Handle: [EC]"));
}

TEST(MainWindowReaderRun, LevelTextChangesOnlyForADisplayLineOrAChangeOfLevel)
{
    struct Case {
        const char* text;
        const char* levelText;
    };
    const Case cases[] = {
        {"[NO1\"Hall\"]", "Level: 100%"}, // no display line: the first wording stays
        {"[SD0]", "Level:100%"},          // the same level, read
        {"[SD2]", "Level:50%"},
        {"[SD12345678901]", "Level: 100%"}, // a number that does not fit sets nothing
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        MainWindow window;
        window.configurationTextBox()->setPlainText(QString::fromLatin1(c.text));
        window.readerRun();
        const auto* level =
            window.pageSet().networkPage()->findChild<QLabel*>(QStringLiteral("DisplayLvl"));
        ASSERT_NE(level, nullptr);
        EXPECT_EQ(level->text(), QString::fromLatin1(c.levelText));
    }
}

TEST(MainWindowReaderRun, EmptyTextLeavesCountsUnsetAndEveryGroupCellUnavailable)
{
    MainWindow window;
    window.readerRun();
    EXPECT_EQ(window.model().zoneCount(), -1);
    EXPECT_EQ(window.model().sourceCount(), -1);
    EXPECT_TRUE(window.logTextBox()->toPlainText().isEmpty());
    for (int g = 1; g <= model::kGroups; ++g)
        for (int z = 1; z <= model::kMaxZones; ++z)
            EXPECT_EQ(window.model().groupMark(g, z), "X") << g << "," << z;
}

TEST(MainWindowPages, EveryPageSwitchCommitsAndRefreshesWithTheNewPageActive)
{
    MainWindow window;
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    window.newZel16Action()->trigger();

    QList<int> activeAtRefresh;
    QObject::connect(&window, &MainWindow::committedAndRefreshed, &window,
                     [&] { activeAtRefresh << window.tabs()->currentIndex(); });
    const QList<int> visits = {1, 2, 3, 4, 5, 6, 7, 0, 5, 3};
    for (int page : visits)
        clickTab(window, page);
    EXPECT_EQ(activeAtRefresh, visits);

    clickTab(window, 3); // the page already shown: no change, no commit
    EXPECT_EQ(activeAtRefresh.size(), visits.size());
}

TEST(MainWindowCommands, ImportAndExportWithTheirFileDialogsCancelled)
{
    MainWindow window;
    window.setPrompts(std::make_unique<test::ScriptedPrompts>()); // answers "Cancel"
    QSignalSpy refreshed(&window, &MainWindow::committedAndRefreshed);
    window.importAction()->trigger();
    window.exportAction()->trigger();
    window.newZel8Action()->trigger();
    const int afterNew = refreshed.count();
    window.exportAction()->trigger();
    EXPECT_EQ(refreshed.count(), afterNew + 1) << "an export first stores the pages' edits";
    EXPECT_EQ(window.model().zoneCount(), 8);
}

TEST(MainWindowCommands, AboutShowsNameAndVersion)
{
    MainWindow window;
    window.show();
    QString shown;
    QTimer::singleShot(0, &window, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            shown = box->text();
            box->accept();
        }
    });
    window.aboutAction()->trigger();
    EXPECT_TRUE(shown.contains(QStringLiteral("ZEL Configuration"))) << shown.toStdString();
    EXPECT_TRUE(shown.contains(QRegularExpression(QStringLiteral("Version \\d+\\.\\d+"))))
        << shown.toStdString();
}

TEST(MainWindowCommands, ExitClosesTheWindow)
{
    MainWindow window;
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    window.exitAction()->trigger();
    EXPECT_FALSE(window.isVisible());
}

TEST(MainWindowCommands, CommandLineNamesAtMostOneFileOrAsksForHelp)
{
    // Words; the file, help and whether it is a usage error.
    const std::tuple<QStringList, QString, bool, bool> cases[] = {
        {{}, {}, false, false},
        {{"house.zel"}, "house.zel", false, false},
        {{"--", "-a.zel"}, "-a.zel", false, false},
        {{"-h"}, {}, true, false},
        {{"a.zel", "b.zel"}, "a.zel", false, true},
        {{"--bogus"}, {}, false, true},
    };
    for (const auto& [words, file, help, error] : cases) {
        SCOPED_TRACE(words.join(' ').toStdString());
        const StartArguments start = parseStartArguments(words);
        EXPECT_EQ(start.file, file);
        EXPECT_EQ(start.help, help);
        EXPECT_EQ(!start.error.isEmpty(), error);
    }
}

} // namespace
} // namespace zel::ui
