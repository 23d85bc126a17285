#include "zcscroller.h"

#include <QAbstractItemView>
#include <QScrollArea>
#include <QScroller>

void ZCScroller::GrabGesture(QWidget* widget)
{
    if (!widget)
        return;
    QWidget* target = widget;
    QScroller::ScrollerGestureType gesture = QScroller::LeftMouseButtonGesture;
    if (auto* area = qobject_cast<QAbstractScrollArea*>(widget)) {
        // The viewport receives the input events; the scroll area itself only frames it.
        target = area->viewport();
        if (qobject_cast<QScrollArea*>(widget))
            gesture = QScroller::TouchGesture;
    }
    QScroller::grabGesture(target, gesture);
    // Item views scroll by items by default, which makes a flick jump instead of glide.
    if (auto* view = qobject_cast<QAbstractItemView*>(widget)) {
        view->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
        view->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    }
}
