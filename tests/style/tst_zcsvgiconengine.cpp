#include "mirokittest.h"
#include "messagelogcapture.h"
#include "themefixture.h"

#include <Mirokit/ZCProxyStyle.h>
#include <Mirokit/ZCSVGIconEngine.h>

#include <QAction>
#include <QApplication>
#include <QPainter>
#include <QStyleFactory>
#include <QStyleOption>
#include <QXmlStreamReader>

namespace {

// The fill of every element of the given name, in document order ("" when it has none).
QStringList fillsOf(const QByteArray& svg, const QString& element)
{
    QStringList fills;
    QXmlStreamReader reader(svg);
    while (!reader.atEnd()) {
        if (reader.readNext() == QXmlStreamReader::StartElement && reader.name() == element)
            fills.append(reader.attributes().value(QStringLiteral("fill")).toString());
    }
    return fills;
}

QColor pixelAt(const QPixmap& pixmap, int x = -1, int y = -1)
{
    const QImage image = pixmap.toImage();
    return image.pixelColor(x < 0 ? image.width() / 2 : x, y < 0 ? image.height() / 2 : y);
}

QIcon themed(const char* name, ZCGestorTemasEstilo::EEstadoIcono state)
{
    return GetGestorTemasEstilo()->FromTheme(QString::fromLatin1(name), state);
}

const QVector<QColor> colours{QColor(Qt::red), QColor(Qt::green), QColor(Qt::blue), QColor(Qt::yellow)};

} // namespace

class TestZCSVGIconEngine : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void recolour_data();
    void recolour();
    void eachStateIsDrawnInItsColour_data();
    void eachStateIsDrawnInItsColour();
    void aMissingIconIsTransparentWithAWarning();
    void disabledGoesThroughTheStyle();
    void aThemeSwitchRedrawsTheSameIcon();
    void anEditedSvgShowsAfterARefresh();
    void cloneKeepsNameAndState();

private:
    ThemeFolder m_first;
    ThemeFolder m_second;
    int m_firstIndex = -1;
    int m_secondIndex = -1;
};

void TestZCSVGIconEngine::initTestCase()
{
    m_first.writeIcon(QStringLiteral("square"));
    m_second.writeIcon(QStringLiteral("square"));
    m_firstIndex = m_first.add(QStringLiteral("Colores"), colours);
    m_secondIndex = m_second.add(QStringLiteral("Negro"), {QColor(Qt::black)});
    QVERIFY(GetGestorTemasEstilo()->SetTema(m_firstIndex));
}

void TestZCSVGIconEngine::recolour_data()
{
    QTest::addColumn<QByteArray>("svg");
    QTest::addColumn<QString>("element");
    QTest::addColumn<QStringList>("fills");

    const QByteArray filled = "<svg xmlns=\"http://www.w3.org/2000/svg\"><g fill=\"#000000\"><path d=\"M0 0h1v1z\"/>"
                              "<path d=\"M1 1\"/></g><circle r=\"1\" fill=\"none\"/></svg>";
    const QByteArray bare = "<svg xmlns=\"http://www.w3.org/2000/svg\"><path d=\"M0 0h1v1z\"/>"
                            "<rect width=\"1\" height=\"1\"/><g><path d=\"M1 1h1v1z\"/></g></svg>";
    QTest::newRow("an existing fill is replaced") << filled << "g" << QStringList{"#ff0000"};
    QTest::newRow("fill none is replaced too") << filled << "circle" << QStringList{"#ff0000"};
    QTest::newRow("paths are left alone when something has a fill") << filled << "path" << QStringList{"", ""};
    QTest::newRow("without any fill every path gets one") << bare << "path" << QStringList{"#ff0000", "#ff0000"};
    QTest::newRow("without any fill other shapes get none") << bare << "rect" << QStringList{""};
    QTest::newRow("broken XML keeps what was read")
        << QByteArray("<svg><path d=\"M0 0\"/><path") << "path" << QStringList{"#ff0000"};
}

void TestZCSVGIconEngine::recolour()
{
    QFETCH(QByteArray, svg);
    QFETCH(QString, element);
    QFETCH(QStringList, fills);
    QCOMPARE(fillsOf(ZCSVGIconEngine::recolour(svg, QColor(Qt::red)), element), fills);
}

void TestZCSVGIconEngine::eachStateIsDrawnInItsColour_data()
{
    QTest::addColumn<int>("state");
    QTest::newRow("normal") << int(ZCGestorTemasEstilo::EstadoNormal);
    QTest::newRow("hover") << int(ZCGestorTemasEstilo::EstadoHover);
    QTest::newRow("pressed") << int(ZCGestorTemasEstilo::EstadoPressed);
    QTest::newRow("notify") << int(ZCGestorTemasEstilo::EstadoNotify);
}

