#pragma once

#include <QDialog>

class CDialog;

// The window of a running dialog. It turns the keys and the frame into the dialog's commands:
// Enter presses a focused push button and is command 1 anywhere else, Escape and the close box
// are command 2, and the context-menu keys and a right click open the window menu.
class DialogWindow : public QDialog
{
    Q_OBJECT

public:
    explicit DialogWindow(CDialog& dialog);

    void reject() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void OpenWindowMenuFromKeyboard();

    CDialog& m_dialog;
};
