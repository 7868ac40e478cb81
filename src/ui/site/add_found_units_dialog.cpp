#include "ui/site/add_found_units_dialog.h"

#include "ui/access/button_mnemonics.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <utility>

namespace zel::ui {

AddFoundUnitsDialog::AddFoundUnitsDialog(const session::SiteProposal& proposal, const QString& site,
                                         Adding add, QWidget* parent)
    : QDialog(parent), m_proposed(proposal.units), m_adding(std::move(add)),
      m_table(new QTableWidget(int(proposal.units.size()), 2, this)), m_note(new QLabel(this)),
      m_add(new QPushButton(tr("&Add to Site"), this))
{
    setWindowTitle(tr("Add to Site"));
    auto* intro = new QLabel(
        tr("These units join %1, each under the name shown; change a name by typing over it.")
            .arg(site),
        this);
    intro->setWordWrap(true);
    intro->setTextFormat(Qt::PlainText);

    m_table->setHorizontalHeaderLabels({tr("Name"), tr("Link")});
    m_table->setAccessibleName(tr("Units to add"));
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->setSelectionBehavior(QAbstractItemView::SelectItems);
    m_table->setEditTriggers(QAbstractItemView::AllEditTriggers);
    for (int row = 0; row < m_proposed.size(); ++row) {
        m_table->setItem(row, kNameColumn, new QTableWidgetItem(m_proposed[row].name));
        auto* link = new QTableWidgetItem(m_proposed[row].link.text());
        link->setFlags(link->flags() & ~Qt::ItemIsEditable);
        m_table->setItem(row, kLinkColumn, link);
    }
    m_table->resizeColumnsToContents();
    m_table->setColumnWidth(kNameColumn, qMax(m_table->columnWidth(kNameColumn), 160));
    if (!m_proposed.isEmpty())
        m_table->setCurrentCell(0, kNameColumn);

    QStringList inSite;
    for (const session::FoundUnit& unit : proposal.inSite)
        inSite << unit.link.text();
    m_note->setWordWrap(true);
    m_note->setTextFormat(Qt::PlainText);
    if (!inSite.isEmpty())
        m_note->setText(tr("The site reaches these already; they are not added again: %1.")
                            .arg(inSite.join(QStringLiteral(", "))));
    m_note->setVisible(!inSite.isEmpty());

    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(m_add, QDialogButtonBox::AcceptRole);
    buttons->addButton(QDialogButtonBox::Cancel);
    m_add->setDefault(true);
    m_add->setEnabled(!m_proposed.isEmpty());
    connect(buttons, &QDialogButtonBox::accepted, this, &AddFoundUnitsDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addWidget(m_table, 1);
    layout->addWidget(m_note);
    layout->addWidget(buttons);
    giveButtonsMnemonics(this);
    resize(560, 300);
    m_table->setFocus();
}

QList<session::SiteUnit> AddFoundUnitsDialog::units() const
{
    QList<session::SiteUnit> units = m_proposed;
    for (int row = 0; row < units.size(); ++row)
        units[row].name = m_table->item(row, kNameColumn)->text().trimmed();
    return units;
}

void AddFoundUnitsDialog::accept()
{
    // A name still being typed counts: leaving its cell ends the edit, keeping the text.
    const QModelIndex current = m_table->currentIndex();
    m_table->setCurrentIndex({});
    m_table->setCurrentIndex(current);
    if (m_add->isEnabled() && m_adding(units()))
        QDialog::accept();
}

} // namespace zel::ui