void TestZCSVGIconEngine::eachStateIsDrawnInItsColour()
{
    QFETCH(int, state);
    const QIcon icon = themed("square", static_cast<ZCGestorTemasEstilo::EEstadoIcono>(state));
    QCOMPARE(pixelAt(icon.pixmap(24)), colours.at(state));
    QCOMPARE(pixelAt(icon.pixmap(24, QIcon::Active)), colours.at(state));
    QImage painted(40, 40, QImage::Format_ARGB32_Premultiplied);
    painted.fill(Qt::white);
    QPainter painter(&painted);
    icon.paint(&painter, QRect(10, 10, 20, 20));
    painter.end();
    QCOMPARE(painted.pixelColor(20, 20), colours.at(state));
    QCOMPARE(painted.pixelColor(5, 5), QColor(Qt::white));
}

void TestZCSVGIconEngine::aMissingIconIsTransparentWithAWarning()
{
    ZCSVGIconEngine engine(QStringLiteral("gone"), ZCGestorTemasEstilo::EstadoNormal);
    MessageLogCapture log;
    QImage transparent(12, 10, QImage::Format_ARGB32);
    transparent.fill(Qt::transparent);
    QCOMPARE(engine.pixmap(QSize(12, 10), QIcon::Normal, QIcon::Off).toImage().convertToFormat(QImage::Format_ARGB32),
             transparent);
    engine.pixmap(QSize(12, 10), QIcon::Normal, QIcon::Off);
    const QString warning = QStringLiteral("No se encuentra el icono 'gone' en el tema 'Colores'");
    QCOMPARE(log.texts(QtWarningMsg), QStringList({warning, warning}));
}

void TestZCSVGIconEngine::disabledGoesThroughTheStyle()
{
    auto* style = new ZCProxyStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setStyle(style);
    const QIcon icon = themed("square", ZCGestorTemasEstilo::EstadoNormal);
    QStyleOption option;
    option.palette = QApplication::palette();
    const QImage expected = style->generatedIconPixmap(QIcon::Disabled, icon.pixmap(16), &option).toImage();
    const QImage disabled = icon.pixmap(16, QIcon::Disabled).toImage();
    QCOMPARE(disabled.convertToFormat(QImage::Format_ARGB32), expected.convertToFormat(QImage::Format_ARGB32));
    QVERIFY(qAlpha(disabled.pixel(8, 8)) < 255); // the proxy style fades disabled icons

    // QIcon::paint in disabled mode draws the same look.
    QImage painted(16, 16, QImage::Format_ARGB32_Premultiplied);
    painted.fill(Qt::transparent);
    QPainter painter(&painted);
    icon.paint(&painter, painted.rect(), Qt::AlignCenter, QIcon::Disabled);
    painter.end();
    QCOMPARE(qAlpha(painted.pixel(8, 8)), qAlpha(disabled.pixel(8, 8)));
}

void TestZCSVGIconEngine::aThemeSwitchRedrawsTheSameIcon()
{
    // The second theme has one colour only, so its hover falls back to it.
    ZCGestorTemasEstilo* manager = GetGestorTemasEstilo();
    const QIcon icon = themed("square", ZCGestorTemasEstilo::EstadoHover);
    QCOMPARE(pixelAt(icon.pixmap(20)), QColor(Qt::green));
    QVERIFY(manager->SetTema(m_secondIndex));
    QCOMPARE(pixelAt(icon.pixmap(20)), QColor(Qt::black));
    QVERIFY(manager->SetTema(m_firstIndex));
    QCOMPARE(pixelAt(icon.pixmap(20)), QColor(Qt::green));
}

void TestZCSVGIconEngine::anEditedSvgShowsAfterARefresh()
{
    m_first.writeIcon(QStringLiteral("half"));
    const QIcon icon = themed("half", ZCGestorTemasEstilo::EstadoNormal);
    QCOMPARE(pixelAt(icon.pixmap(16), 2, 2).alpha(), 255);

    // The right half only: without a refresh the drawing on screen stays as it was.
    m_first.writeIcon(QStringLiteral("half"), "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"16\" "
                                              "height=\"16\"><path d=\"M8 0H16V16H8Z\" fill=\"#000\"/></svg>");
    QCOMPARE(pixelAt(icon.pixmap(16), 2, 2).alpha(), 255);
    GetGestorTemasEstilo()->GetActionRefresh()->trigger();
    QCOMPARE(pixelAt(icon.pixmap(16), 2, 2).alpha(), 0);
    QCOMPARE(pixelAt(icon.pixmap(16), 12, 2), QColor(Qt::red));
}

void TestZCSVGIconEngine::cloneKeepsNameAndState()
{
    const ZCSVGIconEngine engine(QStringLiteral("square"), ZCGestorTemasEstilo::EstadoNotify);
    std::unique_ptr<QIconEngine> copy(engine.clone());
    QCOMPARE(copy->iconName(), QStringLiteral("square"));
    QCOMPARE(pixelAt(copy->pixmap(QSize(8, 8), QIcon::Normal, QIcon::Off)), QColor(Qt::yellow));
}

MIROKIT_TEST_MAIN(TestZCSVGIconEngine)
#include "tst_zcsvgiconengine.moc"
