#include "entry/record_dialog.h"
#include "record_session.h"
#include "res/resource.h"
#include "tests/support/modal_driver.h"
#include "tests/support/user_actions.h"

#include <QAccessible>

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <optional>

namespace {

using NameTable = std::map<int, QString>;

// What a screen reader announces as the control's name.
QString AccessibleName(QWidget* control)
{
    QAccessibleInterface* accessible = control ? QAccessible::queryAccessibleInterface(control) : nullptr;
    return accessible ? accessible->text(QAccessible::Name) : QString("<no accessible interface>");
}

NameTable AccessibleNames(QWidget* window, const NameTable& expected)
{
    NameTable names;
    for (const auto& [id, name] : expected)
        names[id] = AccessibleName(user::Control(window, id));
    return names;
}

const NameTable kCategoryDialogNames = {
    {IDC_NAME1, "Category 1"}, {IDC_NAME2, "Category 2"}, {IDC_NAME3, "Category 3"}, {IDC_NAME4, "Category 4"}};

// The names that stay whatever the categories are.
NameTable RecordDialogNames(NameTable dataFields)
{
    dataFields.insert({{IDC_RECORD_LIST, "Added data"},
                       {IDC_CATEGORY1, "Category 1"},
                       {IDC_CATEGORY2, "Category 2"},
                       {IDC_CATEGORY3, "Category 3"},
                       {IDC_CATEGORY4, "Category 4"}});
    return dataFields;
}

// How the session starts, whether a Change Category follows, and the names the record-entry
// dialog's controls have at the end.
struct NameCase
{
    const char* name;
    std::function<void(QWidget*)> leaveFirstCategoryDialog;
    std::optional<Names> changedNames;
    NameTable recordDialog;
};

void PrintTo(const NameCase& nameCase, std::ostream* out)
{
    *out << nameCase.name;
}

std::function<void(QWidget*)> NamesThenNext(Names names)
{
    return [names](QWidget* w) {
        TypeCategoryNames(w, names);
        user::Click(w, IDC_NEXT);
    };
}

class AccessibleNameTest : public testing::TestWithParam<NameCase>
{
};

TEST_P(AccessibleNameTest, EveryFieldAndTheListAreNamedByTheTextBesideThem)
{
    const NameCase& c = GetParam();
    CTabloomDlg dialog;
    ModalDriver driver;
    std::vector<NameTable> categoryDialogs;
    NameTable recordDialog;
    driver.OnDialog("Category name", [&](QWidget* w) {
        categoryDialogs.push_back(AccessibleNames(w, kCategoryDialogNames));
        c.leaveFirstCategoryDialog(w);
    });
    driver.OnDialog("Tabloom", [&](QWidget* w) {
        if (c.changedNames)
            user::Click(w, IDC_CHANGE_CATEGORY);
        recordDialog = AccessibleNames(w, c.recordDialog);
        user::Press(w, Qt::Key_Escape);
    });
    if (c.changedNames) {
        driver.OnDialog("Category name", [&](QWidget* w) {
            categoryDialogs.push_back(AccessibleNames(w, kCategoryDialogNames));
            NamesThenNext(*c.changedNames)(w);
        });
    }
    dialog.DoModal();

    ASSERT_EQ(categoryDialogs.size(), c.changedNames ? 2u : 1u);
    for (const NameTable& names : categoryDialogs)
        EXPECT_EQ(names, kCategoryDialogNames);
    EXPECT_EQ(recordDialog, c.recordDialog);
}

INSTANTIATE_TEST_SUITE_P(
    Sessions, AccessibleNameTest,
    testing::Values(
        NameCase{"TwoCategories", NamesThenNext({"Name", "Address", "", ""}), std::nullopt,
                 RecordDialogNames({{IDC_DATA1, "Name"}, {IDC_DATA2, "Address"}, {IDC_DATA3, "Data 3"},
                                    {IDC_DATA4, "Data 4"}})},
        NameCase{"FourthWithoutThird", NamesThenNext({"Name", "Street", "", "Phone"}), std::nullopt,
                 RecordDialogNames({{IDC_DATA3, "Data 3"}, {IDC_DATA4, "Phone"}})},
        NameCase{"RefusedNextLeavesSecondUnnamed",
                 [](QWidget* w) {
                     TypeCategoryNames(w, {"Name", "", "", ""});
                     user::Click(w, IDC_NEXT);
                     user::Click(w, IDCANCEL);
                 },
                 std::nullopt, RecordDialogNames({{IDC_DATA1, "Name"}, {IDC_DATA2, "Data 2"}})},
        NameCase{"ChangeCategoryRenamesTheFields", NamesThenNext({"Name", "Address", "", ""}),
                 Names{"Person", "Town", "Phone", "50%2 off: "},
                 RecordDialogNames({{IDC_DATA1, "Person"}, {IDC_DATA2, "Town"}, {IDC_DATA3, "Phone"},
                                    {IDC_DATA4, "50%2 off"}})},
        // Display field 3 keeps its text when name 3 is cleared, and so does the field's name.
        NameCase{"ChangeCategoryClearingThirdKeepsTheDisplayedName", NamesThenNext({"Name", "Street", "Town", ""}),
                 Names{"Name", "Street", "", ""},
                 RecordDialogNames({{IDC_DATA1, "Name"}, {IDC_DATA2, "Street"}, {IDC_DATA3, "Town"}})}),
    [](const testing::TestParamInfo<NameCase>& info) { return info.param.name; });

} // namespace
