#pragma once
// Names that screen readers read for the controls of a page. A control gets its caption once
// ("Volume", "Band 1KHz"); the page then puts the record it shows in front of every caption
// ("Zone 3 Volume") whenever it shows another zone or preset.

#include <QString>

class QComboBox;
class QLabel;
class QListWidget;
class QWidget;

namespace zel::ui {

// Gives `control` the accessible name `caption` and keeps the caption for nameForRecord().
void setAccessibleCaption(QWidget* control, const QString& caption);

// Names every control under `root` (and `root` itself) that has a caption "<record> <caption>".
void nameForRecord(QWidget* root, const QString& record);

// Ties a drop-down list to its caption: screen readers on Linux read a drop-down list by its
// chosen item and its caption (the label it is the buddy of); its open list is named too.
void labelComboBox(QComboBox* box, QLabel* caption);

// Names each entry of `list` "<itemWord> <n>: <text>", so that an entry whose text is empty (an
// unnamed zone) is still read as what it is.
void nameListItems(QListWidget* list, const QString& itemWord);

// Names each entry of `box` whose text is empty "<itemWord> <n>", so that its open list reads
// no blank entries (the presets of a configuration not yet loaded have no names).
void nameBlankItems(QComboBox* box, const QString& itemWord);

} // namespace zel::ui
