#pragma once

#include <QString>

#include <memory>

class QMenu;
class QPoint;
class QWidget;

// Window-menu commands the default processing knows.
constexpr unsigned kSysCommandMove = 0xF010;
constexpr unsigned kSysCommandClose = 0xF060;

// A popup menu of commands with ids, such as a dialog's window menu.
class CMenu
{
public:
    CMenu();
    ~CMenu();

    void AppendSeparator();
    void AppendItem(unsigned id, const QString& text);
    int GetMenuItemCount() const;

    // Shows the menu at a point of the screen until the user chooses or leaves it; returns the
    // chosen item's id, or 0 when nothing was chosen.
    unsigned TrackPopupMenu(const QPoint& globalPosition);

private:
    std::unique_ptr<QMenu> m_menu;
};
