#include "drawingtest.h"
#include "mirokittest.h"

#include <Mirokit/ZCFrameColor.h>

using namespace drawingtest;

namespace {

QImage render(const QString& caption, Qt::Orientation orientation, const QSize& size)
{
    ZCFrameColor frame;
    frame.resize(size);
    frame.setColorFondo(QColor(200, 230, 255));
    frame.setColorTexto(Qt::black);
    frame.setFont(QFont(QStringLiteral("DejaVu Sans"), 9));
    frame.setTexto(caption, orientation);
    return frame.grab().toImage();
}

int digitWidth()
{
    return QFontMetrics(QFont(QStringLiteral("DejaVu Sans"), 9)).horizontalAdvance(QLatin1Char('0'));
}

const QString longCaption = QStringLiteral("Azul cielo de las mañanas de invierno");

} // namespace

class TestZCFrameColor : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();

    void coloursLiveInThePalette();
    void heightIsFourFifthsOfTheWidth_data();
    void heightIsFourFifthsOfTheWidth();
    void paintsSwatchAndGrayFrame();
    void keepsItsColoursUnderAStyleSheet();

    void longCaptionsAreShortened_data();
    void longCaptionsAreShortened();
    void tinySwatchesShowOnlyTheEllipsis_data();
    void tinySwatchesShowOnlyTheEllipsis();
    void shortCaptionsAreDrawnWhole();
};

void TestZCFrameColor::cleanup()
{
    qApp->setStyleSheet(QString());
}

void TestZCFrameColor::coloursLiveInThePalette()
{
    ZCFrameColor frame;
    frame.setColorFondo(QColor(10, 20, 30));
    frame.setColorTexto(QColor(200, 100, 0));
    QCOMPARE(frame.getColorFondo(), QColor(10, 20, 30));
    QCOMPARE(frame.getColorTexto(), QColor(200, 100, 0));
    QCOMPARE(frame.palette().color(frame.backgroundRole()), QColor(10, 20, 30));
    QCOMPARE(frame.palette().color(frame.foregroundRole()), QColor(200, 100, 0));
}

void TestZCFrameColor::heightIsFourFifthsOfTheWidth_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::newRow("100 gives 80") << 100 << 80;
    QTest::newRow("33 gives 26, truncated") << 33 << 26;
    QTest::newRow("1 gives 0") << 1 << 0;
}

void TestZCFrameColor::heightIsFourFifthsOfTheWidth()
{
    QFETCH(int, width);
    QFETCH(int, height);
    ZCFrameColor frame;
    QVERIFY(frame.hasHeightForWidth());
    QCOMPARE(frame.heightForWidth(width), height);
}

void TestZCFrameColor::paintsSwatchAndGrayFrame()
{
    const QImage image = render(QString(), Qt::Horizontal, QSize(60, 40));
    const QColor gray(Qt::gray);
    QVERIFY(checkProbes(image, {{{0, 0}, gray}, {{59, 39}, gray}, {{30, 0}, gray}, {{0, 20}, gray},
                                {{30, 20}, QColor(200, 230, 255)}, {{1, 1}, QColor(200, 230, 255)}}));
}

void TestZCFrameColor::keepsItsColoursUnderAStyleSheet()
{
    qApp->setStyleSheet(QStringLiteral("QFrame { background: white; color: gray; }"));
    ZCFrameColor frame;
    frame.resize(60, 40);
    frame.setColorFondo(QColor(200, 30, 30));
    frame.setColorTexto(QColor(10, 10, 90));
    frame.show();
    QCOMPARE(frame.grab().toImage().pixelColor(30, 20), QColor(200, 30, 30));
    QCOMPARE(frame.getColorTexto(), QColor(10, 10, 90));

    qApp->setStyleSheet(QStringLiteral("QFrame { background: yellow; }"));
    QCOMPARE(frame.grab().toImage().pixelColor(30, 20), QColor(200, 30, 30));
}

void TestZCFrameColor::longCaptionsAreShortened_data()
{
    QTest::addColumn<Qt::Orientation>("orientation");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("room");
    QTest::newRow("a horizontal caption wider than the swatch")
        << Qt::Horizontal << QSize(120, 60) << 120;
    QTest::newRow("a vertical caption taller than the swatch")
        << Qt::Vertical << QSize(60, 110) << 110;
}

void TestZCFrameColor::longCaptionsAreShortened()
{
    QFETCH(Qt::Orientation, orientation);
    QFETCH(QSize, size);
    QFETCH(int, room);

    // Shortening keeps room / digit width - 2 characters and appends "...".
    const int kept = room / digitWidth() - 2;
    QVERIFY(kept > 1);
    const QImage shown = render(longCaption, orientation, size);
    QCOMPARE(shown, render(longCaption.left(kept) + QStringLiteral("..."), orientation, size));
    QVERIFY(shown != render(longCaption.left(kept - 1) + QStringLiteral("..."), orientation, size));
}

void TestZCFrameColor::tinySwatchesShowOnlyTheEllipsis_data()
{
    QTest::addColumn<Qt::Orientation>("orientation");
    QTest::addColumn<QSize>("size");
    QTest::newRow("a horizontal swatch narrower than two digits") << Qt::Horizontal << QSize(12, 30);
    QTest::newRow("a vertical swatch lower than two digits") << Qt::Vertical << QSize(30, 12);
}

void TestZCFrameColor::tinySwatchesShowOnlyTheEllipsis()
{
    QFETCH(Qt::Orientation, orientation);
    QFETCH(QSize, size);
    QVERIFY(size.width() / digitWidth() - 2 < 0 || size.height() / digitWidth() - 2 < 0);
    QCOMPARE(render(longCaption, orientation, size), render(QStringLiteral("..."), orientation, size));
}

void TestZCFrameColor::shortCaptionsAreDrawnWhole()
{
    const QImage shown = render(QStringLiteral("Rojo"), Qt::Horizontal, QSize(120, 60));
    QVERIFY(shown != render(QString(), Qt::Horizontal, QSize(120, 60)));
    QVERIFY(shown != render(QStringLiteral("R..."), Qt::Horizontal, QSize(120, 60)));
    const auto dark = [](QRgb pixel) { return qGray(pixel) < 100; };
    QVERIFY(countPixels(shown, QRect(0, 0, 120, 20), dark) > 0);
    QCOMPARE(countPixels(shown, QRect(1, 25, 118, 34), dark), 0);
}

MIROKIT_TEST_MAIN(TestZCFrameColor)
#include "tst_zcframecolor.moc"
