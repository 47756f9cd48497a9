#include "user_actions.h"

#include "app/toolkit/control_factory.h"
#include "app/toolkit/report_list_view.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QTest>
#include <QWindow>

#include <gtest/gtest.h>

namespace user {

QWidget* Control(QWidget* window, int id)
{
    QWidget* control = FindControl(window, id);
    EXPECT_NE(control, nullptr) << "no control " << id;
    return control;
}

QLineEdit* Edit(QWidget* window, int id)
{
    return qobject_cast<QLineEdit*>(Control(window, id));
}

ReportListView* List(QWidget* window, int id)
{
    return qobject_cast<ReportListView*>(Control(window, id));
}

void Type(QWidget* window, int id, const QString& text)
{
    QLineEdit* edit = Edit(window, id);
    QTest::mouseClick(edit, Qt::LeftButton);
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    if (text.isEmpty())
        QTest::keyClick(edit, Qt::Key_Delete);
    // Characters outside ASCII have no key of their own; they arrive as the text of a key event,
    // as an input method delivers them.
    for (qsizetype index = 0; index < text.size(); ++index) {
        const qsizetype length = text.at(index).isHighSurrogate() && index + 1 < text.size() ? 2 : 1;
        const QString character = text.mid(index, length);
        if (character.at(0).unicode() < 0x80)
            QTest::keyClicks(edit, character);
        else
            QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, character, Qt::NoModifier);
        index += length - 1;
    }
}

void Paste(QWidget* window, int id, const QString& text)
{
    QLineEdit* edit = Edit(window, id);
    QGuiApplication::clipboard()->setText(text);
    QTest::mouseClick(edit, Qt::LeftButton);
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
}

void Click(QWidget* window, int id)
{
    QTest::mouseClick(Control(window, id), Qt::LeftButton);
}

void Press(QWidget* window, Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    QWidget* focused = window->focusWidget();
    QTest::keyClick(focused ? focused : window, key, modifiers);
}

void ClickRow(QWidget* window, int listId, int row, Qt::KeyboardModifiers modifiers)
{
    ReportListView* list = List(window, listId);
    const QRect cell = list->visualRect(list->model()->index(row, 0));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, modifiers, cell.center());
}

void RightClick(QWidget* window)
{
    // A point of the dialog's own background, clear of every control.
    // Through the window, as the window system delivers it, so that Qt turns it into a
    // context-menu request.
    const QPoint background(2, window->height() - 2);
    QTest::mouseClick(window->windowHandle(), Qt::RightButton, Qt::NoModifier, background);
}

QString Text(QWidget* window, int id)
{
    QLineEdit* edit = Edit(window, id);
    return edit ? edit->text() : QString();
}

QString Heading(QWidget* window, int listId, int position)
{
    return List(window, listId)->model()->headerData(position, Qt::Horizontal, Qt::DisplayRole).toString();
}

bool ColumnShown(QWidget* window, int listId, int position)
{
    return !List(window, listId)->header()->isSectionHidden(position);
}

QString Cell(QWidget* window, int listId, int row, int position)
{
    ReportListView* list = List(window, listId);
    return list->model()->data(list->model()->index(row, position)).toString();
}

int RowCount(QWidget* window, int listId)
{
    return List(window, listId)->model()->rowCount();
}

} // namespace user
