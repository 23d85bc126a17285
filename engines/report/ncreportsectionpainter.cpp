#include "ncreportsectionpainter.h"

#include "ncreportbarcodepainter.h"
#include "ncreportevaluator.h"

#include <QCoreApplication>
#include <QDebug>
#include <QGuiApplication>
#include <QPaintDevice>
#include <QPainter>

NCReportSectionPainter::NCReportSectionPainter(NCReportEvaluator* evaluator)
    : m_evaluator(evaluator)
{
}

NCReportSectionPainter::~NCReportSectionPainter() = default;

void NCReportSectionPainter::setPainter(QPainter* painter)
{
    m_painter = painter;
    m_pixelsPerMillimetre = painter->device()->logicalDpiX() / 25.4;
    // A new page starts from the painter's defaults: set both again on first use.
    m_fontSet = false;
    m_pen = QPen(Qt::NoPen);
    m_defaultFamily = QGuiApplication::font().family();
}

void NCReportSectionPainter::paint(const NCReportSection& section, qreal top)
{
    for (const NCReportItem& item : section.items) {
        if (!item.printWhen.isEmpty() && !conditionHolds(item.printWhen))
            continue;
        const bool needsText = item.type != NCReportItem::Line && item.type != NCReportItem::Rectangle;
        paintItem(item, toDevice(item.geometry, top), needsText ? itemText(item) : QString());
    }
}

void NCReportSectionPainter::paintItem(const NCReportItem& item, const QRectF& rect, const QString& text)
{
    switch (item.type) {
    case NCReportItem::Label:
    case NCReportItem::Field:
        useFont(item);
        usePen(item.color, 0);
        m_painter->drawText(rect, int(item.alignment), text);
        break;
    case NCReportItem::Line:
        usePen(item.color, item.lineWidth);
        m_painter->drawLine(rect.topLeft(), rect.bottomRight());
        break;
    case NCReportItem::Rectangle:
        usePen(item.color, item.lineWidth);
        m_painter->setBrush(item.fillColor.isValid() ? QBrush(item.fillColor) : QBrush());
        m_painter->drawRect(rect);
        break;
    case NCReportItem::Image:
        paintImage(text, rect);
        break;
    case NCReportItem::Barcode:
        NCReportBarcodePainter::paint(m_painter, rect, item.barcodeType, text, item.color);
        m_pen = QPen(Qt::NoPen);  // the barcode painter may leave its own pen
        break;
    }
}

bool NCReportSectionPainter::conditionHolds(const QString& condition)
{
    bool ok = false;
    const bool holds = m_evaluator->evaluateCondition(condition, &ok);
    if (!ok && !m_badConditions.contains(condition)) {
        m_badConditions.insert(condition);
        qWarning().noquote() << QCoreApplication::translate("NCReportSectionPainter",
                                                            "The condition %1 cannot be evaluated").arg(condition);
    }
    return holds;
}

QRectF NCReportSectionPainter::toDevice(const QRectF& rect, qreal top) const
{
    return QRectF(rect.x() * m_pixelsPerMillimetre, (rect.y() + top) * m_pixelsPerMillimetre,
                  rect.width() * m_pixelsPerMillimetre, rect.height() * m_pixelsPerMillimetre);
}

QString NCReportSectionPainter::itemText(const NCReportItem& item) const
{
    if (item.sourceType == NCReportItem::Static)
        return item.text;
    // A field that cannot be read prints nothing rather than a half-evaluated expression.
    QString text = item.text;
    return m_evaluator->evaluate(text, item.sourceType, item.format) ? text : QString();
}

void NCReportSectionPainter::usePen(const QColor& color, qreal widthMillimetres)
{
    const qreal width = widthMillimetres * m_pixelsPerMillimetre;
    if (m_pen.style() == Qt::SolidLine && m_pen.color() == color && m_pen.widthF() == width)
        return;
    m_pen = QPen(color, width);
    m_painter->setPen(m_pen);
}

void NCReportSectionPainter::useFont(const NCReportItem& item)
{
    const QString& family = item.fontFamily.isEmpty() ? m_defaultFamily : item.fontFamily;
    if (m_fontSet && m_font.family() == family && m_font.pointSizeF() == item.fontPointSize
        && m_font.bold() == item.bold && m_font.italic() == item.italic)
        return;
    m_fontSet = true;
    m_font = QFont(family);
    m_font.setPointSizeF(item.fontPointSize);
    m_font.setBold(item.bold);
    m_font.setItalic(item.italic);
    m_painter->setFont(m_font);
}

void NCReportSectionPainter::paintImage(const QString& fileName, const QRectF& rect)
{
    const QImage image = m_images.image(fileName);
    if (image.isNull() || rect.isEmpty())
        return;
    // Fitted inside the rectangle, centred, keeping its proportions.
    QSizeF size = image.size();
    size.scale(rect.size(), Qt::KeepAspectRatio);
    QRectF target(QPointF(), size);
    target.moveCenter(rect.center());
    m_painter->drawImage(target, image);
}
