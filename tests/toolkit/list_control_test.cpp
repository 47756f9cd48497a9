#include "app/toolkit/list_control.h"
#include "app/toolkit/report_list_view.h"

#include <QHeaderView>
#include <QItemSelectionModel>

#include <gtest/gtest.h>

namespace {

class ListControlTest : public testing::Test
{
protected:
    void SetUp() override { list.Attach(&view); }

    void AddRow(const QString& a, const QString& b, const QString& c, const QString& d)
    {
        const int row = list.InsertItem(list.GetItemCount(), a);
        list.SetItemText(row, 1, b);
        list.SetItemText(row, 2, c);
        list.SetItemText(row, 3, d);
    }

    QString Shown(int row, int position) const
    {
        return view.model()->data(view.model()->index(row, position)).toString();
    }

    QString Heading(int position) const
    {
        return view.model()->headerData(position, Qt::Horizontal, Qt::DisplayRole).toString();
    }

    void Select(std::initializer_list<int> rows)
    {
        for (int row : rows)
            view.selectionModel()->select(view.model()->index(row, 0),
                                          QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }

    ReportListView view;
    CListCtrl list;
};

TEST_F(ListControlTest, ColumnsKeepTheirListPositions)
{
    EXPECT_EQ(list.InsertColumn(0, "Name", ColumnFormat::Left, 100), 0);
    EXPECT_EQ(list.InsertColumn(1, "Town", ColumnFormat::Left, 100, 1), 1);
    // Beyond the last column: placed where asked, the gap stays empty and hidden.
    EXPECT_EQ(list.InsertColumn(3, "Phone", ColumnFormat::Left, 100, 3), 3);
    EXPECT_TRUE(view.header()->isSectionHidden(2));
    EXPECT_FALSE(view.header()->isSectionHidden(3));
    EXPECT_EQ(view.header()->sectionSize(3), 100);
    EXPECT_FALSE(list.SetColumnHeading(2, "nothing there"));
    EXPECT_TRUE(list.SetColumnHeading(3, "Mobile"));
    EXPECT_EQ(Heading(3), "Mobile");
    EXPECT_EQ(Heading(2), "");

    EXPECT_EQ(list.InsertColumn(2, "Street", ColumnFormat::Left, 100, 2), 2);
    EXPECT_FALSE(view.header()->isSectionHidden(2));
    EXPECT_EQ(Heading(2), "Street");
    EXPECT_EQ(Heading(3), "Mobile");
}

TEST_F(ListControlTest, TakenOrUnknownPositionRefusesAColumn)
{
    ASSERT_EQ(list.InsertColumn(0, "Name"), 0);
    EXPECT_EQ(list.InsertColumn(0, "Again"), -1);
    EXPECT_EQ(Heading(0), "Name");
    EXPECT_EQ(list.InsertColumn(4, "Fifth"), -1);
    EXPECT_EQ(list.InsertColumn(-1, "None"), -1);
}

TEST_F(ListControlTest, CellsOfPositionsWithoutColumnAreKeptAndShownOnceTheColumnComes)
{
    list.InsertColumn(0, "A");
    list.InsertColumn(1, "B", ColumnFormat::Left, 100, 1);
    AddRow("a1", "b1", "c1", "d1");
    AddRow("a2", "b2", "c2", "d2");
    for (int sub = 0; sub < 4; ++sub)
        EXPECT_EQ(list.GetItemText(1, sub), QString("abcd"[sub]) + "2");
    EXPECT_EQ(Shown(0, 2), "");
    list.InsertColumn(2, "C", ColumnFormat::Left, 100, 2);
    EXPECT_EQ(Shown(0, 2), "c1");
    EXPECT_EQ(Shown(1, 2), "c2");
}

TEST_F(ListControlTest, InsertItemPlacesRowsAndAppendsPastTheEnd)
{
    EXPECT_EQ(list.InsertItem(5, "first"), 0);
    EXPECT_EQ(list.InsertItem(1, "last"), 1);
    EXPECT_EQ(list.InsertItem(0, "front"), 0);
    EXPECT_EQ(list.InsertItem(-1, "refused"), -1);
    ASSERT_EQ(list.GetItemCount(), 3);
    EXPECT_EQ(list.GetItemText(0, 0), "front");
    EXPECT_EQ(list.GetItemText(1, 0), "first");
    EXPECT_EQ(list.GetItemText(2, 0), "last");
    EXPECT_EQ(list.GetItemText(2, 3), "");
    EXPECT_EQ(list.GetItemText(3, 0), "");
    EXPECT_FALSE(list.SetItemText(3, 1, "no row"));
    EXPECT_FALSE(list.SetItemText(0, 4, "no sub-item"));
}

TEST_F(ListControlTest, LongTextComesBackWhole)
{
    const QString text(100000, QChar(u'\u00e9'));
    list.InsertItem(0, text);
    list.SetItemText(0, 3, text + "%s<&");
    EXPECT_EQ(list.GetItemText(0, 0), text);
    EXPECT_EQ(list.GetItemText(0, 3), text + "%s<&");
}

struct SelectionCase
{
    std::vector<int> selected;
    int first;
};

class ListSelectionTest : public ListControlTest, public testing::WithParamInterface<SelectionCase>
{
};

TEST_P(ListSelectionTest, FirstSelectedIsTheLowestRow)
{
    for (int row = 0; row < 5; ++row)
        AddRow(QString::number(row), "", "", "");
    for (int row : GetParam().selected)
        Select({row});
    EXPECT_EQ(list.GetFirstSelectedItem(), GetParam().first);
}

INSTANTIATE_TEST_SUITE_P(Selections, ListSelectionTest,
                         testing::Values(SelectionCase{{}, -1}, SelectionCase{{0}, 0}, SelectionCase{{2, 3}, 2},
                                         SelectionCase{{4, 1}, 1}, SelectionCase{{4, 3, 0}, 0}));

TEST_F(ListControlTest, DeleteRemovesOneRowOrAll)
{
    for (const char* label : {"a", "b", "c"})
        AddRow(label, "", "", "");
    Select({1});
    EXPECT_TRUE(list.DeleteItem(1));
    EXPECT_EQ(list.GetFirstSelectedItem(), -1);
    EXPECT_FALSE(list.DeleteItem(2));
    ASSERT_EQ(list.GetItemCount(), 2);
    EXPECT_EQ(list.GetItemText(1, 0), "c");
    EXPECT_TRUE(list.DeleteAllItems());
    EXPECT_EQ(list.GetItemCount(), 0);
    EXPECT_TRUE(list.DeleteAllItems());
}

TEST(DetachedListControlTest, RefusesEverything)
{
    CListCtrl list;
    EXPECT_EQ(list.InsertColumn(0, "A"), -1);
    EXPECT_EQ(list.InsertItem(0, "a"), -1);
    EXPECT_EQ(list.GetItemCount(), 0);
    EXPECT_EQ(list.GetFirstSelectedItem(), -1);
    EXPECT_EQ(list.GetItemText(0, 0), "");
}

} // namespace
