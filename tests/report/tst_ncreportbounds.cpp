#include "mirokittest.h"
#include "reporttest.h"

#include <ncreport.h>
#include <ncreportcustomdsprovider.h>
#include <ncreportdatasource.h>
#include <ncreportdef.h>
#include <ncreportimagecache.h>
#include <ncreportpreview.h>
#include <ncreportsqldatasource.h>

#include <QElapsedTimer>
#include <QPainter>
#include <QPointer>
#include <QRandomGenerator>
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

QString writeImage(const QTemporaryDir& dir, const QString& name, const QSize& size, const QColor& color)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(color);
    const QString fileName = dir.filePath(name);
    return image.save(fileName, "PNG") ? fileName : QString();
}

// `rows` rows of one number each, a page for every row.
QByteArray pagePerRow(int rows)
{
    QString strings;
    for (int row = 0; row < rows; ++row)
        strings += QStringLiteral("<string>%1</string>").arg(row + 1);
    QString xml = QString::fromUtf8(report(QStringLiteral("<datasource id=\"ds\" type=\"3\">%1</datasource>").arg(strings),
                                           QStringLiteral("<field x=\"0\" y=\"0\" width=\"150\" height=\"40\" "
                                                          "fontSize=\"90\">$D{col0}</field>")));
    return xml.replace(QStringLiteral("<detail "), QStringLiteral("<detail pageBreak=\"1\" ")).toUtf8();
}

// Whether the page shows something besides white paper.
bool hasInk(const QImage& page)
{
    const QImage gray = page.convertToFormat(QImage::Format_Grayscale8);
    for (int y = 0; y < gray.height(); ++y) {
        const uchar* line = gray.constScanLine(y);
        for (int x = 0; x < gray.width(); ++x) {
            if (line[x] < 128)
                return true;
        }
    }
    return false;
}

// A PNG of `side` by `side` pixels in random 4-pixel blocks, so that no output compresses it to
// nothing.
QString writeNoise(const QTemporaryDir& dir, const QString& name, int side, quint32 seed)
{
    QImage blocks(side / 4, side / 4, QImage::Format_RGB888);
    QRandomGenerator(seed).fillRange(reinterpret_cast<quint32*>(blocks.bits()), blocks.sizeInBytes() / 4);
    const QString fileName = dir.filePath(name);
    return blocks.scaled(side, side).save(fileName, "PNG") ? fileName : QString();
}

