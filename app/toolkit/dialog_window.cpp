#include "dialog_window.h"

#include "dialog.h"
#include "res/resource.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QPushButton>
#include <QShortcut>

DialogWindow::DialogWindow(CDialog& dialog)
    : m_dialog(dialog)
{
    for (const QKeySequence& keys : {QKeySequence(Qt::SHIFT | Qt::Key_F10), QKeySequence(Qt::Key_Menu),
                                    QKeySequence(Qt::ALT | Qt::Key_Space)}) {
        auto* shortcut = new QShortcut(keys, this);
        connect(shortcut, &QShortcut::activated, this, &DialogWindow::OpenWindowMenuFromKeyboard);
    }
}

void DialogWindow::reject()
{
    m_dialog.SendMessage(Message::Command, IDCANCEL);
}

void DialogWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter) {
        QDialog::keyPressEvent(event);
        return;
    }
    if (auto* button = qobject_cast<QPushButton*>(focusWidget()))
        button->click();
    else
        m_dialog.SendMessage(Message::Command, IDOK);
}

void DialogWindow::contextMenuEvent(QContextMenuEvent* event)
{
    m_dialog.TrackSystemMenu(event->globalPos());
}

void DialogWindow::OpenWindowMenuFromKeyboard()
{
    m_dialog.TrackSystemMenu(mapToGlobal(QPoint(0, 0)));
}
