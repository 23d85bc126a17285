// Random expressions through the library's evaluator and the engine's template and condition
// evaluation, over an item-model source and a string-list source: no crash, no read past the
// text, and the cursors of both sources stay where the report had them.
#include <Mirokit/ZCNCReportCustomDSProvider.h>
#include <Mirokit/ZCNCReportEvaluator.h>

#include <ncreport.h>
#include <ncreportdef.h>

#include <QCoreApplication>
#include <QStandardItemModel>

#include <cstdint>
#include <cstdlib>

namespace {

struct Fixture {
    QStandardItemModel model{4, 3};
    ZCNCReportCustomDSProvider provider;
    NCReport report;
    ZCNCReportEvaluator evaluator;
    NCReportDataSource* items = nullptr;
    NCReportDataSource* strings = nullptr;

    Fixture()
    {
        model.setHorizontalHeaderLabels({QStringLiteral("a"), QStringLiteral("col2"), QStringLiteral("c")});
        for (int row = 0; row < 4; ++row) {
            for (int column = 0; column < 3; ++column)
                model.setItem(row, column, new QStandardItem(QString::number(row * 10 + column)));
        }
        report.setCustomDataSourceProvider(&provider);
        report.addItemModel(QStringLiteral("m"), &model);
        report.setReportSource("<report><datasources><datasource id=\"m\" type=\"4\" itemModel=\"m\"/>"
                               "<datasource id=\"s\" type=\"3\" header=\"true\" delimiter=\";\"><string>x;y</string>"
                               "<string>1;2</string><string>3;4</string></datasource></datasources></report>");
        if (!report.load())
            std::abort();
        items = report.reportDef()->dataSource(QStringLiteral("m"));
        strings = report.reportDef()->dataSource(QStringLiteral("s"));
        items->open();
        strings->open();
        evaluator.setReportDef(report.reportDef());
        evaluator.setParameters({{QStringLiteral("p"), QStringLiteral("m.a")}, {QStringLiteral("q"), QStringLiteral("$D{")}});
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static Fixture fixture;
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), int(size));
    fixture.items->seek(int(size % 4));
    fixture.strings->seek(int(size % 2));
    const int itemRow = fixture.items->currentRow();
    const int stringRow = fixture.strings->currentRow();

    QVariant value;
    fixture.evaluator.getDataSourceValue(text, value);
    QString evaluated = text;
    fixture.evaluator.evaluate(evaluated, NCReportItem::Template);
    // A condition that cannot be evaluated never holds.
    bool ok = true;
    if (fixture.evaluator.evaluateCondition(text, &ok) && !ok)
        std::abort();
    QString id, column, function;
    int row = 0;
    if (fixture.evaluator.parseDataSourceExpression(text, id, column, function, row) && row < -1)
        std::abort();

    if (fixture.items->currentRow() != itemRow || fixture.strings->currentRow() != stringRow)
        std::abort();
    return 0;
}
