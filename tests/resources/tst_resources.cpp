#include "mirokittest.h"

#include <QBitmap>
#include <QDirIterator>
#include <QIcon>
#include <QProcess>
#include <QRegularExpression>
#include <QXmlStreamReader>

namespace {

const QString sourceDir = QStringLiteral(MIROKIT_SOURCE_DIR);

// Resources the host links in itself; the library only reads them when present.
const QStringList hostResources{QStringLiteral(":/Resources/nieve.qss")};

struct Message {
    QString context;
    QString source;
    bool operator==(const Message& other) const { return context == other.context && source == other.source; }
};

uint qHash(const Message& message)
{
    return ::qHash(message.context) ^ ::qHash(message.source);
}

// Reads a .ts catalogue: every message, and those whose translation is finished and not empty.
struct Catalogue {
    QSet<Message> all;
    QSet<Message> finished;
};

Catalogue readCatalogue(const QString& path)
{
    Catalogue catalogue;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return catalogue;
    QXmlStreamReader xml(&file);
    QString context;
    Message message;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("source")) {
            message = {context, xml.readElementText()};
            catalogue.all.insert(message);
        } else if (xml.name() == QLatin1String("translation")) {
            const QString type = xml.attributes().value(QLatin1String("type")).toString();
            const bool done = type.isEmpty() && !xml.readElementText().trimmed().isEmpty();
            if (done)
                catalogue.finished.insert(message);
        }
    }
    return catalogue;
}

QStringList librarySources()
{
    QStringList files;
    QDirIterator it(sourceDir + QStringLiteral("/src"), {QStringLiteral("*.cpp"), QStringLiteral("*.h")},
                    QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        files.append(it.next());
    return files;
}

} // namespace

class TestResources : public QObject
{
    Q_OBJECT

private slots:
    void everyPathTheLibraryNamesExists();
    void iconsHaveAHighDpiVariant_data();
    void iconsHaveAHighDpiVariant();
    void cursorsAreOneBitImageAndMaskPairs_data();
    void cursorsAreOneBitImageAndMaskPairs();
    void translationsLoad_data();
    void translationsLoad();
    void everyTextIsTranslated_data();
    void everyTextIsTranslated();
};

void TestResources::everyPathTheLibraryNamesExists()
{
    static const QRegularExpression literal(QStringLiteral("\"(:/Resources/[^\"%]+)\""));
    int checked = 0;
    for (const QString& path : librarySources()) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(file.readAll());
        auto matches = literal.globalMatch(text);
        while (matches.hasNext()) {
            const QString resource = matches.next().captured(1);
            if (hostResources.contains(resource))
                continue;
            ++checked;
            QVERIFY2(QFile::exists(resource), qPrintable(resource + QStringLiteral(" named in ") + path));
        }
    }
    QVERIFY(checked > 0);
}

void TestResources::iconsHaveAHighDpiVariant_data()
{
    QTest::addColumn<QString>("name");
    QDirIterator it(QStringLiteral(":/Resources"), {QStringLiteral("t?_*.png")}, QDir::Files);
    while (it.hasNext()) {
        const QString path = it.next();
        if (!path.contains(QLatin1Char('@')))
            QTest::newRow(qPrintable(path)) << path;
    }
}

void TestResources::iconsHaveAHighDpiVariant()
{
    QFETCH(QString, name);
    const QImage normal(name);
    QString highDpiName = name;
    highDpiName.replace(QStringLiteral(".png"), QStringLiteral("@2x.png"));
    const QImage highDpi(highDpiName);
    QVERIFY(!normal.isNull());
    QCOMPARE(highDpi.size(), normal.size() * 2);
    QVERIFY(normal.hasAlphaChannel());
    QCOMPARE(qAlpha(normal.pixel(0, 0)), 0);
}

void TestResources::cursorsAreOneBitImageAndMaskPairs_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QPoint>("hotSpot");
    QTest::newRow("lapiz") << "lapiz" << QPoint(11, 20);
    QTest::newRow("vaso") << "vaso" << QPoint(8, 22);
    QTest::newRow("getcolor") << "getcolor" << QPoint(8, 23);
}

