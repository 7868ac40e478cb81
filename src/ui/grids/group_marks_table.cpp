#include "ui/grids/group_marks_table.h"

#include "text/latin1_text.h"

#include "model/config_model.h"
#include "ui/grids/matrix_cell_help.h"

namespace zel::ui {

GroupMarksTable::GroupMarksTable(model::ConfigModel& model, QObject* parent)
    : QAbstractTableModel(parent), m_model(model)
{
    for (int z = 1; z <= model::kMaxZones; ++z)
        m_rowHeaders.append(tr("Zone %1").arg(z));
    m_headerRow.append(QString());
    for (int g = 1; g <= model::kGroups; ++g)
        m_headerRow.append(QString::number(g));
}

void GroupMarksTable::setRowHeader(int z, const QString& text)
{
    setData(index(z - 1, 0), text);
}

void GroupMarksTable::marksReplaced()
{
    emit dataChanged(index(0, 1), index(rowCount() - 1, columnCount() - 1), {Qt::DisplayRole});
}

int GroupMarksTable::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : model::kMaxZones;
}

int GroupMarksTable::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : model::kGroups + 1;
}

QVariant GroupMarksTable::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    if (role == Qt::AccessibleTextRole && index.column() > 0)
        return matrixCellName(MatrixKind::Groups, rowName(index.row()), columnName(index.column()),
                              index.data().toString());
    if ((role == Qt::ToolTipRole || role == Qt::AccessibleDescriptionRole) && index.column() > 0)
        return matrixCellTip(MatrixKind::Groups, index.data().toString());
    if (role != Qt::DisplayRole && role != Qt::EditRole)
        return {};
    if (index.column() == 0)
        return m_rowHeaders.at(index.row());
    return text::fromLatin1(m_model.groupMark(index.column(), index.row() + 1));
}

bool GroupMarksTable::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!index.isValid() || role != Qt::EditRole)
        return false;
    const QString text = value.toString();
    if (index.column() == 0)
        m_rowHeaders[index.row()] = text;
    else
        m_model.setGroupMark(index.column(), index.row() + 1, text::toLatin1(text));
    emit dataChanged(index, index, {Qt::DisplayRole});
    return true;
}

QString GroupMarksTable::columnName(int column) const
{
    const QString name = column >= 1 && column <= model::kGroups
                             ? text::fromLatin1(m_model.groupName(column))
                             : QString();
    return matrixColumnName(MatrixKind::Groups, column, name);
}

QString GroupMarksTable::rowName(int row) const
{
    return matrixRowName(row + 1, m_rowHeaders.value(row));
}

QVariant GroupMarksTable::headerData(int section, Qt::Orientation orientation, int role) const
{
    // A screen reader reads the columns by the groups' names and the rows by the zones' names.
    if (role == Qt::AccessibleTextRole)
        return orientation == Qt::Horizontal ? columnName(section) : rowName(section);
    if (orientation != Qt::Horizontal || section < 0 || section >= m_headerRow.size() ||
        (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    return m_headerRow.at(section);
}

bool GroupMarksTable::setHeaderData(int section, Qt::Orientation orientation, const QVariant& value,
                                    int role)
{
    if (orientation != Qt::Horizontal || section < 0 || section >= m_headerRow.size() ||
        role != Qt::EditRole)
        return false;
    m_headerRow[section] = value.toString();
    emit headerDataChanged(orientation, section, section);
    return true;
}

Qt::ItemFlags GroupMarksTable::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    if (index.column() == 0)
        return Qt::ItemIsEnabled;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

} // namespace zel::ui
