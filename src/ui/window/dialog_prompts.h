#pragma once
// The user prompts as the window shows them: the "Select Port" dialog, the prompt dialog, the
// file dialogs and message boxes, all modal over the window the user is in. Every button of
// them answers to Alt and its underlined letter.

#include "ui/common/standard_dialogs.h"
#include "ui/common/user_prompts.h"

#include <QPointer>
#include <QWidget>

namespace zel::ui {

class DialogPrompts : public UserPrompts {
public:
    explicit DialogPrompts(QWidget* parent) : m_parent(parent) {}

    std::optional<QString> choosePort() override;
    std::optional<QString> inputQuery(const QString& caption, const QString& prompt,
                                      const QString& text) override;
    QString openFileName(const QString& fileName) override;
    QString saveFileName(const QString& fileName) override;
    bool confirm(const QString& question) override;
    QString quickEqSavePath(const QString& folder, const QString& fileName) override;
    bool confirmPresetFile(const QString& question) override;
    QList<int> chooseItems(const QString& title, const QString& text,
                           const QList<TickableItem>& items) override;
    std::optional<TickChoice> chooseItemsAndOptions(const QString& title, const QString& text,
                                                    const QList<TickableItem>& items,
                                                    const QList<TickableItem>& options) override;
    std::optional<ReportChoice> reportFile(const ReportQuestion& question) override;
    LiveSide chooseLiveSide(const QString& text, const QStringList& differences,
                            bool canSendEdited) override;
    void showError(const QString& text) override;

    // The window a question belongs to: the one the user is in when it is asked (History, a
    // dialog), so that the focus goes back there when the question closes; else the window
    // these prompts were made for.
    QWidget* owner() const;

private:
    QPointer<QWidget> m_parent;
};

} // namespace zel::ui
