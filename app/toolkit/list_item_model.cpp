#include "list_item_model.h"

int ListItemModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ItemCount();
}

int ListItemModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : kPositions;
}

QVariant ListItemModel::data(const QModelIndex& index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid() || !m_columns[index.column()])
        return {};
    return m_items[index.row()][m_columns[index.column()]->subItem];
}

QVariant ListItemModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || !IsPosition(section) || !m_columns[section])
        return {};
    if (role == Qt::DisplayRole)
        return m_columns[section]->heading;
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
    return {};
}

Qt::ItemFlags ListItemModel::flags(const QModelIndex& index) const
{
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

bool ListItemModel::HasColumn(int position) const
{
    return IsPosition(position) && m_columns[position];
}

bool ListItemModel::AddColumn(int position, const QString& heading, int subItem)
{
    if (!IsPosition(position) || !IsPosition(subItem) || m_columns[position])
        return false;
    m_columns[position] = Column{heading, subItem};
    emit headerDataChanged(Qt::Horizontal, position, position);
    if (!m_items.empty())
        emit dataChanged(index(0, position), index(ItemCount() - 1, position));
    return true;
}

bool ListItemModel::SetHeading(int position, const QString& heading)
{
    if (!HasColumn(position))
        return false;
    m_columns[position]->heading = heading;
    emit headerDataChanged(Qt::Horizontal, position, position);
    return true;
}

int ListItemModel::ItemCount() const
{
    return static_cast<int>(m_items.size());
}

bool ListItemModel::InsertItem(int item, const QString& label)
{
    if (item < 0)
        return false;
    const int row = std::min(item, ItemCount());
    beginInsertRows({}, row, row);
    auto inserted = m_items.emplace(m_items.begin() + row);
    (*inserted)[0] = label;
    endInsertRows();
    return true;
}

bool ListItemModel::SetCell(int item, int subItem, const QString& text)
{
    if (item < 0 || item >= ItemCount() || !IsPosition(subItem))
        return false;
    m_items[item][subItem] = text;
    for (int position = 0; position < kPositions; ++position) {
        if (m_columns[position] && m_columns[position]->subItem == subItem)
            emit dataChanged(index(item, position), index(item, position), {Qt::DisplayRole});
    }
    return true;
}

QString ListItemModel::Cell(int item, int subItem) const
{
    if (item < 0 || item >= ItemCount() || !IsPosition(subItem))
        return {};
    return m_items[item][subItem];
}

bool ListItemModel::RemoveItem(int item)
{
    if (item < 0 || item >= ItemCount())
        return false;
    beginRemoveRows({}, item, item);
    m_items.erase(m_items.begin() + item);
    endRemoveRows();
    return true;
}

void ListItemModel::RemoveAllItems()
{
    beginResetModel();
    m_items.clear();
    endResetModel();
}

bool ListItemModel::IsPosition(int position)
{
    return position >= 0 && position < kPositions;
}
