#include "list_control.h"

#include "report_list_view.h"

#include <QHeaderView>
#include <QItemSelectionModel>

#include <algorithm>

void CListCtrl::Attach(QWidget* control)
{
    m_view = qobject_cast<ReportListView*>(control);
}

ReportListView* CListCtrl::GetView() const
{
    return m_view;
}

int CListCtrl::InsertColumn(int column, const QString& heading, ColumnFormat, int width, int subItem)
{
    if (!m_view || !m_view->items().AddColumn(column, heading, subItem < 0 ? 0 : subItem))
        return -1;
    QHeaderView& header = *m_view->header();
    header.setSectionHidden(column, false);
    if (width >= 0)
        header.resizeSection(column, width);
    return column;
}

bool CListCtrl::SetColumnHeading(int column, const QString& heading)
{
    return m_view && m_view->items().SetHeading(column, heading);
}

int CListCtrl::GetItemCount() const
{
    return m_view ? m_view->items().ItemCount() : 0;
}

int CListCtrl::InsertItem(int item, const QString& label)
{
    if (!m_view || !m_view->items().InsertItem(item, label))
        return -1;
    return std::min(item, GetItemCount() - 1);
}

bool CListCtrl::SetItemText(int item, int subItem, const QString& text)
{
    return m_view && m_view->items().SetCell(item, subItem, text);
}

QString CListCtrl::GetItemText(int item, int subItem) const
{
    return m_view ? m_view->items().Cell(item, subItem) : QString();
}

int CListCtrl::GetFirstSelectedItem() const
{
    if (!m_view)
        return -1;
    int first = -1;
    for (const QItemSelectionRange& range : m_view->selectionModel()->selection()) {
        if (first < 0 || range.top() < first)
            first = range.top();
    }
    return first;
}

bool CListCtrl::DeleteItem(int item)
{
    return m_view && m_view->items().RemoveItem(item);
}

bool CListCtrl::DeleteAllItems()
{
    if (!m_view)
        return false;
    m_view->items().RemoveAllItems();
    return true;
}