// The size of the PDF of `pages` pages whose header paints the images `first` and `second` side
// by side, each 90 mm square: at the PDF's 1200 dpi, more pixels than the images have.
qint64 pdfWithHeaderImages(const QTemporaryDir& dir, const QString& first, const QString& second, int pages)
{
    QString xml = QString::fromUtf8(pagePerRow(pages));
    xml.replace(QStringLiteral("<detail "),
                QStringLiteral("<pageHeader height=\"92\"><image x=\"0\" y=\"0\" width=\"90\" height=\"90\" file=\"%1\"/>"
                               "<image x=\"95\" y=\"0\" width=\"90\" height=\"90\" file=\"%2\"/></pageHeader><detail ")
                    .arg(first, second));
    NCReport report;
    report.setReportSource(xml.toUtf8());
    const QString pdf = dir.filePath(QStringLiteral("%1.pdf").arg(pages));
    if (!report.load() || !report.runReportToPdf(pdf))
        return -1;
    return QFileInfo(pdf).size();
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

    void imagesAreMeasuredBeforeTheyAreDecoded_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QSize>("size");
        QTest::newRow("a small image is read") << QByteArray() << QSize(20, 10);
        QTest::newRow("a header announcing a huge image is refused")
            << QByteArray("P6\n20000 20000\n255\n") + QByteArray(64, '\0') << QSize();
        QTest::newRow("an image at the limit's side but beyond it is refused")
            << QByteArray("P5\n10001 10000\n255\n") + QByteArray(64, '\0') << QSize();
        QTest::newRow("a file that is no image gives none") << QByteArray("no es una imagen") << QSize();
    }

    void imagesAreMeasuredBeforeTheyAreDecoded()
    {
        QFETCH(QByteArray, content);
        QFETCH(QSize, size);
        QTemporaryDir dir;
        const QString fileName = content.isEmpty() ? writeImage(dir, QStringLiteral("a.png"), size, Qt::red)
                                                   : writeFile(dir, QStringLiteral("a.img"), content);
        NCReportImageCache cache;
        const QImage image = cache.image(fileName);
        QCOMPARE(image.size(), size.isValid() ? size : QSize(0, 0));
        QVERIFY(cache.image(dir.path()).isNull());
    }

    void imagesAreCachedWithinABudget()
    {
        QTemporaryDir dir;
        QStringList files;
        for (int i = 0; i < 12; ++i)
            files.append(writeImage(dir, QStringLiteral("%1.png").arg(i), QSize(256, 256), QColor(i * 20, 0, 0)));
        const int budget = 1 << 20; // four of these images
        NCReportImageCache cache(budget);
        for (const QString& file : qAsConst(files))
            QVERIFY(!cache.image(file).isNull());
        QVERIFY2(cache.cachedBytes() <= budget, qPrintable(QString::number(cache.cachedBytes())));
        QVERIFY(cache.cachedBytes() > budget / 2);
        // Two pages later no page holds them: the most recent are kept, read again without their
        // files.
        cache.startPage();
        cache.startPage();
        QFile::remove(files.last());
        QCOMPARE(cache.image(files.last()).pixelColor(0, 0), QColor(11 * 20, 0, 0));
        QFile::remove(files.first());
        QVERIFY(cache.image(files.first()).isNull());
        // Paths that give nothing are bounded too.
        for (int i = 0; i < 20000; ++i)
            cache.image(dir.filePath(QStringLiteral("falta-%1.png").arg(i)));
        QVERIFY(cache.cachedBytes() <= budget);
    }

    void imagesAreDecodedAtThePaintedSize_data()
    {
        QTest::addColumn<QSize>("bounds");
        QTest::addColumn<QSize>("decoded");
        QTest::newRow("a smaller box, proportions kept") << QSize(100, 50) << QSize(50, 50);
        QTest::newRow("a box larger than the image decodes it whole") << QSize(900, 900) << QSize(300, 300);
        QTest::newRow("no box decodes it whole") << QSize() << QSize(300, 300);
    }

    void imagesAreDecodedAtThePaintedSize()
    {
        QFETCH(QSize, bounds);
        QTemporaryDir dir;
        const QString file = writeImage(dir, QStringLiteral("a.png"), QSize(300, 300), Qt::blue);
        NCReportImageCache cache;
        const QImage image = cache.image(file, bounds);
        QTEST(image.size(), "decoded");
        QCOMPARE(image.pixelColor(image.width() / 2, image.height() / 2), QColor(Qt::blue));
        // Each size is an image of its own; asked again, the same one (and so the same to an output).
        QCOMPARE(cache.image(file, bounds).cacheKey(), image.cacheKey());
        QCOMPARE(cache.image(file, QSize(10, 10)).size(), QSize(10, 10));
    }

    void aPageKeepsItsImagesWhateverTheBudget()
    {
        // Two images that do not fit the budget together: each page paints the same two images,
        // which an output writes once.
        QTemporaryDir dir;
        const int side = 3000;
        QVERIFY(qint64(side) * side * 4 * 2 > NCReportImageCache::defaultBudgetBytes);
        const QString first = writeNoise(dir, QStringLiteral("a.png"), side, 1);
        const QString second = writeNoise(dir, QStringLiteral("b.png"), side, 2);
        QVERIFY(!first.isEmpty() && !second.isEmpty());
        const qint64 onePage = pdfWithHeaderImages(dir, first, second, 1);
        const qint64 manyPages = pdfWithHeaderImages(dir, first, second, 20);
        QVERIFY(onePage > 0);
        QVERIFY2(manyPages < onePage * 12 / 10, qPrintable(QStringLiteral("%1 %2").arg(onePage).arg(manyPages)));
    }

    void aPreviewStaysWithinItsBudgetWhateverThePageCount()
    {
        NCReport report;
        report.setReportSource(pagePerRow(1000));
        QVERIFY2(report.load(), qPrintable(report.error().toString()));
        const qint64 budget = qint64(24) << 20; // some six A4 pages at 96 dpi
        NCReportPreview preview(&report, 96, budget);
        QCOMPARE(preview.pageCount(), 1000);
        QCOMPARE(preview.cachedBytes(), 0);
        QImage pages[3];
        for (int page = 0; page < 12; ++page) {
            const QImage image = preview.page(page);
            QVERIFY(hasInk(image));
            if (page < 3)
                pages[page] = image;
            QVERIFY(preview.cachedBytes() <= budget);
        }
        const QImage last = preview.page(999);
        QVERIFY(hasInk(last));
        QVERIFY(pages[0] != pages[1]);
        // Pages dropped from the budget come back as they were.
        QCOMPARE(preview.page(0), pages[0]);
        QCOMPARE(preview.page(999), last);
        QVERIFY(preview.page(1000).isNull());
        QVERIFY(preview.cachedBytes() <= budget);

        // All the pages at once ask for no more than an image output keeps: the run stops.
        QVector<QImage> all;
        QVERIFY(!report.runReportToImages(all, 96));
        QVERIFY2(report.error().message.contains(QLatin1String("memory")), qPrintable(report.error().toString()));
        QVERIFY(all.size() < 100);
    }
};

MIROKIT_TEST_MAIN(TestNCReportBounds)
#include "tst_ncreportbounds.moc"
