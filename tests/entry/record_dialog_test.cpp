#include "entry/record_dialog.h"
#include "record_session.h"
#include "res/resource.h"
#include "tests/support/modal_driver.h"
#include "tests/support/user_actions.h"

#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <optional>

namespace {

const QString kFillInData = "Please fill in the data.";
const QString kTwoCategories = "You need at least two categories.";

std::vector<QString> MessageTexts(const ModalDriver& driver)
{
    std::vector<QString> texts;
    for (const ObservedMessage& message : driver.messages())
        texts.push_back(message.text);
    return texts;
}

// How the start-up category dialog is left, and what the record-entry dialog then shows.
struct StartCase
{
    const char* name;
    std::function<void(QWidget*)> leaveCategoryDialog;
    std::optional<RecordDialogState> shown; // nothing: the program ends without showing it
    std::vector<QString> messages;
};

void PrintTo(const StartCase& startCase, std::ostream* out)
{
    *out << startCase.name;
}

class RecordDialogStartTest : public testing::TestWithParam<StartCase>
{
};

TEST_P(RecordDialogStartTest, ColumnsAndFieldsFollowTheNames)
{
    const StartCase& c = GetParam();
    CTabloomDlg dialog;
    ModalDriver driver;
    driver.OnDialog("Category name", c.leaveCategoryDialog);
    std::optional<RecordDialogState> seen;
    if (c.shown) {
        driver.OnDialog("Tabloom", [&](QWidget* window) {
            seen = ReadRecordDialog(window);
            EXPECT_EQ(window->focusWidget(), user::Control(window, IDC_DATA1));
            user::Press(window, Qt::Key_Escape);
        });
    }
    const int result = dialog.DoModal();
    EXPECT_EQ(MessageTexts(driver), c.messages);
    if (!c.shown) {
        EXPECT_EQ(result, IDOK);
        EXPECT_FALSE(driver.shownCaptions().contains("Tabloom")) << "the record-entry dialog was shown";
        return;
    }
    EXPECT_EQ(result, IDCANCEL);
    ASSERT_TRUE(seen);
    EXPECT_EQ(seen->columnShown, c.shown->columnShown);
    EXPECT_EQ(seen->headings, c.shown->headings);
    EXPECT_EQ(seen->categoryFields, c.shown->categoryFields);
    EXPECT_TRUE(seen->rows.empty());
}

std::function<void(QWidget*)> NamesThenNext(Names names)
{
    return [names](QWidget* w) {
        TypeCategoryNames(w, names);
        user::Click(w, IDC_NEXT);
    };
}

std::function<void(QWidget*)> RefusedNextThenCancel(Names names)
{
    return [names](QWidget* w) {
        TypeCategoryNames(w, names);
        user::Click(w, IDC_NEXT);
        user::Click(w, IDCANCEL);
    };
}

INSTANTIATE_TEST_SUITE_P(
    StartUp, RecordDialogStartTest,
    testing::Values(
        StartCase{"TwoNames", NamesThenNext({"Name", "Address", "", ""}),
                  RecordDialogState{{true, true, false, false}, {"Name", "Address", "", ""}, {}, {"Name", "Address", "", ""}},
                  {}},
        StartCase{"FourNames", NamesThenNext({"Name", "Street", "Town", "Phone"}),
                  RecordDialogState{{true, true, true, true},
                                    {"Name", "Street", "Town", "Phone"},
                                    {},
                                    {"Name", "Street", "Town", "Phone"}},
                  {}},
        StartCase{"FourthWithoutThirdKeepsItsPosition", NamesThenNext({"Name", "Street", "", "Phone"}),
                  RecordDialogState{{true, true, false, true},
                                    {"Name", "Street", "", "Phone"},
                                    {},
                                    {"Name", "Street", "", "Phone"}},
                  {}},
        StartCase{"RefusedNextWithFirstNameOpensWithEmptySecond", RefusedNextThenCancel({"Name", "", "", ""}),
                  RecordDialogState{{true, true, false, false}, {"Name", "", "", ""}, {}, {"Name", "", "", ""}},
                  {kTwoCategories}},
        StartCase{"RefusedNextWithoutFirstNameEnds", RefusedNextThenCancel({"", "Address", "", ""}), std::nullopt,
                  {kTwoCategories}},
        StartCase{"CancelEnds", [](QWidget* w) { user::Click(w, IDCANCEL); }, std::nullopt, {}},
        StartCase{"EscapeEnds", [](QWidget* w) { user::Press(w, Qt::Key_Escape); }, std::nullopt, {}},
        StartCase{"CloseBoxEnds", [](QWidget* w) { w->close(); }, std::nullopt, {}},
        StartCase{"EnterInANameEnds",
                  [](QWidget* w) {
                      TypeCategoryNames(w, {"Name", "Address", "", ""});
                      user::Press(w, Qt::Key_Return);
                  },
                  std::nullopt, {}}),
    [](const testing::TestParamInfo<StartCase>& info) { return info.param.name; });

// A session on a record-entry dialog started with two names: the test's steps, then Escape.
class RecordDialogTest : public testing::Test
{
protected:
    void Run(const Names& names, std::function<void(QWidget*)> steps)
    {
        StartWithNames(driver, names);
        driver.OnDialog("Tabloom", [&](QWidget* window) {
            steps(window);
            if (window->isVisible())
                user::Press(window, Qt::Key_Escape);
        });
        EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    }

