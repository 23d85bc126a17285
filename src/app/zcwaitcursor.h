#pragma once

#include "mirokit_global.h"

/*!
    Shows the wait cursor over the whole application for the life of the object. Scopes nest:
    the previous cursor comes back when the outermost one ends.
*/
class MIROKIT_EXPORT ZCWaitCursor
{
public:
    ZCWaitCursor();
    ~ZCWaitCursor();
    ZCWaitCursor(const ZCWaitCursor&) = delete;
    ZCWaitCursor& operator=(const ZCWaitCursor&) = delete;
};
