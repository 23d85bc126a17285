#include "ncreportpagedoutput.h"

#include <QPagedPaintDevice>

NCReportPagedOutput::NCReportPagedOutput(QPagedPaintDevice* device)
    : m_device(device)
{
}

NCReportPagedOutput::~NCReportPagedOutput()
{
    if (m_painter.isActive())
        m_painter.end();
}

bool NCReportPagedOutput::begin(const QPageLayout& layout)
{
    m_firstPage = true;
    if (!m_device->setPageLayout(layout)) {
        setErrorString(tr("The device does not accept the page layout"));
        return false;
    }
    if (!m_painter.begin(m_device)) {
        setErrorString(tr("Cannot paint on the device"));
        return false;
    }
    return true;
}

QPainter* NCReportPagedOutput::newPage()
{
    if (!m_painter.isActive())
        return nullptr;
    if (!m_firstPage && !m_device->newPage()) {
        setErrorString(tr("Cannot start a new page"));
        return nullptr;
    }
    m_firstPage = false;
    return &m_painter;
}

bool NCReportPagedOutput::end()
{
    return m_painter.isActive() && m_painter.end();
}
