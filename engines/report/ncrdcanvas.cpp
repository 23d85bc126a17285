#include "ncrdcanvas.h"

#include "ncrdbanditem.h"
#include "ncrdcanvasitem.h"
#include "ncrddatapanel.h"
#include "ncrddocument.h"
#include "ncrdreportxml.h"
#include "ncreportdef.h"
#include "ncreportsectionpainter.h"

#include <QApplication>
#include <QCoreApplication>
#include <QGraphicsSceneContextMenuEvent>
#include <QGraphicsSceneMouseEvent>
#include <QGraphicsView>
#include <QGraphicsSceneDragDropEvent>
#include <QGraphicsSceneHelpEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QPainter>
#include <QToolTip>

#include <algorithm>
#include <array>
#include <cmath>

namespace {

// How near, in pixels, the pointer finds a handle or a band's edge, and an edge snaps to another.
constexpr qreal grabPixels = 4;
constexpr qreal snapPixels = 5;
constexpr qreal handlePixels = 6;
// The grid is drawn only while its points are at least this far apart on the screen.
constexpr qreal gridPixels = 6;
// Lengths the report file cannot hold (beyond 10 m); positions are kept inside.
constexpr qreal largestLength = 9999;

const QColor deskColor(0xe4, 0xe7, 0xeb);
// The desk left of the paper where the bands' labels are, in millimetres: a label on the paper
// would cover what the band prints.
constexpr qreal labelStrip = 32;
const QColor marginColor(0xc9, 0xd3, 0xde);
const QColor gridColor(0xb8, 0xc2, 0xcc);
const QColor selectionColor(0x19, 0x76, 0xd2);
const QColor guideColor(0xe9, 0x1e, 0x63);

// A band to show: the section's element in the file, the section as the engine read it, its label.
struct BandEntry {
    QDomElement element;
    const NCReportSection* section;
    QString label;
};

// The sections of the report in the order they print, each with its element and its reading.
QVector<BandEntry> bandsInPrintOrder(const QDomElement& report, const NCReportDef& def)
{
    QVector<BandEntry> bands;
    const auto add = [&](const QDomElement& element, const NCReportSection& section, const QString& label) {
        if (!element.isNull())
            bands.append({element, &section, label});
    };
    add(report.firstChildElement(QStringLiteral("pageHeader")), def.pageHeader(), NCRDCanvas::tr("Page header"));
    add(report.firstChildElement(QStringLiteral("reportHeader")), def.reportHeader(), NCRDCanvas::tr("Report header"));
    int detailIndex = 0;
    for (QDomElement detail = report.firstChildElement(QStringLiteral("detail"));
         !detail.isNull() && detailIndex < def.details().size();
         detail = detail.nextSiblingElement(QStringLiteral("detail")), ++detailIndex) {
        const NCReportDetail& read = def.details().at(detailIndex);
        QVector<QDomElement> groups;
        for (QDomElement group = detail.firstChildElement(QStringLiteral("group"));
             !group.isNull() && groups.size() < read.groups.size(); group = group.nextSiblingElement(QStringLiteral("group")))
            groups.append(group);
        for (int i = 0; i < groups.size(); ++i)
            add(groups.at(i).firstChildElement(QStringLiteral("header")), read.groups.at(i).header,
                NCRDReportXml::withId(NCRDCanvas::tr("Group header"), groups.at(i)));
        add(detail, read.section, NCRDReportXml::withId(NCRDCanvas::tr("Detail"), detail));
        for (int i = int(groups.size()) - 1; i >= 0; --i)
            add(groups.at(i).firstChildElement(QStringLiteral("footer")), read.groups.at(i).footer,
                NCRDReportXml::withId(NCRDCanvas::tr("Group footer"), groups.at(i)));
    }
    add(report.firstChildElement(QStringLiteral("reportFooter")), def.reportFooter(), NCRDCanvas::tr("Report footer"));
    add(report.firstChildElement(QStringLiteral("pageFooter")), def.pageFooter(), NCRDCanvas::tr("Page footer"));
    return bands;
}

bool isItemTag(const QString& tag)
{
    static const QStringList items{QStringLiteral("label"), QStringLiteral("field"), QStringLiteral("image"),
                                   QStringLiteral("barcode"), QStringLiteral("line"), QStringLiteral("rectangle")};
    return items.contains(tag);
}

// Shows the items of the section of `entry` in `band`, appended to `items`: the band's
// `children` show, in turn, what stands at their place, new items the rest. Returns the
// children left over.
QList<QGraphicsItem*> showItems(NCRDBandItem* band, const QList<QGraphicsItem*>& children, const BandEntry& entry,
                                NCReportSectionPainter* painter, QList<NCRDCanvasItem*>& items)
{
    int index = 0;
    for (QDomElement element = entry.element.firstChildElement(); !element.isNull(); element = element.nextSiblingElement()) {
        if (!isItemTag(element.tagName()))
            continue;
        if (index >= entry.section->items.size())
            break;
        const NCReportItem& item = entry.section->items.at(index);
        if (index < children.size()) {
            auto* canvasItem = static_cast<NCRDCanvasItem*>(children.at(index));
            canvasItem->setItem(element, item);
            items.append(canvasItem);
        } else {
            items.append(new NCRDCanvasItem(element, item, band, painter));
        }
        ++index;
    }
    return children.mid(index);
}

QPointF clampedPoint(const QPointF& point)
{
    return QPointF(qBound(-largestLength, point.x(), largestLength), qBound(-largestLength, point.y(), largestLength));
}

// The eight handles of a rectangle: corners and edge middles, clockwise from the top left.
QVector<QPointF> handlePoints(const QRectF& rect)
{
    return {rect.topLeft(),     QPointF(rect.center().x(), rect.top()),    rect.topRight(),
            QPointF(rect.right(), rect.center().y()),                      rect.bottomRight(),
            QPointF(rect.center().x(), rect.bottom()), rect.bottomLeft(), QPointF(rect.left(), rect.center().y())};
}

Qt::CursorShape handleCursor(int handle)
{
    static const Qt::CursorShape shapes[] = {Qt::SizeFDiagCursor, Qt::SizeVerCursor, Qt::SizeBDiagCursor,
                                             Qt::SizeHorCursor,   Qt::SizeFDiagCursor, Qt::SizeVerCursor,
                                             Qt::SizeBDiagCursor, Qt::SizeHorCursor};
    return shapes[handle];
}

// The default size of an item drawn with a click rather than a drag.
QSizeF defaultSize(const QString& tag)
{
    if (tag == QLatin1String("line"))
        return QSizeF(40, 0);
    if (tag == QLatin1String("image"))
        return QSizeF(20, 20);
    if (tag == QLatin1String("barcode") || tag == QLatin1String("rectangle"))
        return QSizeF(40, 10);
    return QSizeF(40, 6);
}

} // namespace

