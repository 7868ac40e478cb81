#pragma once
// The favorites matrix's cells (column c source c, row r zone r, column 0 the zone names, the
// header row the source numbers) as plain items, which also say what each cell's mark means, to
// a screen reader and as a tool tip. A screen reader reads the header row by the sources'
// names and the rows by the zones' names.

#include <QStandardItemModel>

namespace zel::model {
class ConfigModel;
}

namespace zel::ui {

class FavoriteCellsModel : public QStandardItemModel {
    Q_OBJECT
public:
    // The source names are read from `names` as they are at the time.
    FavoriteCellsModel(const model::ConfigModel& names, int zones, int sources,
                       QObject* parent = nullptr);

    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    QString columnName(int column) const;
    QString rowName(int row) const;

    const model::ConfigModel& m_names;
};

} // namespace zel::ui
