#pragma once

#include "zlineeditbrowser.h"

#include <QMenu>

/*!
    A browser whose pick button drops a menu of actions (with sub-menus) under the control.
    The actions' shortcuts work while the line edit has the focus.
*/
class MIROKIT_EXPORT ZCEditBrowserMenu : public ZLineEditBrowser
{
    Q_OBJECT

public:
    explicit ZCEditBrowserMenu(QWidget* parent = nullptr);
    ~ZCEditBrowserMenu() override;

    void addAction(QAction* action);
    int addSubMenu(const QString& title);
    int addSubMenu(const QIcon& icon, const QString& title);
    bool addActionToSubMenu(QAction* action, int index);
    void addSeparador();
    bool addSeparadorToSubMenu(int index);

protected:
    void onPressBrowser() override;

private:
    void adoptAction(QAction* action);
    QMenu* subMenu(int index) const;

    QMenu m_menu;
    QList<QMenu*> m_subMenus;
};
