#include "mirokittest.h"
#include "reporttest.h"

#include <ncreport.h>
#include <ncreportcustomdsprovider.h>
#include <ncreportdatasource.h>
#include <ncreportdef.h>
#include <ncreportsqldatasource.h>

#include <QElapsedTimer>
#include <QPointer>
#include <QTemporaryDir>

using namespace reporttest;

namespace {

// A host's provider that gets ids wrong: every source it makes is called "fijo", or it hands out
// the source it made before.
class CarelessProvider : public NCReportCustomDSProvider
{
public:
    explicit CarelessProvider(bool reuses)
        : m_reuses(reuses)
    {
    }
    NCReportDataSource* createCustomDataSource(const QString&, int type, QObject* parent) override
    {
        if (!m_reuses || !m_last)
            m_last = NCReportCustomDSProvider::createCustomDataSource(QStringLiteral("fijo"), type, parent);
        return m_last;
    }

private:
    bool m_reuses;
    QPointer<NCReportDataSource> m_last;
};

QString writeFile(const QTemporaryDir& dir, const QString& name, const QByteArray& content)
{
    QFile file(dir.filePath(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
        return QString();
    return file.fileName();
}

} // namespace

class TestNCReportBounds : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void aSourceTheDefinitionRefusesIsALoadError_data()
    {
        QTest::addColumn<bool>("reuses");
        QTest::newRow("a provider that names every source alike") << false;
        QTest::newRow("a provider that hands out the same source twice") << true;
    }

    void aSourceTheDefinitionRefusesIsALoadError()
    {
        QFETCH(bool, reuses);
        QTemporaryDir dir;
        const QString fileName = writeFile(dir, QStringLiteral("dos.xml"),
                                           "<report><datasources>\n<datasource id=\"a\" type=\"3\"/>\n"
                                           "<datasource id=\"b\" type=\"3\"><string>x</string></datasource>\n"
                                           "</datasources></report>");
        CarelessProvider provider(reuses);
        NCReport report;
        report.setCustomDataSourceProvider(&provider);
        report.setReportFile(fileName);
        QVERIFY(!report.load());
        QCOMPARE(report.error().file, fileName);
        QCOMPARE(report.error().line, 3);
        QCOMPARE(report.error().message, QStringLiteral("The data source fijo is defined twice"));
    }

    void anUnclosedParameterIsFoundInOnePass()
    {
        // Searching for a closing brace at every reference takes seconds for this query.
        const QString query = QStringLiteral("SELECT $P{ ").repeated(100000);
        QString prepared;
        QStringList names;
        QElapsedTimer timer;
        timer.start();
        QVERIFY(!NCReportSqlDataSource::prepareQuery(query, prepared, names));
        QVERIFY2(timer.elapsed() < 1000, qPrintable(QString::number(timer.elapsed())));
        QVERIFY(NCReportSqlDataSource::prepareQuery(QStringLiteral("a = $P{x} AND b = '$P{' AND c = $P{y}"), prepared, names));
        QCOMPARE(prepared, QStringLiteral("a = ? AND b = '$P{' AND c = ?"));
        QCOMPARE(names, (QStringList{"x", "y"}));
    }
};

MIROKIT_TEST_MAIN(TestNCReportBounds)
#include "tst_ncreportbounds.moc"
