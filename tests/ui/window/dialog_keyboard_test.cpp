// Every dialog's buttons answer to Alt and a letter of their own; a dialog that closes gives the
// focus back to the window it was opened from (History when asked from there).
#include "ui/access/button_mnemonics.h"
#include "ui/common/tick_dialog.h"
#include "ui/compare/compare_dialog.h"
#include "ui/compare/unit_comparison.h"
#include "ui/history/history_controller.h"
#include "ui/history/history_dialog.h"
#include "ui/window/dialog_prompts.h"
#include "ui/window/main_window.h"
#include "ui/window/welcome_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include <functional>

namespace zel::ui {
namespace {

// Shown buttons without a mnemonic, and mnemonics that two controls of `dialog` share.
QString mnemonicFaults(const QWidget& dialog)
{
    QString faults;
    QMap<QChar, QString> taken;
    for (const QWidget* control : dialog.findChildren<QWidget*>()) {
        const auto* button = qobject_cast<const QAbstractButton*>(control);
        const auto* label = qobject_cast<const QLabel*>(control);
        const QString text = button ? button->text() : label ? label->text() : QString();
        const QChar letter = mnemonicLetter(text);
        if (control->isVisibleTo(&dialog) && !text.isEmpty() && !control->inherits("QToolButton") &&
            ((letter.isNull() && button) || (!letter.isNull() && taken.contains(letter))))
            faults += text + " has no mnemonic of its own\n";
        taken.insert(letter, text);
    }
    return faults;
}

TEST(DialogKeyboard, EveryQuestionHasMnemonicsAndGivesTheFocusBackToItsWindow)
{
    MainWindow window;
    window.show();
    window.newTemplate(model::UnitSize::Zel8);
    window.tabs()->setCurrentIndex(MainWindow::kZoneAudioPage);
    window.history()->showHistory();
    QWidget* zoneList = window.findChild<QWidget*>("zoneList");
    DialogPrompts prompts(&window);
    const QList<TickableItem> zones = {{"Zone 1: Hall"}, {"Zone 2: Kitchen"}};
    const QList<TickableItem> options = {{"&Volume", true, true}, {"&Balance", true, false}};
    // The copy's options come first from the keyboard, and "OK" waits for one to be ticked.
    const auto optionsFirst = [](QWidget* modal) {
        auto* tick = static_cast<TickDialog*>(modal);
        EXPECT_EQ(tick->options().at(1)->nextInFocusChain(), tick->list());
        tick->options().at(0)->setChecked(false);
        EXPECT_FALSE(tick->okButton()->isEnabled());
    };
    const std::tuple<const char*, std::function<void()>, std::function<void(QWidget*)>> asked[] = {
        {"Select Port", [&] { prompts.choosePort(); }, {}},
        {"host prompt", [&] { prompts.inputQuery("Enter the address", "Hostname: ", {}); }, {}},
        {"open", [&] { prompts.openFileName("/tmp/unit.zel"); }, {}},
        {"save", [&] { prompts.saveFileName("/tmp/unit.zel"); }, {}},
        {"confirmation", [&] { prompts.confirm("Send the entry to the unit?"); }, {}},
        {"quick EQ save", [&] { prompts.quickEqSavePath("/tmp", "Rock.eq"); }, {}},
        {"quick EQ question", [&] { prompts.confirmPresetFile("Delete EQ: Rock?"); }, {}},
        {"tick dialog", [&] { prompts.chooseItems("Copy Preset EQ", "To:", zones); }, {}},
        {"tick dialog with options",
         [&] { prompts.chooseItemsAndOptions("Copy Zone Settings", "Copy:", zones, options); },
         optionsFirst},
        {"report",
         [&] {
             prompts.reportFile({"/tmp/site.pdf", "Hotel", "", "", {"the import"}, 0, {}});
         },
         {}},
        {"live side", [&] { prompts.chooseLiveSide("The unit differs.", {"Zone 1"}, true); }, {}},
        {"error", [&] { prompts.showError("The serial port was lost."); }, {}},
        {"About (of the main window alone)", [&] { window.aboutAction()->trigger(); }, {}},
    };
    for (QWidget* field : {zoneList, static_cast<QWidget*>(window.history()->dialog()->list())}) {
        QWidget* opener = field->window();
        for (const auto& [what, ask, also] : asked) {
            SCOPED_TRACE(std::string(what) + (opener == &window ? "" : " from History"));
            if (opener != &window && std::string_view(what).starts_with("About"))
                continue;
            opener->activateWindow();
            ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == opener; }));
            field->setFocus();
            bool shown = false;
            QTimer poll; // once the modal dialog shows: its keys, its window, then Escape
            QObject::connect(&poll, &QTimer::timeout, [&, also = also] {
                QWidget* modal = QApplication::activeModalWidget();
                if (!modal || !modal->isVisible() || std::exchange(shown, true))
                    return;
                EXPECT_EQ(mnemonicFaults(*modal), QString());
                EXPECT_EQ(modal->parentWidget()->window(), opener);
                if (also)
                    also(modal);
                QTest::keyClick(modal, Qt::Key_Escape);
                EXPECT_FALSE(modal->isVisible()) << "Escape answers";
                modal->close(); // never left open: the test goes on
            });
            poll.start(5);
            ask();
            EXPECT_TRUE(shown);
            EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::focusWidget() == field; }));
        }
    }
    // The windows of their own over the main window: closed, the main window has the keys again.
    const std::pair<std::function<QWidget*()>, QKeyCombination> windows[] = {
        {[&]() -> QWidget* { return new WelcomeWindow(&window); }, Qt::ALT | Qt::Key_O},
        {[&]() -> QWidget* { return window.history()->dialog(); }, Qt::Key_Escape},
        {[&]() -> QWidget* {
             window.comparison()->compare(window.model(), "[SD0]\n[NO1\"Hall\"]", "file: hall.zel",
                                          {}, {false, false}, window.prompts());
             return window.comparison()->dialog();
         },
         Qt::Key_Escape},
    };
    for (const auto& [open, close] : windows) {
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::focusWidget() == zoneList; }));
        QWidget* dialog = open();
        SCOPED_TRACE(dialog->windowTitle().toStdString());
        dialog->show();
        dialog->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(dialog));
        EXPECT_EQ(mnemonicFaults(*dialog), QString());
        QTest::keyClick(dialog, close.key(), close.keyboardModifiers());
        EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::focusWidget() == zoneList; }));
    }
}

} // namespace
} // namespace zel::ui
