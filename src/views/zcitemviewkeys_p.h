#pragma once

// Key handling shared by the library's item views (not part of the public headers).

#include <QAbstractItemView>
#include <QKeyEvent>

namespace ZCItemViewKeys {

// Space activates the current item. Returns whether the key was Space; a Space is always
// consumed, even with nothing to activate, so it never reaches the base class's selection toggle.
// `editing` tells whether the view is in its editing state (the state is protected).
inline bool activateOnSpace(QAbstractItemView* view, bool editing, QKeyEvent* event)
{
    if (event->key() != Qt::Key_Space)
        return false;
    event->accept();
    // A Space meant for an open editor that lost the focus is dropped, not turned into activation.
    if (editing && !view->hasFocus())
        return true;
    const QModelIndex current = view->currentIndex();
    if (current.isValid())
        emit view->activated(current);
    return true;
}

} // namespace ZCItemViewKeys
