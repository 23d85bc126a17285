// Runs twice: at the device pixel ratio of 1 and, through QT_SCALE_FACTOR=2, at 2.
#include "drawingtest.h"
#include "mirokittest.h"

#include <Mirokit/ZCDrawer.h>

#include <QProxyStyle>
#include <QStyleFactory>

using namespace drawingtest;
Q_DECLARE_METATYPE(ZCDrawer::EMIAspectoDibujoGeneric)

namespace {

// Remembers the pixmap that a drawing helper hands to the style, as it was prepared.
class RecordingStyle : public QProxyStyle
{
public:
    RecordingStyle()
        : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion")))
    {
    }

    void drawItemPixmap(QPainter* painter, const QRect& rect, int alignment,
                        const QPixmap& pixmap) const override
    {
        lastPixmap = pixmap;
        ++calls;
        QProxyStyle::drawItemPixmap(painter, rect, alignment, pixmap);
    }

    mutable QPixmap lastPixmap;
    mutable int calls = 0;
};

} // namespace

class TestZCDrawerHdpi : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void preparesPixmapsAtTheDeviceRatio_data();
    void preparesPixmapsAtTheDeviceRatio();
    void placesPixmapsInLogicalCoordinates();
    void tilesTheWholeRectangle();

    void scaleHdpiWantsDevicePixels_data();
    void scaleHdpiWantsDevicePixels();
    void halfSizePixmapsKeepTheirPixelsAtRatioTwo();

private:
    static qreal ratio() { return qGuiApp->devicePixelRatio(); }
    RecordingStyle* m_style = nullptr;
};

void TestZCDrawerHdpi::initTestCase()
{
    const qreal expected = qEnvironmentVariableIntValue("QT_SCALE_FACTOR") == 2 ? 2.0 : 1.0;
    QCOMPARE(ratio(), expected);
    m_style = new RecordingStyle;
    QApplication::setStyle(m_style);
}

void TestZCDrawerHdpi::preparesPixmapsAtTheDeviceRatio_data()
{
    QTest::addColumn<ZCDrawer::EMIAspectoDibujoGeneric>("aspecto");
    QTest::addColumn<QSize>("pixelsAtOne");
    QTest::addColumn<QSize>("pixelsAtTwo");

    // An 80 x 40 pixmap into a 100 x 100 rectangle.
    QTest::newRow("natural size keeps its pixels") << ZCDrawer::AspectoNatural << QSize(80, 40) << QSize(80, 40);
    QTest::newRow("stretched gets the rectangle in device pixels")
        << ZCDrawer::AspectoEstirado << QSize(100, 100) << QSize(200, 200);
    QTest::newRow("reduced is bounded by the source's pixels")
        << ZCDrawer::AspectoReducido << QSize(80, 40) << QSize(80, 40);
    QTest::newRow("proportional fills the width in device pixels")
        << ZCDrawer::AspectoProporcional << QSize(100, 50) << QSize(200, 100);
    QTest::newRow("top-left keeps its pixels") << ZCDrawer::AspectoSuperiorIzquierda << QSize(80, 40) << QSize(80, 40);
}

void TestZCDrawerHdpi::preparesPixmapsAtTheDeviceRatio()
{
    QFETCH(ZCDrawer::EMIAspectoDibujoGeneric, aspecto);
    QFETCH(QSize, pixelsAtOne);
    QFETCH(QSize, pixelsAtTwo);

    QImage image = canvas(QSize(100, 100), ratio());
    QPainter painter(&image);
    const int callsBefore = m_style->calls;
    ZCDrawer::DrawPixmapHdpi(&painter, QRect(0, 0, 100, 100), aspecto, redBlue<QPixmap>(QSize(80, 40)));
    QCOMPARE(m_style->calls, callsBefore + 1);
    QCOMPARE(m_style->lastPixmap.size(), ratio() < 2 ? pixelsAtOne : pixelsAtTwo);
    QCOMPARE(m_style->lastPixmap.devicePixelRatio(), ratio());
}

