#include "ui/grids/name_typing_rule.h"

#include "model/config_model.h"

#include <QKeyEvent>
#include <QKeySequence>

namespace zel::ui {

namespace {

bool isLatin1(const QString& text)
{
    for (const QChar c : text) {
        if (c.unicode() > 0xFF)
            return false;
    }
    return true;
}

} // namespace

bool nameKeyAllowed(const QString& cellText, const QKeyEvent& event)
{
    const int key = event.key();
    if (key == Qt::Key_Backspace || key == Qt::Key_Return || key == Qt::Key_Enter)
        return true;
    const bool pastes = event.matches(QKeySequence::Paste);
    const QString typed = event.text();
    const bool typesCharacter = !typed.isEmpty() && typed.at(0).isPrint();
    if (!pastes && !typesCharacter)
        return true;
    if (typesCharacter && !isLatin1(typed))
        return false;
    return cellText.size() < model::kNameLength;
}

} // namespace zel::ui
