#pragma once

// Placement of pop-ups, menus and drop-down calendars under the control they belong to
// (not part of the public headers).

#include <QGuiApplication>
#include <QPoint>
#include <QRect>
#include <QScreen>
#include <QSize>
#include <QWidget>

#include <algorithm>

namespace ZCPopupPlacement {

/*!
    Top-left corner, in global coordinates, for a pop-up of \a popupSize that opens under
    \a anchor (the anchor's rectangle in global coordinates). The pop-up is aligned with the
    anchor's left edge, or with its right edge when \a align holds Qt::AlignRight. It is kept
    inside \a available horizontally; when it does not fit below the anchor it opens above it,
    never above the top of \a available.

    The pop-up starts on the anchor's last row of pixels (Qt's inclusive bottom corner), so
    that its frame meets the anchor's frame.
*/
inline QPoint topLeftFor(const QRect& anchor, const QSize& popupSize, Qt::Alignment align,
                         const QRect& available)
{
    const int width = popupSize.width();
    const int height = popupSize.height();

    int x = (align & Qt::AlignRight) ? anchor.right() - width : anchor.left();
    if (x + width > available.x() + available.width())
        x = available.x() + available.width() - width;
    x = std::max(x, available.x());

    int y = anchor.bottom();
    if (y + height > available.y() + available.height())
        y = std::max(anchor.top() - height, available.y());
    return {x, y};
}

// The available geometry of the screen that shows \a widget (the primary screen when the
// widget is on none, as happens before it is first shown).
inline QRect availableGeometryFor(const QWidget* widget)
{
    QScreen* screen = widget ? widget->screen() : nullptr;
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

// Moves \a popup (a top-level widget) under \a anchor with topLeftFor(); the screen is the
// anchor's. Null widgets are ignored.
inline void placeUnder(QWidget* popup, const QWidget* anchor, Qt::Alignment align = Qt::AlignLeft)
{
    if (!popup || !anchor)
        return;
    const QRect anchorRect(anchor->mapToGlobal(QPoint(0, 0)), anchor->size());
    popup->move(topLeftFor(anchorRect, popup->frameGeometry().size(), align,
                           availableGeometryFor(anchor)));
}

} // namespace ZCPopupPlacement
