#pragma once

#include <QAbstractTableModel>
#include <QString>

#include <array>
#include <optional>
#include <vector>

// The rows of a report list. Every row keeps four cell texts (the item text and sub-items 1 to
// 3), whether or not a column shows them; the four list positions are fixed, so a column that
// is added later shows what was typed before it existed.
class ListItemModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    static constexpr int kPositions = 4;

    using QAbstractTableModel::QAbstractTableModel;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    bool HasColumn(int position) const;
    bool AddColumn(int position, const QString& heading, int subItem);
    bool SetHeading(int position, const QString& heading);

    int ItemCount() const;
    bool InsertItem(int item, const QString& label);
    bool SetCell(int item, int subItem, const QString& text);
    QString Cell(int item, int subItem) const;
    bool RemoveItem(int item);
    void RemoveAllItems();

private:
    struct Column
    {
        QString heading;
        int subItem;
    };

    static bool IsPosition(int position);

    std::array<std::optional<Column>, kPositions> m_columns;
    std::vector<std::array<QString, kPositions>> m_items;
};
