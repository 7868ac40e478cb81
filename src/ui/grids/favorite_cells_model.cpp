#include "ui/grids/favorite_cells_model.h"

#include "ui/grids/matrix_cell_help.h"

namespace zel::ui {

FavoriteCellsModel::FavoriteCellsModel(int zones, int sources, QObject* parent)
    : QStandardItemModel(zones, sources + 1, parent)
{
}

QVariant FavoriteCellsModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.column() == 0)
        return QStandardItemModel::data(index, role);
    const QString mark = QStandardItemModel::data(index).toString();
    if (role == Qt::AccessibleTextRole)
        return matrixCellName(MatrixKind::Favorites, index.siblingAtColumn(0).data().toString(),
                              index.column(), mark);
    if (role == Qt::ToolTipRole || role == Qt::AccessibleDescriptionRole)
        return matrixCellTip(MatrixKind::Favorites, mark);
    return QStandardItemModel::data(index, role);
}

} // namespace zel::ui
