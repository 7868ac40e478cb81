#include "ui/history/history_dialog.h"

#include "journal/visit_start.h"
#include "ui/access/button_mnemonics.h"
#include "ui/access/focus_return.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace zel::ui {

namespace {

constexpr int kEntryRole = Qt::UserRole;      // an entry's position in m_entries; none on unit rows
constexpr int kCommitRole = Qt::UserRole + 1; // a commit's position in m_commits
constexpr int kVisitRole = Qt::UserRole + 2;  // true on a unit's "Before this visit" row
constexpr int kUnitRole = Qt::UserRole + 3;   // a group's unit, as the journal names it

const QString kTimeFormat = QStringLiteral("yyyy-MM-dd HH:mm:ss");

// The row of `entry`, the `index`th of the entries shown, under `unit`.
QTreeWidgetItem* entryRow(QTreeWidgetItem* unit, const journal::Entry& entry, int index)
{
    auto* item = new QTreeWidgetItem(
        unit, {entryTimeText(entry), journal::causeText(entry.cause),
               journal::kindText(journal::kindOf(entry)), QString::number(entry.configLines),
               entry.kept ? HistoryDialog::tr("kept") : QString(), journal::endingText(entry)});
    item->setData(0, kEntryRole, index);
    return item;
}

} // namespace

QString entryTimeText(const journal::Entry& entry)
{
    return entry.time.toLocalTime().toString(kTimeFormat);
}

QString commitTimeText(const session::HistoryCommit& commit)
{
    return commit.time.toLocalTime().toString(kTimeFormat);
}

HistoryDialog::HistoryDialog(QWidget* parent)
    : QDialog(parent), m_folder(new QLabel(this)), m_list(new QTreeWidget(this)),
      m_open(new QPushButton(tr("&Open"), this)), m_compare(new QPushButton(tr("&Compare"), this)),
      m_restore(new QPushButton(tr("&Restore to Unit"), this)),
      m_keep(new QPushButton(tr("&Keep"), this)), m_note(new QLabel(this)),
      m_commitsNote(new QLabel(this))
{
    setWindowTitle(tr("History"));
    m_list->setAccessibleName(tr("Journal entries"));
    m_folder->setWordWrap(true);
    m_folder->setTextFormat(Qt::PlainText);
    m_note->setWordWrap(true);
    m_note->setTextFormat(Qt::PlainText);
    m_note->hide();
    m_commitsNote->setWordWrap(true);
    m_commitsNote->setTextFormat(Qt::PlainText);
    m_commitsNote->hide();
    m_keep->setCheckable(true);
    m_keep->setToolTip(tr("A kept entry is never dropped to make room in the journal"));
    m_list->setHeaderLabels(
        {tr("Unit / time"), tr("Why"), tr("What"), tr("Lines"), tr("Kept"), tr("How it ended")});
    m_list->setRootIsDecorated(true);
    m_list->header()->setStretchLastSection(true);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    for (QPushButton* button : {m_open, m_compare, m_restore, m_keep})
        buttons->addButton(button, QDialogButtonBox::ActionRole);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    using EntrySignal = void (HistoryDialog::*)(const journal::Entry&);
    using CommitSignal = void (HistoryDialog::*)(const session::HistoryCommit&);
    const auto emitFor = [this](EntrySignal forEntry, CommitSignal forCommit) {
        return [this, forEntry, forCommit] {
            if (const std::optional<journal::Entry> entry = chosenEntry())
                emit(this->*forEntry)(*entry);
            else if (const std::optional<session::HistoryCommit> commit = chosenCommit())
                emit(this->*forCommit)(*commit);
        };
    };
    connect(m_open, &QPushButton::clicked, this,
            emitFor(&HistoryDialog::openRequested, &HistoryDialog::openCommitRequested));
    connect(m_compare, &QPushButton::clicked, this,
            emitFor(&HistoryDialog::compareRequested, &HistoryDialog::compareCommitRequested));
    connect(m_restore, &QPushButton::clicked, this,
            emitFor(&HistoryDialog::restoreRequested, &HistoryDialog::restoreCommitRequested));
    connect(m_keep, &QPushButton::clicked, this, [this](bool checked) {
        if (const std::optional<journal::Entry> entry = chosenEntry())
            emit keepRequested(*entry, checked);
    });
    connect(m_list, &QTreeWidget::currentItemChanged, this, &HistoryDialog::updateButtons);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_folder);
    layout->addWidget(m_list);
    layout->addWidget(m_note);
    layout->addWidget(m_commitsNote);
    layout->addWidget(buttons);
    giveButtonsMnemonics(this);
    returnFocusWhenClosed(this);
    resize(720, 400);
    updateButtons();
}

void HistoryDialog::showReading()
{
    setCursor(Qt::BusyCursor);
    m_folder->setText(tr("Reading the journal..."));
}

