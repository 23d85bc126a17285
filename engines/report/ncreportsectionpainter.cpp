#include "ncreportsectionpainter.h"

#include "ncreportbarcodepainter.h"
#include "ncreportevaluator.h"

#include <QCoreApplication>
#include <QDebug>
#include <QGuiApplication>
#include <QPaintDevice>
#include <QPainter>

#include <cmath>

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
    m_images.startPage();
}

void NCReportSectionPainter::paint(const NCReportSection& section, qreal top)
{
    // Images are read as they are painted, at the size they are painted at.
    paintBand(section, record(section, top, false));
}

NCReportBand NCReportSectionPainter::record(const NCReportSection& section, qreal top, bool withImages)
{
    NCReportBand band;
    band.top = top;
    band.items.reserve(section.items.size());
    for (int index = 0; index < section.items.size(); ++index) {
        const NCReportItem& item = section.items.at(index);
        if (!item.printWhen.isEmpty() && !conditionHolds(item.printWhen))
            continue;
        NCReportBandItem printed;
        printed.item = index;
        switch (item.type) {
        case NCReportItem::Label:
            printed.text = item.text;
            break;
        case NCReportItem::Field:
            printed.text = itemText(item, &printed.value);
            break;
        case NCReportItem::Line:
        case NCReportItem::Rectangle:
            break;
        case NCReportItem::Image: {
            if (!withImages)
                break;
            printed.text = itemText(item);
            const QImage image = m_images.image(printed.text);
            if (!image.isNull()) {
                printed.image = band.images.size();
                band.images.append(image);
            }
            break;
        }
        case NCReportItem::Barcode:
            printed.text = itemText(item);
            break;
        }
        band.items.append(printed);
    }
    return band;
}

void NCReportSectionPainter::paintBand(const NCReportSection& section, const NCReportBand& band)
{
    for (const NCReportBandItem& printed : band.items) {
        if (printed.item < 0 || printed.item >= section.items.size())
            continue;
        const NCReportItem& item = section.items.at(printed.item);
        const QRectF rect = toDevice(item.geometry, band.top);
        if (item.type != NCReportItem::Image)
            paintItem(item, rect, printed.text);
        else if (printed.image >= 0 && printed.image < band.images.size())
            drawImage(band.images.at(printed.image), rect);
        else if (m_evaluator && printed.text.isEmpty())
            paintImage(itemText(item), rect);
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

QString NCReportSectionPainter::itemText(const NCReportItem& item, QVariant* value) const
{
    if (item.sourceType == NCReportItem::Static)
        return item.text;
    // A field that cannot be read prints nothing rather than a half-evaluated expression.
    QString text = item.text;
    if (m_evaluator->evaluate(text, item.sourceType, item.format, value))
        return text;
    if (value)
        *value = QVariant();
    return QString();
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
    if (rect.isEmpty())
        return;
    // Decoded at the size it is painted at: more pixels than the device shows only cost memory.
    const QSize bounds = QSizeF(std::ceil(rect.width()), std::ceil(rect.height())).toSize();
    const QImage image = m_images.image(fileName, bounds);
    if (image.isNull())
        return;
    // Fitted inside the rectangle, centred, keeping its proportions.
    QSizeF size = image.size();
    size.scale(rect.size(), Qt::KeepAspectRatio);
    QRectF target(QPointF(), size);
    target.moveCenter(rect.center());
    m_painter->drawImage(target, image);
}

void NCReportSectionPainter::drawImage(const QImage& image, const QRectF& rect)
{
    if (image.isNull() || rect.isEmpty())
        return;
    // As paintImage() places it: the whole image centred in the rectangle.
    const QSizeF fitted = QSizeF(image.size()).scaled(rect.size(), Qt::KeepAspectRatio);
    m_painter->drawImage(QRectF(rect.center() - QPointF(fitted.width(), fitted.height()) / 2, fitted), image);
}
