#include "mirokittest.h"
#include "messagelogcapture.h"
#include "themefixture.h"

#include <Mirokit/ZCGestorTemasEstilo.h>
#include <Mirokit/ZCProxyStyle.h>
#include <Mirokit/ZCSVGIconEngine.h>

#include <QAction>
#include <QApplication>
#include <QPainter>
#include <QStyleFactory>
#include <QStyleOption>
#include <QSvgRenderer>
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

QColor centre(const QPixmap& pixmap)
{
    const QImage image = pixmap.toImage();
    return image.pixelColor(image.width() / 2, image.height() / 2);
}

const QVector<QColor> colours{QColor(Qt::red), QColor(Qt::green), QColor(Qt::blue), QColor(Qt::yellow)};

} // namespace

class TestZCSVGIconEngine : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void recolourReplacesEveryFill();
    void recolourFillsPathsOnlyWhenThereIsNoFill();
    void recolourOfBrokenXmlKeepsWhatWasRead();

    void eachStateIsDrawnInItsColour_data();
    void eachStateIsDrawnInItsColour();
    void aMissingStateColourFallsBackToTheFirst();
    void paintDrawsTheStateColour();
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

void TestZCSVGIconEngine::recolourReplacesEveryFill()
{
    const QByteArray svg = "<svg xmlns=\"http://www.w3.org/2000/svg\"><g fill=\"#000000\"><path d=\"M0 0h1v1z\"/>"
                           "<path d=\"M1 1h1v1z\" stroke=\"#123456\"/></g><circle r=\"1\" fill=\"none\"/></svg>";
    const QByteArray result = ZCSVGIconEngine::recolour(svg, QColor(0x11, 0x22, 0x33));
    QCOMPARE(fillsOf(result, QStringLiteral("g")), QStringList(QStringLiteral("#112233")));
    QCOMPARE(fillsOf(result, QStringLiteral("path")), QStringList({QString(), QString()}));
    QCOMPARE(fillsOf(result, QStringLiteral("circle")), QStringList(QStringLiteral("#112233")));
    QVERIFY(result.contains("stroke=\"#123456\""));
}

void TestZCSVGIconEngine::recolourFillsPathsOnlyWhenThereIsNoFill()
{
    const QByteArray svg = "<svg xmlns=\"http://www.w3.org/2000/svg\"><path d=\"M0 0h1v1z\"/>"
                           "<rect width=\"1\" height=\"1\"/><g><path d=\"M1 1h1v1z\"/></g></svg>";
    const QByteArray result = ZCSVGIconEngine::recolour(svg, QColor(Qt::red));
    QCOMPARE(fillsOf(result, QStringLiteral("path")), QStringList({QStringLiteral("#ff0000"), QStringLiteral("#ff0000")}));
    QCOMPARE(fillsOf(result, QStringLiteral("rect")), QStringList(QString()));
    QCOMPARE(fillsOf(result, QStringLiteral("g")), QStringList(QString()));
}

void TestZCSVGIconEngine::recolourOfBrokenXmlKeepsWhatWasRead()
{
    QVERIFY(!QSvgRenderer(ZCSVGIconEngine::recolour("not xml", QColor(Qt::red))).isValid());
    const QByteArray result = ZCSVGIconEngine::recolour("<svg><path d=\"M0 0\"/><path", QColor(Qt::red));
    QCOMPARE(fillsOf(result, QStringLiteral("path")), QStringList(QStringLiteral("#ff0000")));
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
    const QIcon icon = GetGestorTemasEstilo()->FromTheme(QStringLiteral("square"),
                                                         static_cast<ZCGestorTemasEstilo::EEstadoIcono>(state));
    const QPixmap pixmap = icon.pixmap(24);
    QCOMPARE(pixmap.size(), QSize(24, 24));
    QCOMPARE(centre(pixmap), colours.at(state));
    QCOMPARE(centre(icon.pixmap(24, QIcon::Active)), colours.at(state));
}

void TestZCSVGIconEngine::aMissingStateColourFallsBackToTheFirst()
{
    ZCGestorTemasEstilo* manager = GetGestorTemasEstilo();
    QVERIFY(manager->SetTema(m_secondIndex));
    QCOMPARE(centre(manager->FromTheme(QStringLiteral("square"), ZCGestorTemasEstilo::EstadoPressed).pixmap(16)),
             QColor(Qt::black));
    QVERIFY(manager->SetTema(m_firstIndex));
}

void TestZCSVGIconEngine::paintDrawsTheStateColour()
{
    const QIcon icon = GetGestorTemasEstilo()->FromTheme(QStringLiteral("square"), ZCGestorTemasEstilo::EstadoHover);
    QImage image(40, 40, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        icon.paint(&painter, QRect(10, 10, 20, 20));
    }
    QCOMPARE(image.pixelColor(20, 20), QColor(Qt::green));
    QCOMPARE(image.pixelColor(5, 5), QColor(Qt::white));
}

