#pragma once
// The "Configuration File" page: two text boxes side by side. The left one holds the
// configuration text as it came (received text, transfer logs); the right one the reader's log
// and the text of an export.

#include <QWidget>

class QPlainTextEdit;

namespace zel::ui {

class ConfigurationFilePage : public QWidget {
    Q_OBJECT
public:
    explicit ConfigurationFilePage(QWidget* parent = nullptr);

    QPlainTextEdit* configurationTextBox() const { return m_configurationTextBox; }
    QPlainTextEdit* logTextBox() const { return m_logTextBox; }

    // Both boxes emptied.
    void clear();

private:
    QPlainTextEdit* m_configurationTextBox;
    QPlainTextEdit* m_logTextBox;
};

} // namespace zel::ui
