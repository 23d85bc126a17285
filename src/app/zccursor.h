#pragma once

#include "mirokit_global.h"

#include <QCursor>

/*!
    A cursor by shape number: 0 to 21 are Qt's shapes, 22 to 24 the library's own pencil
    ("lapiz"), glass ("vaso") and colour picker ("getcolor"); anything else is the arrow.
*/
class MIROKIT_EXPORT ZCCursor
{
public:
    enum Shape {
        LapizCursor = 22,
        VasoCursor = 23,
        GetColorCursor = 24
    };

    explicit ZCCursor(int shape);
    virtual ~ZCCursor();

    const QCursor& getCursor() const;

private:
    // QCursor is an implicitly shared value, so copies of ZCCursor share it safely.
    QCursor m_cursor;
};
