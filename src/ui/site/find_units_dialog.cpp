#include "ui/site/find_units_dialog.h"

#include "session/find/address_range.h"
#include "session/find/serial_ports.h"
#include "ui/access/button_mnemonics.h"
#include "ui/common/user_prompts.h"

#include <QCloseEvent>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

namespace zel::ui {

namespace {

enum Column { kLinkColumn, kModelColumn, kZoneColumn, kSourceColumn, kNetworkColumn };

constexpr int kProgressSteps = 1000;

} // namespace

FindUnitsDialog::FindUnitsDialog(UserPrompts& prompts, QWidget* parent)
    : QDialog(parent), m_prompts(&prompts), m_ranges(new QPlainTextEdit(this)),
      m_port(new QSpinBox(this)), m_serialPorts(new QListWidget(this)),
      m_typedPort(new QLineEdit(this)), m_search(new QPushButton(tr("Sea&rch"), this)),
      m_stop(new QPushButton(tr("S&top"), this)),
      m_use(new QPushButton(tr("&Use This Unit"), this)),
      m_addToSite(new QPushButton(tr("Add to &Site..."), this)), m_progress(new QProgressBar(this)),
      m_status(new QLabel(this)), m_results(new QTableWidget(0, 5, this))
{
    setWindowTitle(tr("Find Units"));
    m_ranges->setPlainText(session::ownNetworks().join(QLatin1Char('\n')));
    m_ranges->setAccessibleName(tr("Networks to search"));
    m_ranges->setToolTip(tr("One range a line: a network (192.0.2.0/24) or first and last "
                            "address (192.0.2.10-192.0.2.40)."));
    m_ranges->setTabChangesFocus(true);
    m_ranges->setMaximumHeight(m_ranges->fontMetrics().lineSpacing() * 4 + 12);
    m_port->setRange(1, 65535);
    m_port->setValue(23);
    for (const session::SerialPortDescription& port : session::serialPorts()) {
        auto* item = new QListWidgetItem(session::describePort(port), m_serialPorts);
        item->setData(Qt::UserRole, port.stableName.isEmpty() ? port.device : port.stableName);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
    }
    m_serialPorts->setAccessibleName(tr("Serial ports"));
    m_progress->setAccessibleName(tr("Search progress"));
    m_serialPorts->setMaximumHeight(m_serialPorts->fontMetrics().lineSpacing() * 4 + 12);
    m_typedPort->setPlaceholderText(tr("a port not listed, e.g. /dev/pts/3"));

    auto* form = new QFormLayout;
    form->addRow(tr("&Networks:"), m_ranges);
    form->addRow(tr("TCP &port:"), m_port);
    form->addRow(tr("Serial p&orts\n(ticked only):"), m_serialPorts);
    form->addRow(tr("Other s&erial port:"), m_typedPort);

    m_results->setHorizontalHeaderLabels(
        {tr("Link"), tr("Model"), tr("Zone 1"), tr("Source 1"), tr("Network")});
    m_results->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_results->setSelectionMode(QAbstractItemView::SingleSelection);
    m_results->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_results->horizontalHeader()->setStretchLastSection(true);
    m_results->verticalHeader()->hide();
    m_results->setAccessibleName(tr("Units found"));

    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(m_search, QDialogButtonBox::ActionRole);
    buttons->addButton(m_stop, QDialogButtonBox::ActionRole);
    buttons->addButton(m_addToSite, QDialogButtonBox::ActionRole);
    buttons->addButton(m_use, QDialogButtonBox::AcceptRole);
    buttons->addButton(QDialogButtonBox::Close);
    m_search->setDefault(true);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_progress);
    layout->addWidget(m_status);
    layout->addWidget(m_results, 1);
    layout->addWidget(buttons);
    resize(720, 520);

    connect(m_search, &QPushButton::clicked, this, &FindUnitsDialog::search);
    connect(m_stop, &QPushButton::clicked, this, &FindUnitsDialog::stop);
    connect(m_use, &QPushButton::clicked, this, &FindUnitsDialog::useChosen);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
    connect(m_results, &QTableWidget::cellDoubleClicked, this, &FindUnitsDialog::useChosen);
    connect(m_addToSite, &QPushButton::clicked, this, &FindUnitsDialog::addTicked);
    connect(m_results, &QTableWidget::itemSelectionChanged, this, &FindUnitsDialog::updateButtons);
    connect(m_results, &QTableWidget::itemChanged, this, &FindUnitsDialog::updateButtons);
    m_progress->setValue(0);
    m_status->setText(tr("Nothing is sent to a port until you search; serial ports only when "
                         "ticked."));
    updateButtons();
    giveButtonsMnemonics(this);
}

FindUnitsDialog::~FindUnitsDialog() = default;

