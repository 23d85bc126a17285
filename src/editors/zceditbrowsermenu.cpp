#include "zceditbrowsermenu.h"

#include "zcpopupplacement_p.h"
#include "zcthemeicon_p.h"
#include "zlineedit.h"

ZCEditBrowserMenu::ZCEditBrowserMenu(QWidget* parent)
    : ZLineEditBrowser(parent, true)
{
    SetIcono(themeIcon(QStringLiteral("menu")));
}

ZCEditBrowserMenu::~ZCEditBrowserMenu() = default;

void ZCEditBrowserMenu::addAction(QAction* action)
{
    m_menu.addAction(action);
    adoptAction(action);
}

int ZCEditBrowserMenu::addSubMenu(const QString& title)
{
    m_subMenus << m_menu.addMenu(title);
    return m_subMenus.size() - 1;
}

int ZCEditBrowserMenu::addSubMenu(const QIcon& icon, const QString& title)
{
    m_subMenus << m_menu.addMenu(icon, title);
    return m_subMenus.size() - 1;
}

bool ZCEditBrowserMenu::addActionToSubMenu(QAction* action, int index)
{
    QMenu* menu = subMenu(index);
    if (!menu)
        return false;
    menu->addAction(action);
    adoptAction(action);
    return true;
}

void ZCEditBrowserMenu::addSeparador()
{
    m_menu.addSeparator();
}

bool ZCEditBrowserMenu::addSeparadorToSubMenu(int index)
{
    QMenu* menu = subMenu(index);
    if (!menu)
        return false;
    menu->addSeparator();
    return true;
}

QMenu* ZCEditBrowserMenu::subMenu(int index) const
{
    return index >= 0 && index < m_subMenus.size() ? m_subMenus.at(index) : nullptr;
}

// An action of the line edit too, so that its shortcut works while the line edit has focus.
void ZCEditBrowserMenu::adoptAction(QAction* action)
{
    getLineEdit()->addAction(action);
    action->setShortcutContext(Qt::WidgetShortcut);
}

// Under the control, or above it when it does not fit below, on the control's screen.
void ZCEditBrowserMenu::onPressBrowser()
{
    m_menu.adjustSize();
    const QRect anchor(mapToGlobal(QPoint()), size());
    m_menu.popup(ZCPopupPlacement::topLeftFor(anchor, m_menu.size(), Qt::AlignLeft,
                                              ZCPopupPlacement::availableGeometryFor(this)));
}
