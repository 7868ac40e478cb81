#include "ui/audio/quick_eq_dialogs.h"

#include <QFileDialog>
#include <QGuiApplication>
#include <QMessageBox>

#include "ui/audio/quick_eq_presets.h"

namespace zel::ui {

QString NativeQuickEqDialogs::askSavePath(QWidget* parent, const QString& folder,
                                          const QString& proposedName)
{
    QFileDialog dialog(parent, QStringLiteral("Save PC Quick EQ Preset"), folder,
                       QLatin1String(kQuickEqFilter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QLatin1String(kQuickEqSuffix));
    // The caller asks its own overwrite question, worded as the rest of the program's.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (!proposedName.isEmpty())
        dialog.selectFile(proposedName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

bool NativeQuickEqDialogs::confirm(QWidget* parent, const QString& question)
{
    QMessageBox box(QMessageBox::Question, QStringLiteral("Confirm"), question,
                    QMessageBox::Ok | QMessageBox::Cancel, parent);
    box.setEscapeButton(QMessageBox::Cancel);
    return box.exec() == QMessageBox::Ok;
}

void NativeQuickEqDialogs::showError(QWidget* parent, const QString& message)
{
    QMessageBox::critical(parent, QGuiApplication::applicationDisplayName(), message);
}

} // namespace zel::ui
