#include "ncreportrecordedpages.h"

#include "ncreportimageoutput.h"
#include "ncreportsectionpainter.h"

#include <QPagedPaintDevice>
#include <QPainter>
#include <QSet>

#include <algorithm>

NCReportRecordedPages::NCReportRecordedPages() = default;
NCReportRecordedPages::~NCReportRecordedPages() = default;

const QVector<NCReportBand>& NCReportRecordedPages::bands(int page) const
{
    static const QVector<NCReportBand> none;
    return page >= 0 && page < m_pages.size() ? m_pages.at(page) : none;
}

const NCReportSection& NCReportRecordedPages::section(int index) const
{
    static const NCReportSection none;
    return index >= 0 && index < m_sections.size() ? m_sections.at(index) : none;
}

const NCReportItem* NCReportRecordedPages::item(const NCReportBand& band, const NCReportBandItem& printed) const
{
    const NCReportSection& printedFrom = section(band.section);
    return printed.item >= 0 && printed.item < printedFrom.items.size() ? &printedFrom.items.at(printed.item) : nullptr;
}

QRectF NCReportRecordedPages::itemRect(const NCReportBand& band, const NCReportBandItem& printed) const
{
    const NCReportItem* printedItem = item(band, printed);
    if (!printedItem)
        return QRectF();
    const QMarginsF margins = m_pageLayout.margins(QPageLayout::Millimeter);
    return printedItem->geometry.translated(margins.left(), margins.top() + band.top);
}

void NCReportRecordedPages::addPage()
{
    m_pages.append(QVector<NCReportBand>());
}

void NCReportRecordedPages::addBand(const NCReportSection& section, NCReportBand band)
{
    if (m_pages.isEmpty())
        addPage();
    auto found = m_sectionIndex.constFind(&section);
    if (found == m_sectionIndex.constEnd()) {
        found = m_sectionIndex.insert(&section, m_sections.size());
        m_sections.append(section);
    }
    band.section = found.value();
    QVector<NCReportBand>& page = m_pages.last();
    for (int index = 0; index < band.items.size(); ++index) {
        if (band.items.at(index).text.contains(pageCountMark()))
            m_pendingTexts.append({int(m_pages.size()) - 1, int(page.size()), index});
    }
    page.append(std::move(band));
}

void NCReportRecordedPages::fillPageCount()
{
    const QVariant count = pageCount();
    const QVariant mark = QString(pageCountMark());
    for (const PendingText& pending : qAsConst(m_pendingTexts)) {
        NCReportBand& band = m_pages[pending.page][pending.band];
        NCReportBandItem& printed = band.items[pending.item];
        const NCReportItem* printedItem = item(band, printed);
        printed.text.replace(pageCountMark(), printedItem ? printedItem->format.text(count, m_locale) : count.toString());
        if (printed.value == mark)
            printed.value = count;
    }
    m_pendingTexts.clear();
}

void NCReportRecordedPages::paintPage(int page, QPainter* painter) const
{
    NCReportSectionPainter replay;
    replay.setPainter(painter);
    const QVector<NCReportBand>& pageBands = bands(page);
    auto pending = std::lower_bound(m_pendingTexts.cbegin(), m_pendingTexts.cend(), page,
                                    [](const PendingText& text, int before) { return text.page < before; });
    for (int index = 0; index < pageBands.size(); ++index) {
        const NCReportBand& band = pageBands.at(index);
        if (pending == m_pendingTexts.cend() || pending->page != page || pending->band != index) {
            replay.paintBand(section(band.section), band);
            continue;
        }
        // A page shown while its run goes on: the number of pages is still to come.
        NCReportBand shown = band;
        for (; pending != m_pendingTexts.cend() && pending->page == page && pending->band == index; ++pending)
            shown.items[pending->item].text.replace(pageCountMark(), QChar(0x2026));
        replay.paintBand(section(shown.section), shown);
    }
}

QImage NCReportRecordedPages::pageImage(int page, int dotsPerInch) const
{
    if (page < 0 || page >= m_pages.size())
        return QImage();
    QImage image = NCReportImageOutput::blankPage(m_pageLayout, dotsPerInch);
    if (image.isNull())
        return image;
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.translate(m_pageLayout.paintRectPixels(dotsPerInch).topLeft());
    paintPage(page, &painter);
    return image;
}

bool NCReportRecordedPages::print(QPagedPaintDevice* device, int first, int last, int copies) const
{
    first = qMax(0, first);
    last = qMin(last, m_pages.size() - 1);
    if (first > last || !device->setPageLayout(m_pageLayout))
        return false;
    QPainter painter;
    if (!painter.begin(device))
        return false;
    bool firstPage = true;
    for (int copy = 0; copy < qMax(1, copies); ++copy) {
        for (int page = first; page <= last; ++page) {
            if (!firstPage && !device->newPage())
                return false;
            firstPage = false;
            paintPage(page, &painter);
        }
    }
    return painter.end();
}

QVector<NCReportRecordedPages::Match> NCReportRecordedPages::find(const QString& text,
                                                                  Qt::CaseSensitivity sensitivity) const
{
    QVector<Match> matches;
    if (text.isEmpty())
        return matches;
    for (int page = 0; page < m_pages.size(); ++page) {
        for (const NCReportBand& band : m_pages.at(page)) {
            for (const NCReportBandItem& printed : band.items) {
                if (printed.text.contains(text, sensitivity)) {
                    const NCReportItem* printedItem = item(band, printed);
                    if (printedItem && (printedItem->type == NCReportItem::Label || printedItem->type == NCReportItem::Field))
                        matches.append({page, itemRect(band, printed)});
                }
            }
        }
    }
    return matches;
}

qint64 NCReportRecordedPages::memoryBytes() const
{
    const auto stringBytes = [](const QString& text) { return qint64(text.capacity()) * qint64(sizeof(QChar)); };
    qint64 bytes = sizeof(*this) + m_sections.capacity() * qint64(sizeof(NCReportSection))
        + m_pages.capacity() * qint64(sizeof(QVector<NCReportBand>))
        + m_pendingTexts.capacity() * qint64(sizeof(PendingText));
    for (const NCReportSection& section : m_sections) {
        bytes += section.items.capacity() * qint64(sizeof(NCReportItem));
        for (const NCReportItem& item : section.items)
            bytes += stringBytes(item.text);
    }
    QSet<qint64> images;
    for (const QVector<NCReportBand>& page : m_pages) {
        bytes += page.capacity() * qint64(sizeof(NCReportBand));
        for (const NCReportBand& band : page) {
            bytes += band.items.capacity() * qint64(sizeof(NCReportBandItem))
                + band.images.capacity() * qint64(sizeof(QImage));
            for (const NCReportBandItem& printed : band.items) {
                bytes += stringBytes(printed.text);
                if (printed.value.userType() == QMetaType::QString)
                    bytes += stringBytes(printed.value.toString());
            }
            for (const QImage& image : band.images) {
                if (!images.contains(image.cacheKey())) {
                    images.insert(image.cacheKey());
                    bytes += image.sizeInBytes();
                }
            }
        }
    }
    return bytes;
}
