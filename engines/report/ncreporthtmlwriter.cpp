#include "ncreporthtmlwriter.h"

#include "ncreportbarcodepainter.h"
#include "ncreportexport_p.h"
#include "ncreportrecordedpages.h"

#include <QBuffer>
#include <QHash>
#include <QPainter>

#include <algorithm>

namespace {

// Barcodes are drawn into images at this resolution.
constexpr int barcodeDotsPerInch = 300;

QString mm(qreal value)
{
    return QString::number(value, 'f', 2) + QLatin1String("mm");
}

// Text for an XML document: escaped, without the control characters XML does not allow.
QString xmlText(const QString& text)
{
    QString clean;
    clean.reserve(text.size());
    for (QChar c : text) {
        if (c.unicode() >= 0x20 || c == QLatin1Char('\t') || c == QLatin1Char('\n'))
            clean += c;
    }
    return clean.toHtmlEscaped();
}

QString cssColor(const QColor& color)
{
    return color.alpha() == 255 ? color.name()
                                : QStringLiteral("rgba(%1,%2,%3,%4)")
                                      .arg(color.red())
                                      .arg(color.green())
                                      .arg(color.blue())
                                      .arg(color.alphaF(), 0, 'f', 3);
}

QByteArray pngDataUri(const QImage& image)
{
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return "data:image/png;base64," + png.toBase64();
}

QImage barcodeImage(const NCReportItem& item, const QString& data)
{
    const QSize size = (item.geometry.size() * barcodeDotsPerInch / 25.4).toSize();
    if (size.isEmpty() || size.width() > 8000 || size.height() > 8000)
        return QImage();
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    NCReportBarcodePainter::paint(&painter, QRectF(QPointF(), size), item.barcodeType, data, item.color);
    return image;
}

class Document
{
public:
    explicit Document(const NCReportRecordedPages& pages)
        : m_pages(pages)
    {
    }

    QByteArray html()
    {
        QString body;
        for (int page = 0; page < m_pages.pageCount(); ++page) {
            body += QLatin1String("<div class=\"page\">\n");
            for (const NCReportBand& band : m_pages.bands(page))
                body += bandHtml(band);
            body += QLatin1String("</div>\n");
        }
        const QSizeF paper = m_pages.pageLayout().fullRect(QPageLayout::Millimeter).size();
        QString html = QStringLiteral(
                           "<!DOCTYPE html>\n<html xmlns=\"http://www.w3.org/1999/xhtml\" lang=\"%1\">\n<head>\n"
                           "<meta charset=\"utf-8\"/>\n<title>%2</title>\n<style>\n"
                           "@page { size: %3 %4; margin: 0; }\n"
                           "body { margin: 0; background: #8a8a8a; }\n"
                           ".page { position: relative; overflow: hidden; width: %3; height: %4; margin: 0 auto 6mm;"
                           " background: #fff; break-after: page; page-break-after: always; }\n"
                           ".page > * { position: absolute; box-sizing: border-box; margin: 0; }\n"
                           ".t { display: flex; overflow: hidden; white-space: pre; line-height: 1.15; }\n"
                           ".i { background-position: center; background-repeat: no-repeat; background-size: contain; }\n"
                           "@media print { body { background: none; } .page { margin: 0; } }\n")
                           .arg(m_pages.locale().name().section(QLatin1Char('_'), 0, 0), xmlText(m_pages.reportName()),
                                mm(paper.width()), mm(paper.height()));
        return html.toUtf8() + m_imageStyles + "</style>\n</head>\n<body>\n" + body.toUtf8() + "</body>\n</html>\n";
    }

private:
    QString box(const QRectF& rect) const
    {
        return QStringLiteral("left:%1;top:%2;width:%3;height:%4;")
            .arg(mm(rect.x()), mm(rect.y()), mm(rect.width()), mm(rect.height()));
    }

    QString bandHtml(const NCReportBand& band)
    {
        // Reading order: top to bottom, then left to right.
        QVector<const NCReportBandItem*> items;
        for (const NCReportBandItem& printed : band.items) {
            if (m_pages.item(band, printed))
                items.append(&printed);
        }
        std::stable_sort(items.begin(), items.end(), [&](const NCReportBandItem* a, const NCReportBandItem* b) {
            const QRectF left = m_pages.itemRect(band, *a);
            const QRectF right = m_pages.itemRect(band, *b);
            return qFuzzyCompare(left.y() + 1, right.y() + 1) ? left.x() < right.x() : left.y() < right.y();
        });
        QString html;
        for (const NCReportBandItem* printed : items)
            html += itemHtml(band, *printed);
        return html;
    }