NCRDCanvas::NCRDCanvas(NCRDDocument* document)
    : QGraphicsScene(document)
    , m_document(document)
    , m_painter(std::make_unique<NCReportSectionPainter>(nullptr))
{
    setItemIndexMethod(QGraphicsScene::BspTreeIndex);
    // The outlines and handles of the selection are drawn over the items.
    connect(this, &QGraphicsScene::selectionChanged, this, [this] { update(); });
}

NCRDCanvas::~NCRDCanvas()
{
    // The items paint through m_painter: they go first.
    clearPage();
}

void NCRDCanvas::forgetDrag()
{
    m_drag = Drag::None;
    m_primary = nullptr;
    m_dragBand = nullptr;
    m_lastBand = nullptr;
    m_startGeometries.clear();
    m_guides.clear();
}

void NCRDCanvas::clearPage()
{
    forgetDrag();
    m_items.clear();
    m_bands.clear();
    flushPolish();
    // At once: the scene empties its index first rather than taking the items out one by one.
    clear();
}

void NCRDCanvas::flushPolish()
{
    // The scene polishes new items from a queued call; until it has, taking out each item
    // searches the whole list of those waiting, and a page of many items empties slowly.
    QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
}

void NCRDCanvas::rebuild()
{
    const QList<QDomElement> selected = selectedElements();
    const QDomElement lastBand = m_lastBand ? m_lastBand->element() : QDomElement();
    const NCReportDef* def = m_document->reportDef();
    if (!def) {
        clearPage();
        m_pageRect = QRectF();
        setSceneRect(QRectF());
        return;
    }
    forgetDrag();
    const QPageLayout layout = def->pageLayout();
    const QRectF paper = layout.fullRect(QPageLayout::Millimeter);
    const QMarginsF margins = layout.margins(QPageLayout::Millimeter);
    m_paperSize = paper.size();
    m_margins = margins;
    m_pageRect = QRectF(QPointF(0, 0), m_paperSize);
    m_printableRect = m_pageRect.marginsRemoved(margins);
    const qreal width = qMax<qreal>(0, m_printableRect.width());
    // The bands and items on the page show what now stands at their places: making and
    // deleting hundreds of graphics items costs far more than telling them what they show.
    const QList<NCRDBandItem*> shown = m_bands;
    m_bands.clear();
    m_items.clear();
    QList<QGraphicsItem*> unused;
    const QVector<BandEntry> entries = bandsInPrintOrder(m_document->xml().documentElement(), *def);
    for (int b = 0; b < entries.size(); ++b) {
        const BandEntry& entry = entries.at(b);
        NCRDBandItem* band = b < shown.size() ? shown.at(b) : nullptr;
        QList<QGraphicsItem*> children;
        if (band) {
            children = band->childItems();
            band->setSection(entry.element, entry.label, width, entry.section->height);
        } else {
            band = new NCRDBandItem(entry.element, entry.label, width, entry.section->height);
        }
        m_bands.append(band);
        unused += showItems(band, children, entry, m_painter.get(), m_items);
        // A new band goes in with its items: the scene takes in the whole band at once.
        if (!band->scene())
            addItem(band);
        if (entry.element == lastBand)
            m_lastBand = band;
    }
    for (int b = int(entries.size()); b < shown.size(); ++b)
        unused.append(shown.at(b));
    if (!unused.isEmpty()) {
        flushPolish();
        qDeleteAll(unused);
    }
    layoutBands();
    selectElements(selected);
}

