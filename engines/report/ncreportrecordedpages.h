#pragma once

#include "ncreportband.h"
#include "ncreportsection.h"

#include <QHash>
#include <QLocale>
#include <QPageLayout>
#include <QVector>

class QPainter;
class QPagedPaintDevice;

/*!
    A report's pages as a run laid them out, recorded once and replayed as often as wanted: on
    screen at any zoom, on a printer, or into the outputs that want the values rather than the
    paint (spreadsheets, delimited text, HTML).

    A page is the list of bands printed on it, top to bottom; each band names the section it was
    printed from, and the sections (items, fonts, places) are copied into the recording once,
    the first time one prints. Images are shared QImages: one printed on every page is held
    once.

    The number of pages is not known until the last page is laid out, so a text that prints it
    ("Page 3 of 120") is recorded with pageCountMark() in its place and filled in by
    fillPageCount() when the run ends; until then it is painted with an ellipsis there.
*/
class NCREPORT_EXPORT NCReportRecordedPages
{
public:
    // Where a text was found: the page and the item's rectangle, in millimetres from the top
    // left corner of the paper.
    struct Match {
        int page = -1;
        QRectF rect;
    };

    NCReportRecordedPages();
    ~NCReportRecordedPages();

    QPageLayout pageLayout() const { return m_pageLayout; }
    void setPageLayout(const QPageLayout& layout) { m_pageLayout = layout; }
    QLocale locale() const { return m_locale; }
    void setLocale(const QLocale& locale) { m_locale = locale; }
    QString reportName() const { return m_reportName; }
    void setReportName(const QString& name) { m_reportName = name; }

    int pageCount() const { return m_pages.size(); }
    // The bands of page `page` (from 0), top to bottom; empty for no such page.
    const QVector<NCReportBand>& bands(int page) const;
    int sectionCount() const { return m_sections.size(); }
    // The section a band was printed from (its `section`); an empty one for a wrong index.
    const NCReportSection& section(int index) const;
    // The item a band item printed, or null.
    const NCReportItem* item(const NCReportBand& band, const NCReportBandItem& printed) const;
    // A printed item's rectangle in millimetres from the top left corner of the paper.
    QRectF itemRect(const NCReportBand& band, const NCReportBandItem& printed) const;

    // Recording: a new last page, then the bands printed on it.
    void addPage();
    void addBand(const NCReportSection& section, NCReportBand band);

    // What a run prints for the number of pages while it does not know it yet: a noncharacter,
    // which Unicode leaves to programs for their own use.
    static QChar pageCountMark() { return QChar(0xFDD0); }
    // Whether recorded texts still wait for the number of pages.
    bool isPageCountPending() const { return !m_pendingTexts.isEmpty(); }
    // Puts the number of pages recorded, in each item's format and the recording's locale, in
    // place of the marks; a field that prints only the number gets it as its value too.
    void fillPageCount();

    // Paints a page with the painter's origin at the top left corner of the printable area, at
    // the resolution of the painter's device.
    void paintPage(int page, QPainter* painter) const;
    // A page as a white image of the paper's full size at `dotsPerInch`; null for no such page
    // or for a page too large for an image at that resolution.
    QImage pageImage(int page, int dotsPerInch) const;
    // Paints pages `first` to `last` (from 0) onto a printer or PDF writer, `copies` times
    // (collated); false when the device refuses the layout or a page.
    bool print(QPagedPaintDevice* device, int first, int last, int copies = 1) const;

    // Every printed text that holds `text`, in reading order.
    QVector<Match> find(const QString& text, Qt::CaseSensitivity sensitivity = Qt::CaseInsensitive) const;

    // What the recording takes in memory, images counted once.
    qint64 memoryBytes() const;

private:
    // A band item whose text holds pageCountMark(), by its page, band and item.
    struct PendingText {
        int page;
        int band;
        int item;
    };

    QPageLayout m_pageLayout;
    QLocale m_locale;
    QString m_reportName;
    QVector<NCReportSection> m_sections;
    // The recorded sections by the address of the definition's section they copy; only valid
    // while the run that records lasts, which is when addBand() is called.
    QHash<const NCReportSection*, int> m_sectionIndex;
    QVector<QVector<NCReportBand>> m_pages;
    // In page order.
    QVector<PendingText> m_pendingTexts;
};