    QString itemHtml(const NCReportBand& band, const NCReportBandItem& printed)
    {
        const NCReportItem& item = *m_pages.item(band, printed);
        const QRectF rect = m_pages.itemRect(band, printed);
        switch (item.type) {
        case NCReportItem::Label:
        case NCReportItem::Field:
            return textHtml(item, rect, printed.text);
        case NCReportItem::Line:
            return lineHtml(item, rect);
        case NCReportItem::Rectangle:
            return QStringLiteral("<div style=\"%1border:%2 solid %3;%4\"></div>\n")
                .arg(box(rect), mm(qMax<qreal>(item.lineWidth, 0.1)), cssColor(item.color),
                     item.fillColor.isValid() ? QStringLiteral("background:%1;").arg(cssColor(item.fillColor)) : QString());
        case NCReportItem::Image:
            if (printed.image < 0 || printed.image >= band.images.size())
                return QString();
            return imageHtml(band.images.at(printed.image), rect);
        case NCReportItem::Barcode:
            return imageHtml(barcodeImage(item, printed.text), rect, printed.text);
        }
        return QString();
    }

    QString textHtml(const NCReportItem& item, const QRectF& rect, const QString& text) const
    {
        const Qt::Alignment horizontal = item.alignment & Qt::AlignHorizontal_Mask;
        const Qt::Alignment vertical = item.alignment & Qt::AlignVertical_Mask;
        QString justify = QStringLiteral("flex-start;text-align:left");
        if (horizontal & Qt::AlignRight)
            justify = QStringLiteral("flex-end;text-align:right");
        else if (horizontal & Qt::AlignHCenter)
            justify = QStringLiteral("center;text-align:center");
        QString align = QStringLiteral("center");
        if (vertical & Qt::AlignBottom)
            align = QStringLiteral("flex-end");
        else if (vertical & Qt::AlignTop)
            align = QStringLiteral("flex-start");
        QString font = QStringLiteral("font-size:%1pt;").arg(item.fontPointSize);
        if (!item.fontFamily.isEmpty())
            font += QStringLiteral("font-family:'%1';").arg(xmlText(item.fontFamily).remove(QLatin1Char('\'')));
        if (item.bold)
            font += QLatin1String("font-weight:bold;");
        if (item.italic)
            font += QLatin1String("font-style:italic;");
        return QStringLiteral("<div class=\"t\" style=\"%1%2color:%3;align-items:%4;justify-content:%5\">%6</div>\n")
            .arg(box(rect), font, cssColor(item.color), align, justify, xmlText(text));
    }

    QString lineHtml(const NCReportItem& item, const QRectF& rect) const
    {
        const QString width = mm(qMax<qreal>(item.lineWidth, 0.1));
        const QRectF bounds = rect.normalized();
        if (qFuzzyIsNull(rect.height()))
            return QStringLiteral("<div style=\"%1border-top:%2 solid %3\"></div>\n")
                .arg(box(QRectF(bounds.x(), bounds.y(), bounds.width(), 0)), width, cssColor(item.color));
        if (qFuzzyIsNull(rect.width()))
            return QStringLiteral("<div style=\"%1border-left:%2 solid %3\"></div>\n")
                .arg(box(QRectF(bounds.x(), bounds.y(), 0, bounds.height())), width, cssColor(item.color));
        // A slanted line: an SVG drawing over its bounding box, in millimetres.
        const QPointF from = rect.topLeft() - bounds.topLeft();
        const QPointF to = rect.bottomRight() - bounds.topLeft();
        return QStringLiteral("<svg xmlns=\"http://www.w3.org/2000/svg\" style=\"%1overflow:visible\" viewBox=\"0 0 %2 %3\" "
                              "preserveAspectRatio=\"none\"><line x1=\"%4\" y1=\"%5\" x2=\"%6\" y2=\"%7\" stroke=\"%8\" "
                              "stroke-width=\"%9\"/></svg>\n")
            .arg(box(bounds))
            .arg(bounds.width())
            .arg(bounds.height())
            .arg(from.x())
            .arg(from.y())
            .arg(to.x())
            .arg(to.y())
            .arg(cssColor(item.color))
            .arg(qMax<qreal>(item.lineWidth, 0.1));
    }

    // An image as a box with the image as its background, each image's data written once.
    QString imageHtml(const QImage& image, const QRectF& rect, const QString& title = QString())
    {
        if (image.isNull())
            return QString();
        auto found = m_imageClasses.constFind(image.cacheKey());
        if (found == m_imageClasses.constEnd()) {
            const QString name = QStringLiteral("i%1").arg(m_imageClasses.size());
            m_imageStyles += "." + name.toLatin1() + " { background-image: url(" + pngDataUri(image) + "); }\n";
            found = m_imageClasses.insert(image.cacheKey(), name);
        }
        return QStringLiteral("<div class=\"i %1\" style=\"%2\"%3></div>\n")
            .arg(found.value(), box(rect),
                 title.isEmpty() ? QString() : QStringLiteral(" title=\"%1\"").arg(xmlText(title)));
    }

    const NCReportRecordedPages& m_pages;
    QHash<qint64, QString> m_imageClasses;
    QByteArray m_imageStyles;
};

} // namespace

QByteArray NCReportHtmlWriter::toHtml(const NCReportRecordedPages& pages)
{
    return Document(pages).html();
}

bool NCReportHtmlWriter::write(const NCReportRecordedPages& pages, const QString& fileName, QString* error)
{
    return NCReportExport::writeFile(fileName, error, [&pages](QIODevice& file, QString&) {
        const QByteArray html = toHtml(pages);
        return file.write(html) == html.size();
    });
}