void NCRDCanvas::layoutBands()
{
    qreal top = m_printableRect.top();
    for (NCRDBandItem* band : qAsConst(m_bands)) {
        band->setPos(m_printableRect.left(), top);
        top += band->height();
    }
    // The page grows with its bands: the designer shows every section, whatever the paper.
    m_pageRect = QRectF(QPointF(0, 0), QSizeF(m_paperSize.width(), qMax(m_paperSize.height(), top + m_margins.bottom())));
    m_printableRect = m_pageRect.marginsRemoved(m_margins);
    constexpr qreal desk = 10;
    setSceneRect(m_pageRect.adjusted(-desk - labelStrip, -desk, desk, desk));
    invalidate(sceneRect(), BackgroundLayer);
}

void NCRDCanvas::refreshGeometry(const QList<QDomElement>& elements)
{
    bool heights = false;
    QRectF moved;
    for (const QDomElement& element : elements) {
        if (NCRDCanvasItem* item = itemFor(element)) {
            moved |= item->sceneGeometry();
            item->setGeometry(NCRDCanvasItem::geometryOf(element));
            moved |= item->sceneGeometry();
            continue;
        }
        if (NCRDBandItem* band = bandFor(element)) {
            band->setHeight(element.attribute(QStringLiteral("height")).toDouble());
            // Whether its items reach out of it changed with it.
            for (QGraphicsItem* child : band->childItems())
                child->update();
            heights = true;
        }
    }
    if (heights)
        layoutBands();
    updateOverlay(moved);
}

QRectF NCRDCanvas::selectionRect() const
{
    QRectF rect;
    for (const NCRDCanvasItem* item : selectedCanvasItems())
        rect |= item->sceneGeometry();
    return rect;
}

void NCRDCanvas::updateOverlay(const QRectF& rect)
{
    // The handles stick out of the items by half their size, and the outlines by a pixel.
    const qreal margin = (handlePixels + 2) / viewScale();
    if (!rect.isNull())
        update(rect.adjusted(-margin, -margin, margin, margin));
}

NCRDCanvasItem* NCRDCanvas::itemFor(const QDomElement& element) const
{
    const auto it = std::find_if(m_items.cbegin(), m_items.cend(),
                                 [&](const NCRDCanvasItem* item) { return item->element() == element; });
    return it == m_items.cend() ? nullptr : *it;
}

NCRDBandItem* NCRDCanvas::bandFor(const QDomElement& section) const
{
    const auto it = std::find_if(m_bands.cbegin(), m_bands.cend(),
                                 [&](const NCRDBandItem* band) { return band->element() == section; });
    return it == m_bands.cend() ? nullptr : *it;
}

NCRDBandItem* NCRDCanvas::bandAt(const QPointF& scenePoint) const
{
    if (scenePoint.x() < m_pageRect.left() || scenePoint.x() > m_pageRect.right())
        return nullptr;
    for (NCRDBandItem* band : m_bands) {
        const QRectF rect = band->sceneRect();
        if (scenePoint.y() >= rect.top() && scenePoint.y() < rect.bottom())
            return band;
    }
    return nullptr;
}

QList<NCRDCanvasItem*> NCRDCanvas::selectedCanvasItems() const
{
    QList<NCRDCanvasItem*> selected;
    for (NCRDCanvasItem* item : m_items) {
        if (item->isSelected())
            selected.append(item);
    }
    return selected;
}

QList<QDomElement> NCRDCanvas::selectedElements() const
{
    QList<QDomElement> elements;
    for (const NCRDCanvasItem* item : selectedCanvasItems())
        elements.append(item->element());
    return elements;
}

void NCRDCanvas::selectElements(const QList<QDomElement>& elements)
{
    const QSignalBlocker blocker(this);
    for (NCRDCanvasItem* item : qAsConst(m_items))
        item->setSelected(elements.contains(item->element()));
    blockSignals(false);
    Q_EMIT selectionChanged();
    update();
}

void NCRDCanvas::selectAllInBand()
{
    const QList<NCRDCanvasItem*> selected = selectedCanvasItems();
    NCRDBandItem* band = m_primary && m_primary->isSelected() ? m_primary->band()
                         : !selected.isEmpty()               ? selected.first()->band()
                                                             : m_lastBand;
    if (!band)
        return;
    QList<QDomElement> elements;
    for (const NCRDCanvasItem* item : qAsConst(m_items)) {
        if (item->band() == band)
            elements.append(item->element());
    }
    selectElements(elements);
}

