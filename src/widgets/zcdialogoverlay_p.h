#pragma once

// Private to the dialog wrappers: the overlay shown over the parent window while a static
// dialog function runs.

#include "zcoverlayshadowgui.h"

#include <QPointer>

namespace ZCDialogOverlay {

// Shows an overlay over `parent`'s window, runs `call` (which opens a modal dialog and returns
// its result) and deletes the overlay again, so that repeated calls leave nothing behind. The
// window may be destroyed during the call, taking the overlay with it; the guard notices.
template<typename Call>
auto runDarkened(QWidget* parent, Call&& call) -> decltype(call())
{
    struct Guard {
        QPointer<ZCOverlayShadowGui> overlay;
        ~Guard() { delete overlay.data(); }
    } guard{ZCOverlayShadowGui::newOverlay(nullptr, parent)};
    if (guard.overlay)
        guard.overlay->show();
    return call();
}

} // namespace ZCDialogOverlay
