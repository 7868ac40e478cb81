#include "ui/pages/favorites_page.h"

#include "text/latin1_text.h"

#include "model/config_model.h"
#include "ui/access/accessible_naming.h"
#include "ui/common/name_width.h"
#include "ui/common/page_caption.h"
#include "ui/grids/favorite_cells_model.h"
#include "ui/grids/matrix_grid.h"

#include <QEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QSignalBlocker>
#include <QStandardItemModel>

#include <algorithm>

namespace zel::ui {

namespace {

constexpr QRect kMatrixGeometry{133, 29, 538, 329};
constexpr QRect kListCaptionGeometry{19, 100, 65, 27};
constexpr QRect kListGeometry{15, 133, 93, 137};
constexpr int kListEntryHeight = 13;
constexpr int kListTextPadding = 8; // the entry's margins either side of its text
constexpr int kListToMatrix = 8;    // the least room between the list and the matrix
constexpr int kPageWidth = 690;     // what a page of the window can show

const QString kMarker = QStringLiteral("?");
const QString kAudio = QStringLiteral("A");
const QString kUnavailable = QStringLiteral("X");

QStandardItemModel* makeCells(const model::ConfigModel& names, QObject* parent)
{
    auto* cells = new FavoriteCellsModel(names, model::kMaxZones, model::kMaxSources, parent);
    for (int row = 0; row < model::kMaxZones; ++row) {
        for (int column = 0; column <= model::kMaxSources; ++column) {
            auto* item = new QStandardItem;
            item->setFlags(column == 0 ? Qt::ItemIsEnabled
                                       : Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            cells->setItem(row, column, item);
        }
    }
    for (int column = 0; column <= model::kMaxSources; ++column)
        cells->setHorizontalHeaderItem(column, new QStandardItem);
    return cells;
}

} // namespace

FavoritesPage::FavoritesPage(model::ConfigModel& model, QWidget* parent)
    // The list first, so that Tab goes from left to right: the favorite, then its cells.
    : EditorPage(model, parent), m_cells(makeCells(model, this)),
      m_favoriteList(new QListWidget(this)), m_matrix(new MatrixGrid(m_cells, this)),
      m_popupMenu(new QMenu(this)), m_audioOnlyAction(m_popupMenu->addAction(tr("A) Audio Only"))),
      m_noConnectionAction(m_popupMenu->addAction(tr("No Connection")))
{
    m_sourceNameCaption = placeBoldCaption(this, tr("Source Name"), {});
    m_sourcesCaption = placeBoldCaption(this, tr("Sources"), {});
    m_zonesCaption = placeBoldCaption(this, tr("Zones"), {});
    m_listCaption = placeBoldCaption(this, tr("Choose a Favorite"), {});
    m_listCaption->setWordWrap(true);

    m_matrix->setAccessibleName(tr("Favorite 1: zones by sources"));
    m_favoriteList->setUniformItemSizes(true);
    m_favoriteList->setAccessibleName(m_listCaption->text());
    for (int f = 1; f <= model::kFavorites; ++f)
        new QListWidgetItem(m_favoriteList);
    arrangeForFont();

    connect(m_matrix, &MatrixGrid::cellSelected, this, &FavoritesPage::selectCell);
    connect(m_matrix, &MatrixGrid::cellDoubleClicked, this, &FavoritesPage::doubleClickCell);
    connect(m_matrix, &MatrixGrid::rightPressed, this, &FavoritesPage::rightPress);
    connect(m_matrix, &MatrixGrid::contextMenuKey, m_popupMenu, [this](QPoint globalPos) {
        // Opened at the selected cell, the menu acts on that cell, not on one right-clicked
        // before.
        if (m_popupPending)
            m_popupCell = m_matrix->selectedCell();
        m_popupMenu->popup(globalPos);
    });
    connect(m_audioOnlyAction, &QAction::triggered, this, &FavoritesPage::setAudioOnly);
    connect(m_noConnectionAction, &QAction::triggered, this, &FavoritesPage::setNoConnection);
    connect(m_favoriteList, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0)
            chooseFavorite(row + 1);
    });
}

void FavoritesPage::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange)
        arrangeForFont();
    EditorPage::changeEvent(event);
}

