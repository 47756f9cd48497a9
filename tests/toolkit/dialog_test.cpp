#include "app/toolkit/dialog.h"
#include "app/toolkit/dialog_units.h"
#include "app/toolkit/menu.h"
#include "app/toolkit/string_resources.h"
#include "res/dialog_templates.h"
#include "res/resource.h"
#include "tests/support/modal_driver.h"
#include "tests/support/user_actions.h"

#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

// A dialog on the category template that records every command it handles; Next is in its
// message map, commands 1 and 2 reach the default OnOK and OnCancel.
class RecordingDialog : public CDialog
{
public:
    RecordingDialog()
        : CDialog(IDD_CATEGORYNAME)
    {
    }

    std::vector<int> commands;

protected:
    MessageMap GetMessageMap() const override
    {
        static const MessageMapEntry kMessageMap[] = {CommandEntry(IDC_NEXT, &RecordingDialog::OnNext)};
        return kMessageMap;
    }
    void OnOK() override
    {
        commands.push_back(IDOK);
        CDialog::OnOK();
    }
    void OnCancel() override
    {
        commands.push_back(IDCANCEL);
        CDialog::OnCancel();
    }

private:
    void OnNext() { commands.push_back(IDC_NEXT); }
};

struct KeyCase
{
    const char* name;
    std::function<void(QWidget*)> act;
    std::vector<int> commands;
    int result;
};

void PrintTo(const KeyCase& keyCase, std::ostream* out)
{
    *out << keyCase.name;
}

void FocusControl(QWidget* window, int id)
{
    user::Control(window, id)->setFocus(Qt::TabFocusReason);
}

class DialogKeysTest : public testing::TestWithParam<KeyCase>
{
};

TEST_P(DialogKeysTest, KeysAndFrameGiveCommands)
{
    const KeyCase& c = GetParam();
    RecordingDialog dialog;
    ModalDriver driver;
    driver.OnDialog("Category name", c.act);
    EXPECT_EQ(dialog.DoModal(), c.result);
    EXPECT_EQ(dialog.commands, c.commands);
}

INSTANTIATE_TEST_SUITE_P(
    Commands, DialogKeysTest,
    testing::Values(
        KeyCase{"EnterInEditIsCommandOne",
                [](QWidget* w) {
                    user::Type(w, IDC_NAME2, "x");
                    user::Press(w, Qt::Key_Return);
                },
                {IDOK}, IDOK},
        KeyCase{"KeypadEnterIsCommandOne", [](QWidget* w) { user::Press(w, Qt::Key_Enter, Qt::KeypadModifier); },
                {IDOK}, IDOK},
        KeyCase{"EscapeIsCommandTwo", [](QWidget* w) { user::Press(w, Qt::Key_Escape); }, {IDCANCEL}, IDCANCEL},
        KeyCase{"CloseBoxIsCommandTwo", [](QWidget* w) { w->close(); }, {IDCANCEL}, IDCANCEL},
        KeyCase{"EnterPressesTheFocusedButton",
                [](QWidget* w) {
                    FocusControl(w, IDC_NEXT);
                    user::Press(w, Qt::Key_Return);
                    user::Press(w, Qt::Key_Escape);
                },
                {IDC_NEXT, IDCANCEL}, IDCANCEL},
        KeyCase{"SpacePressesTheFocusedButton",
                [](QWidget* w) {
                    FocusControl(w, IDC_NEXT);
                    user::Press(w, Qt::Key_Space);
                    user::Press(w, Qt::Key_Escape);
                },
                {IDC_NEXT, IDCANCEL}, IDCANCEL},
        KeyCase{"EnterOnFocusedCancelIsCommandTwo",
                [](QWidget* w) {
                    FocusControl(w, IDCANCEL);
                    user::Press(w, Qt::Key_Return);
                },
                {IDCANCEL}, IDCANCEL},
        KeyCase{"AccessKeyPressesItsButton",
                [](QWidget* w) {
                    user::Press(w, Qt::Key_N, Qt::AltModifier);
                    // An access key presses its button the way a click does, released a moment later.
                    QTest::qWait(250);
                    user::Press(w, Qt::Key_Escape);
                },
                {IDC_NEXT, IDCANCEL}, IDCANCEL},
        KeyCase{"ClickIsTheButtonsCommand",
                [](QWidget* w) {
                    user::Click(w, IDC_NEXT);
                    user::Click(w, IDCANCEL);
                },
                {IDC_NEXT, IDCANCEL}, IDCANCEL}),
    [](const testing::TestParamInfo<KeyCase>& info) { return info.param.name; });

TEST(DialogTest, NoPushButtonIsADefaultButton)
{
    RecordingDialog dialog;
    ModalDriver driver;
    driver.OnDialog("Category name", [](QWidget* w) {
        for (const QPushButton* button : w->findChildren<QPushButton*>()) {
            EXPECT_FALSE(button->isDefault()) << button->text().toStdString();
            EXPECT_FALSE(button->autoDefault()) << button->text().toStdString();
        }
        w->close();
    });
    dialog.DoModal();
}