void NCRDCanvas::setSnapToGrid(bool snap)
{
    if (m_snapToGrid == snap)
        return;
    m_snapToGrid = snap;
    invalidate(sceneRect(), BackgroundLayer);
}

void NCRDCanvas::setGridStep(qreal millimetres)
{
    millimetres = qBound<qreal>(0.1, millimetres, 50);
    if (qFuzzyCompare(m_gridStep, millimetres))
        return;
    m_gridStep = millimetres;
    invalidate(sceneRect(), BackgroundLayer);
}

void NCRDCanvas::setTool(const QString& tag)
{
    const QString tool = isItemTag(tag) ? tag : QString();
    if (m_tool == tool)
        return;
    m_tool = tool;
    setViewCursor(m_tool.isEmpty() ? Qt::ArrowCursor : Qt::CrossCursor);
    Q_EMIT toolChanged(m_tool);
}

qreal NCRDCanvas::viewScale() const
{
    const QList<QGraphicsView*> list = views();
    const qreal scale = list.isEmpty() ? 1 : list.first()->transform().m11();
    return scale > 0 ? scale : 1;
}

qreal NCRDCanvas::snap(qreal value) const
{
    return m_snapToGrid ? std::round(value / m_gridStep) * m_gridStep : value;
}

void NCRDCanvas::setViewCursor(Qt::CursorShape shape)
{
    for (QGraphicsView* view : views())
        view->viewport()->setCursor(shape);
}

NCRDCanvasItem* NCRDCanvas::canvasItemAt(const QPointF& scenePoint) const
{
    // Topmost first; a band's clipping hides the part of an item outside it from the pointer too.
    for (QGraphicsItem* item : items(scenePoint, Qt::IntersectsItemShape, Qt::DescendingOrder)) {
        if (item->type() != NCRDCanvasItem::Type)
            continue;
        const QGraphicsItem* band = item->parentItem();
        if (band && band->flags().testFlag(QGraphicsItem::ItemClipsChildrenToShape)
            && !band->shape().contains(band->mapFromScene(scenePoint)))
            continue;
        return static_cast<NCRDCanvasItem*>(item);
    }
    return nullptr;
}

int NCRDCanvas::handleAt(const QPointF& scenePoint) const
{
    const QList<NCRDCanvasItem*> selected = selectedCanvasItems();
    if (selected.size() != 1)
        return -1;
    const qreal reach = grabPixels / viewScale();
    const QVector<QPointF> handles = handlePoints(selected.first()->sceneGeometry());
    for (int i = 0; i < handles.size(); ++i) {
        const QPointF offset = handles.at(i) - scenePoint;
        if (qAbs(offset.x()) <= reach && qAbs(offset.y()) <= reach)
            return i;
    }
    return -1;
}

NCRDBandItem* NCRDCanvas::bandEdgeAt(const QPointF& scenePoint) const
{
    if (scenePoint.x() < m_printableRect.left() || scenePoint.x() > m_printableRect.right())
        return nullptr;
    const qreal reach = grabPixels / viewScale();
    // The last band whose edge is near: of two edges at the same place (a band of height 0),
    // the lower band's grows.
    NCRDBandItem* found = nullptr;
    for (NCRDBandItem* band : m_bands) {
        if (qAbs(band->sceneRect().bottom() - scenePoint.y()) <= reach)
            found = band;
    }
    return found;
}

void NCRDCanvas::updateHoverCursor(const QPointF& scenePoint)
{
    if (!m_tool.isEmpty()) {
        setViewCursor(Qt::CrossCursor);
        return;
    }
    const int handle = handleAt(scenePoint);
    if (handle >= 0)
        setViewCursor(handleCursor(handle));
    else if (bandEdgeAt(scenePoint))
        setViewCursor(Qt::SizeVerCursor);
    else
        setViewCursor(Qt::ArrowCursor);
}

void NCRDCanvas::setBandsClipping(bool clip)
{
    for (NCRDBandItem* band : qAsConst(m_bands))
        band->setFlag(QGraphicsItem::ItemClipsChildrenToShape, clip);
}

