#include "ncrdcanvasview.h"

#include "ncrdcanvas.h"
#include "ncrdruler.h"
#include "ncreportwheelsteps_p.h"

#include <QKeyEvent>
#include <QScrollBar>
#include <QWheelEvent>

#include <algorithm>
#include <iterator>

namespace {

const int zoomSteps[] = {25, 33, 50, 67, 75, 100, 125, 150, 200, 300, 400};

} // namespace

NCRDCanvasView::NCRDCanvasView(NCRDCanvas* canvas, QWidget* parent)
    : QGraphicsView(canvas, parent)
    , m_topRuler(new NCRDRuler(Qt::Horizontal, this))
    , m_leftRuler(new NCRDRuler(Qt::Vertical, this))
    , m_wheel(std::make_unique<NCReportWheelSteps>())
{
    setObjectName(QStringLiteral("canvasView"));
    setAccessibleName(tr("Report page"));
    setDragMode(RubberBandDrag);
    setRubberBandSelectionMode(Qt::IntersectsItemShape);
    setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
    setTransformationAnchor(AnchorUnderMouse);
    setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    setFocusPolicy(Qt::StrongFocus);
    setViewportMargins(NCRDRuler::thickness, NCRDRuler::thickness, 0, 0);
    connect(canvas, &QGraphicsScene::selectionChanged, this, &NCRDCanvasView::updateRulers);
    connect(canvas, &QGraphicsScene::changed, this, &NCRDCanvasView::updateRulers);
    applyZoom();
}

NCRDCanvasView::~NCRDCanvasView() = default;

NCRDCanvas* NCRDCanvasView::canvas() const
{
    return static_cast<NCRDCanvas*>(scene());
}

qreal NCRDCanvasView::pixelsPerMillimetre() const
{
    return m_zoom / 100.0 * logicalDpiX() / 25.4;
}

void NCRDCanvasView::setZoom(int percent)
{
    percent = qBound(minimumZoom, percent, maximumZoom);
    if (percent == m_zoom)
        return;
    m_zoom = percent;
    applyZoom();
    Q_EMIT zoomChanged(m_zoom);
}

void NCRDCanvasView::applyZoom()
{
    const qreal scale = pixelsPerMillimetre();
    setTransform(QTransform::fromScale(scale, scale));
    updateRulers();
}

void NCRDCanvasView::zoomIn()
{
    const auto next = std::upper_bound(std::begin(zoomSteps), std::end(zoomSteps), m_zoom);
    setZoom(next == std::end(zoomSteps) ? maximumZoom : *next);
}

void NCRDCanvasView::zoomOut()
{
    const auto next = std::lower_bound(std::begin(zoomSteps), std::end(zoomSteps), m_zoom);
    setZoom(next == std::begin(zoomSteps) ? minimumZoom : *(next - 1));
}

int NCRDCanvasView::zoomFor(qreal length, int pixels) const
{
    if (length <= 0)
        return m_zoom;
    return int(pixels / (length * logicalDpiX() / 25.4) * 100);
}

void NCRDCanvasView::fitWidth()
{
    const QRectF page = canvas()->sceneRect();
    setZoom(zoomFor(page.width(), viewport()->width() - verticalScrollBar()->sizeHint().width()));
}

void NCRDCanvasView::fitPage()
{
    const QRectF page = canvas()->sceneRect();
    setZoom(qMin(zoomFor(page.width(), viewport()->width()), zoomFor(page.height(), viewport()->height())));
    centerOn(page.center());
}

void NCRDCanvasView::wheelEvent(QWheelEvent* event)
{
    if (!(event->modifiers() & Qt::ControlModifier)) {
        QGraphicsView::wheelEvent(event);
        return;
    }
    // One zoom step a notch (120 eighths of a degree).
    const int steps = m_wheel->steps(event->angleDelta().y(), 1, 120);
    for (int i = 0; i < qAbs(steps); ++i) {
        if (steps > 0)
            zoomIn();
        else
            zoomOut();
    }
    event->accept();
}

void NCRDCanvasView::keyPressEvent(QKeyEvent* event)
{
    if (event->modifiers() & Qt::ControlModifier) {
        switch (event->key()) {
        case Qt::Key_Plus:
        case Qt::Key_Equal:
            zoomIn();
            event->accept();
            return;
        case Qt::Key_Minus:
            zoomOut();
            event->accept();
            return;
        default:
            break;
        }
    }
    QGraphicsView::keyPressEvent(event);
}

void NCRDCanvasView::resizeEvent(QResizeEvent* event)
{
    QGraphicsView::resizeEvent(event);
    const QRect area = viewport()->geometry();
    m_topRuler->setGeometry(area.left(), area.top() - NCRDRuler::thickness, area.width(), NCRDRuler::thickness);
    m_leftRuler->setGeometry(area.left() - NCRDRuler::thickness, area.top(), NCRDRuler::thickness, area.height());
}

void NCRDCanvasView::scrollContentsBy(int dx, int dy)
{
    QGraphicsView::scrollContentsBy(dx, dy);
    updateRulers();
}

void NCRDCanvasView::updateRulers()
{
    m_topRuler->update();
    m_leftRuler->update();
}
