// A report of a thousand pages (55,000 item-model rows, five fields a row): paging through all
// of its pages in a preview at 96 dpi, against one run of it to PDF; and what its recorded
// pages take in memory. Everything writes into memory.
#include "benchmark.h"
#include "reportbench.h"

#include <Mirokit/ZCNCReportCustomDSProvider.h>

#include <ncreport.h>
#include <ncreportdef.h>
#include <ncreportpagedoutput.h>
#include <ncreportpreview.h>
#include <ncreportrecordedpages.h>

#include <QApplication>
#include <QBuffer>
#include <QPdfWriter>
#include <QStandardItemModel>

namespace {

constexpr int rowCount = 55000;  // 55 rows of 5 mm on an A4 page: 1,000 pages
constexpr int fieldCount = 5;

QByteArray reportXml()
{
    QString fields;
    const QStringList columns{QStringLiteral("Código"), QStringLiteral("Nombre"), QStringLiteral("Ciudad"),
                              QStringLiteral("Fecha"), QStringLiteral("Importe")};
    for (int field = 0; field < fieldCount; ++field)
        fields += QStringLiteral("<field x=\"%1\" y=\"0\" width=\"36\" height=\"5\">$D{%2}</field>")
                      .arg(field * 36)
                      .arg(columns.at(field));
    return QStringLiteral("<report name=\"Bench\" pageSize=\"A4\" topMargin=\"10\" bottomMargin=\"10\">"
                          "<datasources><datasource id=\"ds\" type=\"4\" itemModel=\"m\"/></datasources>"
                          "<detail id=\"d\" dataSource=\"ds\" height=\"5\">%1</detail></report>")
        .arg(fields)
        .toUtf8();
}

void pageThrough(NCReport& report, int& pages)
{
    NCReportPreview preview(&report, 96);
    pages = preview.pageCount();
    for (int page = 0; page < pages; ++page)
        preview.page(page);
}

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QStandardItemModel model;
    bench::fillSales(model, rowCount);
    ZCNCReportCustomDSProvider provider;
    NCReport report;
    report.setCustomDataSourceProvider(&provider);
    report.addItemModel(QStringLiteral("m"), &model);
    report.setReportSource(reportXml());
    if (!report.load())
        return 1;

    int pages = 0;
    // Budget: 1.3.
    bench::compare(
        QStringLiteral("paging through a 1000-page report in a preview, against one run of it to PDF"),
        [&] { pageThrough(report, pages); }, [&] { bench::runToPdf(report); }, 1);
    const auto recorded = report.recordPages();
    if (!recorded)
        return 1;
    // Budget: 64 MiB.
    QTextStream(stdout) << "recorded pages of the report (" << recorded->pageCount() << " pages): "
                        << QString::number(recorded->memoryBytes() / 1048576.0, 'f', 1) << " MiB" << Qt::endl;
    return pages == recorded->pageCount() ? 0 : 1;
}
