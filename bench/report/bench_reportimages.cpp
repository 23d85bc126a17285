// Printing a 20-page report whose page header shows two 3000 x 3000 photos, 90 mm square, to
// PDF, against decoding the two files once and painting them on 20 pages of a QPdfWriter with
// QPainter::drawImage. Together the photos do not fit the run's image budget: the report keeps
// them for the pages that paint them instead of decoding (and writing) them again on every page.
// Everything writes into memory; the sizes of both PDFs are printed beside the times.
#include "benchmark.h"

#include <ncreport.h>
#include <ncreportpagedoutput.h>

#include <QApplication>
#include <QBuffer>
#include <QImageReader>
#include <QPainter>
#include <QPdfWriter>
#include <QRandomGenerator>
#include <QTemporaryDir>

namespace {

constexpr int pageCount = 20;
constexpr int side = 3000;
constexpr qreal imageMillimetres = 90;

// A photo-like file: thousands of overlapping discs of random colours, which no output
// compresses to nothing.
QString writePhoto(const QTemporaryDir& dir, const QString& name, quint32 seed)
{
    QImage photo(side, side, QImage::Format_RGB32);
    photo.fill(Qt::white);
    QRandomGenerator random(seed);
    QPainter painter(&photo);
    painter.setPen(Qt::NoPen);
    for (int disc = 0; disc < 20000; ++disc) {
        painter.setBrush(QColor::fromRgb(random.generate() | 0xff000000));
        painter.drawEllipse(QPoint(random.bounded(side), random.bounded(side)), random.bounded(4, 60), random.bounded(4, 60));
    }
    painter.end();
    const QString fileName = dir.filePath(name);
    return photo.save(fileName, "PNG") ? fileName : QString();
}

QByteArray reportXml(const QString& first, const QString& second)
{
    QString strings;
    for (int page = 0; page < pageCount; ++page)
        strings += QStringLiteral("<string>%1</string>").arg(page + 1);
    return QStringLiteral("<report name=\"Fotos\"><datasources><datasource id=\"ds\" type=\"3\">%1</datasource>"
                          "</datasources><pageHeader height=\"92\">"
                          "<image x=\"0\" y=\"0\" width=\"%4\" height=\"%4\" file=\"%2\"/>"
                          "<image x=\"95\" y=\"0\" width=\"%4\" height=\"%4\" file=\"%3\"/></pageHeader>"
                          "<detail id=\"d\" dataSource=\"ds\" height=\"10\" pageBreak=\"1\">"
                          "<field x=\"0\" y=\"0\" width=\"50\" height=\"10\">$D{col0}</field></detail></report>")
        .arg(strings, first, second)
        .arg(imageMillimetres)
        .toUtf8();
}

qint64 runToPdf(NCReport& report)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    NCReportPagedOutput output(&writer);
    report.run(&output);
    return buffer.size();
}

// The baseline: both files decoded once, painted at the same places on every page.
qint64 paintBaseline(const QString& first, const QString& second)
{
    const QImage images[] = {QImageReader(first).read(), QImageReader(second).read()};
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    QPainter painter(&writer);
    const qreal scale = writer.logicalDpiX() / 25.4;
    for (int page = 0; page < pageCount; ++page) {
        if (page > 0)
            writer.newPage();
        painter.drawImage(QRectF(0, 0, imageMillimetres * scale, imageMillimetres * scale), images[0]);
        painter.drawImage(QRectF(95 * scale, 0, imageMillimetres * scale, imageMillimetres * scale), images[1]);
        painter.drawText(QRectF(0, 92 * scale, 50 * scale, 10 * scale), QString::number(page + 1));
    }
    painter.end();
    return buffer.size();
}

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QTemporaryDir dir;
    const QString first = writePhoto(dir, QStringLiteral("a.png"), 1);
    const QString second = writePhoto(dir, QStringLiteral("b.png"), 2);
    NCReport report;
    report.setReportSource(reportXml(first, second));
    if (first.isEmpty() || second.isEmpty() || !report.load())
        return 1;
    qint64 reportBytes = 0;
    qint64 baselineBytes = 0;
    // Budget: 1.5.
    bench::compare(
        QStringLiteral("report of 20 pages with two 3000 x 3000 header photos to PDF"),
        [&] { reportBytes = runToPdf(report); }, [&] { baselineBytes = paintBaseline(first, second); }, 1);
    QTextStream(stdout) << "  PDF bytes: report " << reportBytes << ", baseline " << baselineBytes << Qt::endl;
    return 0;
}
