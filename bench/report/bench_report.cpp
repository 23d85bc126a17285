// Printing a report of 10,000 item-model rows, five fields a row, to PDF through the library's
// provider and evaluator, against painting the same texts at the same places with
// QPainter::drawText on a QPdfWriter (page breaks included). Then the same report with its
// numeric fields as money in a Spanish locale and its rows sorted on two columns, against the
// plain report: what formats and sorting add. Everything writes into memory. Last, the plain
// report as a spreadsheet and as delimited text (each a run that records the pages, then the
// file), against its run to PDF; and the report with "Page n of m" in its footer to PDF (laid
// out once into recorded pages, then painted from them), against the plain report.
#include "benchmark.h"
#include "reportbench.h"

#include <Mirokit/ZCNCReportCustomDSProvider.h>

#include <ncreport.h>
#include <ncreportdef.h>
#include <ncreportpagedoutput.h>

#include <QApplication>
#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>
#include <QStandardItemModel>
#include <QTemporaryDir>

namespace {

constexpr int rowCount = 10000;
constexpr int fieldCount = 5;
constexpr qreal rowHeight = 5;    // millimetres
constexpr qreal fieldWidth = 36;  // millimetres

// The report of the model's five columns; `formatted` prints the numeric ones (code and amount)
// as money under es_ES and sorts the rows by city and, within a city, by amount downwards;
// `pageCount` adds a page footer with the page number and the number of pages.
QByteArray reportXml(bool formatted, bool pageCount = false)
{
    QString fields;
    const QStringList columns{QStringLiteral("Código"), QStringLiteral("Nombre"), QStringLiteral("Ciudad"),
                              QStringLiteral("Fecha"), QStringLiteral("Importe")};
    for (int field = 0; field < fieldCount; ++field) {
        const bool numeric = field == 0 || field == fieldCount - 1;
        fields += QStringLiteral("<field x=\"%1\" y=\"0\" width=\"%2\" height=\"%3\" %4>$D{%5}</field>")
                      .arg(field * fieldWidth)
                      .arg(fieldWidth)
                      .arg(rowHeight)
                      .arg(formatted && numeric ? QStringLiteral("format=\"currency\"") : QString())
                      .arg(columns.at(field));
    }
    const QString footer = QStringLiteral("<pageFooter height=\"6\"><field x=\"0\" y=\"0\" width=\"180\" height=\"5\" "
                                          "align=\"right\">Página $V{pageNumber} de $V{pageCount}</field></pageFooter>");
    return QStringLiteral("<report name=\"Bench\" locale=\"es_ES\"><datasources><datasource id=\"ds\" type=\"4\" "
                          "itemModel=\"m\"/></datasources>%4<detail id=\"d\" dataSource=\"ds\" height=\"%1\" %2>%3"
                          "</detail></report>")
        .arg(rowHeight)
        .arg(formatted ? QStringLiteral("sort=\"Ciudad, Importe desc\"") : QString())
        .arg(fields)
        .arg(pageCount ? footer : QString())
        .toUtf8();
}

bool loadReport(NCReport& report, ZCNCReportCustomDSProvider& provider, QStandardItemModel& model, bool formatted,
                bool pageCount = false)
{
    report.setCustomDataSourceProvider(&provider);
    report.addItemModel(QStringLiteral("m"), &model);
    report.setReportSource(reportXml(formatted, pageCount));
    return report.load();
}

// The baseline: the report's page layout, the same font, a row every 5 mm and a new page when
// the next row no longer fits.
void paintBaseline(const QStandardItemModel& model, const QPageLayout& layout)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setPageLayout(layout);
    QPainter painter(&writer);
    const qreal scale = writer.logicalDpiX() / 25.4;
    QFont font(QGuiApplication::font().family());
    font.setPointSizeF(10);
    painter.setFont(font);
    painter.setPen(QPen(Qt::black, 0));
    const qreal pageHeight = layout.paintRect(QPageLayout::Millimeter).height();
    qreal y = 0;
    for (int row = 0; row < model.rowCount(); ++row) {
        if (y + rowHeight > pageHeight) {
            writer.newPage();
            y = 0;
        }
        for (int field = 0; field < fieldCount; ++field) {
            const QRectF rect(field * fieldWidth * scale, y * scale, fieldWidth * scale, rowHeight * scale);
            painter.drawText(rect, Qt::AlignLeft | Qt::AlignVCenter, model.index(row, field).data().toString());
        }
        y += rowHeight;
    }
}

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QStandardItemModel model;
    bench::fillSales(model, rowCount);

    ZCNCReportCustomDSProvider provider;
    NCReport report;
    NCReport formattedReport;
    NCReport pageCountReport;
    if (!loadReport(report, provider, model, false) || !loadReport(formattedReport, provider, model, true)
        || !loadReport(pageCountReport, provider, model, false, true))
        return 1;
    const QPageLayout layout = report.reportDef()->pageLayout();

    bench::compare(
        QStringLiteral("report of 10000 item-model rows to PDF"), [&] { bench::runToPdf(report); },
        [&] { paintBaseline(model, layout); }, 1);
    // Budget: 1.5.
    bench::compare(
        QStringLiteral("the same report with money fields and a two-column sort, against it plain"),
        [&] { bench::runToPdf(formattedReport); }, [&] { bench::runToPdf(report); }, 1);
    QTemporaryDir dir;
    // Budget: 1.5 each.
    bench::compare(
        QStringLiteral("the report of 10000 rows to XLSX, against it to PDF"),
        [&] { report.runReportToXlsx(dir.filePath(QStringLiteral("bench.xlsx"))); }, [&] { bench::runToPdf(report); }, 1);
    bench::compare(
        QStringLiteral("the report of 10000 rows to CSV, against it to PDF"),
        [&] { report.runReportToCsv(dir.filePath(QStringLiteral("bench.csv"))); }, [&] { bench::runToPdf(report); }, 1);
    bench::compare(
        QStringLiteral("the report printing \"Page n of m\" to PDF, painted from its recording, against it plain"),
        [&] { bench::runToPdf(pageCountReport); }, [&] { bench::runToPdf(report); }, 1);
    return 0;
}
