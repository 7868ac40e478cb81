#include "ui/grids/name_typing_rule.h"

#include "model/config_model.h"
#include "ui/common/configuration_text.h"

#include <QKeyEvent>
#include <QKeySequence>

namespace zel::ui {

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
    if (typesCharacter && !isConfigurationText(typed))
        return false;
    return cellText.size() < model::kNameLength;
}

} // namespace zel::ui