void NCRDCanvas::mousePressEvent(QGraphicsSceneMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QGraphicsScene::mousePressEvent(event);
        return;
    }
    const QPointF point = event->scenePos();
    m_pressPos = point;
    m_pressScreenPos = event->screenPos();
    m_dragStarted = false;
    m_guides.clear();
    m_startGeometries.clear();
    if (!m_tool.isEmpty()) {
        if (NCRDBandItem* band = bandAt(point)) {
            m_drag = Drag::Draw;
            m_dragBand = band;
            m_lastBand = band;
            m_drawRect = QRectF();
            event->accept();
        }
        return;
    }
    m_handle = handleAt(point);
    if (m_handle >= 0) {
        m_drag = Drag::Resize;
        m_primary = selectedCanvasItems().first();
        m_startGeometries.insert(m_primary, m_primary->geometry());
        event->accept();
        return;
    }
    if (NCRDBandItem* band = bandEdgeAt(point)) {
        m_drag = Drag::BandHeight;
        m_dragBand = band;
        m_startHeight = band->height();
        event->accept();
        return;
    }
    NCRDCanvasItem* item = canvasItemAt(point);
    if (!item) {
        m_lastBand = bandAt(point);
        // An empty place: the view draws a rubber band; a plain click clears the selection.
        QGraphicsScene::mousePressEvent(event);
        return;
    }
    m_lastBand = item->band();
    event->accept();
    if (event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier)) {
        item->setSelected(!item->isSelected());
        if (!item->isSelected())
            return;
    } else if (!item->isSelected()) {
        const QSignalBlocker blocker(this);
        clearSelection();
        blockSignals(false);
        item->setSelected(true);
    }
    m_drag = Drag::Move;
    m_primary = item;
    for (NCRDCanvasItem* selected : selectedCanvasItems())
        m_startGeometries.insert(selected, selected->geometry());
    update();
}

void NCRDCanvas::mouseMoveEvent(QGraphicsSceneMouseEvent* event)
{
    if (m_drag == Drag::None) {
        if (event->buttons() == Qt::NoButton)
            updateHoverCursor(event->scenePos());
        QGraphicsScene::mouseMoveEvent(event);
        return;
    }
    event->accept();
    if (!m_dragStarted) {
        if ((event->screenPos() - m_pressScreenPos).manhattanLength() < QApplication::startDragDistance())
            return;
        m_dragStarted = true;
        // Items dragged over other bands stay visible there.
        if (m_drag == Drag::Move)
            setBandsClipping(false);
    }
    const QPointF point = event->scenePos();
    switch (m_drag) {
    case Drag::Move:
        moveDragged(point, event->modifiers());
        break;
    case Drag::Resize:
        resizeDragged(point);
        break;
    case Drag::BandHeight:
        m_dragBand->setHeight(qMin(largestLength, snap(m_startHeight + point.y() - m_pressPos.y())));
        for (QGraphicsItem* child : m_dragBand->childItems())
            child->update();
        layoutBands();
        break;
    case Drag::Draw: {
        const QPointF origin = m_dragBand->pos();
        const QPointF from(snap(m_pressPos.x() - origin.x()), snap(m_pressPos.y() - origin.y()));
        const QPointF to(snap(point.x() - origin.x()), snap(point.y() - origin.y()));
        m_drawRect = m_tool == QLatin1String("line") ? QRectF(from, to) : QRectF(from, to).normalized();
        update();
        break;
    }
    case Drag::None:
        break;
    }
}

void NCRDCanvas::moveDragged(const QPointF& scenePoint, Qt::KeyboardModifiers)
{
    QPointF delta = scenePoint - m_pressPos;
    const QRectF start = m_startGeometries.value(m_primary).normalized();
    if (m_snapToGrid) {
        delta.setX(snap(start.left() + delta.x()) - start.left());
        delta.setY(snap(start.top() + delta.y()) - start.top());
    }
    const bool guided = !m_guides.isEmpty();
    delta = snapToItems(start.translated(m_primary->band()->pos()).translated(delta), delta);
    QRectF moved = selectionRect();
    for (auto it = m_startGeometries.cbegin(); it != m_startGeometries.cend(); ++it) {
        const QRectF geometry = it.value();
        it.key()->setGeometry(QRectF(clampedPoint(geometry.topLeft() + delta), geometry.size()));
    }
    if (guided || !m_guides.isEmpty())
        update();
    else
        updateOverlay(moved | selectionRect());
}

namespace {

// The nearest of another item's edges and centre to the moving selection's, along one axis.
struct AxisSnap {
    qreal distance;
    qreal shift = 0;
    qreal guide = 0;

    void consider(const std::array<qreal, 3>& moving, const std::array<qreal, 3>& targets)
    {
        for (const qreal target : targets) {
            for (const qreal edge : moving) {
                if (qAbs(target - edge) < distance) {
                    distance = qAbs(target - edge);
                    shift = target - edge;
                    guide = target;
                }
            }
        }
    }
};

std::array<qreal, 3> horizontalStops(const QRectF& rect)
{
    return {rect.left(), rect.center().x(), rect.right()};
}

std::array<qreal, 3> verticalStops(const QRectF& rect)
{
    return {rect.top(), rect.center().y(), rect.bottom()};
}

} // namespace

QPointF NCRDCanvas::snapToItems(const QRectF& moving, QPointF delta)
{
    m_guides.clear();
    const qreal reach = snapPixels / viewScale();
    AxisSnap x{reach};
    AxisSnap y{reach};
    for (const NCRDCanvasItem* other : qAsConst(m_items)) {
        if (other->isSelected())
            continue;
        const QRectF rect = other->sceneGeometry();
        x.consider(horizontalStops(moving), horizontalStops(rect));
        y.consider(verticalStops(moving), verticalStops(rect));
    }
    if (x.distance < reach) {
        delta.rx() += x.shift;
        m_guides.append(QLineF(x.guide, m_pageRect.top(), x.guide, m_pageRect.bottom()));
    }
    if (y.distance < reach) {
        delta.ry() += y.shift;
        m_guides.append(QLineF(m_pageRect.left(), y.guide, m_pageRect.right(), y.guide));
    }
    return delta;
}

