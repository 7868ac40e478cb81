#include "ui/window/history_dialog.h"

#include "ui/common/button_mnemonics.h"
#include "ui/window/focus_return.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace zel::ui {

namespace {

constexpr int kEntryRole = Qt::UserRole; // an entry's position in m_entries; none on unit rows

} // namespace

QString entryTimeText(const journal::Entry& entry)
{
    return entry.time.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

HistoryDialog::HistoryDialog(QWidget* parent)
    : QDialog(parent), m_folder(new QLabel(this)), m_list(new QTreeWidget(this)),
      m_open(new QPushButton(tr("&Open"), this)), m_compare(new QPushButton(tr("&Compare"), this)),
      m_restore(new QPushButton(tr("&Restore to Unit"), this))
{
    setWindowTitle(tr("History"));
    m_folder->setWordWrap(true);
    m_folder->setTextFormat(Qt::PlainText);
    m_list->setHeaderLabels({tr("Unit / time"), tr("Direction"), tr("Lines"), tr("How it ended")});
    m_list->setRootIsDecorated(true);
    m_list->header()->setStretchLastSection(true);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    for (QPushButton* button : {m_open, m_compare, m_restore})
        buttons->addButton(button, QDialogButtonBox::ActionRole);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    const auto emitFor = [this](void (HistoryDialog::*signal)(const journal::Entry&)) {
        return [this, signal] {
            if (const std::optional<journal::Entry> entry = chosenEntry())
                emit(this->*signal)(*entry);
        };
    };
    connect(m_open, &QPushButton::clicked, this, emitFor(&HistoryDialog::openRequested));
    connect(m_compare, &QPushButton::clicked, this, emitFor(&HistoryDialog::compareRequested));
    connect(m_restore, &QPushButton::clicked, this, emitFor(&HistoryDialog::restoreRequested));
    connect(m_list, &QTreeWidget::currentItemChanged, this, &HistoryDialog::updateButtons);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_folder);
    layout->addWidget(m_list);
    layout->addWidget(buttons);
    giveButtonsMnemonics(this);
    returnFocusWhenClosed(this);
    resize(640, 400);
    updateButtons();
}

void HistoryDialog::showEntries(const QList<journal::Entry>& entries, const QString& folder)
{
    m_entries = entries;
    m_list->clear();
    // The user's own folder as "~", as a shell names it.
    const QString home = QDir::homePath() + u'/';
    const QString shown = folder.startsWith(home) ? QStringLiteral("~/") + folder.mid(home.size())
                                                  : QDir::toNativeSeparators(folder);
    m_folder->setText(
        entries.isEmpty()
            ? tr("Nothing has been read from or sent to a unit yet. The journal "
                 "is kept in %1.")
                  .arg(shown)
            : tr("Every configuration read from or sent to a unit, kept in %1.").arg(shown));
    QList<QTreeWidgetItem*> units; // in the order their newest entry comes
    for (int i = 0; i < entries.size(); ++i) {
        const journal::Entry& entry = entries[i];
        auto unit = std::find_if(units.begin(), units.end(), [&](QTreeWidgetItem* item) {
            return item->text(0) == entry.unit;
        });
        if (unit == units.end()) {
            units << new QTreeWidgetItem(m_list, {entry.unit});
            unit = units.end() - 1;
        }
        auto* item = new QTreeWidgetItem(
            *unit, {entryTimeText(entry),
                    entry.direction == journal::Direction::FromUnit ? tr("from the unit")
                                                                    : tr("to the unit"),
                    QString::number(entry.configLines), journal::endingText(entry)});
        item->setData(0, kEntryRole, i);
    }
    m_list->expandAll();
    for (int column = 0; column < 3; ++column)
        m_list->resizeColumnToContents(column);
    if (!units.isEmpty())
        m_list->setCurrentItem(units.front()->child(0));
    updateButtons();
}

void HistoryDialog::setRestoreEnabled(bool enabled)
{
    m_restoreAllowed = enabled;
    updateButtons();
}

std::optional<journal::Entry> HistoryDialog::chosenEntry() const
{
    const QTreeWidgetItem* item = m_list->currentItem();
    if (!item || !item->data(0, kEntryRole).isValid())
        return std::nullopt;
    const int index = item->data(0, kEntryRole).toInt();
    if (index < 0 || index >= m_entries.size())
        return std::nullopt;
    return m_entries[index];
}

void HistoryDialog::updateButtons()
{
    const bool chosen = chosenEntry().has_value();
    m_open->setEnabled(chosen);
    m_compare->setEnabled(chosen);
    m_restore->setEnabled(chosen && m_restoreAllowed);
}

} // namespace zel::ui
