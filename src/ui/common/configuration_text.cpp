#include "ui/common/configuration_text.h"

#include "model/carried_text.h"

#include <QLineEdit>

#include <algorithm>

namespace zel::ui {

namespace {

bool isCarriedCharacter(QChar c)
{
    return c.unicode() <= 0xFF && model::isCarriedByte(static_cast<unsigned char>(c.unicode()));
}

qsizetype uncarriedCount(const QString& text)
{
    return std::count_if(text.begin(), text.end(), [](QChar c) { return !isCarriedCharacter(c); });
}

} // namespace

bool isConfigurationText(const QString& text)
{
    return std::all_of(text.begin(), text.end(), isCarriedCharacter);
}

ConfigurationTextValidator::ConfigurationTextValidator(QLineEdit* edit)
    : QValidator(edit), m_shownText(edit->text())
{
    connect(edit, &QLineEdit::textChanged, this,
            [this](const QString& text) { m_shownText = text; });
}

QValidator::State ConfigurationTextValidator::validate(QString& input, int&) const
{
    return uncarriedCount(input) <= uncarriedCount(m_shownText) ? Acceptable : Invalid;
}

void acceptConfigurationTextOnly(QLineEdit* edit)
{
    edit->setValidator(new ConfigurationTextValidator(edit));
}

} // namespace zel::ui
