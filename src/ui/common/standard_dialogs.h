#pragma once
// The standard dialogs every window of the program shows the same way: the open and save dialogs
// for configuration files and the message boxes, each with buttons that answer to Alt and their
// underlined letter.

#include <QString>

class QDialog;
class QFileDialog;
class QMessageBox;
class QWidget;

namespace zel::ui {

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

// Runs `dialog` modal over the window the user is in, who finds the focus where it was when it
// closes.
int runModal(QDialog& dialog);
// The caption of error boxes: the application's name.
QString errorCaption();
// Gives a file dialog's buttons their mnemonics ("&Cancel" too, which Qt names without one).
void nameFileDialogButtons(QFileDialog& dialog);
// Runs the open or save dialog for a configuration file; the file chosen, or empty.
QString runConfigurationFileDialog(QWidget* parent, FileDialogKind kind, const QString& fileName);

// The application's general error message box.
QMessageBox* makeErrorBox(QWidget* parent, const QString& text);

// "About": the program's name and version, with an "OK" that answers to Alt+O.
QMessageBox* makeAboutBox(QWidget* parent, const QString& title, const QString& text);

} // namespace zel::ui
