#include "menu.h"

#include <QMenu>

CMenu::CMenu()
    : m_menu(std::make_unique<QMenu>())
{
}

CMenu::~CMenu() = default;

void CMenu::AppendSeparator()
{
    m_menu->addSeparator();
}

void CMenu::AppendItem(unsigned id, const QString& text)
{
    m_menu->addAction(text)->setData(id);
}

int CMenu::GetMenuItemCount() const
{
    return static_cast<int>(m_menu->actions().size());
}

unsigned CMenu::TrackPopupMenu(const QPoint& globalPosition)
{
    const QAction* chosen = m_menu->exec(globalPosition);
    return chosen ? chosen->data().toUInt() : 0;
}