void NCRDCanvas::resizeDragged(const QPointF& scenePoint)
{
    const QRectF geometry = m_startGeometries.value(m_primary);
    QRectF rect = geometry.normalized();
    const QPointF point = clampedPoint(scenePoint - m_primary->band()->pos());
    const qreal x = snap(point.x());
    const qreal y = snap(point.y());
    // Handles: 0 top left, 1 top, 2 top right, 3 right, 4 bottom right, 5 bottom, 6 bottom left, 7 left.
    if (m_handle == 0 || m_handle == 6 || m_handle == 7)
        rect.setLeft(qMin(x, rect.right()));
    if (m_handle == 2 || m_handle == 3 || m_handle == 4)
        rect.setRight(qMax(x, rect.left()));
    if (m_handle == 0 || m_handle == 1 || m_handle == 2)
        rect.setTop(qMin(y, rect.bottom()));
    if (m_handle == 4 || m_handle == 5 || m_handle == 6)
        rect.setBottom(qMax(y, rect.top()));
    const QRectF before = m_primary->sceneGeometry();
    m_primary->setGeometry(NCRDCanvasItem::withRect(geometry, rect));
    updateOverlay(before | m_primary->sceneGeometry());
}

void NCRDCanvas::mouseReleaseEvent(QGraphicsSceneMouseEvent* event)
{
    if (m_drag == Drag::None) {
        QGraphicsScene::mouseReleaseEvent(event);
        return;
    }
    event->accept();
    const Drag drag = m_drag;
    m_drag = Drag::None;
    m_guides.clear();
    if (drag == Drag::Move && m_dragStarted)
        setBandsClipping(true);
    if (!m_dragStarted && drag != Drag::Draw) {
        update();
        return;
    }
    switch (drag) {
    case Drag::Move:
        finishMove(event->scenePos());
        break;
    case Drag::Resize:
        finishResize();
        break;
    case Drag::BandHeight:
        m_document->setSectionHeight(m_dragBand->element(), m_dragBand->height());
        break;
    case Drag::Draw:
        finishDraw(event->scenePos());
        break;
    case Drag::None:
        break;
    }
    update();
}

void NCRDCanvas::finishMove(const QPointF& scenePoint)
{
    NCRDBandItem* target = bandAt(scenePoint);
    const QList<NCRDCanvasItem*> moved = m_startGeometries.keys();
    const bool changesBand = target && std::any_of(moved.cbegin(), moved.cend(),
                                                   [&](const NCRDCanvasItem* item) { return item->band() != target; });
    if (!changesBand) {
        commitGeometries(selectedCanvasItems(), tr("Move"));
        return;
    }
    // Into another band: the items keep where they are on the page, the grid of the new band.
    QVector<QPair<QDomElement, QRectF>> items;
    for (NCRDCanvasItem* item : selectedCanvasItems()) {
        const QPointF offset = item->band()->pos() - target->pos();
        QRectF geometry = item->geometry().translated(offset);
        geometry.moveTopLeft(QPointF(geometry.left(), snap(geometry.top())));
        items.append({item->element(), geometry});
    }
    m_document->moveItemsToSection(items, target->element());
}

void NCRDCanvas::finishResize()
{
    commitGeometries({m_primary}, tr("Resize"));
}

void NCRDCanvas::finishDraw(const QPointF&)
{
    QRectF rect = m_drawRect;
    const bool drawn = m_dragStarted && (qAbs(rect.width()) > 0 || qAbs(rect.height()) > 0);
    if (!drawn) {
        const QPointF origin = m_dragBand->pos();
        rect = QRectF(QPointF(snap(m_pressPos.x() - origin.x()), snap(m_pressPos.y() - origin.y())), defaultSize(m_tool));
    }
    const QString tool = m_tool;
    const QDomElement section = m_dragBand->element();
    m_drawRect = QRectF();
    setTool(QString());
    m_document->addItemAt(tool, section, rect);
}

void NCRDCanvas::commitGeometries(const QList<NCRDCanvasItem*>& items, const QString& text)
{
    QVector<QPair<QDomElement, QRectF>> geometries;
    for (const NCRDCanvasItem* item : items)
        geometries.append({item->element(), item->geometry()});
    m_document->setItemGeometries(geometries, text);
}

bool NCRDCanvas::moveSelection(const QPointF& delta)
{
    const QList<NCRDCanvasItem*> selected = selectedCanvasItems();
    if (selected.isEmpty())
        return false;
    QVector<QPair<QDomElement, QRectF>> geometries;
    for (const NCRDCanvasItem* item : selected) {
        const QRectF geometry = item->geometry();
        geometries.append({item->element(), QRectF(clampedPoint(geometry.topLeft() + delta), geometry.size())});
    }
    m_document->setItemGeometries(geometries, tr("Move"));
    return true;
}

