#pragma once
// A small modal dialog built on the fly that asks for one line of text: a caption, a prompt, an
// entry and "OK"/"Cancel". Its measures are dialog units of its font, so it keeps its proportions
// at any font size.

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace zel::ui {

// Dialog units: X is the average character width of a font (the 52 letters "A" to "Z" and "a"
// to "z" in a row, divided by 52), Y the height of that text. Measures are quarters of X and
// eighths of Y.
class DialogUnits {
public:
    explicit DialogUnits(const QFont& font);
    int x(int quarters) const { return qRound(quarters * m_averageWidth / 4.0); }
    int y(int eighths) const { return qRound(eighths * m_height / 8.0); }

private:
    double m_averageWidth = 0;
    double m_height = 0;
};

class PromptDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int kMaxLength = 255;

    // The entry starts with `text`, all of it selected; `masked` hides what is typed. The dialog
    // takes the font of `parent`.
    PromptDialog(const QString& caption, const QString& prompt, const QString& text,
                 QWidget* parent = nullptr, bool masked = false);

    QString text() const;

    QLabel* promptLabel() const { return m_prompt; }
    QLineEdit* entry() const { return m_entry; }
    QPushButton* okButton() const { return m_ok; }
    QPushButton* cancelButton() const { return m_cancel; }

private:
    QLabel* m_prompt;
    QLineEdit* m_entry;
    QPushButton* m_ok;
    QPushButton* m_cancel;
};

} // namespace zel::ui
