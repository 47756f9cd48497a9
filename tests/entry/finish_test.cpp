#include "entry/record_dialog.h"
#include "record_session.h"
#include "res/resource.h"
#include "tests/support/allocation_limit.h"
#include "tests/support/current_folder.h"
#include "tests/support/modal_driver.h"
#include "tests/support/user_actions.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string_view>

namespace {

namespace fs = std::filesystem;

// The sort button of a position as db.htm carries it, with its caption.
std::string SortButton(int position, const std::string& caption)
{
    return "VALUE=\"" + caption + "\" onclick=\"sort(by" + std::to_string(position) + ".XMLDocument);\"";
}

// A session on the record-entry dialog run with a fresh folder as the current directory, which is
// where Finish writes.
class FinishTest : public testing::Test
{
protected:
    fs::path Folder() const { return m_folder.Path(); }

    void Run(const Names& names, std::function<void(QWidget*)> steps)
    {
        StartWithNames(driver, names);
        driver.OnDialog("Tabloom", [&](QWidget* window) {
            steps(window);
            user::Press(window, Qt::Key_Escape);
        });
        dialog.DoModal();
    }

    CTabloomDlg dialog;
    ModalDriver driver;

private:
    TemporaryCurrentFolder m_folder;
};

TEST_F(FinishTest, WritesTheRecordListAndLeavesTheDialogAsItWas)
{
    RecordDialogState before;
    RecordDialogState after;
    std::string firstDataField;
    Run({"Fruit", "Colour", "", ""}, [&](QWidget* w) {
        AddRecord(w, {"Apple", "Red", "", ""});
        AddRecord(w, {"Lemon", "Yellow", "", ""});
        before = ReadRecordDialog(w);
        user::Click(w, IDC_FINISH);
        after = ReadRecordDialog(w);
        firstDataField = user::Text(w, IDC_DATA1).toStdString();
        EXPECT_TRUE(w->isVisible()) << "Finish leaves the dialog open";
    });

    EXPECT_TRUE(driver.messages().empty()) << "a run that writes every file says nothing";
    EXPECT_EQ(after.rows, before.rows);
    EXPECT_EQ(after.categoryFields, before.categoryFields);
    EXPECT_EQ(firstDataField, "Lemon");
    for (const auto& name : kPublishedFiles)
        EXPECT_TRUE(fs::is_regular_file(Folder() / name)) << name;

    const std::string record = "\r\n<dbparent>\r\n<fld1>%1</fld1>\r\n<fld2>%2</fld2>\r\n<fld3></fld3>\r\n<fld4></fld4>\r\n</dbparent>\r\n";
    auto recordOf = [&](const std::string& first, const std::string& second) {
        std::string text = record;
        text.replace(text.find("%1"), 2, first);
        text.replace(text.find("%2"), 2, second);
        return text;
    };
    const std::string expected = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<db>\r\n" + recordOf("Apple", "Red")
                                 + recordOf("Lemon", "Yellow") + "\r\n</db>";
    EXPECT_EQ(ReadFile(Folder() / "db.xml"), expected);
    EXPECT_EQ(ReadFile(Folder() / "db.xml").size(), 246u);

    const std::string page = ReadFile(Folder() / "db.htm");
    EXPECT_NE(page.find(SortButton(1, "Fruit")), std::string::npos);
    EXPECT_NE(page.find(SortButton(2, "Colour")), std::string::npos);
    EXPECT_NE(page.find(SortButton(3, "")), std::string::npos);
    EXPECT_NE(page.find(SortButton(4, "")), std::string::npos);
}

TEST_F(FinishTest, PressedTwiceWritesTheSameBytes)
{
    std::vector<std::string> first;
    std::vector<std::string> second;
    auto readAll = [&](std::vector<std::string>& into) {
        for (const auto& name : kPublishedFiles)
            into.push_back(ReadFile(Folder() / name));
    };
    Run({"Name", "Town", "", ""}, [&](QWidget* w) {
        AddRecord(w, {"Ann", "Leeds", "", ""});
        user::Click(w, IDC_FINISH);
        readAll(first);
        user::Click(w, IDC_FINISH);
        readAll(second);
    });
    EXPECT_EQ(first, second);
}

// The captions are what the display fields show, which a Change Category that clears a name
// leaves as they were; the cells are what the list holds, typed text included as it is.
TEST_F(FinishTest, TakesCaptionsFromTheDisplayFieldsAndCellsAsTyped)
{
    StartWithNames(driver, {"Name", "Street", "Town", ""});
    driver.OnDialog("Tabloom", [&](QWidget* w) {
        AddRecord(w, {"Zoë & Co", "<Main> \"St\"", "50%s", ""});
        user::Click(w, IDC_CHANGE_CATEGORY);
        user::Click(w, IDC_FINISH);
        user::Press(w, Qt::Key_Escape);
    });
    driver.OnDialog("Category name", [](QWidget* w) {
        user::Type(w, IDC_NAME3, "");
        user::Type(w, IDC_NAME4, "Größe");
        user::Click(w, IDC_NEXT);
    });
    dialog.DoModal();

    const std::string page = ReadFile(Folder() / "db.htm");
    EXPECT_NE(page.find(SortButton(3, "Town")), std::string::npos) << "display field 3 kept its text";
    EXPECT_NE(page.find(SortButton(4, "Gr&#246;&#223;e")), std::string::npos);
    const std::string data = ReadFile(Folder() / "db.xml");
    EXPECT_NE(data.find("<fld1>Zo\xC3\xAB &amp; Co</fld1>\r\n<fld2>&lt;Main&gt; \"St\"</fld2>\r\n<fld3>50%s</fld3>"),
              std::string::npos);
}

TEST_F(FinishTest, NamesTheFileNotWrittenOnceAndWritesTheOthers)
{
    fs::create_directory(Folder() / "db.xml");
    RecordDialogState before;
    RecordDialogState after;
    Run({"Name", "Town", "", ""}, [&](QWidget* w) {
        AddRecord(w, {"Ann", "Leeds", "", ""});
        before = ReadRecordDialog(w);
        user::Click(w, IDC_FINISH);
        after = ReadRecordDialog(w);
    });

    ASSERT_EQ(driver.messages().size(), 1u);
    const ObservedMessage& message = driver.messages().front();
    EXPECT_EQ(message.text, "These files were not written:\ndb.xml: Is a directory");
    EXPECT_EQ(message.icon, QMessageBox::Warning);
    EXPECT_EQ(message.buttons, QMessageBox::Ok);
    EXPECT_EQ(after.rows, before.rows);
    for (const auto& name : kPublishedFiles) {
        if (std::string_view(name) != "db.xml") {
            EXPECT_TRUE(fs::is_regular_file(Folder() / name)) << name;
        }
    }
}

TEST_F(FinishTest, RunningOutOfMemoryShowsTheMessageAndKeepsTheRecords)
{
    // Three pasted cells of 30,000 characters: each is copied for publishing as it is, but db.xml
    // needs one text of about 90,000 bytes, which cannot be had.
    const QString longCell(30000, QLatin1Char('x'));
    RecordDialogState before;
    RecordDialogState after;
    Run({"Name", "Town", "Notes", ""}, [&](QWidget* w) {
        AddRecord(w, {"Ann", "Leeds", "", ""});
        for (const int id : {IDC_DATA1, IDC_DATA2, IDC_DATA3})
            user::Paste(w, id, longCell);
        user::Click(w, IDC_ADD);
        before = ReadRecordDialog(w);
        {
            LargeAllocationsFail memoryRunsOut(64 * 1024);
            user::Click(w, IDC_FINISH);
        }
        after = ReadRecordDialog(w);
        EXPECT_TRUE(w->isVisible()) << "the dialog stays open";
    });

    ASSERT_EQ(driver.messages().size(), 1u);
    EXPECT_EQ(driver.messages().front().text, "Out of memory.");
    EXPECT_EQ(driver.messages().front().buttons, QMessageBox::Ok);
    ASSERT_EQ(before.rows.size(), 2u);
    EXPECT_EQ(before.rows[1][0], longCell);
    EXPECT_EQ(after.rows, before.rows);
    for (const auto& name : kPublishedFiles)
        EXPECT_FALSE(fs::exists(Folder() / name)) << name << " was written although db.xml came first";
}

} // namespace
