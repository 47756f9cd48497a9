#include "app/toolkit/report_list_view.h"
#include "entry/record_dialog.h"
#include "record_session.h"
#include "res/resource.h"
#include "tests/support/current_folder.h"
#include "tests/support/modal_driver.h"
#include "tests/support/user_actions.h"

#include <QItemSelectionModel>
#include <QTest>

#include <gtest/gtest.h>

#include <filesystem>

namespace {

namespace fs = std::filesystem;

int FocusedId(QWidget* window)
{
    QWidget* focused = window->focusWidget();
    return focused ? focused->property("controlId").toInt() : 0;
}

// Keys only: the text goes to whichever control has the focus.
void TypeKeys(QWidget* window, const QString& text)
{
    QTest::keyClicks(window->focusWidget(), text);
}

void Tab(QWidget* window, int times = 1, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    for (int press = 0; press < times; ++press)
        user::Press(window, Qt::Key_Tab, modifiers);
}

// An access key presses its button the way a click does, released a moment later.
void PressAccessKey(QWidget* window, Qt::Key key)
{
    user::Press(window, key, Qt::AltModifier);
    QTest::qWait(250);
}

// Replaces the text of the focused field.
void Retype(QWidget* window, const QString& text)
{
    user::Press(window, Qt::Key_A, Qt::ControlModifier);
    TypeKeys(window, text);
}

std::vector<int> SelectedRows(QWidget* window)
{
    std::vector<int> rows;
    for (const QModelIndex& index : user::List(window, IDC_RECORD_LIST)->selectionModel()->selectedRows())
        rows.push_back(index.row());
    std::ranges::sort(rows);
    return rows;
}

// A whole session without the mouse: the names, three records, a row chosen and deleted, Change
// Category, Finish into the current folder, the About box from the window menu, and Escape.
class KeyboardSessionTest : public testing::Test
{
protected:
    fs::path Folder() const { return m_folder.Path(); }

private:
    TemporaryCurrentFolder m_folder;
};

TEST_F(KeyboardSessionTest, EverythingIsReachedWithKeysAlone)
{
    CTabloomDlg dialog;
    ModalDriver driver;
    std::vector<int> categoryFocus;
    std::vector<int> recordFocus;
    std::vector<int> afterDown;
    std::vector<int> afterShiftDown;
    std::vector<int> afterControlSpace;
    std::vector<int> afterSecondControlSpace;
    RecordDialogState afterDelete;
    RecordDialogState atEnd;
    bool aboutShown = false;
    bool windowActiveAgain = false;

    driver.OnDialog("Category name", [&](QWidget* w) {
        categoryFocus.push_back(FocusedId(w));
        TypeKeys(w, "Name");
        Tab(w);
        categoryFocus.push_back(FocusedId(w));
        TypeKeys(w, "Town");
        PressAccessKey(w, Qt::Key_N);
    });
    driver.OnDialog("Tabloom", [&](QWidget* w) {
        recordFocus.push_back(FocusedId(w));
        for (const auto& [name, town] : {std::pair{"Ann", "Leeds"}, {"Bob", "York"}, {"Cy", "Hull"}}) {
            Retype(w, name);
            Tab(w);
            Retype(w, town);
            PressAccessKey(w, Qt::Key_A);
            Tab(w, 1, Qt::ShiftModifier);
        }
        Tab(w, 8);
        recordFocus.push_back(FocusedId(w));
        user::Press(w, Qt::Key_Down);
        afterDown = SelectedRows(w);
        user::Press(w, Qt::Key_Down, Qt::ShiftModifier);
        afterShiftDown = SelectedRows(w);
        user::Press(w, Qt::Key_Up, Qt::ControlModifier);
        user::Press(w, Qt::Key_Up, Qt::ControlModifier);
        user::Press(w, Qt::Key_Space, Qt::ControlModifier);
        afterControlSpace = SelectedRows(w);
        user::Press(w, Qt::Key_Space, Qt::ControlModifier);
        afterSecondControlSpace = SelectedRows(w);
        PressAccessKey(w, Qt::Key_D);
        afterDelete = ReadRecordDialog(w);

        Tab(w, 1, Qt::ShiftModifier);
        recordFocus.push_back(FocusedId(w));
        user::Press(w, Qt::Key_Space);
        // The category dialog has ended; its owner has the keyboard again, so its access keys work.
        windowActiveAgain = QTest::qWaitForWindowActive(w);
        PressAccessKey(w, Qt::Key_F);
        user::Press(w, Qt::Key_F10, Qt::ShiftModifier);
        atEnd = ReadRecordDialog(w);
        user::Press(w, Qt::Key_Escape);
    });
    driver.OnDialog("Category name", [&](QWidget* w) {
        Tab(w, 2);
        categoryFocus.push_back(FocusedId(w));
        TypeKeys(w, "Phone");
        PressAccessKey(w, Qt::Key_N);
    });
    driver.OnMenu([](QWidget* menu) { QTest::keyClick(menu, Qt::Key_A); });
    driver.OnDialog("About Tabloom", [&](QWidget* about) {
        aboutShown = true;
        user::Press(about, Qt::Key_Return);
    });

    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_TRUE(driver.messages().empty());
    EXPECT_EQ(categoryFocus, std::vector<int>({IDC_NAME1, IDC_NAME2, IDC_NAME3}));
    EXPECT_EQ(recordFocus, std::vector<int>({IDC_DATA1, IDC_RECORD_LIST, IDC_CHANGE_CATEGORY}));
    EXPECT_EQ(afterDown, std::vector<int>({1}));
    EXPECT_EQ(afterShiftDown, std::vector<int>({1, 2}));
    EXPECT_EQ(afterControlSpace, std::vector<int>({0, 1, 2}));
    EXPECT_EQ(afterSecondControlSpace, std::vector<int>({1, 2}));
    const std::vector<std::array<QString, 4>> kept = {{"Ann", "Leeds", "", ""}, {"Cy", "Hull", "", ""}};
    EXPECT_EQ(afterDelete.rows, kept) << "Delete takes the first selected row only";
    EXPECT_EQ(atEnd.headings, (std::array<QString, 4>{"Name", "Town", "Phone", ""}));
    EXPECT_TRUE(windowActiveAgain);
    EXPECT_TRUE(aboutShown);

    const std::string data = ReadFile(Folder() / "db.xml");
    EXPECT_NE(data.find("<fld1>Ann</fld1>"), std::string::npos);
    EXPECT_NE(data.find("<fld1>Cy</fld1>"), std::string::npos);
    EXPECT_EQ(data.find("<fld1>Bob</fld1>"), std::string::npos);
    EXPECT_NE(ReadFile(Folder() / "db.htm").find("VALUE=\"Phone\""), std::string::npos);
}

} // namespace