void HistoryDialog::showEntries(const QList<journal::Entry>& entries, const QString& folder)
{
    unsetCursor();
    const std::optional<journal::Entry> chosen = chosenEntry(); // chosen again if still there
    const bool visitChosen = chosen && m_list->currentItem()->data(0, kVisitRole).toBool();
    const std::optional<session::HistoryCommit> chosenCommit = this->chosenCommit();
    m_entries = entries;
    m_commitsItem = nullptr; // cleared with the rest
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
    QTreeWidgetItem* chosenAgain = nullptr;
    QTreeWidgetItem* newest = nullptr;
    const QDate today = QDate::currentDate();
    const auto indexOf = [&entries](const QString& file) {
        return int(std::find_if(entries.begin(), entries.end(),
                                [&](const journal::Entry& entry) { return entry.file == file; }) -
                   entries.begin());
    };
    for (int i = 0; i < entries.size(); ++i) {
        const journal::Entry& entry = entries[i];
        auto unit = std::find_if(units.begin(), units.end(), [&](QTreeWidgetItem* item) {
            return item->data(0, kUnitRole).toString() == entry.unit;
        });
        if (unit == units.end()) {
            const QString name = m_unitNames ? m_unitNames(entry.unit) : QString();
            units << new QTreeWidgetItem(
                m_list, {name.isEmpty() ? entry.unit : tr("%1 (%2)").arg(name, entry.unit)});
            units.back()->setData(0, kUnitRole, entry.unit);
            unit = units.end() - 1;
            // First in its group: what the unit held when this visit found it.
            if (const std::optional<journal::Entry> start =
                    journal::visitStart(entries, entry.unit, today)) {
                QTreeWidgetItem* visit = entryRow(*unit, *start, indexOf(start->file));
                visit->setText(kTimeColumn, tr("Before this visit: %1").arg(entryTimeText(*start)));
                visit->setToolTip(kTimeColumn,
                                  tr("What the unit held when this visit found it: its first "
                                     "whole fetch today, else its newest one before today"));
                visit->setData(0, kVisitRole, true);
                if (visitChosen && chosen->file == start->file)
                    chosenAgain = visit;
            }
        }
        QTreeWidgetItem* item = entryRow(*unit, entry, i);
        if (!newest)
            newest = item;
        if (!visitChosen && chosen && chosen->file == entry.file)
            chosenAgain = item;
    }
    addCommitRows(chosenCommit ? chosenCommit->commit : QString(),
                  !chosenCommit && entries.isEmpty());
    m_list->expandAll();
    for (int column = 0; column < kEndingColumn; ++column)
        m_list->resizeColumnToContents(column);
    if (chosenAgain)
        m_list->setCurrentItem(chosenAgain);
    else if (newest && !chosenCommit)
        m_list->setCurrentItem(newest);
    updateButtons();
}

QTreeWidgetItem* HistoryDialog::visitStartItem(const QString& unit) const
{
    for (int i = 0; i < m_list->topLevelItemCount(); ++i) {
        QTreeWidgetItem* group = m_list->topLevelItem(i);
        if (group != m_commitsItem && group->data(0, kUnitRole).toString() == unit &&
            group->childCount() > 0 && group->child(0)->data(0, kVisitRole).toBool())
            return group->child(0);
    }
    return nullptr;
}

void HistoryDialog::showCommits(const QString& heading,
                                const QList<session::HistoryCommit>& commits, const QString& note)
{
    const std::optional<session::HistoryCommit> chosen = chosenCommit();
    const bool entryChosen = chosenEntry().has_value();
    m_commitsHeading = heading;
    m_commits = commits;
    m_commitsNote->setText(note);
    m_commitsNote->setVisible(!note.isEmpty());
    addCommitRows(chosen ? chosen->commit : QString(), !entryChosen);
    updateButtons();
}

void HistoryDialog::addCommitRows(const QString& chosen, bool chooseNewest)
{
    delete m_commitsItem;
    m_commitsItem = nullptr;
    if (m_commits.isEmpty())
        return;
    m_commitsItem = new QTreeWidgetItem({m_commitsHeading});
    m_list->insertTopLevelItem(0, m_commitsItem);
    QTreeWidgetItem* chosenAgain = nullptr;
    for (int i = 0; i < m_commits.size(); ++i) {
        const session::HistoryCommit& commit = m_commits[i];
        // "Name <address>": the name alone in the row, the whole in its tool tip.
        const QString author = commit.author.section(QStringLiteral(" <"), 0, 0);
        auto* item = new QTreeWidgetItem(m_commitsItem);
        item->setText(kTimeColumn, commitTimeText(commit));
        item->setText(kKindColumn, tr("commit %1 by %2").arg(commit.commit.left(7), author));
        item->setText(kEndingColumn, commit.subject);
        item->setData(0, kCommitRole, i);
        item->setToolTip(kKindColumn, commit.author);
        item->setToolTip(kEndingColumn, commit.subject);
        if (commit.commit == chosen)
            chosenAgain = item;
    }
    m_commitsItem->setExpanded(true);
    if (chosenAgain || chooseNewest)
        m_list->setCurrentItem(chosenAgain ? chosenAgain : m_commitsItem->child(0));
}

void HistoryDialog::setRestoreEnabled(bool enabled)
{
    m_restoreAllowed = enabled;
    updateButtons();
}

std::optional<session::HistoryCommit> HistoryDialog::chosenCommit() const
{
    const QTreeWidgetItem* item = m_list->currentItem();
    if (!item || !item->data(0, kCommitRole).isValid())
        return std::nullopt;
    const int index = item->data(0, kCommitRole).toInt();
    if (index < 0 || index >= m_commits.size())
        return std::nullopt;
    return m_commits[index];
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
    const std::optional<journal::Entry> entry = chosenEntry();
    const bool commit = chosenCommit().has_value();
    const bool whole = commit || (entry && journal::holdsWholeConfiguration(*entry));
    m_open->setEnabled(whole);
    m_compare->setEnabled(entry.has_value() || commit);
    m_restore->setEnabled(whole && m_restoreAllowed);
    m_keep->setEnabled(entry.has_value());
    m_keep->setChecked(entry && entry->kept);
    m_note->setVisible(entry && !whole);
    if (entry && !whole)
        m_note->setText(partialEntryReason(*entry));
}

QString partialEntryReason(const journal::Entry& entry)
{
    return HistoryDialog::tr("This entry is a %1: it holds only the parts that were sent, not a "
                             "whole configuration, so it can be compared but not opened or "
                             "restored as one.")
        .arg(journal::kindText(journal::kindOf(entry)));
}

} // namespace zel::ui
