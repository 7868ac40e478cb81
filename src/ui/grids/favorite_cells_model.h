#pragma once
// The favorites matrix's cells (column c source c, row r zone r, column 0 the zone names, the
// header row the source numbers) as plain items, which also say what each cell's mark means, to
// a screen reader and as a tool tip.

#include <QStandardItemModel>

namespace zel::ui {

class FavoriteCellsModel : public QStandardItemModel {
    Q_OBJECT
public:
    FavoriteCellsModel(int zones, int sources, QObject* parent = nullptr);

    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
};

} // namespace zel::ui
