#include "zcdragcombobox.h"

#include "zcdragstarttracker_p.h"

ZCDragComboBox::ZCDragComboBox(QWidget* parent)
    : QComboBox(parent)
    , m_dragStart(new ZCDragStartTracker)
{
}

ZCDragComboBox::~ZCDragComboBox() = default;

QPoint ZCDragComboBox::pressPosition() const
{
    return m_dragStart->pressPosition();
}

void ZCDragComboBox::mousePressEvent(QMouseEvent* event)
{
    m_dragStart->press(event);
    QComboBox::mousePressEvent(event);
}

void ZCDragComboBox::mouseMoveEvent(QMouseEvent* event)
{
    if (m_dragStart->startsDrag(event)) {
        emit iniciarDrag(this);
        // The caller's drag owns the pointer from here: leave the pressed or selecting state.
        QComboBox::mouseReleaseEvent(event);
        return;
    }
    // Until the button goes up the pointer belongs to the announced drag, not to selection.
    if (!m_dragStart->hasAnnounced())
        QComboBox::mouseMoveEvent(event);
}

void ZCDragComboBox::mouseReleaseEvent(QMouseEvent* event)
{
    m_dragStart->release(event);
    QComboBox::mouseReleaseEvent(event);
}