void TestResources::cursorsAreOneBitImageAndMaskPairs()
{
    QFETCH(QString, name);
    QFETCH(QPoint, hotSpot);
    const QImage image(QStringLiteral(":/Resources/cur_%1.png").arg(name));
    const QImage mask(QStringLiteral(":/Resources/mask_%1.png").arg(name));
    QCOMPARE(image.size(), QSize(32, 32));
    QCOMPARE(mask.size(), QSize(32, 32));
    QCOMPARE(image.depth(), 1);
    QCOMPARE(mask.depth(), 1);

    // The hot spot sits on the drawing: a black, opaque pixel.
    const QBitmap bitmap = QBitmap::fromImage(image);
    const QBitmap maskBitmap = QBitmap::fromImage(mask);
    QCOMPARE(bitmap.toImage().pixelColor(hotSpot), QColor(Qt::black));
    QCOMPARE(maskBitmap.toImage().pixelColor(hotSpot), QColor(Qt::black));
    // A corner far from the drawing is transparent.
    QCOMPARE(maskBitmap.toImage().pixelColor(0, 0), QColor(Qt::white));
}

void TestResources::translationsLoad_data()
{
    QTest::addColumn<QString>("catalogue");
    QTest::newRow("English") << ":/Resources/Mirokit_en.qm";
    QTest::newRow("Chinese") << ":/Resources/Mirokit_zh_cn.qm";
    QTest::newRow("report engine in Spanish") << ":/Resources/ncreport_es.qm";
    QTest::newRow("report engine in Chinese") << ":/Resources/ncreport_zh_CN.qm";
}

void TestResources::translationsLoad()
{
    QFETCH(QString, catalogue);
    QTranslator translator;
    QVERIFY(translator.load(catalogue));
    QVERIFY(!translator.isEmpty());
}

void TestResources::everyTextIsTranslated_data()
{
    QTest::addColumn<QString>("sources");
    QTest::addColumn<QString>("catalogue");
    const QString library = sourceDir + QStringLiteral("/src");
    const QString dir = library + QStringLiteral("/resources/translations/");
    QTest::newRow("English") << library << dir + QStringLiteral("Mirokit_en.ts");
    QTest::newRow("Chinese") << library << dir + QStringLiteral("Mirokit_zh_cn.ts");
    // The report engine's texts are English, with catalogues of its own.
    const QString engine = sourceDir + QStringLiteral("/engines/report");
    QTest::newRow("report engine in Spanish") << engine << engine + QStringLiteral("/translations/ncreport_es.ts");
    QTest::newRow("report engine in Chinese") << engine << engine + QStringLiteral("/translations/ncreport_zh_CN.ts");
}

// lupdate extracts the texts as they stand in the sources now; each needs a finished translation.
void TestResources::everyTextIsTranslated()
{
    QFETCH(QString, sources);
    QFETCH(QString, catalogue);
    QTemporaryDir dir;
    const QString extracted = dir.filePath(QStringLiteral("extracted.ts"));
    QProcess lupdate;
    lupdate.start(QStringLiteral(MIROKIT_LUPDATE),
                  {QStringLiteral("-silent"), QStringLiteral("-no-obsolete"), QStringLiteral("-locations"),
                   QStringLiteral("none"), sources, QStringLiteral("-ts"), extracted});
    QVERIFY(lupdate.waitForFinished(120000));
    QCOMPARE(lupdate.exitCode(), 0);

    const Catalogue texts = readCatalogue(extracted);
    QVERIFY(!texts.all.isEmpty());
    const Catalogue translations = readCatalogue(catalogue);
    QStringList missing;
    for (const Message& message : texts.all) {
        if (!translations.finished.contains(message))
            missing.append(message.context + QStringLiteral(": ") + message.source);
    }
    missing.sort();
    QVERIFY2(missing.isEmpty(), qPrintable(QStringLiteral("untranslated:\n") + missing.join(QLatin1Char('\n'))));
}

MIROKIT_TEST_MAIN(TestResources)
#include "tst_resources.moc"
