#include "mirokittest.h"
#include "messagelogcapture.h"

#include <Mirokit/ZCTemaEstilo.h>

#include <QJsonDocument>
#include <QJsonObject>

namespace {

QJsonObject object(const QByteArray& json)
{
    return QJsonDocument::fromJson(json).object();
}

const QByteArray paths = "\"senda_iconos\": \"i\", \"senda_css\": \"c.qss\", \"senda_iconos_css\": \"g\"";

} // namespace

class TestZCTemaEstilo : public QObject
{
    Q_OBJECT

private slots:
    void acceptedDescriptions_data();
    void acceptedDescriptions();
    void rejectedDescriptions_data();
    void rejectedDescriptions();
    void aFailedLoadLeavesNothingOfTheOldTheme();
};

void TestZCTemaEstilo::acceptedDescriptions_data()
{
    QTest::addColumn<QByteArray>("colours");
    QTest::addColumn<int>("state");
    QTest::addColumn<QColor>("expected");

    const int normal = ZCGestorTemasEstilo::EstadoNormal;
    const int hover = ZCGestorTemasEstilo::EstadoHover;
    QTest::newRow("without colours") << QByteArray() << normal << QColor();
    QTest::newRow("a single string colours the hover state too") << QByteArray("\"#336699\"") << hover << QColor(0x33, 0x66, 0x99);
    QTest::newRow("an invalid single string leaves no valid colour") << QByteArray("\"nocolour\"") << normal << QColor();
    QTest::newRow("an invalid second entry falls back to the first")
        << QByteArray("[\"#000000\", \"nocolour\"]") << hover << QColor(Qt::black);
    QTest::newRow("a missing pressed entry falls back to the first")
        << QByteArray("[\"red\", \"blue\"]") << int(ZCGestorTemasEstilo::EstadoPressed) << QColor(Qt::red);
    QTest::newRow("a valid entry is its own state's colour")
        << QByteArray("[\"red\", \"blue\", \"lime\", \"yellow\"]") << int(ZCGestorTemasEstilo::EstadoNotify)
        << QColor(Qt::yellow);
}

void TestZCTemaEstilo::acceptedDescriptions()
{
    QFETCH(QByteArray, colours);
    QFETCH(int, state);
    QFETCH(QColor, expected);
    MessageLogCapture log;
    ZCTemaEstilo theme;
    QVERIFY(theme.LoadFromJSON(object("{\"nombre\": \"Claro\", " + paths
                                      + (colours.isEmpty() ? QByteArray() : ", \"colores\": " + colours) + "}")));
    QVERIFY(log.texts(QtWarningMsg).isEmpty());
    QCOMPARE(theme.GetNombre(), QStringLiteral("Claro"));
    QCOMPARE(QStringList({theme.GetPathIconos(), theme.GetPathCSS(), theme.GetPathIconosCSS()}),
             QStringList({"i", "c.qss", "g"}));
    QCOMPARE(theme.GetColor(static_cast<ZCGestorTemasEstilo::EEstadoIcono>(state)), expected);
}

void TestZCTemaEstilo::rejectedDescriptions_data()
{
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<QString>("warning");

    QTest::newRow("no name")
        << "{" + paths + "}" << "Error. Falta el valor nombre en la configuración del tema";
    for (const char* key : {"senda_iconos", "senda_css", "senda_iconos_css"}) {
        QByteArray json = "{\"nombre\": \"Oscuro\", " + paths + "}";
        QTest::addRow("no %s", key) << json.replace("\"" + QByteArray(key) + "\"", "\"otro\"")
                                    << QStringLiteral("Error. Falta el valor %1 en la configuración del tema Oscuro").arg(key);
    }
    QTest::newRow("a number among the colours names its position")
        << "{\"nombre\": \"Oscuro\", " + paths + ", \"colores\": [\"#000000\", 5]}"
        << "Error en la configuración del tema Oscuro. Solo se aceptan valores de tipo String en el "
           "array de colores. Elemento 2 incorrecto";
    QTest::newRow("colours given as an object")
        << "{\"nombre\": \"Oscuro\", " + paths + ", \"colores\": {\"a\": 1}}"
        << "Error. El valor colores no tiene un tipo esperado en la configuración del tema Oscuro. "
           "Valores válidos: String o Array de String";
}

void TestZCTemaEstilo::rejectedDescriptions()
{
    QFETCH(QByteArray, json);
    QFETCH(QString, warning);
    MessageLogCapture log;
    ZCTemaEstilo theme;
    QVERIFY(!theme.LoadFromJSON(object(json)));
    QCOMPARE(log.texts(QtWarningMsg), QStringList(warning));
}

void TestZCTemaEstilo::aFailedLoadLeavesNothingOfTheOldTheme()
{
    ZCTemaEstilo theme(QStringLiteral("Viejo"), QStringLiteral("i"), QStringLiteral("c"),
                       QStringLiteral("g"), {QColor(Qt::red)});
    MessageLogCapture log;
    QVERIFY(!theme.LoadFromJSON(object("{\"senda_iconos\": \"x\"}")));
    QCOMPARE(QStringList({theme.GetNombre(), theme.GetPathIconos(), theme.GetPathCSS()}),
             QStringList({QString(), QString(), QString()}));
    QVERIFY(!theme.GetColor(ZCGestorTemasEstilo::EstadoNormal).isValid());
}

MIROKIT_TEST_MAIN(TestZCTemaEstilo)
#include "tst_zctemaestilo.moc"
