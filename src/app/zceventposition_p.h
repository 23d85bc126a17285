#pragma once

// Pointer event positions read the same way under Qt 5.15 and Qt 6 (not part of the public
// headers).

#include <QMouseEvent>

/*!
    Qt 6 gives every pointer event position(), scenePosition() and globalPosition(); Qt 5.15 has
    localPos(), windowPos() and screenPos() on mouse events and posF() on hover events. These
    functions answer with Qt 6's names under both, so no widget needs a version test of its own.
    Positions are fractional at a fractional device pixel ratio: round with toPoint() where a
    widget works in whole pixels, as Qt 5's pos() and globalPos() did.
*/
namespace ZCEventPosition {

#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
inline QPointF position(const QSinglePointEvent* event) { return event->position(); }
inline QPointF scenePosition(const QSinglePointEvent* event) { return event->scenePosition(); }
inline QPointF globalPosition(const QSinglePointEvent* event) { return event->globalPosition(); }
#else
inline QPointF position(const QMouseEvent* event) { return event->localPos(); }
inline QPointF position(const QHoverEvent* event) { return event->posF(); }
inline QPointF scenePosition(const QMouseEvent* event) { return event->windowPos(); }
inline QPointF globalPosition(const QMouseEvent* event) { return event->screenPos(); }
#endif

} // namespace ZCEventPosition
