#include "ncreportpreviewview.h"

#include "ncreportwheelsteps_p.h"

#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>
#include <QtMath>
#include <QWheelEvent>

#include <cmath>

namespace {

// Around the pages and between them, in pixels.
constexpr int margin = 16;
constexpr int gap = 16;
constexpr int imageBudgetBytes = 96 << 20;
constexpr qreal zoomStep = 1.25;

} // namespace

NCReportPreviewView::NCReportPreviewView(QWidget* parent)
    : QAbstractScrollArea(parent)
    , m_images(imageBudgetBytes)
    , m_wheel(std::make_unique<NCReportWheelSteps>())
{
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setBackgroundRole(QPalette::Dark);
    viewport()->setAutoFillBackground(true);
    horizontalScrollBar()->setSingleStep(20);
    verticalScrollBar()->setSingleStep(20);
}

NCReportPreviewView::~NCReportPreviewView() = default;

void NCReportPreviewView::setRecordedPages(std::shared_ptr<const NCReportRecordedPages> pages)
{
    m_pages = std::move(pages);
    m_images.clear();
    m_matches.clear();
    m_currentMatch = -1;
    m_pageCount = m_pages ? m_pages->pageCount() : 0;
    m_currentPage = 0;
    updateZoomFromMode();
    updateScrollBars();
    verticalScrollBar()->setValue(0);
    viewport()->update();
    emit currentPageChanged(m_currentPage);
}

void NCReportPreviewView::pagesAdded()
{
    const int count = m_pages ? m_pages->pageCount() : 0;
    if (count == m_pageCount)
        return;
    // The last page shown so far may have grown since it was painted.
    m_images.remove(m_pageCount - 1);
    m_pageCount = count;
    updateScrollBars();
    viewport()->update();
}

void NCReportPreviewView::repaintPages()
{
    m_images.clear();
    viewport()->update();
}

qreal NCReportPreviewView::pixelsPerMillimetre() const
{
    return logicalDpiX() / 25.4 * m_zoom;
}

QSizeF NCReportPreviewView::pageSize() const
{
    if (!m_pages)
        return QSizeF();
    return m_pages->pageLayout().fullRect(QPageLayout::Millimeter).size() * pixelsPerMillimetre();
}

int NCReportPreviewView::pageTop(int page) const
{
    return m_continuous ? margin + page * (qCeil(pageSize().height()) + gap) : margin;
}

QRect NCReportPreviewView::pageRect(int page) const
{
    const QSize size = pageSize().toSize();
    const int contentsWidth = size.width() + 2 * margin;
    const int x = contentsWidth <= viewport()->width() ? (viewport()->width() - size.width()) / 2
                                                       : margin - horizontalScrollBar()->value();
    return QRect(QPoint(x, pageTop(page) - verticalScrollBar()->value()), size);
}

void NCReportPreviewView::updateZoomFromMode()
{
    if (m_zoomMode == FixedZoom || !m_pages)
        return;
    const QSizeF paper = m_pages->pageLayout().fullRect(QPageLayout::Millimeter).size() * (logicalDpiX() / 25.4);
    if (paper.isEmpty())
        return;
    // The width a vertical scroll bar leaves, so that fitting does not make the bar come and go.
    const qreal width = viewport()->width() - 2 * margin
        - (m_zoomMode == FitWidth && verticalScrollBar()->isHidden() ? style()->pixelMetric(QStyle::PM_ScrollBarExtent) : 0);
    qreal zoom = width / paper.width();
    if (m_zoomMode == FitPage)
        zoom = qMin(zoom, (viewport()->height() - 2 * margin) / paper.height());
    zoom = qBound(minimumZoom, zoom, maximumZoom);
    if (!qFuzzyCompare(zoom, m_zoom)) {
        m_zoom = zoom;
        emit zoomChanged(m_zoom);
    }
}

