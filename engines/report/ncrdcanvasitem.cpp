#include "ncrdcanvasitem.h"

#include "ncrdbanditem.h"
#include "ncreportsectionpainter.h"

#include <QPainter>
#include <QRegularExpression>

namespace {

// How far around a thin item (a line, an empty label) a click still finds it.
constexpr qreal grabMargin = 0.8;  // millimetres

const QColor fieldColor(0x8e, 0x24, 0xaa);
const QColor outlineColor(0xc5, 0xcb, 0xd3);
const QColor outsideColor(0xd3, 0x2f, 0x2f);

} // namespace

NCRDCanvasItem::NCRDCanvasItem(const QDomElement& element, const NCReportItem& item, NCRDBandItem* band,
                               NCReportSectionPainter* painter)
    : QGraphicsItem(band)
    , m_element(element)
    , m_item(item)
    , m_painter(painter)
{
    setFlag(ItemIsSelectable);
    setPos(m_item.geometry.normalized().topLeft());
}

void NCRDCanvasItem::setItem(const QDomElement& element, const NCReportItem& item)
{
    prepareGeometryChange();
    m_element = element;
    m_item = item;
    setPos(m_item.geometry.normalized().topLeft());
    update();
}

QVariant NCRDCanvasItem::itemChange(GraphicsItemChange change, const QVariant& value)
{
    // A selected item is what moves: it keeps what it drew, and a move only blits it, drawing
    // text being what costs. Items that stay where they are keep no copy.
    if (change == ItemSelectedHasChanged)
        setCacheMode(value.toBool() ? DeviceCoordinateCache : NoCache);
    return QGraphicsItem::itemChange(change, value);
}

NCRDBandItem* NCRDCanvasItem::band() const
{
    return static_cast<NCRDBandItem*>(parentItem());
}

void NCRDCanvasItem::setGeometry(const QRectF& geometry)
{
    if (geometry == m_item.geometry)
        return;
    const bool resized = geometry.size() != m_item.geometry.size();
    if (resized)
        prepareGeometryChange();
    m_item.geometry = geometry;
    setPos(geometry.normalized().topLeft());
    if (resized)
        update();
}

QRectF NCRDCanvasItem::sceneGeometry() const
{
    return m_item.geometry.normalized().translated(parentItem() ? parentItem()->pos() : QPointF());
}

bool NCRDCanvasItem::isOutside() const
{
    const QRectF bounds = band() ? band()->rect() : QRectF();
    const QRectF rect = m_item.geometry.normalized();
    // A line's rectangle may be flat: compare edges rather than use contains().
    return rect.left() < bounds.left() - 1e-6 || rect.top() < bounds.top() - 1e-6
        || rect.right() > bounds.right() + 1e-6 || rect.bottom() > bounds.bottom() + 1e-6;
}

QRectF NCRDCanvasItem::geometryOf(const QDomElement& element)
{
    const auto number = [&](const char* name) { return element.attribute(QLatin1String(name)).toDouble(); };
    if (element.tagName() == QLatin1String("line"))
        return QRectF(QPointF(number("x1"), number("y1")), QPointF(number("x2"), number("y2")));
    return QRectF(number("x"), number("y"), number("width"), number("height"));
}

QVector<QPair<QString, QString>> NCRDCanvasItem::geometryAttributes(const QString& tag, const QRectF& geometry)
{
    const auto text = [](qreal value) { return QString::number(qRound64(value * 100) / 100.0); };
    if (tag == QLatin1String("line"))
        return {{QStringLiteral("x1"), text(geometry.left())},
                {QStringLiteral("y1"), text(geometry.top())},
                {QStringLiteral("x2"), text(geometry.right())},
                {QStringLiteral("y2"), text(geometry.bottom())}};
    return {{QStringLiteral("x"), text(geometry.x())},
            {QStringLiteral("y"), text(geometry.y())},
            {QStringLiteral("width"), text(qMax<qreal>(0, geometry.width()))},
            {QStringLiteral("height"), text(qMax<qreal>(0, geometry.height()))}};
}

QRectF NCRDCanvasItem::withRect(const QRectF& geometry, const QRectF& rect)
{
    const bool leftToRight = geometry.width() >= 0;
    const bool downwards = geometry.height() >= 0;
    return QRectF(QPointF(leftToRight ? rect.left() : rect.right(), downwards ? rect.top() : rect.bottom()),
                  QPointF(leftToRight ? rect.right() : rect.left(), downwards ? rect.bottom() : rect.top()));
}

QString NCRDCanvasItem::displayText(const NCReportItem& item)
{
    switch (item.sourceType) {
    case NCReportItem::Static:
    case NCReportItem::Template:
        return item.text;
    case NCReportItem::DataSource:
        return QStringLiteral("$D{") + item.text + QLatin1Char('}');
    case NCReportItem::Parameter:
        return QStringLiteral("$P{") + item.text + QLatin1Char('}');
    case NCReportItem::Variable:
        return QStringLiteral("$V{") + item.text + QLatin1Char('}');
    }
    return item.text;
}

QString NCRDCanvasItem::sampleBarcodeData(const NCReportItem& item)
{
    if (item.sourceType == NCReportItem::Static)
        return item.text;
    // As many digits as the short symbologies take without their check digit (EAN-8, UPC-A),
    // twelve for the others: an even count, as Code 128's set C and Interleaved 2 of 5 need.
    const int digits = item.barcodeType == 1 ? 7 : item.barcodeType == 2 ? 11 : 12;
    const QString sample = QStringLiteral("123456789012").left(digits);
    if (item.sourceType != NCReportItem::Template)
        return sample;
    static const QRegularExpression reference(QStringLiteral("\\$[DPV]\\{[^}]*\\}"));
    QString data = item.text;
    data.replace(reference, sample);
    return data;
}

QRectF NCRDCanvasItem::boundingRect() const
{
    const qreal margin = qMax(grabMargin, m_item.lineWidth / 2);
    return QRectF(QPointF(0, 0), m_item.geometry.normalized().size()).adjusted(-margin, -margin, margin, margin);
}

void NCRDCanvasItem::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*)
{
    const QRectF local = m_item.geometry.translated(-pos());
    painter->save();
    m_painter->setPainter(painter);
    // The engine paints in device pixels of the painter's device, as on a page.
    const qreal pixels = m_painter->pixelsPerMillimetre();
    painter->scale(1 / pixels, 1 / pixels);
    const QRectF device(local.topLeft() * pixels, local.size() * pixels);
    NCReportItem shown = m_item;
    QString text;
    switch (m_item.type) {
    case NCReportItem::Field:
        shown.color = fieldColor;
        text = displayText(m_item);
        break;
    case NCReportItem::Label:
    case NCReportItem::Image:
        text = m_item.sourceType == NCReportItem::Static ? m_item.text : displayText(m_item);
        break;
    case NCReportItem::Barcode:
        text = sampleBarcodeData(m_item);
        break;
    case NCReportItem::Line:
    case NCReportItem::Rectangle:
        break;
    }
    m_painter->paintItem(shown, device, text);
    painter->restore();

    const bool outside = isOutside();
    if (isLine() && !outside)
        return;
    painter->save();
    painter->setBrush(Qt::NoBrush);
    painter->setPen(QPen(outside ? outsideColor : outlineColor, 0, outside ? Qt::DashLine : Qt::DotLine));
    painter->drawRect(local.normalized());
    painter->restore();
}
