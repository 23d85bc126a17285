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
struct RecordingStyle : QProxyStyle {
    RecordingStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}
    void drawItemPixmap(QPainter* painter, const QRect& rect, int alignment, const QPixmap& pixmap) const override
    {
        lastPixmap = pixmap;
        ++calls;
        QProxyStyle::drawItemPixmap(painter, rect, alignment, pixmap);
    }
    mutable QPixmap lastPixmap;
    mutable int calls = 0;
};

qreal ratio()
{
    return qGuiApp->devicePixelRatio();
}

QRect device(const QRect& logical)
{
    return QRect(logical.topLeft() * ratio(), logical.size() * ratio());
}

} // namespace

class TestZCDrawerHdpi : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QCOMPARE(ratio(), qEnvironmentVariableIntValue("QT_SCALE_FACTOR") == 2 ? 2.0 : 1.0);
        m_style = new RecordingStyle;
        QApplication::setStyle(m_style);
    }

    void preparesPixmapsAtTheDeviceRatio_data()
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

    void preparesPixmapsAtTheDeviceRatio()
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

    // Proportional: 100 x 50 logical pixels centred in 100 x 100; 8 x 8 pixel tiles at (10, 10).
    void placesAndTilesInLogicalCoordinates()
    {
        QImage image = canvas(QSize(100, 100), ratio());
        QPainter painter(&image);
        const auto pixmap = redBlue<QPixmap>(QSize(80, 40));
        ZCDrawer::DrawPixmapHdpi(&painter, QRect(0, 0, 100, 100), ZCDrawer::AspectoProporcional, pixmap);
        painter.end();
        QVERIFY(showsRedBlue(image, device({0, 25, 100, 50}), device({0, 25, 100, 50})));

        image = canvas(QSize(100, 100), ratio());
        painter.begin(&image);
        ZCDrawer::DrawPixmapHdpi(&painter, QRect(10, 10, 50, 50), ZCDrawer::AspectoMosaico, redBlue<QPixmap>(QSize(8, 8)));
        painter.end();
        QVERIFY(showsRedBlue(image, QRect(device({10, 10, 0, 0}).topLeft(), QSize(8, 8)), device({10, 10, 50, 50})));
    }

    void scaleHdpiWantsDevicePixels_data()
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

    void scaleHdpiWantsDevicePixels()
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

    // At 2 the pixels stay as they are, only the ratio changes: no smooth rescale of a right pixmap.
    void halfSizePixmapsKeepTheirPixelsAtRatioTwo()
    {
        QPixmap pixmap = redBlue<QPixmap>(QSize(100, 60));
        ZCDrawer::ScalePixmapDunmar(pixmap, Qt::KeepAspectRatio, false);
        QCOMPARE(pixmap.devicePixelRatio(), ratio());
        QCOMPARE(pixmap.size(), ratio() < 2 ? QSize(50, 30) : QSize(100, 60));
        if (ratio() >= 2) {
            QImage unchanged = redBlue<QImage>(QSize(100, 60)).convertToFormat(pixmap.toImage().format());
            unchanged.setDevicePixelRatio(ratio());
            QCOMPARE(pixmap.toImage(), unchanged);
        }
    }

private:
    RecordingStyle* m_style = nullptr;
};

MIROKIT_TEST_MAIN(TestZCDrawerHdpi)
#include "tst_zcdrawerhdpi.moc"
