#include "zcdragtreeview.h"

#include "zcdragstarttracker_p.h"

ZCDragTreeView::ZCDragTreeView(QWidget* parent)
    : ZCTreeView(parent)
    , m_dragStart(new ZCDragStartTracker)
{
}

ZCDragTreeView::~ZCDragTreeView() = default;

QPoint ZCDragTreeView::pressPosition() const
{
    return m_dragStart->pressPosition();
}

void ZCDragTreeView::mousePressEvent(QMouseEvent* event)
{
    m_dragStart->press(event);
    ZCTreeView::mousePressEvent(event);
}

void ZCDragTreeView::mouseMoveEvent(QMouseEvent* event)
{
    if (m_dragStart->startsDrag(event)) {
        emit iniciarDrag(this);
        // The caller's drag owns the pointer from here: leave the pressed or selecting state.
        ZCTreeView::mouseReleaseEvent(event);
        return;
    }
    // Until the button goes up the pointer belongs to the announced drag, not to selection.
    if (!m_dragStart->hasAnnounced())
        ZCTreeView::mouseMoveEvent(event);
}

void ZCDragTreeView::mouseReleaseEvent(QMouseEvent* event)
{
    m_dragStart->release(event);
    ZCTreeView::mouseReleaseEvent(event);
}
