#pragma once

// What the report benchmarks share: the rows they print (five columns of sales, as an item
// model holds them: every cell text, numbers and dates in the C locale) and a run to PDF in
// memory.

#include <ncreport.h>
#include <ncreportpagedoutput.h>

#include <QBuffer>
#include <QPdfWriter>
#include <QStandardItemModel>

namespace bench {

inline void fillSales(QStandardItemModel& model, int rows)
{
    model.setColumnCount(5);
    model.setHorizontalHeaderLabels({QStringLiteral("Código"), QStringLiteral("Nombre"), QStringLiteral("Ciudad"),
                                     QStringLiteral("Fecha"), QStringLiteral("Importe")});
    for (int row = 0; row < rows; ++row) {
        const QList<QStandardItem*> items{new QStandardItem(QString::number(100000 + row)),
                                          new QStandardItem(QStringLiteral("Cliente %1").arg(row)),
                                          new QStandardItem(QStringLiteral("Ciudad %1").arg(row % 97)),
                                          new QStandardItem(QStringLiteral("2026-%1-15").arg(row % 12 + 1)),
                                          new QStandardItem(QString::number(row * 1.25, 'f', 2))};
        model.appendRow(items);
    }
}

inline void runToPdf(NCReport& report)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    NCReportPagedOutput output(&writer);
    report.run(&output);
}

} // namespace bench