std::optional<session::ProbeTargets> FindUnitsDialog::targets()
{
    session::AddressWalk walk;
    QList<session::SiteLink> targets;
    for (const QString& line : m_ranges->toPlainText().split(QLatin1Char('\n'))) {
        if (line.trimmed().isEmpty())
            continue;
        QString error;
        const std::optional<session::AddressRange> range = session::parseAddressRange(line, error);
        if (!range) {
            m_prompts->showError(error);
            return std::nullopt;
        }
        if (range->count() > session::kLargestUnforcedRange &&
            !m_prompts->confirm(tr("The range %1 holds %2 addresses, more than a /20 (4096).\n\n"
                                   "Search them all?")
                                    .arg(line.trimmed())
                                    .arg(range->count())))
            return std::nullopt;
        walk.add(*range); // walked as the search goes, never listed first
    }
    for (int i = 0; i < m_serialPorts->count(); ++i)
        if (m_serialPorts->item(i)->checkState() == Qt::Checked)
            targets << session::SiteLink{session::SiteLink::Kind::Serial,
                                         m_serialPorts->item(i)->data(Qt::UserRole).toString()};
    if (!m_typedPort->text().trimmed().isEmpty())
        targets << session::SiteLink{session::SiteLink::Kind::Serial,
                                     m_typedPort->text().trimmed()};
    return session::ProbeTargets::of(walk, m_port->value(), targets);
}

void FindUnitsDialog::search()
{
    if (isSearching())
        return;
    std::optional<session::ProbeTargets> links = targets();
    if (!links)
        return;
    if (links->count == 0) {
        m_prompts->showError(tr("There is nothing to search: give a network, or tick a serial "
                                "port."));
        return;
    }
    m_found.clear();
    m_results->setRowCount(0);
    const quint64 total = links->count;
    m_scan =
        std::make_unique<session::ProbeScan>(std::move(*links), session::ProbeScan::Settings{});
    connect(m_scan.get(), &session::ProbeScan::unitFound, this, &FindUnitsDialog::addFound);
    connect(m_scan.get(), &session::ProbeScan::progress, this, &FindUnitsDialog::onProgress);
    connect(m_scan.get(), &session::ProbeScan::finished, this, &FindUnitsDialog::onFinished,
            Qt::QueuedConnection);
    m_progress->setRange(0, kProgressSteps);
    m_progress->setValue(0);
    onProgress(0, total);
    m_scan->start();
    updateButtons();
}

void FindUnitsDialog::stop()
{
    if (isSearching())
        m_scan->cancel();
}

void FindUnitsDialog::addFound(const session::FoundUnit& unit)
{
    const int row = m_results->rowCount();
    m_results->insertRow(row);
    const session::UnitFingerprint& f = unit.fingerprint;
    const QStringList cells{unit.link.text(), session::modelText(f), f.zoneNames.value(0),
                            f.sourceNames.value(0),
                            session::networkText(f) +
                                (unit.whole ? QString() : tr(" (not whole: %1)").arg(unit.reason))};
    for (int column = 0; column < cells.size(); ++column)
        m_results->setItem(row, column, new QTableWidgetItem(cells[column]));
    // Ticked to join a site; the tick box sits in the link's cell.
    QTableWidgetItem* link = m_results->item(row, kLinkColumn);
    link->setFlags(link->flags() | Qt::ItemIsUserCheckable);
    link->setCheckState(Qt::Unchecked);
    m_found << unit;
    m_results->resizeColumnsToContents();
    if (row == 0)
        m_results->selectRow(0);
}

void FindUnitsDialog::onProgress(quint64 done, quint64 total)
{
    // In steps, not addresses: a bar counts in int, a range may hold more.
    m_progress->setValue(total == 0 ? 0 : int(double(done) / double(total) * kProgressSteps));
    m_status->setText(tr("Probed %1 of %2, %3 found").arg(done).arg(total).arg(m_found.size()));
}

void FindUnitsDialog::onFinished()
{
    const quint64 total = m_scan->targetCount();
    m_status->setText(m_scan->wasCancelled()
                          ? tr("Stopped: %1 found before it stopped.").arg(m_found.size())
                          : tr("%1 found among %2.").arg(m_found.size()).arg(total));
    // The list takes the keys, on a row one can see, ready to tick or use.
    if (m_results->rowCount() > 0) {
        if (m_results->currentRow() < 0)
            m_results->setCurrentCell(0, kLinkColumn);
        m_results->setFocus(Qt::OtherFocusReason);
    }
    updateButtons();
    emit searchFinished();
}

void FindUnitsDialog::useChosen()
{
    const int row = m_results->currentRow();
    if (row < 0 || row >= m_found.size())
        return;
    stop();
    emit unitChosen(m_found[row].link);
    accept();
}

QList<session::FoundUnit> FindUnitsDialog::tickedUnits() const
{
    QList<session::FoundUnit> ticked;
    for (int row = 0; row < m_results->rowCount() && row < m_found.size(); ++row)
        if (const QTableWidgetItem* link = m_results->item(row, kLinkColumn);
            link && link->checkState() == Qt::Checked)
            ticked << m_found[row];
    return ticked;
}

void FindUnitsDialog::addTicked()
{
    const QList<session::FoundUnit> ticked = tickedUnits();
    if (!ticked.isEmpty())
        emit addToSiteRequested(ticked);
}

void FindUnitsDialog::updateButtons()
{
    m_search->setEnabled(!isSearching());
    m_stop->setEnabled(isSearching());
    m_use->setEnabled(m_results->currentRow() >= 0);
    m_addToSite->setEnabled(!tickedUnits().isEmpty());
}

void FindUnitsDialog::closeEvent(QCloseEvent* event)
{
    stop(); // no connection outlives the dialog's search
    QDialog::closeEvent(event);
}

} // namespace zel::ui
