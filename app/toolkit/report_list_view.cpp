#include "report_list_view.h"

#include <QHeaderView>

ReportListView::ReportListView(QWidget* parent)
    : QTreeView(parent)
{
    setModel(&m_items);
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setSortingEnabled(false);
    setAllColumnsShowFocus(false);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    header()->setStretchLastSection(false);
    header()->setSectionsMovable(false);
    header()->setSectionResizeMode(QHeaderView::Interactive);
    for (int position = 0; position < ListItemModel::kPositions; ++position)
        header()->setSectionHidden(position, true);
}

ListItemModel& ReportListView::items()
{
    return m_items;
}

const ListItemModel& ReportListView::items() const
{
    return m_items;
}

void ReportListView::SetShowSelectionAlways(bool always)
{
    QPalette colours = palette();
    const QPalette::ColorGroup group = always ? QPalette::Active : QPalette::Inactive;
    colours.setColor(QPalette::Inactive, QPalette::Highlight, colours.color(group, QPalette::Highlight));
    colours.setColor(QPalette::Inactive, QPalette::HighlightedText, colours.color(group, QPalette::HighlightedText));
    setPalette(colours);
}
