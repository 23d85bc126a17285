#include "zctoolbar.h"

#include "zceventposition_p.h"
#include "zcpopupplacement_p.h"

#include <QActionEvent>
#include <QApplication>
#include <QCursor>
#include <QDebug>
#include <QEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QTimer>
#include <QToolButton>
#include <QWidgetAction>

#include <algorithm>

ZCToolBar::ZCToolBar(QWidget* parent, unsigned int options)
    : QToolBar(parent)
    , m_options(options)
{
    if (m_options & OrientationStyle)
        connect(this, &QToolBar::orientationChanged, this, &ZCToolBar::OnOrientationChanged);
}

ZCToolBar::~ZCToolBar() = default;

QAction* ZCToolBar::addWidget(QWidget* widget)
{
    if (!widget) {
        qWarning().noquote() << tr("ZCToolBar::addWidget: el widget es nulo");
        return nullptr;
    }
    return QToolBar::addWidget(widget);
}

// Every way a widget comes into the bar ends here: this addWidget, QToolBar's through a
// QToolBar pointer, insertWidget, or a QWidgetAction of the host's.
void ZCToolBar::actionEvent(QActionEvent* event)
{
    QToolBar::actionEvent(event);
    if (event->type() != QEvent::ActionAdded || !(m_options & HoverMenus)
        || !qobject_cast<QWidgetAction*>(event->action()))
        return;
    auto* button = qobject_cast<QToolButton*>(widgetForAction(event->action()));
    if (!button)
        return;
    button->setPopupMode(QToolButton::InstantPopup);
    button->installEventFilter(this);
    if (QMenu* menu = button->menu())
        menu->installEventFilter(this);
}

bool ZCToolBar::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::Enter: {
        // Qt 6 sends an Enter to the widget under a resting pointer when a pop-up closes (Qt 5
        // waits for the pointer to move): a menu just closed with Escape or a click must not
        // open again under a pointer that has not moved.
        const bool reentered = m_pointerAtMenuClose == QCursor::pos();
        if (isHoverButton(watched))
            m_pointerAtMenuClose.reset();
        if (!reentered)
            hoverButton(watched);
        break;
    }
    case QEvent::MouseMove:
        // An open menu grabs the pointer, so the other buttons of the bar get no Enter while
        // it is open: the menu's own moves over the bar tell where the pointer went.
        if (auto* menu = qobject_cast<QMenu*>(watched)) {
            const auto* move = static_cast<QMouseEvent*>(event);
            if (!menu->rect().contains(move->pos()))
                hoverButton(QApplication::widgetAt(ZCEventPosition::globalPosition(move).toPoint()));
        }
        break;
    case QEvent::Leave:
        if (isHoverButton(watched))
            m_pointerAtMenuClose.reset();
        else if (qobject_cast<QMenu*>(watched) && !keepsMenusOpenAt(QApplication::widgetAt(QCursor::pos())))
            scheduleMenuChange(nullptr);
        break;
    case QEvent::Show:
    case QEvent::Hide:
        if (qobject_cast<QMenu*>(watched)) {
            if (event->type() == QEvent::Hide)
                m_pointerAtMenuClose = QCursor::pos();
            syncButtonsDown();
        }
        break;
    default:
        break;
    }
    return QToolBar::eventFilter(watched, event);
}

void ZCToolBar::OnOrientationChanged(Qt::Orientation orientacion)
{
    const Qt::ToolButtonStyle style = orientacion == Qt::Horizontal ? Qt::ToolButtonTextBesideIcon
                                                                    : Qt::ToolButtonIconOnly;
    for (QToolButton* button : menuButtons())
        button->setToolButtonStyle(style);
}

void ZCToolBar::PopUpCurrentMenuToolButton()
{
    for (QToolButton* button : menuButtons()) {
        if (button != m_currentMenuButton && button->menu()->isVisible()) {
            button->menu()->hide();
            button->setDown(false);
        }
    }
    if (!m_currentMenuButton)
        return;
    QMenu* menu = m_currentMenuButton->menu();
    if (!menu)
        return;
    if (!menu->isVisible())
        menu->popup(menuPosition(m_currentMenuButton, menu));
    m_currentMenuButton->setDown(true);
}

QList<QToolButton*> ZCToolBar::menuButtons() const
{
    QList<QToolButton*> buttons = findChildren<QToolButton*>();
    buttons.erase(std::remove_if(buttons.begin(), buttons.end(),
                                 [](const QToolButton* button) { return !button->menu(); }),
                  buttons.end());
    return buttons;
}

// Opens the menu of \a object when it is a hover button whose menu is not open yet.
void ZCToolBar::hoverButton(QObject* object)
{
    if (!isHoverButton(object))
        return;
    auto* button = static_cast<QToolButton*>(object);
    if (!button->menu()->isVisible())
        scheduleMenuChange(button);
}

// A tool button of this bar that has a menu; buttons taken out of the bar keep the filter but
// no longer count.
bool ZCToolBar::isHoverButton(QObject* object) const
{
    auto* button = qobject_cast<QToolButton*>(object);
    return button && button->menu() && isAncestorOf(button);
}

// Open menus stay open while the pointer is over the bar, over a menu or over a widget inside
// a menu.
bool ZCToolBar::keepsMenusOpenAt(const QWidget* widgetUnderPointer) const
{
    if (!widgetUnderPointer)
        return false;
    return widgetUnderPointer == this || isAncestorOf(widgetUnderPointer)
           || qobject_cast<const QMenu*>(widgetUnderPointer->window());
}

// The menu is changed from the event loop, so that the event that asked for it (an Enter or a
// Leave) finishes before one pop-up closes and another grabs the pointer.
void ZCToolBar::scheduleMenuChange(QToolButton* current)
{
    m_currentMenuButton = current;
    QTimer::singleShot(0, this, &ZCToolBar::PopUpCurrentMenuToolButton);
}

void ZCToolBar::syncButtonsDown()
{
    for (QToolButton* button : menuButtons())
        button->setDown(button->menu()->isVisible());
}

QPoint ZCToolBar::menuPosition(QToolButton* button, QMenu* menu) const
{
    QRect anchor(button->mapToGlobal(QPoint(0, 0)), button->size());
    // A vertical bar opens the menu beside the button: as under an anchor of no height along
    // the button's top edge, one button width further right; the menu's top then meets the
    // button's top, or, when there is no room below, its bottom meets it.
    if (orientation() == Qt::Vertical)
        anchor = QRect(anchor.topRight() + QPoint(1, 0), QSize(anchor.width(), 0));
    return ZCPopupPlacement::topLeftFor(anchor, menu->sizeHint(), Qt::AlignLeft,
                                        ZCPopupPlacement::availableGeometryFor(button));
}