void TestZCDrawerHdpi::placesPixmapsInLogicalCoordinates()
{
    // Proportional: 100 x 50 logical pixels centred in 100 x 100, whatever the ratio.
    const qreal r = ratio();
    QImage image = canvas(QSize(100, 100), r);
    QPainter painter(&image);
    ZCDrawer::DrawPixmapHdpi(&painter, QRect(0, 0, 100, 100), ZCDrawer::AspectoProporcional,
                             redBlue<QPixmap>(QSize(80, 40)));
    painter.end();
    const auto device = [r](int x, int y) { return QPoint(qRound(x * r), qRound(y * r)); };
    QVERIFY(checkProbes(image, {{device(0, 25), red}, {device(0, 25) - QPoint(0, 1), white},
                                {device(99, 74), blue}, {device(99, 75), white}}));
}

void TestZCDrawerHdpi::tilesTheWholeRectangle()
{
    const qreal r = ratio();
    QImage image = canvas(QSize(100, 100), r);
    QPainter painter(&image);
    ZCDrawer::DrawPixmapHdpi(&painter, QRect(10, 10, 50, 50), ZCDrawer::AspectoMosaico,
                             redBlue<QPixmap>(QSize(8, 8)));
    painter.end();
    const QRect tiled(QPoint(10, 10) * r, QSize(50, 50) * r);
    QCOMPARE(countPixels(image, tiled, isWhite), 0);
    QCOMPARE(countPixels(image, image.rect(), isWhite), image.width() * image.height() - tiled.width() * tiled.height());
}

void TestZCDrawerHdpi::scaleHdpiWantsDevicePixels_data()
{
    QTest::addColumn<QSize>("source");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("aspect");
    QTest::addColumn<bool>("bounded");
    QTest::addColumn<QSize>("pixelsAtOne");
    QTest::addColumn<QSize>("pixelsAtTwo");

    QTest::newRow("ignoring the aspect takes the size as it is")
        << QSize(40, 40) << QSize(30, 10) << int(Qt::IgnoreAspectRatio) << false << QSize(30, 10) << QSize(60, 20);
    QTest::newRow("keeping the aspect fits inside the size")
        << QSize(40, 20) << QSize(30, 30) << int(Qt::KeepAspectRatio) << false << QSize(30, 15) << QSize(60, 30);
    QTest::newRow("bounded never grows past the source")
        << QSize(40, 20) << QSize(100, 100) << int(Qt::KeepAspectRatio) << true << QSize(40, 20) << QSize(40, 20);
    QTest::newRow("unbounded grows past the source")
        << QSize(40, 20) << QSize(100, 100) << int(Qt::KeepAspectRatio) << false << QSize(100, 50) << QSize(200, 100);
}

void TestZCDrawerHdpi::scaleHdpiWantsDevicePixels()
{
    QFETCH(QSize, source);
    QFETCH(QSize, size);
    QFETCH(int, aspect);
    QFETCH(bool, bounded);
    QFETCH(QSize, pixelsAtOne);
    QFETCH(QSize, pixelsAtTwo);
    const QSize expected = ratio() < 2 ? pixelsAtOne : pixelsAtTwo;

    QPixmap pixmap;
    ZCDrawer::ScalePixmapHdpi(redBlue<QPixmap>(source), pixmap, size, Qt::AspectRatioMode(aspect), bounded);
    QCOMPARE(pixmap.size(), expected);
    QCOMPARE(pixmap.devicePixelRatio(), ratio());

    QImage image;
    ZCDrawer::ScaleImageHdpi(redBlue<QImage>(source), image, size, Qt::AspectRatioMode(aspect), bounded);
    QCOMPARE(image.size(), expected);
    QCOMPARE(image.devicePixelRatio(), ratio());
}

void TestZCDrawerHdpi::halfSizePixmapsKeepTheirPixelsAtRatioTwo()
{
    QPixmap pixmap = redBlue<QPixmap>(QSize(100, 60));
    ZCDrawer::ScalePixmapDunmar(pixmap, Qt::KeepAspectRatio, false);
    QCOMPARE(pixmap.devicePixelRatio(), ratio());
    if (ratio() < 2) {
        QCOMPARE(pixmap.size(), QSize(50, 30));
    } else {
        QCOMPARE(pixmap.size(), QSize(100, 60));
        // Same pixels, only the ratio differs: no smooth rescale of an already right pixmap.
        QCOMPARE(pixmap.toImage().pixelColor(49, 0), red);
        QCOMPARE(pixmap.toImage().pixelColor(50, 0), blue);
    }
}

MIROKIT_TEST_MAIN(TestZCDrawerHdpi)
#include "tst_zcdrawerhdpi.moc"
