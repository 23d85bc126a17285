#include "drawingtest.h"
#include "mirokittest.h"

#include <Mirokit/ZCFrameColor.h>

using namespace drawingtest;

namespace {

// A function: fonts want the application to exist first.
QFont captionFont()
{
    return QFont(QStringLiteral("DejaVu Sans"), 9);
}

const QString longCaption = QStringLiteral("Azul cielo de las mañanas de invierno");

QImage render(const QString& caption, Qt::Orientation orientation, const QSize& size)
{
    ZCFrameColor frame;
    frame.resize(size);
    frame.setColorFondo(QColor(200, 230, 255));
    frame.setColorTexto(Qt::black);
    frame.setFont(captionFont());
    frame.setTexto(caption, orientation);
    return MirokitTest::grabbedImage(frame);
}

} // namespace

class TestZCFrameColor : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { qApp->setStyleSheet(QString()); }

    void heightIsFourFifthsOfTheWidthTruncated()
    {
        ZCFrameColor frame;
        QVERIFY(frame.hasHeightForWidth());
        QCOMPARE(frame.heightForWidth(100), 80);
        QCOMPARE(frame.heightForWidth(33), 26);
    }

    void paintsSwatchAndGrayFrame()
    {
        const QImage image = render(QString(), Qt::Horizontal, QSize(60, 40));
        const QColor gray(Qt::gray);
        const QColor swatch(200, 230, 255);
        QVERIFY(checkProbes(image, {{{0, 0}, gray}, {{59, 39}, gray}, {{30, 0}, gray}, {{0, 20}, gray},
                                    {{30, 20}, swatch}, {{1, 1}, swatch}}));
    }

    void keepsItsColoursUnderAStyleSheet()
    {
        qApp->setStyleSheet(QStringLiteral("QFrame { background: white; color: gray; }"));
        ZCFrameColor frame;
        frame.resize(60, 40);
        frame.setColorFondo(QColor(200, 30, 30));
        frame.setColorTexto(QColor(10, 10, 90));
        frame.show();
        QCOMPARE(MirokitTest::grabbedImage(frame).pixelColor(30, 20), QColor(200, 30, 30));
        QCOMPARE(frame.getColorTexto(), QColor(10, 10, 90));
        qApp->setStyleSheet(QStringLiteral("QFrame { background: yellow; }"));
        QCOMPARE(MirokitTest::grabbedImage(frame).pixelColor(30, 20), QColor(200, 30, 30));
    }

    void longCaptionsAreShortened_data()
    {
        QTest::addColumn<Qt::Orientation>("orientation");
        QTest::addColumn<QSize>("size");
        QTest::newRow("a horizontal caption wider than the swatch") << Qt::Horizontal << QSize(120, 60);
        QTest::newRow("a vertical caption taller than the swatch") << Qt::Vertical << QSize(60, 110);
        QTest::newRow("a swatch narrower than two digits shows the ellipsis") << Qt::Horizontal << QSize(12, 30);
        QTest::newRow("a swatch lower than two digits shows the ellipsis") << Qt::Vertical << QSize(30, 12);
    }

    // Shortening keeps (room along the caption) / (digit width) - 2 characters, at least none, and appends "...".
    void longCaptionsAreShortened()
    {
        QFETCH(Qt::Orientation, orientation);
        QFETCH(QSize, size);
        const int room = orientation == Qt::Horizontal ? size.width() : size.height();
        const int kept = room / QFontMetrics(captionFont()).horizontalAdvance(QLatin1Char('0')) - 2;
        const QImage shown = render(longCaption, orientation, size);
        QCOMPARE(shown, render(longCaption.left(qMax(0, kept)) + QStringLiteral("..."), orientation, size));
        if (kept > 0)
            QVERIFY(shown != render(longCaption.left(kept - 1) + QStringLiteral("..."), orientation, size));
        else
            QVERIFY(kept < 0);
    }

    void shortCaptionsAreDrawnWhole()
    {
        const QImage shown = render(QStringLiteral("Rojo"), Qt::Horizontal, QSize(120, 60));
        QVERIFY(shown != render(QString(), Qt::Horizontal, QSize(120, 60)));
        QVERIFY(shown != render(QStringLiteral("R..."), Qt::Horizontal, QSize(120, 60)));
        const auto dark = [](QRgb pixel) { return qGray(pixel) < 100; };
        QVERIFY(countPixels(shown, QRect(0, 0, 120, 20), dark) > 0);
        QCOMPARE(countPixels(shown, QRect(1, 25, 118, 34), dark), 0);
    }
};

MIROKIT_TEST_MAIN(TestZCFrameColor)
#include "tst_zcframecolor.moc"
