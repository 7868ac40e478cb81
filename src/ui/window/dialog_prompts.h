#pragma once
// The user prompts as the window shows them: the "Select Port" dialog, the prompt dialog, the
// file dialogs and message boxes, all modal over the window.

#include "ui/common/user_prompts.h"

#include <QPointer>
#include <QWidget>

class QFileDialog;
class QMessageBox;

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
    std::optional<ReportChoice> reportFile(const ReportQuestion& question) override;
    void showError(const QString& text) override;

private:
    QPointer<QWidget> m_parent;
};

enum class FileDialogKind { Open, Save };

// The open or save dialog for ".zel" files: default extension "zel", the ZEL and all-files
// filters, `fileName` proposed (its name alone in the documents folder when its own folder is
// gone). The overwrite question is the link's own, so the save dialog does not ask it.
QFileDialog* makeConfigurationFileDialog(QWidget* parent, FileDialogKind kind,
                                         const QString& fileName);

// A confirmation box with "OK" and "Cancel"; Enter, Escape and the close box answer "Cancel",
// since "OK" always sends, overwrites or discards something. Titled with the application's name
// unless `title` is given.
QMessageBox* makeConfirmationBox(QWidget* parent, const QString& question,
                                 const QString& title = QString());

// The application's general error message box.
QMessageBox* makeErrorBox(QWidget* parent, const QString& text);

} // namespace zel::ui
