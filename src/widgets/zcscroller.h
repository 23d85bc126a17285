#pragma once

#include "mirokit_global.h"

class QWidget;

/*!
    Kinetic (flick) scrolling for any widget: drag with the mouse, or with a finger inside a
    scroll area, and the content goes on moving after release.
*/
class MIROKIT_EXPORT ZCScroller
{
public:
    static void GrabGesture(QWidget* widget);
};
