#include "ui/window/tick_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace zel::ui {

TickDialog::TickDialog(const QString& title, const QString& text, const QList<TickableItem>& items,
                       QWidget* parent)
    : QDialog(parent), m_list(new QListWidget(this))
{
    setWindowTitle(title);
    auto* label = new QLabel(text, this);
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText); // names as typed, never markup
    label->setBuddy(m_list);
    for (const TickableItem& item : items) {
        auto* entry = new QListWidgetItem(item.label, m_list);
        entry->setFlags(item.enabled ? Qt::ItemIsEnabled | Qt::ItemIsUserCheckable
                                     : Qt::NoItemFlags);
        entry->setCheckState(Qt::Unchecked);
    }
    m_list->setAccessibleName(title);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    QPushButton* all = buttons->addButton(tr("&All"), QDialogButtonBox::ActionRole);
    QPushButton* none = buttons->addButton(tr("&None"), QDialogButtonBox::ActionRole);
    connect(all, &QPushButton::clicked, this, [this] { tickAll(true); });
    connect(none, &QPushButton::clicked, this, [this] { tickAll(false); });
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(m_list, 1);
    layout->addWidget(buttons);
    m_list->setFocus();
    m_list->setCurrentRow(0);
}

QList<int> TickDialog::tickedItems() const
{
    QList<int> ticked;
    for (int row = 0; row < m_list->count(); ++row) {
        if (m_list->item(row)->checkState() == Qt::Checked)
            ticked << row;
    }
    return ticked;
}

void TickDialog::tickAll(bool ticked)
{
    for (int row = 0; row < m_list->count(); ++row) {
        QListWidgetItem* item = m_list->item(row);
        if (item->flags().testFlag(Qt::ItemIsUserCheckable))
            item->setCheckState(ticked ? Qt::Checked : Qt::Unchecked);
    }
}

} // namespace zel::ui
