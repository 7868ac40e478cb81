#include "ui/site/site_table.h"

#include "session/site/site_outcome.h"
#include "session/unit/unit_directory.h"
#include "session/unit/unit_journal.h"

#include <QFutureWatcher>
#include <QHeaderView>
#include <QScopedValueRollback>
#include <QtConcurrent/QtConcurrentRun>

namespace zel::ui {

namespace {

QString timeOrNever(const QDateTime& time)
{
    return time.isValid() ? session::shortTimeText(time) : QString();
}

// What the unit directory knows of a site's unit; nothing for a unit not met yet.
std::optional<session::KnownUnit> knownUnit(const session::UnitDirectory& directory,
                                            const session::SiteUnit& unit)
{
    const session::KnownUnit* known = directory.forSiteLine(unit.name, unit.link.unitName());
    return known ? std::optional(*known) : std::nullopt;
}

struct DirectoryRead {
    session::UnitDirectory directory{QString()};
    QString error;
};

QTableWidgetItem* readOnlyItem(const QString& text)
{
    auto* item = new QTableWidgetItem(text);
    item->setFlags(item->flags() & ~Qt::ItemIsEditable);
    return item;
}

} // namespace

std::optional<journal::Entry> lastBackupOf(const session::SiteUnit& unit,
                                           const journal::Journal& journal,
                                           const QString& directoryPath)
{
    session::UnitDirectory directory(directoryPath);
    directory.load();
    const std::optional<session::KnownUnit> known = knownUnit(directory, unit);
    if (!known || !known->lastBackup.isValid())
        return std::nullopt;
    return session::backupOf(journal, directory, *known);
}

QList<journal::Entry> historyOfUnit(const session::SiteUnit& unit, const journal::Journal& journal,
                                    const QString& directoryPath)
{
    session::UnitDirectory directory(directoryPath);
    directory.load();
    const std::optional<session::KnownUnit> known = knownUnit(directory, unit);
    return known ? session::historyOf(journal, directory, *known) : QList<journal::Entry>();
}

SiteTable::SiteTable(QWidget* parent) : QTableWidget(0, 6, parent)
{
    setHorizontalHeaderLabels({tr("Name"), tr("Link"), tr("Last backup"), tr("Last change seen"),
                               tr("Last result"), tr("Live")});
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    verticalHeader()->hide();
    horizontalHeader()->setStretchLastSection(false);
    horizontalHeader()->setSectionResizeMode(kResultColumn, QHeaderView::Stretch);
    setAccessibleName(tr("Units of the site"));
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed);
    connect(this, &QTableWidget::cellChanged, this, &SiteTable::onCellChanged);
}

void SiteTable::showUnits(const QList<session::SiteUnit>& units)
{
    const QScopedValueRollback filling(m_filling, true);
    m_units = units;
    setRowCount(static_cast<int>(m_units.size()));
    for (int row = 0; row < m_units.size(); ++row)
        setRow(row, m_units[row]);
    fitColumns();
    refreshFromDirectory();
}

void SiteTable::changeUnit(int row, const session::SiteUnit& unit)
{
    if (row < 0 || row >= m_units.size())
        return;
    m_units[row] = unit;
    setRow(row, unit);
    refreshFromDirectory();
}

void SiteTable::restoreRow(int row)
{
    if (row >= 0 && row < m_units.size())
        setRow(row, m_units[row]);
}

void SiteTable::fitColumns()
{
    resizeColumnsToContents();
    // A long link or result shows whole in its tool tip rather than widening the window.
    const int widest = fontMetrics().averageCharWidth() * 36;
    for (const int column : {kLinkColumn, kResultColumn})
        setColumnWidth(column, std::min(columnWidth(column), widest));
}

