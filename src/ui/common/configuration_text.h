#pragma once
// The one rule for text that the configuration keeps as 8-bit characters and carries inside its
// lines (zone, source, favorite and group names, preset names, addresses): a character beyond
// Latin-1 has no byte there, and line breaks, other control codes, "[", "]" and the byte 0xFF
// cannot travel inside a config line. An edit that would bring one in is refused whole, typed or
// pasted, rather than stored as "?" or sent as a broken line while the box still shows it.

#include <QString>
#include <QValidator>

class QLineEdit;

namespace zel::ui {

// Whether every character of `text` has a Latin-1 byte that a config line can carry.
bool isConfigurationText(const QString& text);

// Refuses every edit of a line edit that would bring in a character that a config line cannot
// carry. A text set by the program (a name read from a file) may hold such characters already:
// an edit that keeps or removes them passes, so that they can be deleted one by one.
class ConfigurationTextValidator : public QValidator {
    Q_OBJECT
public:
    explicit ConfigurationTextValidator(QLineEdit* edit);
    State validate(QString& input, int& pos) const override;

private:
    QString m_shownText; // the edit's text before the edit being validated
};

// Gives `edit` the rule; the validator belongs to the edit.
void acceptConfigurationTextOnly(QLineEdit* edit);

} // namespace zel::ui