void NCReportPreviewView::updateScrollBars()
{
    const QSize size = pageSize().toSize();
    const int pages = m_continuous ? m_pageCount : qMin(1, m_pageCount);
    const int contentsWidth = size.width() + 2 * margin;
    const int contentsHeight = pages > 0 ? 2 * margin + pages * (size.height() + gap) - gap : 0;
    m_settingScroll = true;
    horizontalScrollBar()->setRange(0, qMax(0, contentsWidth - viewport()->width()));
    horizontalScrollBar()->setPageStep(viewport()->width());
    verticalScrollBar()->setRange(0, qMax(0, contentsHeight - viewport()->height()));
    verticalScrollBar()->setPageStep(viewport()->height());
    m_settingScroll = false;
}

void NCReportPreviewView::setCurrentPage(int page)
{
    if (m_pageCount == 0)
        return;
    page = qBound(0, page, m_pageCount - 1);
    const bool changed = page != m_currentPage;
    m_currentPage = page;
    scrollToPage(page);
    viewport()->update();
    if (changed)
        emit currentPageChanged(page);
}

void NCReportPreviewView::scrollToPage(int page)
{
    m_settingScroll = true;
    verticalScrollBar()->setValue(m_continuous ? pageTop(page) - margin : 0);
    m_settingScroll = false;
}

void NCReportPreviewView::setZoom(qreal zoom)
{
    zoom = qBound(minimumZoom, zoom, maximumZoom);
    const bool modeChanged = m_zoomMode != FixedZoom;
    if (!modeChanged && qFuzzyCompare(zoom, m_zoom))
        return;
    // The point at the top of the view stays there.
    const qreal anchor = m_continuous ? qreal(verticalScrollBar()->value()) / qMax(1, verticalScrollBar()->maximum() + verticalScrollBar()->pageStep()) : 0;
    m_zoomMode = FixedZoom;
    m_zoom = zoom;
    updateScrollBars();
    if (m_continuous)
        verticalScrollBar()->setValue(qRound(anchor * (verticalScrollBar()->maximum() + verticalScrollBar()->pageStep())));
    viewport()->update();
    emit zoomChanged(m_zoom);
}

void NCReportPreviewView::setZoomMode(ZoomMode mode)
{
    m_zoomMode = mode;
    updateZoomFromMode();
    updateScrollBars();
    scrollToPage(m_currentPage);
    viewport()->update();
}

void NCReportPreviewView::setContinuous(bool continuous)
{
    if (continuous == m_continuous)
        return;
    m_continuous = continuous;
    updateScrollBars();
    scrollToPage(m_currentPage);
    viewport()->update();
}

void NCReportPreviewView::zoomIn()
{
    setZoom(m_zoom * zoomStep);
}

void NCReportPreviewView::zoomOut()
{
    setZoom(m_zoom / zoomStep);
}

void NCReportPreviewView::setMatches(const QVector<NCReportRecordedPages::Match>& matches, int current)
{
    m_matches = matches;
    m_currentMatch = current >= 0 && current < matches.size() ? current : -1;
    if (m_currentMatch >= 0) {
        const NCReportRecordedPages::Match& match = matches.at(m_currentMatch);
        if (match.page != m_currentPage) {
            m_currentPage = match.page;
            scrollToPage(match.page);
            emit currentPageChanged(match.page);
        }
        const qreal scale = pixelsPerMillimetre();
        const QRect rect = QRectF(match.rect.topLeft() * scale, match.rect.size() * scale).toAlignedRect();
        ensureVisible(rect.translated(pageRect(match.page).topLeft()));
    }
    viewport()->update();
}

void NCReportPreviewView::ensureVisible(const QRect& rect)
{
    const QRect view = viewport()->rect().adjusted(margin, margin, -margin, -margin);
    m_settingScroll = true;
    if (rect.top() < view.top() || rect.bottom() > view.bottom())
        verticalScrollBar()->setValue(verticalScrollBar()->value() + rect.center().y() - view.center().y());
    if (rect.left() < view.left() || rect.right() > view.right())
        horizontalScrollBar()->setValue(horizontalScrollBar()->value() + rect.center().x() - view.center().x());
    m_settingScroll = false;
}

