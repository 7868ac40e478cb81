#include "ui/pages/eight_bit_text.h"

#include <QLineEdit>

#include <algorithm>

namespace zel::ui {

bool isEightBitText(const QString& text)
{
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() <= 0xFF; });
}

QValidator::State EightBitTextValidator::validate(QString& input, int&) const
{
    return isEightBitText(input) ? Acceptable : Invalid;
}

void acceptEightBitTextOnly(QLineEdit* edit)
{
    edit->setValidator(new EightBitTextValidator(edit));
}

} // namespace zel::ui
