// The link's dialogs as the user sees them (the host prompt, "Select Port", the file dialogs and
// the confirmation box) and how transfers write into the configuration text box.
#include "link/qt_printing.h"

#include "ui/common/prompt_dialog.h"
#include "ui/transfer/select_port_dialog.h"
#include "ui/transfer/transfer_text_box.h"
#include "ui/transfer/window_questions.h"
#include "ui/window/dialog_prompts.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>

#include <memory>

namespace zel::ui {
namespace {

QStringList labelTexts(const QWidget& dialog)
{
    QStringList texts;
    for (const QLabel* label : dialog.findChildren<QLabel*>())
        texts << label->text();
    return texts;
}

TEST(PromptDialog, MeasuresInDialogUnitsOfItsFont)
{
    for (const int pointSize : {8, 14}) {
        SCOPED_TRACE(pointSize);
        QFont font;
        font.setPointSize(pointSize);
        QWidget parent;
        parent.setFont(font);
        const PromptDialog dialog("Enter the address for the ZEL", "Hostname or IP Address: ", "",
                                  &parent);

        // X: average width of the 52 letters; Y: their height.
        const QFontMetricsF metrics(font);
        const double x =
            metrics.horizontalAdvance("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz") / 52;
        const double y = metrics.height();
        const auto dx = [x](int quarters) { return qRound(quarters * x / 4); };
        const auto dy = [y](int eighths) { return qRound(eighths * y / 8); };

        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Enter the address for the ZEL"));
        EXPECT_EQ(dialog.size(), QSize(dx(190), dy(53)));
        EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize()) << "a fixed dialog border";
        EXPECT_EQ(dialog.promptLabel()->text(), QStringLiteral("Hostname or IP Address: "));
        EXPECT_EQ(dialog.promptLabel()->pos(), QPoint(dx(13), dy(5)));
        EXPECT_EQ(dialog.promptLabel()->size(), dialog.promptLabel()->sizeHint());
        EXPECT_EQ(dialog.entry()->pos(), QPoint(dx(13), dy(15)));
        EXPECT_EQ(dialog.entry()->width(), dx(164));
        EXPECT_EQ(dialog.okButton()->geometry(), QRect(dx(38), dy(31), dx(50), dy(14)));
        EXPECT_EQ(dialog.cancelButton()->geometry(), QRect(dx(102), dy(31), dx(50), dy(14)));
        EXPECT_EQ(dialog.okButton()->text(), QStringLiteral("&OK"));
        EXPECT_EQ(dialog.cancelButton()->text(), QStringLiteral("&Cancel"));
        EXPECT_TRUE(dialog.okButton()->isDefault());

        // A prompt wider than the entry wraps whole; what is below it moves down as much.
        const PromptDialog wide(
            "Add Unit", "Name, then link (Bar tcp:192.0.2.10, Terrace serial:COM3):", "", &parent);
        const QRect prompt = wide.promptLabel()->geometry();
        EXPECT_GE(prompt.height(), wide.promptLabel()->heightForWidth(dx(164)));
        EXPECT_EQ(prompt.width(), dx(164));
        const int added = prompt.height() - dialog.promptLabel()->height();
        EXPECT_GT(added, 0);
        EXPECT_EQ(wide.entry()->y(), dy(15) + added);
        EXPECT_EQ(wide.okButton()->geometry(), QRect(dx(38), dy(31) + added, dx(50), dy(14)));
        EXPECT_EQ(wide.size(), QSize(dx(190), dy(53) + added));
    }
}

TEST(PromptDialog, EntryStartsSelectedHoldsAtMost255AndAnswersOnEnterOrEscape)
{
    struct Case {
        const char* name;
        Qt::Key key;
        int result;
    };
    for (const Case& c : {Case{"Enter", Qt::Key_Return, QDialog::Accepted},
                          Case{"Escape", Qt::Key_Escape, QDialog::Rejected}}) {
        SCOPED_TRACE(c.name);
        PromptDialog dialog("Caption", "Prompt: ", "old text");
        EXPECT_EQ(dialog.entry()->selectedText(), QStringLiteral("old text"));
        EXPECT_EQ(dialog.entry()->echoMode(), QLineEdit::Normal);
        dialog.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
        QTest::keyClicks(dialog.entry(), QString(300, QLatin1Char('h')));
        EXPECT_EQ(dialog.text(), QString(255, QLatin1Char('h')));
        QTest::keyClick(dialog.entry(), c.key);
        EXPECT_EQ(dialog.result(), c.result);
        EXPECT_FALSE(dialog.isVisible());
    }
    const PromptDialog masked("Caption", "Password: ", "", nullptr, true);
    EXPECT_EQ(masked.entry()->echoMode(), QLineEdit::Password);
}

TEST(SelectPortDialog, TextsAndAnEditableListWithTheFirstPortChosen)
{
    struct Case {
        const char* name;
        QStringList ports;
        QString typed; // typed over the choice; empty: none
        QString chosen;
        bool okEnabled;
    };
    const QList<Case> cases = {
        {"first listed", {"COM3", "COM10"}, "", "COM3", true},
        {"typed path, blanks trimmed", {"ttyS0"}, " /dev/pts/7 ", "/dev/pts/7", true},
        {"nothing listed, nothing typed", {}, "", "", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SelectPortDialog dialog(c.ports);
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Select Port"));
        EXPECT_EQ(labelTexts(dialog), QStringList({"The configured serial port is not valid.",
                                                   "Please choose another port."}));
        EXPECT_TRUE(dialog.portBox()->isEditable());
        ASSERT_EQ(dialog.portBox()->count(), c.ports.size());
        if (!c.typed.isEmpty()) {
            dialog.portBox()->lineEdit()->selectAll();
            QTest::keyClicks(dialog.portBox()->lineEdit(), c.typed);
        }
        EXPECT_EQ(dialog.portName(), c.chosen);
        EXPECT_EQ(dialog.okButton()->isEnabled(), c.okEnabled);
        EXPECT_EQ(dialog.okButton()->text(), QStringLiteral("&OK"));
        EXPECT_EQ(dialog.portBox()->count(), c.ports.size()) << "typing adds no entry";
    }
}

TEST(ConfigurationFileDialogs, DefaultExtensionFiltersAndNoOverwriteQuestionOfTheirOwn)
{
    for (const FileDialogKind kind : {FileDialogKind::Open, FileDialogKind::Save}) {
        const bool save = kind == FileDialogKind::Save;
        SCOPED_TRACE(save ? "save" : "open");
        const std::unique_ptr<QFileDialog> dialog(
            makeConfigurationFileDialog(nullptr, kind, "/tmp/unit.zel"));
        EXPECT_EQ(dialog->acceptMode(), save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
        EXPECT_EQ(dialog->fileMode(), save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
        EXPECT_EQ(dialog->defaultSuffix(), QStringLiteral("zel"));
        ASSERT_EQ(dialog->nameFilters().size(), 2);
        EXPECT_EQ(dialog->nameFilters()[0], QStringLiteral("ZEL files (*.zel)"));
        EXPECT_TRUE(dialog->nameFilters()[1].startsWith("All Files (*"));
        EXPECT_TRUE(dialog->testOption(QFileDialog::DontConfirmOverwrite));
        EXPECT_EQ(dialog->selectedFiles(), QStringList{"/tmp/unit.zel"});
        // The folder of the file proposed is gone: its name alone, in a folder that is there.
        const std::unique_ptr<QFileDialog> moved(
            makeConfigurationFileDialog(nullptr, kind, "/tmp/no such folder/x.zel"));
        const QFileInfo proposed(moved->selectedFiles().value(0));
        EXPECT_EQ(proposed.fileName(), "x.zel");
        EXPECT_TRUE(proposed.absoluteDir().exists()) << proposed.filePath().toStdString();
        // The user picks "All Files": a typed name stays as typed; back to ZEL, ".zel" again.
        emit dialog->filterSelected(dialog->nameFilters()[1]);
        EXPECT_EQ(dialog->defaultSuffix(), QString());
        emit dialog->filterSelected(dialog->nameFilters()[0]);
        EXPECT_EQ(dialog->defaultSuffix(), QStringLiteral("zel"));
    }
}

TEST(ConfirmationBox, EnterAndEscapeAnswerCancelAndOnlyOkAgrees)
{
    DialogPrompts prompts(nullptr);
    const auto confirm = [&](const QString& q) { return prompts.confirm(q); };
    const auto confirmPresetFile = [&](const QString& q) { return prompts.confirmPresetFile(q); };
    const std::pair<std::function<bool(const QString&)>, QString> questions[] = {
        {confirm, questions::sendIncomplete("no end")},
        {confirm, questions::closeDuringExport(true)},
        {confirm, questions::kDiscardOnImport},
        {confirm, "File /tmp/a.zel exists. Overwrite?"},
        {confirmPresetFile, "File /tmp/a.eq exists. Overwrite?"},
        {confirmPresetFile, "Delete EQ: Rock?"},
    };
    // Keys go where the user's would, to the button with the focus; no key stands for "OK".
    const std::pair<Qt::Key, bool> answers[] = {
        {Qt::Key_Return, false}, {Qt::Key_Escape, false}, {Qt::Key_unknown, true}};
    for (const auto& [ask, question] : questions) {
        for (const auto& [key, agreed] : answers) {
            SCOPED_TRACE(question.toStdString() + " " + std::to_string(key));
            QString shown;
            QTimer poll; // answers the modal box once it shows
            QObject::connect(&poll, &QTimer::timeout, [&, key = key] {
                auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                if (!box)
                    return;
                poll.stop();
                shown = box->text();
                if (key == Qt::Key_unknown)
                    box->button(QMessageBox::Ok)->click();
                else
                    QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : box,
                                    key);
            });
            poll.start(5);
            EXPECT_EQ(ask(question), agreed);
            EXPECT_EQ(shown, question);
        }
    }
}

TEST(MessageBoxes, ShowHostsAndPathsThatLookLikeMarkupAsTyped)
{
    struct Case {
        const char* name;
        std::function<QMessageBox*(const QString&)> make;
        QString text;
    };
    const Case cases[] = {
        {"confirmation", [](const QString& t) { return makeConfirmationBox(nullptr, t); },
         QStringLiteral("File /tmp/<b>unit</b>.zel exists. Overwrite?")},
        {"error", [](const QString& t) { return makeErrorBox(nullptr, t); },
         QStringLiteral("The telnet link to host <i>unit</i> failed: Host not found")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::unique_ptr<QMessageBox> box(c.make(c.text));
        EXPECT_EQ(box->text(), c.text);
        EXPECT_EQ(box->textFormat(), Qt::PlainText);
    }
}

TEST(TransferTextBox, ReceivedTextRunsOnAndLogLinesStandAlone)
{
    struct Step {
        bool line; // a log line, else received text
        QString text;
    };
    struct Case {
        const char* name;
        QString before;
        QList<Step> steps;
        QString after;
    };
    const QList<Case> cases = {
        {"a line in an empty box", "", {{true, "Sending: [SD0]"}}, "Sending: [SD0]\n"},
        {"a reply after its line, then the next line",
         "",
         {{true, "Waiting for: (SD0)"}, {false, "(SD0)"}, {true, "Sending: [FPL0]"}},
         "Waiting for: (SD0)\n(SD0)\nSending: [FPL0]\n"},
        {"a reply that ends its own line", "", {{false, "(SD0)\n"}, {true, "L"}}, "(SD0)\nL\n"},
        {"received text in pieces", "[SD", {{false, "0]\n[F"}, {false, "PL0]"}}, "[SD0]\n[FPL0]"},
        {"a line after a partial one", "[SD", {{true, "Cancelled"}}, "[SD\nCancelled\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        for (const bool waitForFrame : {false, true}) {
            QPlainTextEdit box;
            box.setPlainText(c.before);
            TransferTextFeed feed(&box);
            for (const Step& step : c.steps) {
                if (step.line)
                    feed.appendLine(step.text);
                else
                    feed.appendText(step.text);
            }
            // The pieces come together, once a frame has passed or when flushed.
            if (waitForFrame) {
                EXPECT_TRUE(QTest::qWaitFor([&] { return box.toPlainText() == c.after; }));
            }
            feed.flush();
            EXPECT_EQ(box.toPlainText(), c.after);
            EXPECT_TRUE(box.textCursor().atEnd()) << "the box follows its end";
        }
    }
}

} // namespace
} // namespace zel::ui