void FavoritesPage::arrangeForFont()
{
    // The list and the row headers take whole names of 16 characters; the matrix moves right
    // as the list grows and scrolls sideways if the page cannot hold all of it. The list is sized
    // for names of typical letters, not 16 of the widest: at the usual font that keeps the matrix
    // whole where the page was drawn, and a name of wide letters scrolls in the list instead.
    const QFontMetrics metrics = m_favoriteList->fontMetrics();
    const int frame = 2 * m_favoriteList->frameWidth();
    const int entryHeight = std::max(kListEntryHeight, metrics.height());
    for (int row = 0; row < m_favoriteList->count(); ++row)
        m_favoriteList->item(row)->setSizeHint({0, entryHeight});
    const QRect list(
        kListGeometry.topLeft(),
        QSize(fittedWidth(kListGeometry.width(), nameTextWidth(metrics), kListTextPadding + frame),
              std::max(kListGeometry.height(), model::kFavorites * entryHeight + frame)));
    m_favoriteList->setGeometry(list);
    const int captionWidth = std::max(kListCaptionGeometry.width(), list.width() - 8);
    const int captionHeight =
        std::max(kListCaptionGeometry.height(), m_listCaption->heightForWidth(captionWidth));
    m_listCaption->setGeometry(kListCaptionGeometry.x(),
                               std::min(kListCaptionGeometry.y(), list.top() - captionHeight - 6),
                               captionWidth, captionHeight);

    const int labelWidth = m_matrix->fittedLabelWidth();
    m_matrix->setCellWidth(0, labelWidth);
    const int left = std::max(kMatrixGeometry.x(), list.right() + 1 + kListToMatrix);
    const int wanted = kMatrixGeometry.width() + labelWidth - MatrixGrid::kLabelWidth;
    const int width = std::min(wanted, kPageWidth - left);
    m_matrix->setGeometry(left, kMatrixGeometry.y(), width, kMatrixGeometry.height());
    m_matrix->setHorizontalScrollBarPolicy(width < wanted ? Qt::ScrollBarAsNeeded
                                                          : Qt::ScrollBarAlwaysOff);
    // The captions keep their places above the corner, above the source numbers and left of
    // the zone names.
    m_sourceNameCaption->adjustSize();
    m_sourcesCaption->adjustSize();
    m_zonesCaption->adjustSize();
    m_sourceNameCaption->move(left + 1, 9);
    m_sourcesCaption->move(left + labelWidth + 14, 9);
    m_zonesCaption->move(left - 4 - m_zonesCaption->width(), 57);
}

void FavoritesPage::resetView()
{
    // The model's reset has emptied the favorites table. The corner and the popup state stay.
    m_matrix->setCellWidth(0, m_matrix->fittedLabelWidth());
    for (int c = 1; c <= model::kMaxSources; ++c)
        setCellText(c, 0, QString::number(c));
    for (int r = 1; r <= model::kMaxZones; ++r) {
        setCellText(0, r, tr("Zone %1").arg(r));
        for (int c = 1; c <= model::kMaxSources; ++c)
            setCellText(c, r, QString());
    }
    m_markedCell = {0, 0};
    m_heldText.clear();
    m_currentFavorite = 1;

    const QSignalBlocker quiet(m_favoriteList);
    for (int f = 1; f <= model::kFavorites; ++f)
        m_favoriteList->item(f - 1)->setText(tr(" Favorite %1").arg(f));
    nameListItems(m_favoriteList, tr("Favorite"));
    m_favoriteList->setCurrentRow(0);
}

void FavoritesPage::loadFromModel()
{
    markUnavailableCells();
    m_currentFavorite = 1;
    selectFavoriteEntry(0);
    loadFavorite(m_currentFavorite);
}

void FavoritesPage::commitToModel()
{
    saveFavorite();
}

void FavoritesPage::refreshNames()
{
    for (int r = 1; r <= m_model.zoneCount(); ++r)
        setCellText(0, r, text::fromLatin1(m_model.zoneName(r)));

    const int selected = m_favoriteList->currentRow();
    const QSignalBlocker quiet(m_favoriteList);
    for (int f = 1; f <= model::kFavorites; ++f)
        m_favoriteList->item(f - 1)->setText(text::fromLatin1(m_model.favoriteName(f)));
    nameListItems(m_favoriteList, tr("Favorite"));
    m_favoriteList->setCurrentRow(selected);
    showCornerName();
}

void FavoritesPage::reshowModel()
{
    loadFavorite(m_currentFavorite);
}

void FavoritesPage::saveFavorite()
{
    for (int c = 1; c <= model::kMaxSources; ++c) {
        for (int r = 1; r <= model::kMaxZones; ++r) {
            const QString text = cellText(c, r);
            const QString code = text.startsWith(kMarker) ? m_heldText : text.left(1);
            m_model.setConnection(m_currentFavorite, c, r, text::toLatin1(code));
        }
    }
}

void FavoritesPage::loadFavorite(int f)
{
    m_matrix->setAccessibleName(tr("Favorite %1: zones by sources").arg(f));
    for (int c = 1; c <= model::kMaxSources; ++c) {
        for (int r = 1; r <= model::kMaxZones; ++r) {
            if (!cellText(c, r).startsWith(kUnavailable))
                setCellText(c, r, text::fromLatin1(m_model.connection(f, c, r)));
        }
    }
}

