#include "entry/category_dialog.h"
#include "record_session.h"
#include "res/resource.h"
#include "tests/support/modal_driver.h"
#include "tests/support/user_actions.h"

#include <QTest>

#include <gtest/gtest.h>

#include <array>
#include <functional>

namespace {

const QString kTwoCategories = "You need at least two categories.";

struct CategoryCase
{
    const char* name;
    Names takenBefore;  // what an earlier run left
    Names initialNames; // what the caller hands in
    std::function<void(QWidget*)> act;
    Names taken;
    std::vector<QString> messages;
};

void PrintTo(const CategoryCase& categoryCase, std::ostream* out)
{
    *out << categoryCase.name;
}

class CategoryDialogTest : public testing::TestWithParam<CategoryCase>
{
};

TEST_P(CategoryDialogTest, TakesNamesAtNextOnly)
{
    const CategoryCase& c = GetParam();
    CategoryName dialog;
    dialog.m_names = c.takenBefore;
    dialog.m_initialNames = c.initialNames;
    ModalDriver driver;
    driver.OnDialog("Category name", [&](QWidget* window) {
        EXPECT_EQ(CategoryEditTexts(window), c.initialNames);
        EXPECT_EQ(window->focusWidget(), user::Control(window, IDC_NAME1));
        c.act(window);
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.m_names, c.taken);
    std::vector<QString> messages;
    for (const ObservedMessage& message : driver.messages())
        messages.push_back(message.text);
    EXPECT_EQ(messages, c.messages);
}

const Names kNone;

INSTANTIATE_TEST_SUITE_P(
    Runs, CategoryDialogTest,
    testing::Values(
        CategoryCase{"TwoNamesAndNext", kNone, kNone,
                     [](QWidget* w) {
                         TypeCategoryNames(w, {"Name", "Address", "", ""});
                         user::Click(w, IDC_NEXT);
                     },
                     {"Name", "Address", "", ""}, {}},
        CategoryCase{"FourNamesAndAltN", kNone, kNone,
                     [](QWidget* w) {
                         TypeCategoryNames(w, {"Name", "Street", "Town", "Phone"});
                         user::Press(w, Qt::Key_N, Qt::AltModifier);
                     },
                     {"Name", "Street", "Town", "Phone"}, {}},
        CategoryCase{"FourthWithoutThird", kNone, kNone,
                     [](QWidget* w) {
                         TypeCategoryNames(w, {"Name", "Street", "", "Phone"});
                         user::Click(w, IDC_NEXT);
                     },
                     {"Name", "Street", "", "Phone"}, {}},
        CategoryCase{"BlanksAndMarkupTakenVerbatim", kNone, kNone,
                     [](QWidget* w) {
                         TypeCategoryNames(w, {"  ", " <b>&amp;%s ", "", ""});
                         user::Click(w, IDC_NEXT);
                     },
                     {"  ", " <b>&amp;%s ", "", ""}, {}},
        CategoryCase{"RefusedNextThenCancelHandsBackWhatNextTook", kNone, kNone,
                     [](QWidget* w) {
                         TypeCategoryNames(w, {"Name", "", "Town", ""});
                         user::Click(w, IDC_NEXT);
                         EXPECT_TRUE(w->isVisible());
                         EXPECT_EQ(CategoryEditTexts(w), Names({"Name", "", "Town", ""}));
                         user::Type(w, IDC_NAME2, "typed after the refusal");
                         user::Click(w, IDCANCEL);
                     },
                     {"Name", "", "Town", ""}, {kTwoCategories}},
        CategoryCase{"RefusedWithoutFirstName", kNone, kNone,
                     [](QWidget* w) {
                         TypeCategoryNames(w, {"", "Address", "", ""});
                         user::Press(w, Qt::Key_N, Qt::AltModifier);
                         QTest::qWait(250);
                         user::Press(w, Qt::Key_Escape);
                     },
                     {"", "Address", "", ""}, {kTwoCategories}},
        CategoryCase{"CancelAtOnceKeepsEarlierNames", {"A", "B", "C", "D"}, {"A", "B", "C", "D"},
                     [](QWidget* w) { user::Click(w, IDCANCEL); }, {"A", "B", "C", "D"}, {}},
        CategoryCase{"EscapeTakesNothing", kNone, kNone,
                     [](QWidget* w) {
                         TypeCategoryNames(w, {"Name", "Address", "", ""});
                         user::Press(w, Qt::Key_Escape);
                     },
                     kNone, {}},
        CategoryCase{"CloseBoxTakesNothing", kNone, kNone,
                     [](QWidget* w) {
                         TypeCategoryNames(w, {"Name", "Address", "", ""});
                         w->close();
                     },
                     kNone, {}},
        CategoryCase{"EnterInAnEditEndsWithoutTakingNames", {"Old", "Names", "", ""}, {"Old", "Names", "", ""},
                     [](QWidget* w) {
                         TypeCategoryNames(w, {"New", "Names", "", ""});
                         user::Press(w, Qt::Key_Return);
                     },
                     {"Old", "Names", "", ""}, {}},
        CategoryCase{"InitialTextsAreOffered", kNone, {"Name", "Street", "", "Phone"},
                     [](QWidget* w) { user::Click(w, IDC_NEXT); }, {"Name", "Street", "", "Phone"}, {}}),
    [](const testing::TestParamInfo<CategoryCase>& info) { return info.param.name; });

TEST(CategoryDialogTest, RefusalIsAnExclamationBoxWithOk)
{
    CategoryName dialog;
    ModalDriver driver;
    driver.OnDialog("Category name", [](QWidget* w) {
        user::Click(w, IDC_NEXT);
        user::Click(w, IDCANCEL);
    });
    dialog.DoModal();
    const std::vector<ObservedMessage> expected = {
        {kTwoCategories, "entry_tests", QMessageBox::Warning, QMessageBox::Ok}};
    EXPECT_EQ(driver.messages(), expected);
}

TEST(CategoryDialogTest, RunsAgainWithTheNamesOfTheLastNext)
{
    CategoryName dialog;
    ModalDriver driver;
    driver.OnDialog("Category name", [](QWidget* w) {
        TypeCategoryNames(w, {"Name", "Address", "", ""});
        user::Click(w, IDC_NEXT);
    });
    driver.OnDialog("Category name", [](QWidget* w) {
        EXPECT_EQ(CategoryEditTexts(w), Names({"", "", "", ""})) << "nothing is carried over but the initial texts";
        user::Click(w, IDCANCEL);
    });
    dialog.DoModal();
    dialog.DoModal();
    EXPECT_EQ(dialog.m_names, Names({"Name", "Address", "", ""}));
}

} // namespace
