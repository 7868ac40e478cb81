#pragma once
// The window that greets the user at start-up with the steps of a configuration session, where
// the unit journal keeps each transfer, and the way to a venue of several units (Find Units and
// the site window). It stays on top of the main window until its "OK" button or close box is used.

#include <QDialog>
#include <QStringList>

class QPlainTextEdit;
class QPushButton;

namespace zel::ui {

class WelcomeWindow : public QDialog {
    Q_OBJECT
public:
    explicit WelcomeWindow(QWidget* parent = nullptr);

    // The greeting, one entry per text line, blanks included.
    static QStringList welcomeLines();

    QPlainTextEdit* textBox() const { return m_textBox; }
    QPushButton* okButton() const { return m_okButton; }

private:
    QPlainTextEdit* m_textBox;
    QPushButton* m_okButton;
};

} // namespace zel::ui