TEST(DialogTest, TabOrderIsTemplateOrderAndFocusStartsOnTheFirstStop)
{
    const res::DialogTemplate* dialogTemplate = res::FindDialogTemplate(IDD_CATEGORYNAME);
    std::vector<int> expected;
    for (const res::ControlTemplate& control : dialogTemplate->controls) {
        if (control.style & res::style::TabStop)
            expected.push_back(control.id);
    }
    RecordingDialog dialog;
    ModalDriver driver;
    driver.OnDialog("Category name", [&](QWidget* w) {
        std::vector<int> visited;
        for (std::size_t stop = 0; stop < expected.size(); ++stop) {
            visited.push_back(w->focusWidget()->property("controlId").toInt());
            user::Press(w, Qt::Key_Tab);
        }
        EXPECT_EQ(visited, expected);
        EXPECT_EQ(w->focusWidget(), user::Control(w, expected.front())) << "Tab wraps round";
        w->close();
    });
    dialog.DoModal();
}

class DialogGeometryTest : public testing::TestWithParam<int>
{
};

TEST_P(DialogGeometryTest, ControlsFollowTheFontMetrics)
{
    const QFont original = QApplication::font();
    QFont font = original;
    font.setPointSize(GetParam());
    QApplication::setFont(font);
    const DialogBaseUnits units = DialogBaseUnitsOf(font);
    const res::DialogTemplate* dialogTemplate = res::FindDialogTemplate(IDD_CATEGORYNAME);

    RecordingDialog dialog;
    ModalDriver driver;
    driver.OnDialog("Category name", [&](QWidget* w) {
        EXPECT_EQ(w->size(), MapDialogRect({0, 0, dialogTemplate->width, dialogTemplate->height}, units).size());
        for (int id : {IDC_NAME1, IDC_NAME3, IDC_NEXT}) {
            const auto control = std::ranges::find(dialogTemplate->controls, id, &res::ControlTemplate::id);
            const QRect expected = MapDialogRect({control->x, control->y, control->width, control->height}, units);
            EXPECT_EQ(user::Control(w, id)->geometry(), expected) << id;
        }
        // A label's text is never cut while the dialog has room for it, and never leaves the dialog.
        for (const QLabel* label : w->findChildren<QLabel*>()) {
            EXPECT_LE(label->geometry().right(), w->width() - 1) << label->text().toStdString();
            if (label->geometry().right() < w->width() - 1) {
                EXPECT_GE(label->width(), label->sizeHint().width()) << label->text().toStdString();
            }
        }
        w->close();
    });
    dialog.DoModal();
    QApplication::setFont(original);
}

INSTANTIATE_TEST_SUITE_P(PointSizes, DialogGeometryTest, testing::Values(7, 9, 14));

class EndsWhileInitialising : public CDialog
{
public:
    EndsWhileInitialising()
        : CDialog(IDD_ABOUTBOX)
    {
    }

protected:
    bool OnInitDialog() override
    {
        CDialog::OnInitDialog();
        EndDialog(7);
        return true;
    }
};

TEST(DialogTest, DialogEndedDuringInitialisationIsNeverShown)
{
    EndsWhileInitialising dialog;
    ModalDriver driver;
    EXPECT_EQ(dialog.DoModal(), 7);
    EXPECT_TRUE(driver.shownCaptions().isEmpty()) << driver.shownCaptions().join(", ").toStdString();
}

TEST(DialogTest, MissingTemplateGivesMinusOne)
{
    CDialog dialog(IDR_HTML_CATEGORYNAME);
    EXPECT_EQ(dialog.DoModal(), -1);
}

TEST(DialogTest, WindowMenuHoldsMoveAndClose)
{
    RecordingDialog dialog;
    ModalDriver driver;
    QStringList entries;
    driver.OnDialog("Category name", [](QWidget* w) { QTest::keyClick(w, Qt::Key_F10, Qt::ShiftModifier); });
    driver.OnMenu([&](QWidget* menu) {
        for (const QAction* action : menu->actions())
            entries.append(action->text());
        QTest::keyClick(menu, Qt::Key_C);
    });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(entries, QStringList({"&Move", "&Close"}));
}

TEST(MessageBoxTest, ShowsTheStringWithOkAndExclamationCaptionedByTheProgram)
{
    ModalDriver driver;
    AfxMessageBox(IDS_TWO_CATEGORIES);
    const std::vector<ObservedMessage> expected = {
        {"You need at least two categories.", "toolkit_tests", QMessageBox::Warning, QMessageBox::Ok}};
    EXPECT_EQ(driver.messages(), expected);
}

} // namespace
