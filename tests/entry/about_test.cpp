#include "entry/record_dialog.h"
#include "record_session.h"
#include "res/resource.h"
#include "tests/support/modal_driver.h"
#include "tests/support/user_actions.h"

#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>

namespace {

QStringList MenuEntries(QWidget* menu)
{
    QStringList entries;
    for (const QAction* action : menu->actions())
        entries.append(action->isSeparator() ? QStringLiteral("-") : action->text());
    return entries;
}

QStringList LabelTexts(QWidget* window)
{
    QStringList texts;
    for (const QLabel* label : window->findChildren<QLabel*>()) {
        if (!label->text().isEmpty())
            texts.append(label->text());
    }
    return texts;
}

struct AboutCase
{
    const char* name;
    std::function<void(QWidget*)> openMenu;
    std::function<void(QWidget*)> closeAbout;
};

void PrintTo(const AboutCase& aboutCase, std::ostream* out)
{
    *out << aboutCase.name;
}

class AboutBoxTest : public testing::TestWithParam<AboutCase>
{
};

TEST_P(AboutBoxTest, OpensFromTheWindowMenuAndLeavesTheDialogAsItWas)
{
    const AboutCase& c = GetParam();
    CTabloomDlg dialog;
    ModalDriver driver;
    QStringList entries;
    QStringList aboutTexts;
    bool aboutHasIcon = false;
    bool focusOnOk = false;
    RecordDialogState before;
    RecordDialogState after;
    QWidget* focusBefore = nullptr;
    QWidget* focusAfter = nullptr;
    StartWithNames(driver, {"Name", "Address", "", ""});
    driver.OnDialog("Tabloom", [&](QWidget* w) {
        AddRecord(w, {"Ann", "Elm", "", ""});
        user::Type(w, IDC_DATA2, "typed");
        before = ReadRecordDialog(w);
        focusBefore = w->focusWidget();
        c.openMenu(w);
        after = ReadRecordDialog(w);
        focusAfter = w->focusWidget();
        EXPECT_EQ(user::Text(w, IDC_DATA2), "typed");
        user::Press(w, Qt::Key_Escape);
    });
    driver.OnMenu([&](QWidget* menu) {
        entries = MenuEntries(menu);
        QTest::keyClick(menu, Qt::Key_A);
    });
    driver.OnDialog("About Tabloom", [&](QWidget* about) {
        aboutTexts = LabelTexts(about);
        for (const QLabel* label : about->findChildren<QLabel*>())
            aboutHasIcon = aboutHasIcon || !label->pixmap().isNull();
        focusOnOk = qobject_cast<QPushButton*>(about->focusWidget()) &&
                    about->focusWidget() == user::Control(about, IDOK);
        c.closeAbout(about);
    });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(entries, QStringList({"&Move", "&Close", "-", "&About Tabloom..."}));
    EXPECT_EQ(aboutTexts, QStringList({"Tabloom Version 1.0", "Copyright (C) 2002"}));
    EXPECT_TRUE(aboutHasIcon);
    EXPECT_TRUE(focusOnOk);
    EXPECT_EQ(after.rows, before.rows);
    EXPECT_EQ(after.headings, before.headings);
    EXPECT_EQ(after.categoryFields, before.categoryFields);
    EXPECT_EQ(focusAfter, focusBefore);
}

INSTANTIATE_TEST_SUITE_P(
    Ways, AboutBoxTest,
    testing::Values(AboutCase{"RightClickThenEnter", [](QWidget* w) { user::RightClick(w); },
                              [](QWidget* a) { user::Press(a, Qt::Key_Return); }},
                    AboutCase{"ShiftF10ThenSpace", [](QWidget* w) { user::Press(w, Qt::Key_F10, Qt::ShiftModifier); },
                              [](QWidget* a) { user::Press(a, Qt::Key_Space); }},
                    AboutCase{"MenuKeyThenEscape", [](QWidget* w) { user::Press(w, Qt::Key_Menu); },
                              [](QWidget* a) { user::Press(a, Qt::Key_Escape); }},
                    AboutCase{"MenuKeyThenCloseBox", [](QWidget* w) { user::Press(w, Qt::Key_Menu); },
                              [](QWidget* a) { a->close(); }},
                    AboutCase{"RightClickThenClickOk", [](QWidget* w) { user::RightClick(w); },
                              [](QWidget* a) { user::Click(a, IDOK); }}),
    [](const testing::TestParamInfo<AboutCase>& info) { return info.param.name; });

struct SysCommandCase
{
    unsigned id;
    bool opensAbout;
};

class SysCommandTest : public testing::TestWithParam<SysCommandCase>
{
};

TEST_P(SysCommandTest, MaskedIdSixteenOpensTheAboutBox)
{
    const SysCommandCase& c = GetParam();
    CTabloomDlg dialog;
    ModalDriver driver;
    StartWithNames(driver, {"Name", "Address", "", ""});
    driver.OnDialog("Tabloom", [&](QWidget* w) {
        dialog.SendMessage(Message::SysCommand, static_cast<int>(c.id));
        user::Press(w, Qt::Key_Escape);
    });
    if (c.opensAbout)
        driver.OnDialog("About Tabloom", [](QWidget* about) { user::Press(about, Qt::Key_Escape); });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(driver.shownCaptions().contains("About Tabloom"), c.opensAbout);
}

INSTANTIATE_TEST_SUITE_P(Ids, SysCommandTest,
                         testing::Values(SysCommandCase{15, false}, SysCommandCase{16, true},
                                         SysCommandCase{17, true}, SysCommandCase{31, true},
                                         SysCommandCase{32, false}, SysCommandCase{0xF010, false}),
                         [](const testing::TestParamInfo<SysCommandCase>& info) {
                             return "Id" + std::to_string(info.param.id);
                         });

TEST(WindowMenuTest, ChangeCategoryAddsNoSecondAboutEntry)
{
    CTabloomDlg dialog;
    ModalDriver driver;
    QStringList entries;
    StartWithNames(driver, {"Name", "Address", "", ""});
    driver.OnDialog("Tabloom", [](QWidget* w) {
        user::Click(w, IDC_CHANGE_CATEGORY);
        user::Click(w, IDC_CHANGE_CATEGORY);
        user::RightClick(w);
    });
    for (int run = 0; run < 2; ++run)
        driver.OnDialog("Category name", [](QWidget* w) { user::Click(w, IDC_NEXT); });
    driver.OnMenu([&](QWidget* menu) {
        entries = MenuEntries(menu);
        QTest::keyClick(menu, Qt::Key_C);
    });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(entries, QStringList({"&Move", "&Close", "-", "&About Tabloom..."}));
}

} // namespace
