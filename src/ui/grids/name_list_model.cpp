#include "ui/grids/name_list_model.h"

#include "text/latin1_text.h"

#include "model/config_model.h"

#include <algorithm>

namespace zel::ui {

NameListModel::NameListModel(model::ConfigModel& model, NameList list, QObject* parent)
    : QAbstractTableModel(parent), m_model(model), m_list(list), m_rows(itemCount())
{
}

int NameListModel::itemCount() const
{
    switch (m_list) {
    case NameList::Zones:
        return model::kMaxZones;
    case NameList::Sources:
        return model::kMaxSources;
    case NameList::Favorites:
        return model::kFavorites;
    case NameList::Groups:
        return model::kGroups;
    }
    return 0;
}

void NameListModel::setShownRows(int rows)
{
    rows = std::clamp(rows, 1, itemCount());
    if (rows > m_rows) {
        beginInsertRows({}, m_rows, rows - 1);
        m_rows = rows;
        endInsertRows();
    } else if (rows < m_rows) {
        beginRemoveRows({}, rows, m_rows - 1);
        m_rows = rows;
        endRemoveRows();
    }
}

QString NameListModel::label(int n) const
{
    switch (m_list) {
    case NameList::Zones:
        return tr("Zone %1").arg(n);
    case NameList::Sources:
        return tr("Source %1").arg(n);
    case NameList::Favorites:
        return tr("Favorite %1").arg(n);
    case NameList::Groups:
        return tr("Group %1").arg(n);
    }
    return {};
}

QString NameListModel::name(int n) const
{
    const std::string* text = nullptr;
    switch (m_list) {
    case NameList::Zones:
        text = &m_model.zoneName(n);
        break;
    case NameList::Sources:
        text = &m_model.sourceName(n);
        break;
    case NameList::Favorites:
        text = &m_model.favoriteName(n);
        break;
    case NameList::Groups:
        text = &m_model.groupName(n);
        break;
    }
    // Names are 8-bit text: Latin-1 keeps every byte.
    return text::fromLatin1(*text);
}

void NameListModel::setName(int n, const QString& name)
{
    std::string text = text::toLatin1(name);
    switch (m_list) {
    case NameList::Zones:
        m_model.setZoneName(n, std::move(text));
        break;
    case NameList::Sources:
        m_model.setSourceName(n, std::move(text));
        break;
    case NameList::Favorites:
        m_model.setFavoriteName(n, std::move(text));
        break;
    case NameList::Groups:
        m_model.setGroupName(n, std::move(text));
        break;
    }
}

void NameListModel::namesReplaced()
{
    emit dataChanged(index(0, 1), index(m_rows - 1, 1), {Qt::DisplayRole, Qt::EditRole});
}

int NameListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_rows;
}

int NameListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : 2;
}

QVariant NameListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    const int n = index.row() + 1;
    // A screen reader reads a name cell with its row, so that an empty name is still found.
    if (role == Qt::AccessibleTextRole && index.column() == 1)
        return tr("%1 name: %2").arg(label(n), name(n));
    if (role != Qt::DisplayRole && role != Qt::EditRole)
        return {};
    return index.column() == 0 ? label(n) : name(n);
}

QVariant NameListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    // The grid shows no headers; a screen reader reads a cell with what its column holds and
    // the item its row stands for.
    if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole)
        return {};
    if (orientation == Qt::Vertical)
        return label(section + 1);
    return section == 0 ? tr("Number") : tr("Name");
}

bool NameListModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!index.isValid() || index.column() != 1 || role != Qt::EditRole)
        return false;
    const int n = index.row() + 1;
    const QString text = value.toString();
    if (text == name(n))
        return true;
    setName(n, text);
    emit dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole});
    emit nameEdited(n);
    return true;
}

Qt::ItemFlags NameListModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    if (index.column() == 0)
        return Qt::ItemIsEnabled;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
}

} // namespace zel::ui
