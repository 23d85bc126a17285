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
    void coloursFallBackToTheFirst_data();
    void coloursFallBackToTheFirst();
};

void TestZCTemaEstilo::acceptedDescriptions_data()
{
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<int>("colourCount");

    QTest::newRow("without colours") << "{\"nombre\": \"Claro\", " + paths + "}" << 0;
    QTest::newRow("one colour as a string") << "{\"nombre\": \"Claro\", " + paths + ", \"colores\": \"#336699\"}" << 1;
    QTest::newRow("an array of colour names") << "{\"nombre\": \"Claro\", " + paths + ", \"colores\": [\"red\", \"#00ff00\"]}" << 2;
}

void TestZCTemaEstilo::acceptedDescriptions()
{
    QFETCH(QByteArray, json);
    QFETCH(int, colourCount);
    MessageLogCapture log;
    ZCTemaEstilo theme;
    QVERIFY(theme.LoadFromJSON(object(json)));
    QVERIFY(log.texts(QtWarningMsg).isEmpty());
    QCOMPARE(theme.GetNombre(), QStringLiteral("Claro"));
    QCOMPARE(theme.GetPathIconos(), QStringLiteral("i"));
    QCOMPARE(theme.GetPathCSS(), QStringLiteral("c.qss"));
    QCOMPARE(theme.GetPathIconosCSS(), QStringLiteral("g"));
    QCOMPARE(theme.GetColor(ZCGestorTemasEstilo::EstadoNormal).isValid(), colourCount > 0);
}

void TestZCTemaEstilo::rejectedDescriptions_data()
{
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<QString>("warning");

    QTest::newRow("no name")
        << "{" + paths + "}" << "Error. Falta el valor nombre en la configuración del tema";
    QTest::newRow("no icon folder")
        << QByteArray("{\"nombre\": \"Oscuro\", \"senda_css\": \"c\", \"senda_iconos_css\": \"g\"}")
        << "Error. Falta el valor senda_iconos en la configuración del tema Oscuro";
    QTest::newRow("no style sheet")
        << QByteArray("{\"nombre\": \"Oscuro\", \"senda_iconos\": \"i\", \"senda_iconos_css\": \"g\"}")
        << "Error. Falta el valor senda_css en la configuración del tema Oscuro";
    QTest::newRow("no generated-icon folder")
        << QByteArray("{\"nombre\": \"Oscuro\", \"senda_iconos\": \"i\", \"senda_css\": \"c\"}")
        << "Error. Falta el valor senda_iconos_css en la configuración del tema Oscuro";
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
    QCOMPARE(theme.GetNombre(), QString());
    QCOMPARE(theme.GetPathIconos(), QString());
    QCOMPARE(theme.GetPathCSS(), QString());
    QVERIFY(!theme.GetColor(ZCGestorTemasEstilo::EstadoNormal).isValid());
}

void TestZCTemaEstilo::coloursFallBackToTheFirst_data()
{
    QTest::addColumn<QByteArray>("colours");
    QTest::addColumn<int>("state");
    QTest::addColumn<QColor>("expected");

    QTest::newRow("a single string colours the hover state too")
        << QByteArray("\"#336699\"") << int(ZCGestorTemasEstilo::EstadoHover) << QColor(0x33, 0x66, 0x99);
    QTest::newRow("an invalid second entry falls back to the first")
        << QByteArray("[\"#000000\", \"nocolour\"]") << int(ZCGestorTemasEstilo::EstadoHover) << QColor(Qt::black);
    QTest::newRow("a missing pressed entry falls back to the first")
        << QByteArray("[\"red\", \"blue\"]") << int(ZCGestorTemasEstilo::EstadoPressed) << QColor(Qt::red);
    QTest::newRow("a valid entry is its own state's colour")
        << QByteArray("[\"red\", \"blue\", \"lime\", \"yellow\"]") << int(ZCGestorTemasEstilo::EstadoNotify)
        << QColor(Qt::yellow);
    QTest::newRow("an invalid single string leaves no valid colour")
        << QByteArray("\"nocolour\"") << int(ZCGestorTemasEstilo::EstadoNormal) << QColor();
}

void TestZCTemaEstilo::coloursFallBackToTheFirst()
{
    QFETCH(QByteArray, colours);
    QFETCH(int, state);
    QFETCH(QColor, expected);
    ZCTemaEstilo theme;
    QVERIFY(theme.LoadFromJSON(object("{\"nombre\": \"T\", " + paths + ", \"colores\": " + colours + "}")));
    QCOMPARE(theme.GetColor(static_cast<ZCGestorTemasEstilo::EEstadoIcono>(state)), expected);
}

MIROKIT_TEST_MAIN(TestZCTemaEstilo)
#include "tst_zctemaestilo.moc"