bool NCRDCanvas::alignSelection(Alignment alignment)
{
    QList<NCRDCanvasItem*> selected = selectedCanvasItems();
    const bool distributes = alignment == DistributeHorizontally || alignment == DistributeVertically;
    if (selected.size() < (distributes ? 3 : 2))
        return false;
    const NCRDCanvasItem* anchor = m_primary && m_primary->isSelected() ? m_primary : selected.first();
    const QRectF reference = anchor->sceneGeometry();
    QHash<const NCRDCanvasItem*, QRectF> target;
    for (const NCRDCanvasItem* item : qAsConst(selected)) {
        QRectF rect = item->sceneGeometry();
        switch (alignment) {
        case AlignLeft: rect.moveLeft(reference.left()); break;
        case AlignRight: rect.moveRight(reference.right()); break;
        case AlignTop: rect.moveTop(reference.top()); break;
        case AlignBottom: rect.moveBottom(reference.bottom()); break;
        case AlignHCenter: rect.moveCenter(QPointF(reference.center().x(), rect.center().y())); break;
        case AlignVCenter: rect.moveCenter(QPointF(rect.center().x(), reference.center().y())); break;
        case SameWidth: rect.setWidth(reference.width()); break;
        case SameHeight: rect.setHeight(reference.height()); break;
        case DistributeHorizontally:
        case DistributeVertically: break;
        }
        target.insert(item, rect);
    }
    if (distributes) {
        const bool horizontal = alignment == DistributeHorizontally;
        // Where an item starts along the direction, and how long it is.
        const auto span = [&](const NCRDCanvasItem* item) {
            const QRectF rect = item->sceneGeometry();
            return horizontal ? std::pair(rect.left(), rect.width()) : std::pair(rect.top(), rect.height());
        };
        const auto start = [&](const NCRDCanvasItem* item) { return span(item).first; };
        const auto length = [&](const NCRDCanvasItem* item) { return span(item).second; };
        std::sort(selected.begin(), selected.end(),
                  [&](const NCRDCanvasItem* a, const NCRDCanvasItem* b) { return start(a) < start(b); });
        qreal end = start(selected.first());
        qreal occupied = 0;
        for (const NCRDCanvasItem* item : qAsConst(selected)) {
            end = qMax(end, start(item) + length(item));
            occupied += length(item);
        }
        const qreal gap = (end - start(selected.first()) - occupied) / (selected.size() - 1);
        qreal position = start(selected.first());
        for (const NCRDCanvasItem* item : qAsConst(selected)) {
            QRectF rect = item->sceneGeometry();
            if (horizontal)
                rect.moveLeft(position);
            else
                rect.moveTop(position);
            target.insert(item, rect);
            position += length(item) + gap;
        }
    }
    QVector<QPair<QDomElement, QRectF>> geometries;
    for (const NCRDCanvasItem* item : qAsConst(selected)) {
        const QRectF rect = target.value(item).translated(-item->band()->pos());
        geometries.append({item->element(), NCRDCanvasItem::withRect(item->geometry(), rect)});
    }
    m_document->setItemGeometries(geometries, tr("Align"));
    return true;
}

void NCRDCanvas::mouseDoubleClickEvent(QGraphicsSceneMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && m_tool.isEmpty()) {
        if (NCRDCanvasItem* item = canvasItemAt(event->scenePos())) {
            event->accept();
            m_document->editElementProperties(item->element());
            return;
        }
        if (NCRDBandItem* band = bandAt(event->scenePos())) {
            event->accept();
            m_document->editElementProperties(band->element());
            return;
        }
    }
    QGraphicsScene::mouseDoubleClickEvent(event);
}

void NCRDCanvas::helpEvent(QGraphicsSceneHelpEvent* event)
{
    // An item's tool tip is its text, made when it is asked for rather than carried by every item.
    if (const NCRDCanvasItem* item = canvasItemAt(event->scenePos())) {
        event->accept();
        QToolTip::showText(event->screenPos(), NCRDCanvasItem::displayText(item->item()), event->widget());
        return;
    }
    QGraphicsScene::helpEvent(event);
}

void NCRDCanvas::contextMenuEvent(QGraphicsSceneContextMenuEvent* event)
{
    event->accept();
    NCRDBandItem* band = nullptr;
    if (event->reason() == QGraphicsSceneContextMenuEvent::Mouse) {
        NCRDCanvasItem* item = canvasItemAt(event->scenePos());
        if (!item || !item->isSelected()) {
            clearSelection();
            if (item)
                item->setSelected(true);
        }
        band = item ? item->band() : bandAt(event->scenePos());
        if (band)
            m_lastBand = band;
    } else {
        // From the keyboard: about the selection, or the band last clicked.
        const QList<NCRDCanvasItem*> selected = selectedCanvasItems();
        band = selected.isEmpty() ? m_lastBand : selected.first()->band();
    }
    Q_EMIT contextMenuRequested(band ? band->element() : QDomElement(), event->screenPos());
}

