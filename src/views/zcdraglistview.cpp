#include "zcdraglistview.h"

#include "zcdragstarttracker_p.h"

ZCDragListView::ZCDragListView(QWidget* parent)
    : ZCListView(parent)
    , m_dragStart(new ZCDragStartTracker)
{
}

ZCDragListView::~ZCDragListView() = default;

QPoint ZCDragListView::pressPosition() const
{
    return m_dragStart->pressPosition();
}

void ZCDragListView::mousePressEvent(QMouseEvent* event)
{
    m_dragStart->press(event);
    ZCListView::mousePressEvent(event);
}

void ZCDragListView::mouseMoveEvent(QMouseEvent* event)
{
    if (m_dragStart->startsDrag(event)) {
        emit iniciarDrag(this);
        // The caller's drag owns the pointer from here: leave the pressed or selecting state.
        ZCListView::mouseReleaseEvent(event);
        return;
    }
    // Until the button goes up the pointer belongs to the announced drag, not to selection.
    if (!m_dragStart->hasAnnounced())
        ZCListView::mouseMoveEvent(event);
}

void ZCDragListView::mouseReleaseEvent(QMouseEvent* event)
{
    m_dragStart->release(event);
    ZCListView::mouseReleaseEvent(event);
}
