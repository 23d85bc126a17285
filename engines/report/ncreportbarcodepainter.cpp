#include "ncreportbarcodepainter.h"

#include <QPainter>

#include <atomic>

namespace {

std::atomic<NCReportBarcodePainter::PaintFunction> paintFunction{nullptr};

} // namespace

void NCReportBarcodePainter::install(PaintFunction function)
{
    paintFunction.store(function);
}

NCReportBarcodePainter::PaintFunction NCReportBarcodePainter::installed()
{
    return paintFunction.load();
}

void NCReportBarcodePainter::paint(QPainter* painter, const QRectF& rect, int type, const QString& data,
                                   const QColor& color)
{
    const PaintFunction function = paintFunction.load();
    if (function && function(painter, rect.toAlignedRect(), type, data, color))
        return;
    painter->save();
    painter->setPen(QPen(color, 0, Qt::DashLine));
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(rect);
    painter->drawText(rect, Qt::AlignCenter | Qt::TextWrapAnywhere, data);
    painter->restore();
}
