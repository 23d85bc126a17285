#include "zccursor.h"

#include <QBitmap>

namespace {

struct LibraryCursor {
    int shape;
    const char* name;
    QPoint hotSpot;
};

constexpr LibraryCursor libraryCursors[] = {
    {ZCCursor::LapizCursor, "lapiz", {11, 20}},
    {ZCCursor::VasoCursor, "vaso", {8, 22}},
    {ZCCursor::GetColorCursor, "getcolor", {8, 23}},
};

QCursor cursorForShape(int shape)
{
    if (shape >= Qt::ArrowCursor && shape <= Qt::LastCursor)
        return QCursor(static_cast<Qt::CursorShape>(shape));
    for (const LibraryCursor& cursor : libraryCursors) {
        if (cursor.shape != shape)
            continue;
        const QString name = QLatin1String(cursor.name);
        const QBitmap bitmap(QStringLiteral(":/Resources/cur_%1.png").arg(name));
        const QBitmap mask(QStringLiteral(":/Resources/mask_%1.png").arg(name));
        return QCursor(bitmap, mask, cursor.hotSpot.x(), cursor.hotSpot.y());
    }
    return QCursor(Qt::ArrowCursor);
}

} // namespace

ZCCursor::ZCCursor(int shape)
    : m_cursor(cursorForShape(shape))
{
}

ZCCursor::~ZCCursor() = default;

const QCursor& ZCCursor::getCursor() const
{
    return m_cursor;
}
