// Every dialog and question from the keyboard: each button answers to Alt and a letter of its
// own, and a dialog that closes gives the focus back to the window it was opened from (History
// when asked from there, not the main window).
#include "ui/common/button_mnemonics.h"
#include "ui/window/compare_dialog.h"
#include "ui/window/dialog_prompts.h"
#include "ui/window/history_dialog.h"
#include "ui/window/main_window.h"
#include "ui/window/tick_dialog.h"
#include "ui/window/unit_comparison.h"
#include "ui/window/welcome_window.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>

namespace zel::ui {
namespace {

// The buttons and check boxes of `dialog` that show, without a mnemonic of their own or with
// one that another control of the dialog uses too.
QStringList mnemonicFaults(const QWidget& dialog)
{
    QStringList faults;
    QMap<QChar, QString> letters;
    const auto take = [&](const QString& text, bool required) {
        const QChar letter = mnemonicLetter(text);
        if (letter.isNull()) {
            if (required)
                faults << text + " has no mnemonic";
        } else if (letters.contains(letter)) {
            faults << text + " shares its letter with " + letters.value(letter);
        } else {
            letters.insert(letter, text);
        }
    };
    for (const QAbstractButton* button : dialog.findChildren<QAbstractButton*>()) {
        if (button->isVisibleTo(&dialog) &&
            (qobject_cast<const QPushButton*>(button) || qobject_cast<const QCheckBox*>(button)))
            take(button->text(), true);
    }
    for (const QLabel* label : dialog.findChildren<QLabel*>()) {
        if (label->isVisibleTo(&dialog))
            take(label->text(), false);
    }
    return faults;
}

// Runs `ask`, which shows a modal dialog; once it shows, notes its mnemonic faults and the
// window it belongs to, then closes it with Escape.
struct Asked {
    QStringList faults;
    QWidget* owner = nullptr;
    bool shown = false;
    bool escapeClosed = true;
};
Asked askAndEscape(const std::function<void()>& ask)
{
    Asked asked;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible())
            return;
        poll.stop();
        asked.shown = true;
        asked.faults = mnemonicFaults(*modal);
        asked.owner = modal->parentWidget() ? modal->parentWidget()->window() : nullptr;
        QTest::keyClick(modal, Qt::Key_Escape);
        if (modal->isVisible()) { // never left open: the test goes on
            asked.escapeClosed = false;
            modal->close();
        }
    });
    poll.start(5);
    ask();
    return asked;
}

TEST(DialogKeyboard, EveryQuestionHasMnemonicsAndGivesTheFocusBackToItsWindow)
{
    QWidget main;
    auto* mainField = new QLineEdit(&main);
    QDialog history(&main); // a window of its own over the main window, as History is
    auto* historyButton = new QPushButton(QStringLiteral("&Restore to Unit"), &history);
    main.show();
    history.show();
    DialogPrompts prompts(&main);
    const QList<TickableItem> zones = {{"Zone 1: Hall"}, {"Zone 2: Kitchen"}};
    const QList<TickableItem> options = {{"&Volume", true, true}, {"&Balance", true, false}};
    const std::pair<const char*, std::function<void()>> questions[] = {
        {"Select Port", [&] { prompts.choosePort(); }},
        {"host prompt", [&] { prompts.inputQuery("Enter the address", "Hostname: ", {}); }},
        {"open", [&] { prompts.openFileName("/tmp/unit.zel"); }},
        {"save", [&] { prompts.saveFileName("/tmp/unit.zel"); }},
        {"confirmation", [&] { prompts.confirm("Send the entry to the unit?"); }},
        {"quick EQ save", [&] { prompts.quickEqSavePath("/tmp", "Rock.eq"); }},
        {"quick EQ question", [&] { prompts.confirmPresetFile("Delete EQ: Rock?"); }},
        {"tick dialog", [&] { prompts.chooseItems("Copy Preset EQ to Zones", "To:", zones); }},
        {"tick dialog with options",
         [&] { prompts.chooseItemsAndOptions("Copy Zone Settings", "Copy:", zones, options); }},
        {"report", [&] { prompts.reportFile("/tmp/site.pdf", "List the changes"); }},
        {"error", [&] { prompts.showError("The serial port was lost."); }},
    };
    const std::pair<QWidget*, QWidget*> openers[] = {{&main, mainField}, {&history, historyButton}};
    for (const auto& [opener, field] : openers) {
        for (const auto& [what, ask] : questions) {
            SCOPED_TRACE(std::string(what) +
                         (opener == &main ? " from the main window" : " from History"));
            opener->activateWindow();
            ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == opener; }));
            field->setFocus();
            const Asked asked = askAndEscape(ask);
            ASSERT_TRUE(asked.shown);
            EXPECT_TRUE(asked.escapeClosed);
            EXPECT_TRUE(asked.faults.isEmpty()) << asked.faults.join('\n').toStdString();
            EXPECT_EQ(asked.owner, opener);
            EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::focusWidget() == field; }))
                << "the focus is on "
                << (QApplication::focusWidget()
                        ? QApplication::focusWidget()->metaObject()->className()
                        : "nothing");
        }
    }
}

