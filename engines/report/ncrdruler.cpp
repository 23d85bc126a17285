#include "ncrdruler.h"

#include "ncrdcanvas.h"
#include "ncrdcanvasview.h"

#include <QPainter>

#include <cmath>

namespace {

// The smallest of `steps` (millimetres) that is at least `pixels` apart at `scale`.
qreal stepFor(std::initializer_list<qreal> steps, qreal scale, qreal pixels)
{
    for (const qreal step : steps) {
        if (step * scale >= pixels)
            return step;
    }
    return *(steps.end() - 1);
}

} // namespace

NCRDRuler::NCRDRuler(Qt::Orientation orientation, NCRDCanvasView* view)
    : QWidget(view)
    , m_orientation(orientation)
    , m_view(view)
{
    setObjectName(orientation == Qt::Horizontal ? QStringLiteral("horizontalRuler") : QStringLiteral("verticalRuler"));
    setAccessibleName(orientation == Qt::Horizontal ? tr("Horizontal ruler") : tr("Vertical ruler"));
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void NCRDRuler::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    const NCRDCanvas* canvas = m_view->canvas();
    const qreal scale = m_view->pixelsPerMillimetre();
    if (!canvas || scale <= 0)
        return;
    const bool horizontal = m_orientation == Qt::Horizontal;
    // Rulers and viewport share their origin along the ruler: the viewport starts where we do.
    const QPointF originPixels = m_view->mapFromScene(canvas->origin());
    const qreal origin = horizontal ? originPixels.x() : originPixels.y();
    const int length = horizontal ? width() : height();

    const QRectF selection = canvas->selectionBounds();
    if (!selection.isNull()) {
        const QRect shown = m_view->mapFromScene(selection).boundingRect();
        painter.fillRect(horizontal ? QRect(shown.left(), 0, shown.width() + 1, thickness)
                                    : QRect(0, shown.top(), thickness, shown.height() + 1),
                         palette().highlight().color().lighter(170));
    }

    const qreal minor = stepFor({1, 5, 10, 50, 100}, scale, 4);
    const qreal major = stepFor({10, 50, 100, 500, 1000}, scale, 40);
    QFont font = painter.font();
    font.setPixelSize(9);
    painter.setFont(font);
    painter.setPen(palette().windowText().color());
    const qreal first = std::floor(-origin / scale / minor) * minor;
    for (qreal mm = first; (mm * scale + origin) <= length; mm += minor) {
        const qreal at = mm * scale + origin;
        const bool isMajor = std::fmod(std::abs(mm) + 1e-6, major) < 1e-3;
        const qreal tick = isMajor ? thickness - 2 : ((std::fmod(std::abs(mm) + 1e-6, major / 2) < 1e-3) ? 7 : 4);
        if (horizontal)
            painter.drawLine(QPointF(at, thickness - tick), QPointF(at, thickness));
        else
            painter.drawLine(QPointF(thickness - tick, at), QPointF(thickness, at));
        if (isMajor) {
            const QString label = QString::number(qRound(mm));
            if (horizontal) {
                painter.drawText(QPointF(at + 2, 10), label);
            } else {
                painter.save();
                painter.translate(10, at + 2);
                painter.rotate(90);
                painter.drawText(QPointF(0, 0), label);
                painter.restore();
            }
        }
    }
    painter.setPen(palette().mid().color());
    if (horizontal)
        painter.drawLine(0, thickness - 1, width(), thickness - 1);
    else
        painter.drawLine(thickness - 1, 0, thickness - 1, height());
}
