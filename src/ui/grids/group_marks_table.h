#pragma once
// The groups matrix's cells: the ConfigModel's group membership (column g, row z: the mark of
// group g for zone z, "G", empty or "X"), read and written in place, with the row headers
// (zone names) and the header row (corner text, group numbers) that the matrix shows around it;
// a screen reader reads the header row by the groups' names and the rows by the zones' names.

#include <QAbstractTableModel>
#include <QStringList>

namespace zel::model {
class ConfigModel;
}

namespace zel::ui {

class GroupMarksTable : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit GroupMarksTable(model::ConfigModel& model, QObject* parent = nullptr);

    // Column 0 text of zone z's row (1-based).
    void setRowHeader(int z, const QString& text);
    // Marks changed in the ConfigModel behind this table's back: show them again.
    void marksReplaced();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    bool setHeaderData(int section, Qt::Orientation orientation, const QVariant& value,
                       int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    QString columnName(int column) const;
    QString rowName(int row) const;

    model::ConfigModel& m_model;
    QStringList m_rowHeaders; // zones 1..16
    QStringList m_headerRow;  // corner, then groups 1..10
};

} // namespace zel::ui