void NCReportPreviewView::updateCurrentFromScroll()
{
    if (!m_continuous || m_pageCount == 0)
        return;
    const int pitch = qCeil(pageSize().height()) + gap;
    const int middle = verticalScrollBar()->value() + viewport()->height() / 2 - margin;
    const int page = qBound(0, pitch > 0 ? middle / pitch : 0, m_pageCount - 1);
    if (page != m_currentPage) {
        m_currentPage = page;
        emit currentPageChanged(page);
    }
}

QImage NCReportPreviewView::pageImage(int page)
{
    const qreal ratio = devicePixelRatioF();
    const qreal scale = m_zoom * ratio;
    if (!qFuzzyCompare(scale, m_imagesScale)) {
        m_images.clear();
        m_imagesScale = scale;
    }
    if (const QImage* cached = m_images.object(page))
        return *cached;
    QImage image = m_pages->pageImage(page, qMax(1, qRound(logicalDpiX() * scale)));
    image.setDevicePixelRatio(ratio);
    if (!image.isNull() && image.sizeInBytes() <= m_images.maxCost())
        m_images.insert(page, new QImage(image), int(image.sizeInBytes()));
    return image;
}

void NCReportPreviewView::paintEvent(QPaintEvent*)
{
    QPainter painter(viewport());
    if (!m_pages || m_pageCount == 0)
        return;
    const int first = m_continuous ? 0 : m_currentPage;
    const int last = m_continuous ? m_pageCount - 1 : m_currentPage;
    const qreal scale = pixelsPerMillimetre();
    for (int page = first; page <= last; ++page) {
        const QRect rect = pageRect(page);
        if (rect.bottom() < 0)
            continue;
        if (rect.top() > viewport()->height())
            break;
        painter.fillRect(rect.translated(3, 3), QColor(0, 0, 0, 60));
        painter.drawImage(rect, pageImage(page));
        for (int index = 0; index < m_matches.size(); ++index) {
            const NCReportRecordedPages::Match& match = m_matches.at(index);
            if (match.page != page)
                continue;
            const QRectF found(rect.topLeft() + match.rect.topLeft() * scale, match.rect.size() * scale);
            painter.fillRect(found, index == m_currentMatch ? QColor(255, 140, 0, 110) : QColor(255, 230, 0, 90));
        }
    }
}

void NCReportPreviewView::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    updateZoomFromMode();
    updateScrollBars();
}

void NCReportPreviewView::wheelEvent(QWheelEvent* event)
{
    if (event->modifiers() & Qt::ControlModifier) {
        const int steps = m_wheel->steps(event->angleDelta().y(), 1, 120);
        if (steps != 0)
            setZoom(m_zoom * std::pow(zoomStep, steps));
        event->accept();
        return;
    }
    // One page at a time: rolling on past the end of a page turns it.
    QScrollBar* bar = verticalScrollBar();
    const int delta = event->angleDelta().y();
    if (!m_continuous && delta < 0 && bar->value() == bar->maximum() && m_currentPage + 1 < m_pageCount) {
        setCurrentPage(m_currentPage + 1);
        event->accept();
        return;
    }
    if (!m_continuous && delta > 0 && bar->value() == 0 && m_currentPage > 0) {
        setCurrentPage(m_currentPage - 1);
        bar->setValue(bar->maximum());
        event->accept();
        return;
    }
    QAbstractScrollArea::wheelEvent(event);
}

void NCReportPreviewView::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_PageDown:
        setCurrentPage(m_currentPage + 1);
        break;
    case Qt::Key_PageUp:
        setCurrentPage(m_currentPage - 1);
        break;
    case Qt::Key_Home:
        setCurrentPage(0);
        break;
    case Qt::Key_End:
        setCurrentPage(m_pageCount - 1);
        break;
    default:
        QAbstractScrollArea::keyPressEvent(event);
        return;
    }
    event->accept();
}

void NCReportPreviewView::scrollContentsBy(int, int)
{
    viewport()->update();
    if (!m_settingScroll)
        updateCurrentFromScroll();
}
