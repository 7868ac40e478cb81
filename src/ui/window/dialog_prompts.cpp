#include "ui/window/dialog_prompts.h"

#include "ui/audio/quick_eq_presets.h"
#include "ui/common/button_mnemonics.h"
#include "ui/common/focus_return.h"
#include "ui/common/prompt_dialog.h"
#include "ui/common/tick_dialog.h"
#include "ui/report/report_dialog.h"
#include "ui/transfer/select_port_dialog.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>

#include <memory>

namespace zel::ui {

namespace {

const QString kZelFilter = QStringLiteral("ZEL files (*.zel)");
#ifdef Q_OS_WIN
const QString kAllFilesFilter = QStringLiteral("All Files (*.*)");
#else
// "*.*" would hide the files without an extension here.
const QString kAllFilesFilter = QStringLiteral("All Files (*)");
#endif

// A modal dialog over the window the user is in, who finds the focus where it was when it closes.
int runModal(QDialog& dialog)
{
    const FocusReturn back;
    return dialog.exec();
}

QString errorCaption()
{
    const QString name = QApplication::applicationName();
    return name.isEmpty() ? QStringLiteral("ZEL Configuration") : name;
}

QString documentsFolder()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

// Qt's own file dialog names its buttons as the platform does, "Cancel" without a mnemonic.
void nameFileDialogButtons(QFileDialog& dialog)
{
    dialog.setLabelText(QFileDialog::Reject, QObject::tr("&Cancel"));
    giveButtonsMnemonics(&dialog);
}

QString runFileDialog(QWidget* parent, FileDialogKind kind, const QString& fileName)
{
    const std::unique_ptr<QFileDialog> dialog(makeConfigurationFileDialog(parent, kind, fileName));
    if (runModal(*dialog) != QDialog::Accepted || dialog->selectedFiles().isEmpty())
        return {};
    return dialog->selectedFiles().constFirst();
}

} // namespace

QFileDialog* makeConfigurationFileDialog(QWidget* parent, FileDialogKind kind,
                                         const QString& fileName)
{
    auto* dialog = new QFileDialog(parent);
    const bool save = kind == FileDialogKind::Save;
    dialog->setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog->setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog->setOption(QFileDialog::DontConfirmOverwrite, true);
    dialog->setNameFilters({kZelFilter, kAllFilesFilter});
    // A typed name without an extension gets ".zel" only while the ZEL filter is chosen: with
    // "All Files" the name is the file's name as typed ("/etc/passwd" stays itself).
    const auto suffixForFilter = [dialog](const QString& filter) {
        dialog->setDefaultSuffix(filter == kZelFilter ? QStringLiteral("zel") : QString());
    };
    suffixForFilter(kZelFilter);
    QObject::connect(dialog, &QFileDialog::filterSelected, dialog, suffixForFilter);
    nameFileDialogButtons(*dialog);
    if (fileName.isEmpty())
        return dialog;
    const QFileInfo proposed(fileName);
    if (proposed.absoluteDir().exists()) {
        dialog->selectFile(proposed.absoluteFilePath());
    } else {
        // A folder removed since: the dialog would name the file relative to a folder it never
        // reached. Propose the name alone where the user keeps documents.
        dialog->setDirectory(documentsFolder());
        dialog->selectFile(proposed.fileName());
    }
    return dialog;
}

QMessageBox* makeConfirmationBox(QWidget* parent, const QString& question, const QString& title)
{
    auto* box = new QMessageBox(QMessageBox::Question, title.isEmpty() ? errorCaption() : title,
                                question, QMessageBox::Ok | QMessageBox::Cancel, parent);
    box->setTextFormat(Qt::PlainText); // a path as the platform gives it, never markup
    // Every question's "OK" sends, overwrites or discards something: Enter must not do it.
    box->setDefaultButton(QMessageBox::Cancel);
    box->setEscapeButton(QMessageBox::Cancel);
    giveButtonsMnemonics(box);
    return box;
}

QMessageBox* makeErrorBox(QWidget* parent, const QString& text)
{
    auto* box =
        new QMessageBox(QMessageBox::Critical, errorCaption(), text, QMessageBox::Ok, parent);
    box->setTextFormat(Qt::PlainText); // hosts, paths and layer messages as they are
    giveButtonsMnemonics(box);
    return box;
}

QMessageBox* makeAboutBox(QWidget* parent, const QString& title, const QString& text)
{
    auto* box = new QMessageBox(QMessageBox::NoIcon, title, text, QMessageBox::Ok, parent);
    box->setIconPixmap(QApplication::windowIcon().pixmap(64, 64));
    giveButtonsMnemonics(box);
    return box;
}

QWidget* DialogPrompts::owner() const
{
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    if (QWidget* active = QApplication::activeWindow())
        return active;
    return m_parent;
}

std::optional<QString> DialogPrompts::choosePort()
{
    SelectPortDialog dialog(SelectPortDialog::availablePorts(), owner());
    if (runModal(dialog) != QDialog::Accepted)
        return std::nullopt;
    return dialog.portName();
}

std::optional<QString> DialogPrompts::inputQuery(const QString& caption, const QString& prompt,
                                                 const QString& text)
{
    PromptDialog dialog(caption, prompt, text, owner());
    if (runModal(dialog) != QDialog::Accepted)
        return std::nullopt;
    return dialog.text();
}

QString DialogPrompts::openFileName(const QString& fileName)
{
    return runFileDialog(owner(), FileDialogKind::Open, fileName);
}

QString DialogPrompts::saveFileName(const QString& fileName)
{
    return runFileDialog(owner(), FileDialogKind::Save, fileName);
}

bool DialogPrompts::confirm(const QString& question)
{
    const std::unique_ptr<QMessageBox> box(makeConfirmationBox(owner(), question));
    return runModal(*box) == QMessageBox::Ok;
}

QString DialogPrompts::quickEqSavePath(const QString& folder, const QString& fileName)
{
    QFileDialog dialog(owner(), QStringLiteral("Save PC Quick EQ Preset"), folder,
                       QLatin1String(kQuickEqFilter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QLatin1String(kQuickEqSuffix));
    // The library asks its own overwrite question, worded as the rest of the program's.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (!fileName.isEmpty())
        dialog.selectFile(fileName);
    nameFileDialogButtons(dialog);
    if (runModal(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

bool DialogPrompts::confirmPresetFile(const QString& question)
{
    const std::unique_ptr<QMessageBox> box(
        makeConfirmationBox(owner(), question, QStringLiteral("Confirm")));
    return runModal(*box) == QMessageBox::Ok;
}

QList<int> DialogPrompts::chooseItems(const QString& title, const QString& text,
                                      const QList<TickableItem>& items)
{
    TickDialog dialog(title, text, items, owner());
    return runModal(dialog) == QDialog::Accepted ? dialog.tickedItems() : QList<int>();
}

std::optional<TickChoice> DialogPrompts::chooseItemsAndOptions(const QString& title,
                                                               const QString& text,
                                                               const QList<TickableItem>& items,
                                                               const QList<TickableItem>& options)
{
    TickDialog dialog(title, text, items, owner(), options);
    if (runModal(dialog) != QDialog::Accepted)
        return std::nullopt;
    return TickChoice{dialog.tickedItems(), dialog.optionStates()};
}

std::optional<ReportChoice> DialogPrompts::reportFile(const ReportQuestion& question)
{
    ReportDialog dialog(question, owner());
    if (runModal(dialog) != QDialog::Accepted)
        return std::nullopt;
    return dialog.choice();
}

LiveSide DialogPrompts::chooseLiveSide(const QString& text, const QStringList& differences,
                                       bool canSendEdited)
{
    QMessageBox box(QMessageBox::Question, errorCaption(), text, QMessageBox::Cancel, owner());
    box.setTextFormat(Qt::PlainText);
    box.setDetailedText(differences.join(QLatin1Char('\n')));
    QPushButton* send = nullptr;
    if (canSendEdited)
        send = box.addButton(QObject::tr("&Send the Edited Values"), QMessageBox::AcceptRole);
    QPushButton* take = box.addButton(QObject::tr("&Take the Unit's"), QMessageBox::AcceptRole);
    // Either choice changes the unit or the configuration being edited: Enter does neither.
    box.setDefaultButton(QMessageBox::Cancel);
    box.setEscapeButton(QMessageBox::Cancel);
    giveButtonsMnemonics(&box);
    runModal(box);
    if (send && box.clickedButton() == send)
        return LiveSide::SendEdited;
    return box.clickedButton() == take ? LiveSide::TakeUnits : LiveSide::Cancel;
}

void DialogPrompts::showError(const QString& text)
{
    const std::unique_ptr<QMessageBox> box(makeErrorBox(owner(), text));
    runModal(*box);
}

} // namespace zel::ui