void FavoritesPage::selectCell(QPoint cell)
{
    if (!isInside(cell))
        return;
    const bool markerShown = cellText(m_markedCell.x(), m_markedCell.y()).startsWith(kMarker);
    if (cell == m_markedCell) {
        // A second click on the marked cell gives it its own content back and leaves it so.
        if (markerShown)
            setCellText(cell.x(), cell.y(), m_heldText);
        return;
    }
    if (markerShown)
        setCellText(m_markedCell.x(), m_markedCell.y(), m_heldText);
    m_heldText = cellText(cell.x(), cell.y()).left(1);
    m_markedCell = cell;
    setCellText(cell.x(), cell.y(), kMarker);
    showCornerName();
}

void FavoritesPage::doubleClickCell(QPoint cell)
{
    if (!isInside(cell))
        return;
    const QString text = cellText(cell.x(), cell.y());
    if (text.isEmpty() || text.startsWith(kMarker))
        connectOnly(cell.x(), cell.y());
    else if (text.startsWith(kAudio))
        clearConnection(cell.x(), cell.y());
}

void FavoritesPage::rightPress(QPoint cell, QPoint globalPos)
{
    m_popupPending = true;
    m_popupCell = cell;
    m_popupMenu->popup(globalPos);
}

void FavoritesPage::setAudioOnly()
{
    const QPoint cell = popupTarget();
    if (isInside(cell))
        connectOnly(cell.x(), cell.y());
}

void FavoritesPage::setNoConnection()
{
    const QPoint cell = popupTarget();
    if (isInside(cell))
        clearConnection(cell.x(), cell.y());
}

void FavoritesPage::chooseFavorite(int position)
{
    if (!model::ConfigModel::isFavorite(position))
        return;
    saveFavorite();
    m_currentFavorite = position;
    loadFavorite(m_currentFavorite);
    selectFavoriteEntry(position - 1);
}

bool FavoritesPage::isInside(QPoint cell) const
{
    return cell.x() >= 1 && cell.x() <= m_model.sourceCount() && cell.y() >= 1 &&
           cell.y() <= m_model.zoneCount();
}

QPoint FavoritesPage::popupTarget() const
{
    // Once any right-button press has happened, the menu acts on the cell last right-clicked,
    // also when it is opened from the keyboard.
    return m_popupPending ? m_popupCell : m_matrix->selectedCell();
}

QString FavoritesPage::cellText(int c, int r) const
{
    return m_matrix->cellText(c, r);
}

void FavoritesPage::setCellText(int c, int r, const QString& text)
{
    m_matrix->setCellText(c, r, text);
}

void FavoritesPage::connectOnly(int c, int r)
{
    for (int column = 1; column <= m_model.sourceCount(); ++column)
        setCellText(column, r, QString());
    setCellText(c, r, kAudio);
    reportEdit({tr("Favorite %1 Zone %2 Source %3").arg(m_currentFavorite).arg(r).arg(c),
                {},
                model::DiffSubject::Favorite,
                m_currentFavorite});
}

void FavoritesPage::clearConnection(int c, int r)
{
    setCellText(c, r, QString());
    reportEdit({tr("Favorite %1 Zone %2 No Connection").arg(m_currentFavorite).arg(r),
                {},
                model::DiffSubject::Favorite,
                m_currentFavorite});
}

void FavoritesPage::markUnavailableCells()
{
    const int sources = m_model.sourceCount();
    const int zones = m_model.zoneCount();
    for (int c = 1; c <= model::kMaxSources; ++c) {
        for (int r = 1; r <= model::kMaxZones; ++r) {
            if (c > sources || r > zones)
                setCellText(c, r, kUnavailable);
        }
    }
}

void FavoritesPage::selectFavoriteEntry(int row)
{
    const QSignalBlocker quiet(m_favoriteList);
    m_favoriteList->setCurrentRow(row);
}

void FavoritesPage::showCornerName()
{
    const int source = m_markedCell.x();
    if (model::ConfigModel::isSource(source))
        setCellText(0, 0, text::fromLatin1(m_model.sourceName(source)));
}

bool FavoritesPage::edits(model::DiffSubject subject) const
{
    return subject == model::DiffSubject::Favorite;
}

void FavoritesPage::showRecord(model::DiffSubject, int number)
{
    showListRecord(m_favoriteList, number);
}

void FavoritesPage::showMember(const model::Difference& d)
{
    showRecord(d.subject, d.number);
    // A connection's own cell is made current, without the marker a click would set.
    if (model::ConfigModel::isSource(d.source) && d.zone >= 1 && d.zone <= model::kMaxZones)
        m_matrix->showCell(d.zone - 1, d.source);
}

} // namespace zel::ui
