#pragma once
// The window's "Report..." dialog: who the report is for (site, client, installer, remembered
// for the unit), notes for the client, what its changes are listed since (the visit's start,
// another journal entry, no list, or a configuration file), and the file it is saved to (PDF or
// HTML), whose proposed name follows the site as it is typed until the user names it.

#include "ui/common/user_prompts.h"

#include <QDialog>

class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace zel::ui {

class ReportDialog : public QDialog {
    Q_OBJECT
public:
    explicit ReportDialog(const ReportQuestion& question, QWidget* parent = nullptr);

    // What is chosen now; a file name without an extension gets ".pdf".
    ReportChoice choice() const;

    QLineEdit* siteEdit() const { return m_site; }
    QLineEdit* clientEdit() const { return m_client; }
    QLineEdit* installerEdit() const { return m_installer; }
    QPlainTextEdit* notesEdit() const { return m_notes; }
    QComboBox* baselineBox() const { return m_baseline; }
    QLineEdit* pathEdit() const { return m_path; }
    QPushButton* saveButton() const { return m_save; }

    // Lists the changes since the configuration file `path`, as choosing it in the open dialog
    // behind "A configuration file..." does.
    void chooseBaselineFile(const QString& path);

private:
    void onBaselineActivated(int index);
    void browse();

    std::function<QString(const QString&)> m_pathForSite;
    QLineEdit* m_site;
    QLineEdit* m_client;
    QLineEdit* m_installer;
    QPlainTextEdit* m_notes;
    QComboBox* m_baseline;
    QLineEdit* m_path;
    QPushButton* m_save = nullptr;
    bool m_pathOwn = false;  // the user named the file: the site no longer changes it
    int m_shownBaseline = 0; // the item shown before "A configuration file..." was picked
};

} // namespace zel::ui
