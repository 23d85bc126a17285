#pragma once

#include "ncreportband.h"
#include "ncreportimagecache.h"
#include "ncreportsection.h"

#include <QFont>
#include <QPen>
#include <QSet>

class NCReportEvaluator;
class QPainter;

/*!
    Paints the items of sections on a page: geometry in millimetres becomes device pixels,
    fields and barcodes are evaluated at the moment they are painted. Fonts, pens and images are
    set up once and kept while consecutive items share them.

    Painting is two steps that can be taken apart: record() evaluates a section into a band
    (what each item printed), paintBand() paints a band. Recorded pages are replayed with a
    painter made without an evaluator, which only paints bands.
*/
class NCREPORT_EXPORT NCReportSectionPainter
{
public:
    explicit NCReportSectionPainter(NCReportEvaluator* evaluator = nullptr);
    ~NCReportSectionPainter();

    // A page's painter; the scale follows the painter's device.
    void setPainter(QPainter* painter);
    // Paints `section` with its top `top` millimetres below the top of the printable area.
    void paint(const NCReportSection& section, qreal top);
    // What `section` prints now, with its top `top` millimetres below the top of the printable
    // area; without `withImages` its images are left to be read when the band is painted, right
    // after. Needs an evaluator.
    NCReportBand record(const NCReportSection& section, qreal top, bool withImages = true);
    // Paints a band recorded from `section`.
    void paintBand(const NCReportSection& section, const NCReportBand& band);
    // Paints one item into `rect` (device pixels) showing `text` (a field's or image's text as it
    // was evaluated, a barcode's data). The designer paints its items one by one through this.
    void paintItem(const NCReportItem& item, const QRectF& rect, const QString& text);
    // Device pixels per millimetre of the painter's device.
    qreal pixelsPerMillimetre() const { return m_pixelsPerMillimetre; }
    // Whether a print or page-break condition holds now. One that cannot be evaluated does not
    // hold, and is reported once with a warning.
    bool conditionHolds(const QString& condition);

private:
    QRectF toDevice(const QRectF& rect, qreal top) const;
    // What the item prints; `value`, when given, gets the value itself of a field that is one
    // reference.
    QString itemText(const NCReportItem& item, QVariant* value = nullptr) const;
    void usePen(const QColor& color, qreal widthMillimetres);
    void useFont(const NCReportItem& item);
    // Reads an image file and paints it; drawImage() paints one already read.
    void paintImage(const QString& fileName, const QRectF& rect);
    void drawImage(const QImage& image, const QRectF& rect);

    NCReportEvaluator* m_evaluator;
    QPainter* m_painter = nullptr;
    qreal m_pixelsPerMillimetre = 1;
    QFont m_font;
    bool m_fontSet = false;
    QString m_defaultFamily;
    QPen m_pen;
    NCReportImageCache m_images;
    QSet<QString> m_badConditions;
};