TEST(DialogKeyboard, TheWindowsOwnDialogsHaveMnemonicsAndHandTheFocusBack)
{
    MainWindow window;
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    window.newTemplate(model::UnitSize::Zel8);
    window.tabs()->setCurrentIndex(MainWindow::kZoneAudioPage);
    QWidget* zoneList = window.findChild<QWidget*>("zoneList");
    zoneList->setFocus();
    struct Case {
        const char* what;
        std::function<QWidget*()> open; // the dialog, shown without blocking
        std::function<void(QWidget*)> close = [](QWidget* dialog) { dialog->close(); };
    };
    const Case cases[] = {
        {"Welcome",
         [&] {
             auto* welcome = new WelcomeWindow(&window);
             welcome->setAttribute(Qt::WA_DeleteOnClose);
             welcome->show();
             return welcome;
         },
         [](QWidget* dialog) { QTest::keyClick(dialog, Qt::Key_O, Qt::AltModifier); }},
        {"History",
         [&] {
             window.showHistory();
             return window.historyDialog();
         },
         [](QWidget* dialog) { QTest::keyClick(dialog, Qt::Key_Escape); }},
        {"Compare",
         [&] {
             window.comparison()->compare(window.model(), QStringLiteral("[SD0]\n[NO1\"Hall\"]"),
                                          QStringLiteral("file: hall.zel"), {}, {false, false},
                                          window.prompts());
             return window.comparison()->dialog();
         },
         [](QWidget* dialog) { QTest::keyClick(dialog, Qt::Key_Escape); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QWidget* dialog = c.open();
        ASSERT_NE(dialog, nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowActive(dialog));
        EXPECT_TRUE(mnemonicFaults(*dialog).isEmpty())
            << mnemonicFaults(*dialog).join('\n').toStdString();
        c.close(dialog);
        EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::focusWidget() == zoneList; }));
    }
    // About, from the menu bar: its "OK" answers to Alt+O.
    const Asked about = askAndEscape([&] { window.aboutAction()->trigger(); });
    EXPECT_TRUE(about.shown);
    EXPECT_TRUE(about.faults.isEmpty()) << about.faults.join('\n').toStdString();
    EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::focusWidget() == zoneList; }));
}

TEST(DialogKeyboard, TheTickDialogsOptionsComeFirstAndOkWaitsForOne)
{
    struct Case {
        const char* what;
        QList<TickableItem> options;
        QList<bool> untick; // options unticked by the user
        bool okEnabled;
    };
    const Case cases[] = {
        {"no options", {}, {}, true},
        {"as offered", {{"&Volume", true, true}, {"&Balance", true, false}}, {}, true},
        {"every option unticked",
         {{"&Volume", true, true}, {"&Balance", true, false}},
         {true},
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TickDialog dialog("Copy Zone Settings", "Copy:", {{"Zone 1"}, {"Zone 2"}}, nullptr,
                          c.options);
        ASSERT_EQ(dialog.options().size(), c.options.size());
        for (qsizetype i = 0; i < c.options.size(); ++i) {
            EXPECT_EQ(dialog.options().at(i)->isChecked(), c.options.at(i).ticked);
            if (c.untick.value(i))
                dialog.options().at(i)->setChecked(false);
        }
        EXPECT_EQ(dialog.okButton()->isEnabled(), c.okEnabled);
        EXPECT_TRUE(mnemonicFaults(dialog).isEmpty())
            << mnemonicFaults(dialog).join('\n').toStdString();
        // Tab goes down the dialog: the options, then the list.
        QWidget* first = c.options.isEmpty() ? static_cast<QWidget*>(dialog.list())
                                             : dialog.options().constFirst();
        QWidget* stop = first;
        for (qsizetype i = 0; i < c.options.size(); ++i)
            stop = stop->nextInFocusChain();
        EXPECT_EQ(stop, dialog.list());
        dialog.list()->item(1)->setCheckState(Qt::Checked);
        EXPECT_EQ(dialog.tickedItems(), QList<int>{1});
    }
}

} // namespace
} // namespace zel::ui
