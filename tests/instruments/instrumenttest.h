#pragma once

#include "mirokittest.h"

#include <QImage>
#include <QPointF>
#include <QWidget>
#include <QtMath>

// What the widget paints, as an image of its own size.
inline QImage paintedImage(QWidget& widget)
{
    return MirokitTest::grabbedImage(widget);
}

// The screen point at a logical radius from the centre of a dial drawn in a square of
// logicalSize units, in the direction of "down" turned clockwise by degrees.
inline QPoint dialPoint(const QWidget& widget, double logicalSize, double radius, double degrees)
{
    const double scale = qMin(widget.width(), widget.height()) / logicalSize;
    const double angle = qDegreesToRadians(degrees);
    return QPointF(widget.width() / 2 - std::sin(angle) * radius * scale,
                   widget.height() / 2 + std::cos(angle) * radius * scale)
        .toPoint();
}
