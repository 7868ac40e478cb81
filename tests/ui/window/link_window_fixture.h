#pragma once
// A main window whose link questions are answered in code, with short time limits, and helpers
// to choose its link mode and to run a command until the transfer it starts has ended.

#include "scripted_prompts.h"

#include "link/qt_printing.h"

#include "link/link_mode.h"
#include "link/transfer_settings.h"
#include "model/config_writer.h"
#include "support/quick_settings.h"
#include "support/wait_until.h"
#include "ui/transfer/link_controller.h"
#include "ui/transfer/text_box_loading.h"
#include "ui/window/main_window.h"

#include <QAction>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QString>
#include <QTest>
#include <QTreeWidgetItem>
#include <gtest/gtest.h>

#include <chrono>
#include <memory>

namespace zel::test {

// The writer's text of the window's configuration, one entry per line.
inline QStringList writerLines(const ui::MainWindow& window)
{
    QStringList lines;
    for (const std::string& line : model::writeConfiguration(window.model()))
        lines << QString::fromLatin1(line);
    return lines;
}

// Expects one question or message in `said`, holding `part`; none when `part` is empty.
inline void expectOne(const QStringList& said, const QString& part)
{
    EXPECT_EQ(said.size(), part.isEmpty() ? 0 : 1) << said.join('\n').toStdString();
    if (!said.isEmpty() && !part.isEmpty()) {
        EXPECT_TRUE(said[0].contains(part)) << said[0].toStdString();
    }
}

// The texts of `column` in the rows under `group`, from its row `from` on.
inline QStringList columnTexts(const QTreeWidgetItem* group, int column, int from = 0)
{
    QStringList texts;
    for (int i = from; group && i < group->childCount(); ++i)
        texts << group->child(i)->text(column);
    return texts;
}

// The box's lines as it holds them, non-breaking spaces included.
inline QStringList textLines(const QPlainTextEdit* box)
{
    return ui::storedText(box).split(QLatin1Char('\n'));
}

class LinkWindow {
public:
    LinkWindow() : link(*window.link())
    {
        auto scripted = std::make_unique<ScriptedPrompts>();
        prompts = scripted.get();
        window.setPrompts(std::move(scripted));
        link.setTransferSettings(quickSettings());
    }

    // Triggers `command` and runs the event loop until the transfers it started have finished
    // (a fetch may come first, or follow); a command that starts none has finished when it
    // returns. False on the time limit.
    bool runToEnd(QAction* command, std::chrono::milliseconds limit = std::chrono::seconds(60))
    {
        command->trigger();
        // The transfer's record is kept off the window's thread: waited for too.
        return waitUntil(
            [this] { return !window.unitWorkPending() && !link.journalWork().isBusy(); },
            static_cast<int>(limit.count()));
    }

    // The journal's work asked for so far has ended: its records kept, its listings shown.
    bool journalSettled()
    {
        return waitUntil([this] { return !link.journalWork().isBusy(); }, 20000);
    }

    void chooseTelnet(const QString& host)
    {
        prompts->inputAnswers = {host};
        window.telnetModeAction()->trigger();
        ASSERT_EQ(link.linkMode(), link::LinkMode::Telnet);
    }

    void chooseSerial(const QString& port)
    {
        prompts->portAnswers = {port};
        window.serialModeAction()->trigger();
        ASSERT_TRUE(link.serialEndpoint().isOpen()) << prompts->errors.join(' ').toStdString();
    }

    QStringList configurationLines() const { return textLines(window.configurationTextBox()); }
    QStringList logLines() const { return textLines(window.logTextBox()); }

    ui::MainWindow window;
    ui::LinkController& link;
    ScriptedPrompts* prompts = nullptr;
};

} // namespace zel::test
