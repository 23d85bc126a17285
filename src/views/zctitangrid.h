#pragma once

#include "mirokit_global.h"
#include "qtitangrid.h"

class QGestureEvent;

/*!
    The library's data grid: a Qtitan::Grid that also reports long presses the way the other
    item views do. The caller enables the gesture with grabGesture(Qt::TapAndHoldGesture) and
    routes the grid's gesture events to gestureEvent().
*/
class MIROKIT_EXPORT ZCTitanGrid : public Qtitan::Grid
{
    Q_OBJECT

public:
    explicit ZCTitanGrid(QWidget* parent = nullptr);
    ~ZCTitanGrid() override;

    bool gestureEvent(QGestureEvent* event);

signals:
    void signalTapAndHold(QModelIndex index);
    void signalTapAndHoldNoIndex();
};
