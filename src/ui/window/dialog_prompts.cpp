#include "ui/window/dialog_prompts.h"

#include "ui/access/button_mnemonics.h"
#include "ui/access/focus_return.h"
#include "ui/audio/quick_eq_presets.h"
#include "ui/common/prompt_dialog.h"
#include "ui/common/tick_dialog.h"
#include "ui/report/report_dialog.h"
#include "ui/transfer/select_port_dialog.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>

#include <memory>

namespace zel::ui {

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
    return runConfigurationFileDialog(owner(), FileDialogKind::Open, fileName);
}

QString DialogPrompts::saveFileName(const QString& fileName)
{
    return runConfigurationFileDialog(owner(), FileDialogKind::Save, fileName);
}

bool DialogPrompts::confirm(const QString& question)
{
    const std::unique_ptr<QMessageBox> box(makeConfirmationBox(owner(), question));
    return runModal(*box) == QMessageBox::Ok;
}

QString DialogPrompts::quickEqSavePath(const QString& folder, const QString& fileName)
{
    QFileDialog dialog(owner(), QCoreApplication::translate("Window", "Save PC Quick EQ Preset"),
                       folder, QCoreApplication::translate("Audio", kQuickEqFilter));
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
        makeConfirmationBox(owner(), question, QCoreApplication::translate("Window", "Confirm")));
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
