#include "ncreportimageoutput.h"

namespace {

// Far more than any preview shows; keeps a hostile layout or resolution from asking for
// gigabytes.
constexpr qint64 maximumPagePixels = qint64(1) << 26;

} // namespace

NCReportImageOutput::NCReportImageOutput(int dotsPerInch)
    : m_dotsPerInch(qBound(1, dotsPerInch, 2400))
{
}

NCReportImageOutput::~NCReportImageOutput()
{
    if (m_painter.isActive())
        m_painter.end();
}

bool NCReportImageOutput::begin(const QPageLayout& layout)
{
    m_layout = layout;
    m_pages.clear();
    return true;
}

QPainter* NCReportImageOutput::newPage()
{
    if (m_painter.isActive())
        m_painter.end();
    const QSize size = m_layout.fullRectPixels(m_dotsPerInch).size();
    if (size.isEmpty() || qint64(size.width()) * size.height() > maximumPagePixels) {
        setErrorString(tr("The page is too large for an image at %1 dpi").arg(m_dotsPerInch));
        return nullptr;
    }
    QImage page(size, QImage::Format_RGB32);
    page.fill(Qt::white);
    const int dotsPerMeter = qRound(m_dotsPerInch / 0.0254);
    page.setDotsPerMeterX(dotsPerMeter);
    page.setDotsPerMeterY(dotsPerMeter);
    m_pages.append(page);
    if (!m_painter.begin(&m_pages.last()))
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
