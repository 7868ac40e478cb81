#pragma once
// Every button of a dialog answers to Alt and a letter, so that each answer is in reach of the
// keyboard alone: buttons without a mnemonic of their own get the first letter no other control
// of the dialog takes, a word's first letter before the others ("&OK", "&Cancel", "C&lose").

#include <QString>

class QWidget;

namespace zel::ui {

// The letter of `text`'s mnemonic ("&Save" -> 's'), or a null character when it has none ("&&"
// is an ampersand).
QChar mnemonicLetter(const QString& text);

// Gives the buttons of `dialog` that have none a mnemonic letter the dialog's other mnemonics do
// not use. Runs again after buttons were added or renamed.
void giveButtonsMnemonics(QWidget* dialog);

} // namespace zel::ui
