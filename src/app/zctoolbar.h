#pragma once

#include "mirokit_global.h"

#include <QPointer>
#include <QToolBar>

#include <optional>

class QMenu;
class QToolButton;

/*!
    A tool bar whose menu buttons can behave like a menu bar: with HoverMenus, a menu opens as
    the pointer enters its button and follows the pointer from button to button; a menu closed
    with Escape or by choosing an entry opens again only when the pointer enters a button anew,
    and a button is down exactly while its menu is open. With OrientationStyle, menu buttons
    show their text beside the icon in a horizontal bar and only the icon in a vertical one.
*/
class MIROKIT_EXPORT ZCToolBar : public QToolBar
{
    Q_OBJECT

public:
    enum EOpcion : unsigned int {
        OrientationStyle = 0x1,  // menu buttons follow orientationChanged (OnOrientationChanged)
        HoverMenus = 0x2         // tool buttons added as widgets open their menus on hover
    };

    //! options: EOpcion bits (OrientationStyle, HoverMenus), as described above.
    explicit ZCToolBar(QWidget* parent = nullptr, unsigned int options = OrientationStyle);
    ~ZCToolBar() override;

    // With HoverMenus a QToolButton becomes a hover menu however it is added: through this
    // function, through QToolBar::addWidget or insertWidget (a call through a QToolBar
    // pointer), or as the default widget of a QWidgetAction.
    QAction* addWidget(QWidget* widget);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void actionEvent(QActionEvent* event) override;

protected slots:
    void OnOrientationChanged(Qt::Orientation orientacion);
    void PopUpCurrentMenuToolButton();

private:
    QList<QToolButton*> menuButtons() const;
    void hoverButton(QObject* object);
    bool isHoverButton(QObject* object) const;
    bool keepsMenusOpenAt(const QWidget* widgetUnderPointer) const;
    void scheduleMenuChange(QToolButton* current);
    void syncButtonsDown();
    QPoint menuPosition(QToolButton* button, QMenu* menu) const;

    unsigned int m_options;
    QPointer<QToolButton> m_currentMenuButton;
    // Where the pointer rested when a menu of the bar last closed, until the next Enter or
    // Leave of a menu button.
    std::optional<QPoint> m_pointerAtMenuClose;
};
