#include "ui/common/standard_dialogs.h"

#include "ui/access/button_mnemonics.h"
#include "ui/access/focus_return.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QStandardPaths>

#include <memory>

namespace zel::ui {

namespace {

QString zelFilter()
{
    return QCoreApplication::translate("Common", "ZEL files (*.zel)");
}

QString allFilesFilter()
{
#ifdef Q_OS_WIN
    return QCoreApplication::translate("Common", "All Files (*.*)");
#else
    // "*.*" would hide the files without an extension here.
    return QCoreApplication::translate("Common", "All Files (*)");
#endif
}

QString documentsFolder()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

} // namespace

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

// Qt's own file dialog names its buttons as the platform does, "Cancel" without a mnemonic.
void nameFileDialogButtons(QFileDialog& dialog)
{
    dialog.setLabelText(QFileDialog::Reject, QObject::tr("&Cancel"));
    giveButtonsMnemonics(&dialog);
}

QString runConfigurationFileDialog(QWidget* parent, FileDialogKind kind, const QString& fileName)
{
    const std::unique_ptr<QFileDialog> dialog(makeConfigurationFileDialog(parent, kind, fileName));
    if (runModal(*dialog) != QDialog::Accepted || dialog->selectedFiles().isEmpty())
        return {};
    return dialog->selectedFiles().constFirst();
}

QFileDialog* makeConfigurationFileDialog(QWidget* parent, FileDialogKind kind,
                                         const QString& fileName)
{
    auto* dialog = new QFileDialog(parent);
    const bool save = kind == FileDialogKind::Save;
    dialog->setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog->setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog->setOption(QFileDialog::DontConfirmOverwrite, true);
    const QString zelFiles = zelFilter();
    dialog->setNameFilters({zelFiles, allFilesFilter()});
    // A typed name without an extension gets ".zel" only while the ZEL filter is chosen: with
    // "All Files" the name is the file's name as typed ("/etc/passwd" stays itself).
    const auto suffixForFilter = [dialog, zelFiles](const QString& filter) {
        dialog->setDefaultSuffix(filter == zelFiles ? QStringLiteral("zel") : QString());
    };
    suffixForFilter(zelFiles);
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

} // namespace zel::ui