void TestZCSVGIconEngine::aMissingIconIsTransparentWithAWarning()
{
    ZCSVGIconEngine engine(QStringLiteral("gone"), ZCGestorTemasEstilo::EstadoNormal);
    MessageLogCapture log;
    const QImage image = engine.pixmap(QSize(12, 10), QIcon::Normal, QIcon::Off).toImage();
    QCOMPARE(image.size(), QSize(12, 10));
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            QCOMPARE(qAlpha(image.pixel(x, y)), 0);
    }
    engine.pixmap(QSize(12, 10), QIcon::Normal, QIcon::Off);
    const QString warning = QStringLiteral("No se encuentra el icono 'gone' en el tema 'Colores'");
    QCOMPARE(log.texts(QtWarningMsg), QStringList({warning, warning}));
}

void TestZCSVGIconEngine::disabledGoesThroughTheStyle()
{
    // The library's proxy style gives disabled icons 35 % of their alpha.
    auto* style = new ZCProxyStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setStyle(style);
    const QIcon icon = GetGestorTemasEstilo()->FromTheme(QStringLiteral("square"), ZCGestorTemasEstilo::EstadoNormal);
    const QPixmap normal = icon.pixmap(16);
    QStyleOption option;
    option.palette = QApplication::palette();
    const QImage expected = style->generatedIconPixmap(QIcon::Disabled, normal, &option).toImage();
    const QImage disabled = icon.pixmap(16, QIcon::Disabled).toImage();
    QCOMPARE(disabled.convertToFormat(QImage::Format_ARGB32), expected.convertToFormat(QImage::Format_ARGB32));
    QCOMPARE(qAlpha(disabled.pixel(8, 8)), 255 * 35 / 100);

    // QIcon::paint in disabled mode draws the same look.
    QImage painted(16, 16, QImage::Format_ARGB32_Premultiplied);
    painted.fill(Qt::transparent);
    {
        QPainter painter(&painted);
        icon.paint(&painter, painted.rect(), Qt::AlignCenter, QIcon::Disabled);
    }
    QCOMPARE(qAlpha(painted.pixel(8, 8)), 255 * 35 / 100);
}

void TestZCSVGIconEngine::aThemeSwitchRedrawsTheSameIcon()
{
    ZCGestorTemasEstilo* manager = GetGestorTemasEstilo();
    const QIcon icon = manager->FromTheme(QStringLiteral("square"), ZCGestorTemasEstilo::EstadoHover);
    QCOMPARE(centre(icon.pixmap(20)), QColor(Qt::green));
    QVERIFY(manager->SetTema(m_secondIndex));
    QCOMPARE(centre(icon.pixmap(20)), QColor(Qt::black));
    QVERIFY(manager->SetTema(m_firstIndex));
    QCOMPARE(centre(icon.pixmap(20)), QColor(Qt::green));
}

void TestZCSVGIconEngine::anEditedSvgShowsAfterARefresh()
{
    ZCGestorTemasEstilo* manager = GetGestorTemasEstilo();
    m_first.writeIcon(QStringLiteral("half"));
    const QIcon icon = manager->FromTheme(QStringLiteral("half"), ZCGestorTemasEstilo::EstadoNormal);
    QCOMPARE(qAlpha(icon.pixmap(16).toImage().pixel(2, 2)), 255);

    // The left half only: without a refresh the drawing on screen stays as it was.
    m_first.writeIcon(QStringLiteral("half"),
                      "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"16\" height=\"16\">"
                      "<path d=\"M8 0H16V16H8Z\" fill=\"#000\"/></svg>");
    QCOMPARE(qAlpha(icon.pixmap(16).toImage().pixel(2, 2)), 255);
    manager->GetActionRefresh()->trigger();
    QCOMPARE(qAlpha(icon.pixmap(16).toImage().pixel(2, 2)), 0);
    QCOMPARE(icon.pixmap(16).toImage().pixelColor(12, 2), QColor(Qt::red));
}

void TestZCSVGIconEngine::cloneKeepsNameAndState()
{
    const ZCSVGIconEngine engine(QStringLiteral("square"), ZCGestorTemasEstilo::EstadoNotify);
    std::unique_ptr<QIconEngine> copy(engine.clone());
    QCOMPARE(copy->iconName(), QStringLiteral("square"));
    QCOMPARE(centre(copy->pixmap(QSize(8, 8), QIcon::Normal, QIcon::Off)), QColor(Qt::yellow));
}

MIROKIT_TEST_MAIN(TestZCSVGIconEngine)
#include "tst_zcsvgiconengine.moc"
