#pragma once

#include "list_item_model.h"

#include <QTreeView>

// A list in report view: rows of four cells, a column per list position that has been added,
// several rows selectable, nothing editable or sortable. Positions without a column stay hidden.
class ReportListView : public QTreeView
{
    Q_OBJECT

public:
    explicit ReportListView(QWidget* parent = nullptr);

    ListItemModel& items();
    const ListItemModel& items() const;

    // The selection stays visible while the list does not have the focus.
    void SetShowSelectionAlways(bool always);

private:
    ListItemModel m_items;
};