    CTabloomDlg dialog;
    ModalDriver driver;
};

TEST_F(RecordDialogTest, AddAppendsAllFourCellsWhicheverColumnsExist)
{
    RecordDialogState state;
    Run({"Name", "Address", "", ""}, [&](QWidget* w) {
        AddRecord(w, {"Ann", "Elm Street", "hidden 3", "hidden 4"});
        AddRecord(w, {"Bob", "", "", ""});
        user::Click(w, IDC_ADD);
        EXPECT_EQ(user::Text(w, IDC_DATA1), "Bob") << "the fields keep their texts";
        EXPECT_EQ(user::Cell(w, IDC_RECORD_LIST, 0, 1), "Elm Street");
        state = ReadRecordDialog(w);
    });
    const std::vector<Row> expected = {
        {"Ann", "Elm Street", "hidden 3", "hidden 4"}, {"Bob", "", "", ""}, {"Bob", "", "", ""}};
    EXPECT_EQ(state.rows, expected);
    EXPECT_TRUE(driver.messages().empty());
}

TEST_F(RecordDialogTest, AddWithoutFirstFieldAsksForDataAndAddsNothing)
{
    RecordDialogState state;
    Run({"Name", "Address", "", ""}, [&](QWidget* w) {
        AddRecord(w, {"", "Elm Street", "3", "4"});
        AddRecord(w, {" ", "", "", ""});
        state = ReadRecordDialog(w);
    });
    const std::vector<Row> expected = {{" ", "", "", ""}};
    EXPECT_EQ(state.rows, expected) << "a first field of blanks is not empty";
    const std::vector<ObservedMessage> messages = {{kFillInData, "entry_tests", QMessageBox::Warning, QMessageBox::Ok}};
    EXPECT_EQ(driver.messages(), messages);
}

struct DeleteCase
{
    const char* name;
    int rows;
    std::vector<int> selected; // clicked in this order, with Ctrl after the first
    std::vector<QString> remaining;
    std::vector<QString> messages;
};

void PrintTo(const DeleteCase& deleteCase, std::ostream* out)
{
    *out << deleteCase.name;
}

class RecordDialogDeleteTest : public RecordDialogTest, public testing::WithParamInterface<DeleteCase>
{
};

TEST_P(RecordDialogDeleteTest, DeletesTheFirstSelectedRowOnly)
{
    const DeleteCase& c = GetParam();
    std::vector<QString> remaining;
    Run({"Name", "Address", "", ""}, [&](QWidget* w) {
        for (int row = 0; row < c.rows; ++row)
            AddRecord(w, {QString("row %1").arg(row), "", "", ""});
        for (std::size_t click = 0; click < c.selected.size(); ++click)
            user::ClickRow(w, IDC_RECORD_LIST, c.selected[click], click == 0 ? Qt::NoModifier : Qt::ControlModifier);
        user::Click(w, IDC_DELETE);
        for (const Row& row : ReadRecordDialog(w).rows)
            remaining.push_back(row[0]);
    });
    EXPECT_EQ(remaining, c.remaining);
    EXPECT_EQ(MessageTexts(driver), c.messages);
}

INSTANTIATE_TEST_SUITE_P(
    Delete, RecordDialogDeleteTest,
    testing::Values(DeleteCase{"EmptyListAsksForData", 0, {}, {}, {kFillInData}},
                    DeleteCase{"NothingSelectedDoesNothing", 2, {}, {"row 0", "row 1"}, {}},
                    DeleteCase{"OneSelected", 3, {1}, {"row 0", "row 2"}, {}},
                    DeleteCase{"TwoSelectedOnlyTheFirstGoes", 4, {1, 2}, {"row 0", "row 2", "row 3"}, {}},
                    DeleteCase{"LowerRowSelectedSecond", 4, {3, 1}, {"row 0", "row 2", "row 3"}, {}}),
    [](const testing::TestParamInfo<DeleteCase>& info) { return info.param.name; });

TEST_F(RecordDialogTest, ClearAllEmptiesTheListAndKeepsColumnsAndFields)
{
    RecordDialogState before;
    RecordDialogState after;
    Run({"Name", "Address", "Town", ""}, [&](QWidget* w) {
        user::Click(w, IDC_CLEAR_ALL);
        AddRecord(w, {"a", "b", "c", "d"});
        AddRecord(w, {"e", "f", "g", "h"});
        before = ReadRecordDialog(w);
        user::Click(w, IDC_CLEAR_ALL);
        after = ReadRecordDialog(w);
    });
    EXPECT_EQ(before.rows.size(), 2u);
    EXPECT_TRUE(after.rows.empty());
    EXPECT_EQ(after.headings, before.headings);
    EXPECT_EQ(after.columnShown, before.columnShown);
    EXPECT_EQ(after.categoryFields, before.categoryFields);
    EXPECT_TRUE(driver.messages().empty());
}

TEST_F(RecordDialogTest, ChangeCategoryClearingNameThreeKeepsItsColumnAndDisplayText)
{
    RecordDialogState state;
    Names offeredAgain;
    StartWithNames(driver, {"Name", "Street", "Town", ""});
    driver.OnDialog("Tabloom", [&](QWidget* w) {
        AddRecord(w, {"Ann", "Elm", "Leeds", ""});
        user::Click(w, IDC_CHANGE_CATEGORY);
        state = ReadRecordDialog(w);
        user::Click(w, IDC_CHANGE_CATEGORY);
        user::Press(w, Qt::Key_Escape);
    });
    driver.OnDialog("Category name", [](QWidget* w) {
        EXPECT_EQ(CategoryEditTexts(w), Names({"Name", "Street", "Town", ""}));
        user::Type(w, IDC_NAME3, "");
        user::Click(w, IDC_NEXT);
    });
    driver.OnDialog("Category name", [&](QWidget* w) {
        offeredAgain = CategoryEditTexts(w);
        user::Click(w, IDCANCEL);
    });
    dialog.DoModal();
    EXPECT_EQ(state.columnShown, (std::array<bool, 4>{true, true, true, false}));
    EXPECT_EQ(state.headings, Names({"Name", "Street", "", ""}));
    EXPECT_EQ(state.categoryFields, Names({"Name", "Street", "Town", ""}));
    EXPECT_EQ(state.rows, std::vector<Row>({{"Ann", "Elm", "Leeds", ""}}));
    EXPECT_EQ(offeredAgain, Names({"Name", "Street", "Town", ""}));
}

TEST_F(RecordDialogTest, ChangeCategoryAddingColumnsShowsCellsTypedEarlier)
{
    RecordDialogState fourthOnly;
    RecordDialogState both;
    StartWithNames(driver, {"Name", "Street", "", ""});
    driver.OnDialog("Tabloom", [&](QWidget* w) {
        AddRecord(w, {"Ann", "Elm", "Leeds", "0113"});
        user::Click(w, IDC_CHANGE_CATEGORY);
        fourthOnly = ReadRecordDialog(w);
        EXPECT_EQ(user::Cell(w, IDC_RECORD_LIST, 0, 3), "0113");
        user::Click(w, IDC_CHANGE_CATEGORY);
        both = ReadRecordDialog(w);
        EXPECT_EQ(user::Cell(w, IDC_RECORD_LIST, 0, 2), "Leeds");
        user::Press(w, Qt::Key_Escape);
    });
    driver.OnDialog("Category name", [](QWidget* w) {
        user::Type(w, IDC_NAME4, "Phone");
        user::Click(w, IDC_NEXT);
    });
    driver.OnDialog("Category name", [](QWidget* w) {
        user::Type(w, IDC_NAME3, "Town");
        user::Click(w, IDC_NEXT);
    });
    dialog.DoModal();
    EXPECT_EQ(fourthOnly.columnShown, (std::array<bool, 4>{true, true, false, true}));
    EXPECT_EQ(fourthOnly.headings, Names({"Name", "Street", "", "Phone"}));
    EXPECT_EQ(fourthOnly.categoryFields, Names({"Name", "Street", "", "Phone"}));
    EXPECT_EQ(both.columnShown, (std::array<bool, 4>{true, true, true, true}));
    EXPECT_EQ(both.headings, Names({"Name", "Street", "Town", "Phone"}));
    EXPECT_EQ(both.rows, std::vector<Row>({{"Ann", "Elm", "Leeds", "0113"}}));
}

TEST_F(RecordDialogTest, ChangeCategoryLeftByCancelChangesNothing)
{
    RecordDialogState before;
    RecordDialogState after;
    StartWithNames(driver, {"Name", "Street", "Town", ""});
    driver.OnDialog("Tabloom", [&](QWidget* w) {
        AddRecord(w, {"Ann", "Elm", "Leeds", ""});
        before = ReadRecordDialog(w);
        user::Click(w, IDC_CHANGE_CATEGORY);
        after = ReadRecordDialog(w);
        user::Press(w, Qt::Key_Escape);
    });
    driver.OnDialog("Category name", [](QWidget* w) {
        user::Type(w, IDC_NAME1, "typed but never taken");
        user::Click(w, IDCANCEL);
    });
    dialog.DoModal();
    EXPECT_EQ(after.headings, before.headings);
    EXPECT_EQ(after.columnShown, before.columnShown);
    EXPECT_EQ(after.categoryFields, before.categoryFields);
    EXPECT_EQ(after.rows, before.rows);
}

TEST_F(RecordDialogTest, ChangeCategoryWithEmptyFirstNameStaysOpen)
{
    RecordDialogState state;
    bool stillOpen = false;
    StartWithNames(driver, {"Name", "Street", "", ""});
    driver.OnDialog("Tabloom", [&](QWidget* w) {
        user::Click(w, IDC_CHANGE_CATEGORY);
        state = ReadRecordDialog(w);
        stillOpen = w->isVisible();
        user::Press(w, Qt::Key_Escape);
    });
    driver.OnDialog("Category name", [](QWidget* w) {
        user::Type(w, IDC_NAME1, "");
        user::Click(w, IDC_NEXT);
        user::Press(w, Qt::Key_Escape);
    });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(state.headings, Names({"", "Street", "", ""}));
    EXPECT_EQ(state.categoryFields, Names({"", "Street", "", ""}));
    EXPECT_EQ(MessageTexts(driver), std::vector<QString>({kTwoCategories}));
}

// Keys on the record-entry dialog: whether it ends, and the rows it holds before it does.
struct KeyCase
{
    const char* name;
    std::function<void(QWidget*)> act;
    bool ends;
    int result;
    int rows;
};

void PrintTo(const KeyCase& keyCase, std::ostream* out)
{
    *out << keyCase.name;
}

class RecordDialogKeysTest : public RecordDialogTest, public testing::WithParamInterface<KeyCase>
{
};

TEST_P(RecordDialogKeysTest, OnlyEscapeAndTheCloseBoxEndTheProgram)
{
    const KeyCase& c = GetParam();
    bool ended = false;
    int rows = -1;
    StartWithNames(driver, {"Name", "Address", "", ""});
    driver.OnDialog("Tabloom", [&](QWidget* w) {
        AddRecord(w, {"Ann", "Elm", "", ""});
        c.act(w);
        ended = !w->isVisible();
        if (!ended) {
            rows = user::RowCount(w, IDC_RECORD_LIST);
            user::Press(w, Qt::Key_Escape);
        }
    });
    const int result = dialog.DoModal();
    EXPECT_EQ(ended, c.ends);
    EXPECT_EQ(result, c.result);
    if (!c.ends) {
        EXPECT_EQ(rows, c.rows);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Keys, RecordDialogKeysTest,
    testing::Values(
        KeyCase{"EnterInADataFieldDoesNothing",
                [](QWidget* w) {
                    user::Type(w, IDC_DATA2, "more");
                    user::Press(w, Qt::Key_Return);
                },
                false, IDCANCEL, 1},
        KeyCase{"EnterInADisplayFieldDoesNothing",
                [](QWidget* w) {
                    user::Click(w, IDC_CATEGORY1);
                    user::Press(w, Qt::Key_Enter, Qt::KeypadModifier);
                },
                false, IDCANCEL, 1},
        KeyCase{"EnterInTheListDoesNothing",
                [](QWidget* w) {
                    user::ClickRow(w, IDC_RECORD_LIST, 0);
                    user::Press(w, Qt::Key_Return);
                },
                false, IDCANCEL, 1},
        KeyCase{"EnterOnFocusedAddPressesIt",
                [](QWidget* w) {
                    user::Control(w, IDC_ADD)->setFocus(Qt::TabFocusReason);
                    user::Press(w, Qt::Key_Return);
                },
                false, IDCANCEL, 2},
        KeyCase{"SpaceOnFocusedClearAllPressesIt",
                [](QWidget* w) {
                    user::Control(w, IDC_CLEAR_ALL)->setFocus(Qt::TabFocusReason);
                    user::Press(w, Qt::Key_Space);
                },
                false, IDCANCEL, 0},
        KeyCase{"AltAAdds",
                [](QWidget* w) {
                    user::Press(w, Qt::Key_A, Qt::AltModifier);
                    QTest::qWait(250);
                },
                false, IDCANCEL, 2},
        KeyCase{"EscapeEnds", [](QWidget* w) { user::Press(w, Qt::Key_Escape); }, true, IDCANCEL, 0},
        KeyCase{"CloseBoxEnds", [](QWidget* w) { w->close(); }, true, IDCANCEL, 0}),
    [](const testing::TestParamInfo<KeyCase>& info) { return info.param.name; });

} // namespace
