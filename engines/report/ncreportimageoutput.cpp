#include "ncreportimageoutput.h"

namespace {

// Far more than any preview shows; keeps a hostile layout or resolution from asking for
// gigabytes.
constexpr qint64 maximumPagePixels = qint64(1) << 26;
constexpr qint64 bytesPerPixel = 4;

bool fitsInImage(const QSize& size)
{
    return !size.isEmpty() && qint64(size.width()) * size.height() <= maximumPagePixels;
}

} // namespace

NCReportImageOutput::NCReportImageOutput(int dotsPerInch, qint64 budgetBytes)
    : m_dotsPerInch(qBound(1, dotsPerInch, 2400))
    , m_budgetBytes(budgetBytes)
{
}

NCReportImageOutput::~NCReportImageOutput()
{
    if (m_painter.isActive())
        m_painter.end();
}

void NCReportImageOutput::setPageRange(int first, int count)
{
    m_firstPage = qMax(0, first);
    m_pageLimit = count;
}

qint64 NCReportImageOutput::pageBytes(const QPageLayout& layout, int dotsPerInch)
{
    const QSize size = layout.fullRectPixels(dotsPerInch).size();
    return qint64(size.width()) * size.height() * bytesPerPixel;
}

bool NCReportImageOutput::isKept(int page) const
{
    return page >= m_firstPage && (m_pageLimit < 0 || page - m_firstPage < m_pageLimit);
}

bool NCReportImageOutput::begin(const QPageLayout& layout)
{
    m_layout = layout;
    m_pages.clear();
    m_pageCount = 0;
    return true;
}

QImage NCReportImageOutput::blankPage(const QPageLayout& layout, int dotsPerInch)
{
    const QSize size = layout.fullRectPixels(dotsPerInch).size();
    return fitsInImage(size) ? blankImage(size, dotsPerInch) : QImage();
}

QImage NCReportImageOutput::blankImage(const QSize& size, int dotsPerInch)
{
    QImage page(size, QImage::Format_RGB32);
    page.fill(Qt::white);
    const int dotsPerMeter = qRound(dotsPerInch / 0.0254);
    page.setDotsPerMeterX(dotsPerMeter);
    page.setDotsPerMeterY(dotsPerMeter);
    return page;
}

QPainter* NCReportImageOutput::newPage()
{
    if (m_painter.isActive())
        m_painter.end();
    const QSize size = m_layout.fullRectPixels(m_dotsPerInch).size();
    if (!fitsInImage(size)) {
        setErrorString(tr("The page is too large for an image at %1 dpi").arg(m_dotsPerInch));
        return nullptr;
    }
    QPaintDevice* device = nullptr;
    if (isKept(m_pageCount)) {
        if ((m_pages.size() + 1) * pageBytes(m_layout, m_dotsPerInch) > m_budgetBytes) {
            setErrorString(tr("The pages at %1 dpi need more memory than a preview keeps (%2 MiB): ask for fewer pages")
                               .arg(m_dotsPerInch)
                               .arg(m_budgetBytes >> 20));
            return nullptr;
        }
        m_pages.append(blankImage(size, m_dotsPerInch));
        device = &m_pages.last();
    } else {
        // Same resolution, so the page is laid out as the kept ones are.
        m_scratch = blankImage(QSize(1, 1), m_dotsPerInch);
        device = &m_scratch;
    }
    ++m_pageCount;
    if (!m_painter.begin(device))
        return nullptr;
    m_painter.setRenderHint(QPainter::Antialiasing);
    m_painter.setRenderHint(QPainter::TextAntialiasing);
    m_painter.translate(m_layout.paintRectPixels(m_dotsPerInch).topLeft());
    return &m_painter;
}

bool NCReportImageOutput::end()
{
    if (m_painter.isActive())
        m_painter.end();
    return true;
}
