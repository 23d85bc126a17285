#include "zctitangrid.h"

#include <QGestureEvent>

ZCTitanGrid::ZCTitanGrid(QWidget* parent)
    : Qtitan::Grid(parent)
{
}

ZCTitanGrid::~ZCTitanGrid() = default;

bool ZCTitanGrid::gestureEvent(QGestureEvent* event)
{
    const auto* gesture = static_cast<const QTapAndHoldGesture*>(event->gesture(Qt::TapAndHoldGesture));
    // A press still being held is not a tap-and-hold yet: only the finished gesture counts.
    if (!gesture || gesture->state() != Qt::GestureFinished)
        return true;
    const QPoint pos = mapFromGlobal(gesture->position().toPoint());
    const QModelIndex index = hitInfo(pos).modelIndex();
    if (index.isValid())
        emit signalTapAndHold(index);
    else
        emit signalTapAndHoldNoIndex();
    return true;
}
