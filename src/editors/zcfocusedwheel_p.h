#pragma once

// The wheel rule of the library's spin boxes (not part of the public headers).

#include <QWheelEvent>
#include <QWidget>

namespace ZCFocusedWheel {

/*!
    Whether \a editor steps on the \a event: only while it has the focus. Otherwise the event
    is ignored, so that it reaches the scrolling form around the editor instead of changing a
    value the user was only scrolling past.
*/
inline bool steps(const QWidget* editor, QWheelEvent* event)
{
    if (editor->hasFocus())
        return true;
    event->ignore();
    return false;
}

} // namespace ZCFocusedWheel
