// Random report files through the loader: it accepts a definition whole or says where it stops
// (a line inside the file), never keeps half of one; accepted definitions are run to small
// images, with every data source the loader created, and previewed within a budget. The
// designer's reading and writing of the same file give back what they read, in any encoding, and
// the loader reading the designer's parsed document stops where it stops on the text.
#include <Mirokit/ZCNCReportCustomDSProvider.h>
#include <Mirokit/ZCNCReportEvaluator.h>

#include <ncrdreportxml.h>
#include <ncreport.h>
#include <ncreportdef.h>
#include <ncreportpreview.h>
#include <ncreportsqldatasource.h>

#include <QGuiApplication>
#include <QStandardItemModel>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static QGuiApplication* application = [] {
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
        static int argc = 1;
        static char name[] = "fuzz_reportxml";
        static char* argv[] = {name, nullptr};
        return new QGuiApplication(argc, argv);
    }();
    Q_UNUSED(application);
    static QStandardItemModel model(3, 3);

    const QByteArray xml(reinterpret_cast<const char*>(data), int(size));
    // The designer's copy, in whatever encoding the input declares: what it writes reads back
    // to the same document.
    QDomDocument document;
    NCReportError designerError;
    if (NCRDReportXml::read(xml, document, designerError)) {
        const QByteArray written = NCRDReportXml::write(document);
        QDomDocument reread;
        if (!NCRDReportXml::read(written, reread, designerError) || NCRDReportXml::write(reread) != written)
            std::abort();
    }
    ZCNCReportCustomDSProvider provider;
    NCReport report;
    report.setCustomDataSourceProvider(&provider);
    report.setEvaluator(std::make_unique<ZCNCReportEvaluator>());
    report.addItemModel(QStringLiteral("m"), &model);
    report.setReportSource(xml);
    NCReportDef* before = report.reportDef();
    const bool loaded = report.load();
    if (!document.isNull()) {
        NCReport fromDocument;
        fromDocument.setCustomDataSourceProvider(&provider);
        fromDocument.addItemModel(QStringLiteral("m"), &model);
        fromDocument.setReportDocument(document);
        // Only the text's reader processes namespaces: a prefix may fail the text alone.
        const bool namespaceFault = !loaded && xml.contains(':');
        if (!namespaceFault && (fromDocument.load() != loaded || fromDocument.error().message != report.error().message))
            std::abort();
    }
    if (!loaded) {
        // XML ends a line at "\n", "\r\n" and a lone "\r".
        const qint64 lines = xml.count('\n') + xml.count('\r') - xml.count("\r\n") + 1;
        if (report.reportDef() != before || report.error().message.isEmpty() || report.error().line < 0
            || report.error().line > lines)
            std::abort();
        return 0;
    }
    // Text and SQL sources would read the machine's files: only what the input holds is run.
    for (NCReportDataSource* source : report.reportDef()->dataSources()) {
        if (const auto* sql = qobject_cast<NCReportSqlDataSource*>(source)) {
            QString prepared;
            QStringList names;
            if (NCReportSqlDataSource::prepareQuery(sql->source(), prepared, names)
                && prepared.count(QLatin1Char('?')) < names.size())
                std::abort();
        }
        if (source->dataSourceType() == NCReportDataSource::Text || source->dataSourceType() == NCReportDataSource::Sql)
            return 0;
        if (source->dataSourceType() == NCReportDataSource::XML && !xml.contains("CDATA[<"))
            return 0;
    }
    QVector<QImage> pages;
    report.runReportToImages(pages, 4);
    // A preview keeps within its budget (here a few pages) whatever the page count.
    constexpr qint64 budget = 64 * 1024;
    NCReportPreview preview(&report, 4, budget);
    const int count = preview.pageCount();
    if (count > 0 && (preview.page(count - 1).isNull() || preview.cachedBytes() > budget))
        std::abort();
    return 0;
}
