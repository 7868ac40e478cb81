#pragma once
// Answers the window's questions in code, in place of the modal dialogs, and records what was
// asked.

#include "ui/common/user_prompts.h"

#include <QList>
#include <QStringList>

#include <functional>

namespace zel::test {

class ScriptedPrompts : public ui::UserPrompts {
public:
    // Answers given in order; when a list runs out the question is cancelled.
    QList<std::optional<QString>> portAnswers;
    QList<std::optional<QString>> inputAnswers;
    QString openAnswer; // empty: cancelled
    QString saveAnswer;
    bool confirmAnswer = false; // also the answer to the quick EQ questions
    QList<bool> confirmAnswers; // given in order before confirmAnswer
    QString quickEqSaveAnswer;  // empty: cancelled
    QList<int> tickAnswer;      // the items ticked; empty: cancelled
    QList<bool> optionAnswer;   // the options' states; empty: as offered
    std::optional<ui::ReportChoice> reportAnswer;
    // Answers the report dialog in place of reportAnswer, given what it proposes.
    std::function<std::optional<ui::ReportChoice>(const ui::ReportQuestion&)> onReport;
    ui::LiveSide liveSideAnswer = ui::LiveSide::Cancel;
    // Runs when a one-line entry is asked for, before it is answered.
    std::function<void()> onInputQuery;

    // What was asked.
    int portQuestions = 0;
    QList<QStringList> inputQueries; // caption, prompt, starting text
    QStringList openProposals;
    QStringList saveProposals;
    QStringList confirmations; // the quick EQ questions too
    QStringList quickEqSaveFolders;
    QStringList quickEqSaveProposals;
    QStringList errors;
    QList<ui::ReportQuestion> reportQuestions; // what each report dialog proposed
    QList<QList<bool>> optionOffers;           // how the options were ticked when offered
    QStringList liveSideQuestions;
    QStringList liveSideDifferences; // of the last one
    bool liveSideCouldSend = false;

    std::optional<QString> choosePort() override
    {
        ++portQuestions;
        return portAnswers.isEmpty() ? std::nullopt : portAnswers.takeFirst();
    }
    std::optional<QString> inputQuery(const QString& caption, const QString& prompt,
                                      const QString& text) override
    {
        inputQueries.append({caption, prompt, text});
        if (onInputQuery)
            onInputQuery();
        return inputAnswers.isEmpty() ? std::nullopt : inputAnswers.takeFirst();
    }
    QString openFileName(const QString& fileName) override
    {
        openProposals << fileName;
        return openAnswer;
    }
    QString saveFileName(const QString& fileName) override
    {
        saveProposals << fileName;
        return saveAnswer;
    }
    bool confirm(const QString& question) override
    {
        confirmations << question;
        return confirmAnswers.isEmpty() ? confirmAnswer : confirmAnswers.takeFirst();
    }
    QString quickEqSavePath(const QString& folder, const QString& fileName) override
    {
        quickEqSaveFolders << folder;
        quickEqSaveProposals << fileName;
        return quickEqSaveAnswer;
    }
    bool confirmPresetFile(const QString& question) override { return confirm(question); }
    QList<int> chooseItems(const QString&, const QString&, const QList<ui::TickableItem>&) override
    {
        return tickAnswer;
    }
    std::optional<ui::TickChoice>
    chooseItemsAndOptions(const QString&, const QString&, const QList<ui::TickableItem>&,
                          const QList<ui::TickableItem>& options) override
    {
        QList<bool> offered;
        for (const ui::TickableItem& option : options)
            offered << option.ticked;
        optionOffers << offered;
        if (tickAnswer.isEmpty())
            return std::nullopt;
        return ui::TickChoice{tickAnswer, optionAnswer.isEmpty() ? offered : optionAnswer};
    }

    std::optional<ui::ReportChoice> reportFile(const ui::ReportQuestion& question) override
    {
        reportQuestions << question;
        return onReport ? onReport(question) : reportAnswer;
    }
    ui::LiveSide chooseLiveSide(const QString& text, const QStringList& differences,
                                bool canSendEdited) override
    {
        liveSideQuestions << text;
        liveSideDifferences = differences;
        liveSideCouldSend = canSendEdited;
        return liveSideAnswer;
    }
    void showError(const QString& text) override { errors << text; }
};

} // namespace zel::test