void SiteTable::setRow(int row, const session::SiteUnit& unit)
{
    const QScopedValueRollback filling(m_filling, true);
    setItem(row, kNameColumn, new QTableWidgetItem(unit.name));
    setItem(row, kLinkColumn, new QTableWidgetItem(unit.link.text()));
    item(row, kLinkColumn)->setToolTip(unit.link.text());
    for (int column = kBackupColumn; column <= kResultColumn; ++column)
        if (!item(row, column))
            setItem(row, column, readOnlyItem({}));
    setItem(row, kLiveColumn,
            readOnlyItem(!m_liveUnit.isEmpty() && unit.link.unitName() == m_liveUnit ? tr("on")
                                                                                     : tr("off")));
}

void SiteTable::onCellChanged(int row, int column)
{
    if (m_filling || row < 0 || row >= m_units.size() ||
        (column != kNameColumn && column != kLinkColumn))
        return;
    const QString name = item(row, kNameColumn)->text();
    const QString link = item(row, kLinkColumn)->text();
    if (name != m_units[row].name || link != m_units[row].link.text())
        emit unitEdited(row, name, link);
}

void SiteTable::showLiveUnit(const QString& unitName)
{
    m_liveUnit = unitName;
    for (int row = 0; row < m_units.size(); ++row)
        setRow(row, m_units[row]);
}

void SiteTable::readDirectory(bool keepResults)
{
    const int number = ++m_lastRead;
    ++m_directoryReads;
    auto* watcher = new QFutureWatcher<DirectoryRead>(this);
    connect(watcher, &QFutureWatcherBase::finished, this, [this, watcher, number, keepResults] {
        watcher->deleteLater();
        --m_directoryReads;
        if (number != m_lastRead)
            return; // a newer read shows instead
        const DirectoryRead read = watcher->result();
        showDirectory(read.directory, keepResults);
        if (!read.error.isEmpty())
            emit directoryUnreadable(tr("The unit directory cannot be read: %1").arg(read.error));
        if (keepResults)
            emit runShown();
    });
    // The path is found here: finding it borrows the application's name.
    watcher->setFuture(QtConcurrent::run([path = session::UnitDirectory::defaultPath()] {
        DirectoryRead read{session::UnitDirectory(path), {}};
        read.error = read.directory.load();
        return read;
    }));
}

void SiteTable::showDirectory(const session::UnitDirectory& directory, bool keepResults)
{
    const QScopedValueRollback filling(m_filling, true);
    for (int row = 0; row < m_units.size(); ++row) {
        const std::optional<session::KnownUnit> known = knownUnit(directory, m_units[row]);
        item(row, kBackupColumn)->setText(known ? timeOrNever(known->lastBackup) : QString());
        item(row, kChangeColumn)->setText(known ? timeOrNever(known->lastChange) : QString());
        if (m_running || keepResults)
            continue; // the rows show the run's results
        const QString result = known && known->lastResultTime.isValid()
                                   ? QStringLiteral("%1 (%2)").arg(
                                         known->lastResult, timeOrNever(known->lastResultTime))
                                   : QString();
        item(row, kResultColumn)->setText(result);
        item(row, kResultColumn)->setToolTip(result);
    }
}

void SiteTable::runStarted()
{
    m_running = true;
    for (int row = 0; row < rowCount(); ++row)
        item(row, kResultColumn)->setText(tr("waiting"));
    setEditTriggers(QAbstractItemView::NoEditTriggers);
}

void SiteTable::unitStarted(int row)
{
    if (QTableWidgetItem* result = item(row, kResultColumn))
        result->setText(tr("reading..."));
}

void SiteTable::unitFinished(int row, const session::UnitOutcome& outcome)
{
    QTableWidgetItem* result = item(row, kResultColumn);
    if (!result)
        return;
    result->setText(session::resultWord(outcome.result) + QStringLiteral(": ") + outcome.detail);
    result->setToolTip(outcome.changes.isEmpty() ? outcome.detail
                                                 : outcome.changes.join(QLatin1Char('\n')));
    result->setForeground(session::isGood(outcome.result) ? palette().text() : QBrush(Qt::darkRed));
}

void SiteTable::runFinished()
{
    m_running = false;
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed);
    readDirectory(true); // the rows keep the run's results; the times come from the directory
}

} // namespace zel::ui
