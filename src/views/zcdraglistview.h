#pragma once

#include "mirokit_global.h"

#include "zclistview.h"

#include <memory>

class ZCDragStartTracker;

/*!
    A list view that is a drag source.
    It does not build a drag itself: once the pointer has moved the start-drag distance with the
    left button held, it emits iniciarDrag() (once per press) and the caller runs a ZCDrag with
    its own data.
*/
class MIROKIT_EXPORT ZCDragListView : public ZCListView
{
    Q_OBJECT

public:
    explicit ZCDragListView(QWidget* parent = nullptr);
    ~ZCDragListView() override;

    // Where the left button was last pressed, (0,0) before any press.
    QPoint pressPosition() const;

signals:
    void iniciarDrag(QWidget* pWidgetSource);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    std::unique_ptr<ZCDragStartTracker> m_dragStart;
};
