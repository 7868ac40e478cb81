#include "ui/grids/favorite_cells_model.h"

#include "text/latin1_text.h"

#include "model/config_model.h"
#include "ui/grids/matrix_cell_help.h"

namespace zel::ui {

FavoriteCellsModel::FavoriteCellsModel(const model::ConfigModel& names, int zones, int sources,
                                       QObject* parent)
    : QStandardItemModel(zones, sources + 1, parent), m_names(names)
{
}

QString FavoriteCellsModel::columnName(int column) const
{
    const QString name = column >= 1 && column <= model::kMaxSources
                             ? text::fromLatin1(m_names.sourceName(column))
                             : QString();
    return matrixColumnName(MatrixKind::Favorites, column, name);
}

QString FavoriteCellsModel::rowName(int row) const
{
    return matrixRowName(row + 1, QStandardItemModel::data(index(row, 0)).toString());
}

QVariant FavoriteCellsModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.column() == 0)
        return QStandardItemModel::data(index, role);
    const QString mark = QStandardItemModel::data(index).toString();
    if (role == Qt::AccessibleTextRole)
        return matrixCellName(MatrixKind::Favorites, rowName(index.row()),
                              columnName(index.column()), mark);
    if (role == Qt::ToolTipRole || role == Qt::AccessibleDescriptionRole)
        return matrixCellTip(MatrixKind::Favorites, mark);
    return QStandardItemModel::data(index, role);
}

QVariant FavoriteCellsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::AccessibleTextRole)
        return QStandardItemModel::headerData(section, orientation, role);
    return orientation == Qt::Horizontal ? columnName(section) : rowName(section);
}

} // namespace zel::ui
