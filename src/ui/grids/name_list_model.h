#pragma once
// One of the four name lists of the ConfigModel (zones, sources, favorites, groups) as a
// two-column table: column 0 the fixed label ("Zone 3"), column 1 the name itself. It reads and
// writes the ConfigModel directly, so an edit is the model's new name at once.

#include <QAbstractTableModel>

namespace zel::model {
class ConfigModel;
}

namespace zel::ui {

enum class NameList { Zones, Sources, Favorites, Groups };

class NameListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    NameListModel(model::ConfigModel& model, NameList list, QObject* parent = nullptr);

    NameList list() const { return m_list; }
    // How many items the list has in the ConfigModel: 16 zones or sources, 10 favorites or
    // groups.
    int itemCount() const;
    // Rows shown; kept between 1 and itemCount().
    void setShownRows(int rows);

    // Label of item n (1-based): "Zone n", "Source n", "Favorite n" or "Group n".
    QString label(int n) const;
    QString name(int n) const;
    void setName(int n, const QString& name);

    // The names changed in the ConfigModel behind this table's back: show them again.
    void namesReplaced();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    // "Number" and "Name" over the columns, the item's label ("Zone 3") beside each row.
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

signals:
    // A name was changed through this table (item n, 1-based).
    void nameEdited(int n);

private:
    model::ConfigModel& m_model;
    NameList m_list;
    int m_rows;
};

} // namespace zel::ui
