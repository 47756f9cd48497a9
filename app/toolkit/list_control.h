#pragma once

#include <QPointer>
#include <QString>

class QWidget;
class ReportListView;

enum class ColumnFormat
{
    Left,
};

// The record list control by id. Its columns sit at fixed list positions 0 to 3: a column is
// placed at the position asked for, also beyond the last existing one, and a position that is
// taken refuses a second column. Every row keeps the item text and sub-items 1 to 3, also those
// of positions that have no column yet.
class CListCtrl
{
public:
    void Attach(QWidget* control);
    ReportListView* GetView() const;

    // subItem -1 makes the column show the item text. Returns the position, or -1 if refused.
    int InsertColumn(int column, const QString& heading, ColumnFormat format = ColumnFormat::Left,
                     int width = -1, int subItem = -1);
    // Replaces the heading only; a position without a column is left alone.
    bool SetColumnHeading(int column, const QString& heading);

    int GetItemCount() const;
    // Inserts a row with its label at the index (past the end: appended); returns its index or -1.
    int InsertItem(int item, const QString& label);
    bool SetItemText(int item, int subItem, const QString& text);
    QString GetItemText(int item, int subItem) const;
    // The lowest-numbered selected row, or -1 when none is selected.
    int GetFirstSelectedItem() const;
    bool DeleteItem(int item);
    bool DeleteAllItems();

private:
    QPointer<ReportListView> m_view;
};
