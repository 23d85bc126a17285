#pragma once

#include "ncreportoutput.h"

#include <QCoreApplication>
#include <QImage>
#include <QPainter>
#include <QVector>

/*!
    Pages painted into images at a resolution, for a preview: white pages of the paper's full
    size, margins included.
*/
class NCREPORT_EXPORT NCReportImageOutput : public NCReportOutput
{
    Q_DECLARE_TR_FUNCTIONS(NCReportImageOutput)

public:
    explicit NCReportImageOutput(int dotsPerInch = 96);
    ~NCReportImageOutput() override;

    bool begin(const QPageLayout& layout) override;
    QPainter* newPage() override;
    bool end() override;

    QVector<QImage> pages() const { return m_pages; }

private:
    int m_dotsPerInch;
    QPageLayout m_layout;
    QVector<QImage> m_pages;
    QPainter m_painter;
};
