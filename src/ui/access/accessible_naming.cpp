#include "ui/access/accessible_naming.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QVariant>
#include <QWidget>

namespace zel::ui {

namespace {
constexpr char kCaptionProperty[] = "zelAccessibleCaption";

void applyRecord(QWidget* control, const QString& record)
{
    const QString caption = control->property(kCaptionProperty).toString();
    if (caption.isEmpty())
        return;
    control->setAccessibleName(record.isEmpty() ? caption : record + QLatin1Char(' ') + caption);
}
} // namespace

void setAccessibleCaption(QWidget* control, const QString& caption)
{
    control->setProperty(kCaptionProperty, caption);
    control->setAccessibleName(caption);
}

void nameForRecord(QWidget* root, const QString& record)
{
    applyRecord(root, record);
    for (QWidget* control : root->findChildren<QWidget*>())
        applyRecord(control, record);
}

void labelComboBox(QComboBox* box, QLabel* caption)
{
    caption->setBuddy(box);
    box->view()->setAccessibleName(caption->text());
}

void nameListItems(QListWidget* list, const QString& itemWord)
{
    for (int row = 0; row < list->count(); ++row) {
        QListWidgetItem* item = list->item(row);
        const QString label = QStringLiteral("%1 %2").arg(itemWord).arg(row + 1);
        const QString text = item->text().trimmed();
        item->setData(Qt::AccessibleTextRole, text.isEmpty() || text == label
                                                  ? label
                                                  : label + QStringLiteral(": ") + text);
    }
}

void nameBlankItems(QComboBox* box, const QString& itemWord)
{
    for (int row = 0; row < box->count(); ++row) {
        const bool blank = box->itemText(row).trimmed().isEmpty();
        box->setItemData(
            row, blank ? QVariant(QStringLiteral("%1 %2").arg(itemWord).arg(row + 1)) : QVariant(),
            Qt::AccessibleTextRole);
    }
}

} // namespace zel::ui