void NCRDCanvas::keyPressEvent(QKeyEvent* event)
{
    const qreal step = event->modifiers() & Qt::ShiftModifier ? 0.1 : m_gridStep;
    QPointF delta;
    switch (event->key()) {
    case Qt::Key_Left: delta = QPointF(-step, 0); break;
    case Qt::Key_Right: delta = QPointF(step, 0); break;
    case Qt::Key_Up: delta = QPointF(0, -step); break;
    case Qt::Key_Down: delta = QPointF(0, step); break;
    case Qt::Key_Escape:
        if (!m_tool.isEmpty()) {
            setTool(QString());
            event->accept();
            return;
        }
        break;
    default: break;
    }
    // Keys the canvas does not take scroll the view.
    if (delta.isNull() || !moveSelection(delta)) {
        QGraphicsScene::keyPressEvent(event);
        return;
    }
    event->accept();
}

void NCRDCanvas::dragEnterEvent(QGraphicsSceneDragDropEvent* event)
{
    event->setAccepted(event->mimeData()->hasFormat(NCRDDataPanel::mimeType));
}

void NCRDCanvas::dragMoveEvent(QGraphicsSceneDragDropEvent* event)
{
    event->setAccepted(event->mimeData()->hasFormat(NCRDDataPanel::mimeType) && bandAt(event->scenePos()));
}

void NCRDCanvas::dropEvent(QGraphicsSceneDragDropEvent* event)
{
    NCRDBandItem* band = bandAt(event->scenePos());
    if (!band || !event->mimeData()->hasFormat(NCRDDataPanel::mimeType)) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    const QStringList references =
        QString::fromUtf8(event->mimeData()->data(NCRDDataPanel::mimeType)).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    const QPointF at = event->scenePos() - band->pos();
    m_document->addFieldsAt(references, band->element(), QPointF(snap(at.x()), snap(at.y())),
                            event->modifiers() & Qt::AltModifier);
}

void NCRDCanvas::drawBackground(QPainter* painter, const QRectF& rect)
{
    painter->fillRect(rect, deskColor);
    if (m_pageRect.isEmpty())
        return;
    painter->fillRect(m_pageRect.translated(0.8, 0.8), QColor(0, 0, 0, 40));
    painter->fillRect(m_pageRect, Qt::white);
    painter->setPen(QPen(marginColor, 0, Qt::DashLine));
    painter->drawRect(m_printableRect);
    if (!m_snapToGrid || m_gridStep * viewScale() < gridPixels)
        return;
    const QRectF area = rect.intersected(m_printableRect);
    QVector<QPointF> points;
    const qreal left = m_printableRect.left() + std::ceil((area.left() - m_printableRect.left()) / m_gridStep) * m_gridStep;
    const qreal top = m_printableRect.top() + std::ceil((area.top() - m_printableRect.top()) / m_gridStep) * m_gridStep;
    for (qreal y = top; y <= area.bottom(); y += m_gridStep) {
        for (qreal x = left; x <= area.right(); x += m_gridStep)
            points.append(QPointF(x, y));
    }
    painter->setPen(QPen(gridColor, 0));
    painter->drawPoints(points.constData(), int(points.size()));
}

void NCRDCanvas::drawForeground(QPainter* painter, const QRectF&)
{
    const qreal pixel = 1 / viewScale();
    for (const NCRDBandItem* band : qAsConst(m_bands)) {
        const QRectF row = band->sceneRect();
        band->paintLabel(painter, QRectF(m_pageRect.left() - labelStrip, row.top(), labelStrip - 1.5, row.height()));
    }
    painter->save();
    painter->setBrush(Qt::NoBrush);
    painter->setPen(QPen(guideColor, 0));
    for (const QLineF& guide : qAsConst(m_guides))
        painter->drawLine(guide);
    if (!m_drawRect.isNull() && m_dragBand) {
        painter->setPen(QPen(selectionColor, 0, Qt::DashLine));
        const QRectF drawn = m_drawRect.translated(m_dragBand->pos());
        if (m_tool == QLatin1String("line"))
            painter->drawLine(drawn.topLeft(), drawn.bottomRight());
        else
            painter->drawRect(drawn);
    }
    const QList<NCRDCanvasItem*> selected = selectedCanvasItems();
    painter->setPen(QPen(selectionColor, 0));
    for (const NCRDCanvasItem* item : selected)
        painter->drawRect(item->sceneGeometry());
    if (selected.size() == 1) {
        painter->setBrush(Qt::white);
        const qreal half = handlePixels / 2 * pixel;
        for (const QPointF& handle : handlePoints(selected.first()->sceneGeometry()))
            painter->drawRect(QRectF(handle.x() - half, handle.y() - half, 2 * half, 2 * half));
    }
    painter->restore();
}
