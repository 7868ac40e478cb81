#include "ui/common/tick_dialog.h"

#include "ui/access/button_mnemonics.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace zel::ui {

TickDialog::TickDialog(const QString& title, const QString& text, const QList<TickableItem>& items,
                       QWidget* parent, const QList<TickableItem>& options)
    : QDialog(parent), m_list(new QListWidget(this))
{
    setWindowTitle(title);
    auto* label = new QLabel(text, this);
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText); // names as typed, never markup
    label->setBuddy(m_list);
    m_list->setAccessibleName(title); // a list is not named by the label it is the buddy of
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    for (const TickableItem& option : options) {
        auto* box = new QCheckBox(option.label, this);
        box->setChecked(option.ticked);
        box->setEnabled(option.enabled);
        layout->addWidget(box);
        m_options << box;
        connect(box, &QCheckBox::toggled, this, &TickDialog::updateOk);
    }
    for (const TickableItem& item : items) {
        auto* entry = new QListWidgetItem(item.label, m_list);
        entry->setFlags(item.enabled ? Qt::ItemIsEnabled | Qt::ItemIsUserCheckable
                                     : Qt::NoItemFlags);
        entry->setCheckState(item.enabled && item.ticked ? Qt::Checked : Qt::Unchecked);
    }
    m_list->setAccessibleName(title);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    m_ok = buttons->button(QDialogButtonBox::Ok);
    QPushButton* all = buttons->addButton(tr("&All"), QDialogButtonBox::ActionRole);
    QPushButton* none = buttons->addButton(tr("&None"), QDialogButtonBox::ActionRole);
    connect(all, &QPushButton::clicked, this, [this] { tickAll(true); });
    connect(none, &QPushButton::clicked, this, [this] { tickAll(false); });
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    giveButtonsMnemonics(this);

    layout->addWidget(m_list, 1);
    layout->addWidget(buttons);
    // Tab goes down the dialog as it reads: the options, the list, the buttons. The focus starts
    // in the list, the choice made every time.
    if (!m_options.isEmpty())
        setTabOrder(m_options.constLast(), m_list);
    m_list->setFocus();
    m_list->setCurrentRow(0);
    updateOk();
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

QList<bool> TickDialog::optionStates() const
{
    QList<bool> states;
    for (const QCheckBox* box : m_options)
        states << box->isChecked();
    return states;
}

void TickDialog::tickAll(bool ticked)
{
    for (int row = 0; row < m_list->count(); ++row) {
        QListWidgetItem* item = m_list->item(row);
        if (item->flags().testFlag(Qt::ItemIsUserCheckable))
            item->setCheckState(ticked ? Qt::Checked : Qt::Unchecked);
    }
}

void TickDialog::updateOk()
{
    m_ok->setEnabled(m_options.isEmpty() ||
                     std::any_of(m_options.begin(), m_options.end(),
                                 [](QCheckBox* box) { return box->isChecked(); }));
}

} // namespace zel::ui
