#pragma once
// The one rule for text that the configuration keeps as 8-bit characters (zone, source,
// favorite and group names, preset names, addresses): a character beyond Latin-1 has no byte
// there, so an edit that would bring one in is refused whole, typed or pasted, rather than
// stored as "?" while the box still shows what was typed.

#include <QString>
#include <QValidator>

class QLineEdit;

namespace zel::ui {

// Whether every character of `text` has a Latin-1 byte.
bool isEightBitText(const QString& text);

// Refuses every edit of a line edit that would leave a character beyond Latin-1 in it.
class EightBitTextValidator : public QValidator {
    Q_OBJECT
public:
    using QValidator::QValidator;
    State validate(QString& input, int& pos) const override;
};

// Gives `edit` the rule; the validator belongs to the edit.
void acceptEightBitTextOnly(QLineEdit* edit);

} // namespace zel::ui
