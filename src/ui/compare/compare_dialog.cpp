#include "ui/compare/compare_dialog.h"

#include "model/selected_lines.h"
#include "text/latin1_text.h"
#include "ui/access/button_mnemonics.h"
#include "ui/access/focus_return.h"
#include "ui/common/window_placement.h"

#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QScreen>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QVBoxLayout>

namespace zel::ui {

namespace {

constexpr int kIndexRole = Qt::UserRole; // the row's difference in m_shown
constexpr int kWidth = 640;
constexpr int kHeight = 420;
constexpr int kRowsShown = 30;
constexpr int kNoteColumn = 3;
constexpr int kTitleRoom = 40; // the desktop's title bar and frame above the dialog

// A side's value as a column shows it.
QString valueText(const model::Difference& d, const std::optional<std::string>& value)
{
    if (d.entry)
        return value ? QObject::tr("yes") : QObject::tr("no");
    return value ? text::fromLatin1(*value) : QObject::tr("(not set)");
}

} // namespace

CompareDialog::CompareDialog(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(tr("Compare with Unit"));
    resize(kWidth, kHeight);

    m_heading = new QLabel(this);
    m_heading->setWordWrap(true);
    m_heading->setTextFormat(Qt::PlainText); // hosts and paths as typed

    m_list = new QTreeWidget(this);
    m_list->setAccessibleName(tr("Differences"));
    m_list->setColumnCount(4);
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    m_list->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    m_list->header()->setStretchLastSection(false);
    connect(m_list, &QTreeWidget::itemActivated, this, &CompareDialog::onItemDoubleClicked);
    connect(m_list, &QTreeWidget::itemChanged, this, &CompareDialog::onItemChanged);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    m_send = buttons->addButton(tr("&Send Selected"), QDialogButtonBox::ActionRole);
    m_send->setToolTip(tr("Send the unit only what the checked rows need, then compare again"));
    connect(m_send, &QPushButton::clicked, this,
            [this] { emit sendRequested(checkedDifferences()); });
    QPushButton* copy = buttons->addButton(tr("&Copy"), QDialogButtonBox::ActionRole);
    connect(copy, &QPushButton::clicked, this,
            [this] { QApplication::clipboard()->setText(text()); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_heading);
    layout->addWidget(m_list, 1);
    layout->addWidget(buttons);
    giveButtonsMnemonics(this);
    returnFocusWhenClosed(this);
}

void CompareDialog::showDifferences(const QStringList& heading, const QString& otherSide,
                                    const QList<PageDifferences>& pages)
{
    m_list->clear();
    m_text.clear();
    m_shown.clear();
    m_tied.clear();
    QList<QTreeWidgetItem*> items;
    QList<qsizetype> lines;
    m_list->setHeaderLabels({tr("Setting"), tr("Being edited"), otherSide, tr("Note")});

    QFont pageFont = m_list->font();
    pageFont.setBold(true);
    int found = 0;
    for (const PageDifferences& page : pages) {
        if (page.differences.empty())
            continue;
        auto* pageItem = new QTreeWidgetItem(m_list, {page.caption});
        pageItem->setFont(0, pageFont);
        pageItem->setFirstColumnSpanned(true);
        m_text << QString() << page.caption;
        for (const model::Difference& d : page.differences) {
            auto* item =
                new QTreeWidgetItem(pageItem, {text::fromLatin1(d.member), valueText(d, d.before),
                                               valueText(d, d.after)});
            item->setData(0, kIndexRole, static_cast<int>(m_shown.size()));
            m_shown.push_back(d);
            items << item;
            if (m_sendable)
                item->setCheckState(0, Qt::Checked);
            lines << m_text.size();
            m_text << QStringLiteral("  ") + text::fromLatin1(model::describe(d));
            ++found;
        }
    }
    if (found == 0) {
        new QTreeWidgetItem(m_list, {tr("No differences")});
        m_text << QString() << tr("No differences");
    }
    QStringList shownHeading = heading;
    const bool tied = m_sendable && tieRows(items, lines);
    if (tied)
        shownHeading << tr("Rows with a note go together: they are checked, unchecked and sent "
                           "together, for the reason in their note.");
    // The note column takes the room left when there are notes; the settings keep theirs.
    m_list->setColumnHidden(kNoteColumn, !tied);
    m_list->header()->setSectionResizeMode(0, tied ? QHeaderView::ResizeToContents
                                                   : QHeaderView::Stretch);
    m_list->header()->setSectionResizeMode(kNoteColumn,
                                           tied ? QHeaderView::Stretch : QHeaderView::Interactive);
    m_heading->setText(shownHeading.join(QStringLiteral("\n")));
    m_text = shownHeading + m_text;
    m_send->setVisible(m_sendable);
    m_send->setEnabled(found > 0);
    m_list->expandAll();
    for (int column = 1; column < 3; ++column)
        m_list->resizeColumnToContents(column);
    fitToRows();
    // Beside the window, so that a row that brings a page forward leaves it in view; where the
    // user has put the dialog since, it stays.
    if (!isVisible() && parentWidget())
        placeBeside(this, parentWidget()->window());
    show();
    raise();
    activateWindow();
}

bool CompareDialog::tieRows(const QList<QTreeWidgetItem*>& items, const QList<qsizetype>& lines)
{
    for (const model::TiedRows& tied : model::tiedRows(m_shown)) {
        const QString reason = text::fromLatin1(tied.reason);
        QList<QTreeWidgetItem*> group;
        for (const std::size_t row : tied.rows) {
            const auto at = static_cast<qsizetype>(row);
            QTreeWidgetItem* item = items.at(at);
            item->setText(kNoteColumn, reason);
            item->setToolTip(0, reason);
            item->setToolTip(kNoteColumn, reason);
            m_text[lines.at(at)] += QStringLiteral(" (%1)").arg(reason);
            group << item;
        }
        m_tied << group;
    }
    return !m_tied.isEmpty();
}

void CompareDialog::fitToRows()
{
    if (m_fitted || isVisible())
        return;
    m_fitted = true;
    layout()->activate();
    const int rowHeight = std::max(m_list->sizeHintForRow(0), m_list->fontMetrics().height());
    // The list's rows get its height less its header and frame (its viewport is sized only
    // once it shows).
    const int rowsRoom =
        m_list->height() - m_list->header()->sizeHint().height() - 2 * m_list->frameWidth();
    const int wanted = height() - rowsRoom + kRowsShown * rowHeight;
    const QScreen* screen = parentWidget() ? parentWidget()->screen() : this->screen();
    const int room = screen ? screen->availableGeometry().height() - kTitleRoom : wanted;
    resize(width(), std::max(height(), std::min(wanted, room)));
}

void CompareDialog::onItemChanged(QTreeWidgetItem* item)
{
    if (m_tying)
        return;
    const QScopedValueRollback tying(m_tying, true);
    for (const QList<QTreeWidgetItem*>& group : std::as_const(m_tied))
        if (group.contains(item))
            for (QTreeWidgetItem* other : group)
                other->setCheckState(0, item->checkState(0));
}

void CompareDialog::addNote(const QString& note)
{
    m_text.prepend(note);
    m_heading->setText(note + QLatin1Char('\n') + m_heading->text());
}

std::vector<model::Difference> CompareDialog::checkedDifferences() const
{
    std::vector<model::Difference> checked;
    for (QTreeWidgetItemIterator it(m_list); *it; ++it) {
        const QVariant index = (*it)->data(0, kIndexRole);
        if (index.isValid() && (*it)->checkState(0) == Qt::Checked)
            checked.push_back(m_shown.at(static_cast<std::size_t>(index.toInt())));
    }
    return checked;
}

QString CompareDialog::text() const
{
    return m_text.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

void CompareDialog::onItemDoubleClicked(QTreeWidgetItem* item)
{
    const QVariant index = item->data(0, kIndexRole);
    if (!index.isValid())
        return; // a page's caption, or "No differences"
    emit differenceChosen(m_shown.at(static_cast<size_t>(index.toInt())));
}

} // namespace zel::ui
