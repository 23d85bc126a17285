// Printing a report of 10,000 item-model rows, five fields a row, to PDF through the library's
// provider and evaluator, against painting the same texts at the same places with
// QPainter::drawText on a QPdfWriter (page breaks included). Both write into memory.
#include "benchmark.h"

#include <Mirokit/ZCNCReportCustomDSProvider.h>
#include <Mirokit/ZCNCReportEvaluator.h>

#include <ncreport.h>
#include <ncreportdef.h>
#include <ncreportpagedoutput.h>

#include <QApplication>
#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>
#include <QStandardItemModel>

namespace {

constexpr int rowCount = 10000;
constexpr int fieldCount = 5;
constexpr qreal rowHeight = 5;    // millimetres
constexpr qreal fieldWidth = 36;  // millimetres

void fillModel(QStandardItemModel& model)
{
    model.setColumnCount(fieldCount);
    model.setHorizontalHeaderLabels({QStringLiteral("Código"), QStringLiteral("Nombre"), QStringLiteral("Ciudad"),
                                     QStringLiteral("Fecha"), QStringLiteral("Importe")});
    for (int row = 0; row < rowCount; ++row) {
        const QList<QStandardItem*> items{new QStandardItem(QString::number(100000 + row)),
                                          new QStandardItem(QStringLiteral("Cliente %1").arg(row)),
                                          new QStandardItem(QStringLiteral("Ciudad %1").arg(row % 97)),
                                          new QStandardItem(QStringLiteral("2026-%1-15").arg(row % 12 + 1)),
                                          new QStandardItem(QString::number(row * 1.25, 'f', 2))};
        model.appendRow(items);
    }
}

QByteArray reportXml()
{
    QString fields;
    const QStringList columns{QStringLiteral("Código"), QStringLiteral("Nombre"), QStringLiteral("Ciudad"),
                              QStringLiteral("Fecha"), QStringLiteral("Importe")};
    for (int field = 0; field < fieldCount; ++field)
        fields += QStringLiteral("<field x=\"%1\" y=\"0\" width=\"%2\" height=\"%3\">$D{%4}</field>")
                      .arg(field * fieldWidth)
                      .arg(fieldWidth)
                      .arg(rowHeight)
                      .arg(columns.at(field));
    return QStringLiteral("<report name=\"Bench\"><datasources><datasource id=\"ds\" type=\"4\" itemModel=\"m\"/>"
                          "</datasources><detail id=\"d\" dataSource=\"ds\" height=\"%1\">%2</detail></report>")
        .arg(rowHeight)
        .arg(fields)
        .toUtf8();
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
    fillModel(model);

    ZCNCReportCustomDSProvider provider;
    NCReport report;
    report.setCustomDataSourceProvider(&provider);
    report.setEvaluator(std::make_unique<ZCNCReportEvaluator>());
    report.addItemModel(QStringLiteral("m"), &model);
    report.setReportSource(reportXml());
    if (!report.load())
        return 1;
    const QPageLayout layout = report.reportDef()->pageLayout();

    bench::compare(
        QStringLiteral("report of 10000 item-model rows to PDF"),
        [&] {
            QBuffer buffer;
            buffer.open(QIODevice::WriteOnly);
            QPdfWriter writer(&buffer);
            NCReportPagedOutput output(&writer);
            report.run(&output);
        },
        [&] { paintBaseline(model, layout); }, 1);
    return 0;
}
