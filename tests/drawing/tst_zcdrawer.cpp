#include "drawingtest.h"
#include "mirokittest.h"

#include <Mirokit/ZCDrawer.h>

#include <functional>

using namespace drawingtest;
using DrawCall = std::function<void(QPainter*, const QRectF*)>;
Q_DECLARE_METATYPE(DrawCall)
Q_DECLARE_METATYPE(ZCDrawer::EMIAspectoDibujoGeneric)
Q_DECLARE_METATYPE(ZCDrawer::ETipoDeFigura)
Q_DECLARE_METATYPE(ZCDrawer::EMITipoBarCode)

namespace {

// The parts of the painter state that a Draw call must hand back untouched.
struct PainterState {
    explicit PainterState(const QPainter& painter)
        : pen(painter.pen())
        , brush(painter.brush())
        , font(painter.font())
        , transform(painter.worldTransform())
        , clip(painter.clipRegion())
        , hasClipping(painter.hasClipping())
        , brushOrigin(painter.brushOrigin())
    {
    }
    bool operator==(const PainterState& other) const
    {
        return pen == other.pen && brush == other.brush && font == other.font
               && transform == other.transform && clip == other.clip
               && hasClipping == other.hasClipping && brushOrigin == other.brushOrigin;
    }

    QPen pen;
    QBrush brush;
    QFont font;
    QTransform transform;
    QRegion clip;
    bool hasClipping;
    QPointF brushOrigin;
};

bool isDark(QRgb pixel)
{
    return qGray(pixel) < 128;
}

// The last column with a dark pixel, or -1.
int rightmostDarkColumn(const QImage& image)
{
    for (int x = image.width() - 1; x >= 0; --x) {
        if (countPixels(image, QRect(x, 0, 1, image.height()), isDark) > 0)
            return x;
    }
    return -1;
}

QImage barCode(ZCDrawer::EMITipoBarCode tipo, int zoom, const QString& text, const QRect& rect)
{
    QImage image = canvas(QSize(400, 80));
    QPainter painter(&image);
    ZCDrawer::DrawBarCode(&painter, tipo, zoom, text, rect);
    return image;
}

QString manyLetters()
{
    return QString(60, QLatin1Char('M'));
}

} // namespace

class TestZCDrawer : public QObject
{
    Q_OBJECT

private slots:
    void drawImagePlacesEachFitMode_data();
    void drawImagePlacesEachFitMode();
    void drawPixmapPlacesEachFitMode_data();
    void drawPixmapPlacesEachFitMode();
    void clipArgumentLimitsTheDrawing();
    void nothingToDrawLeavesTheCanvasAlone();

    void drawFiguraShapes_data();
    void drawFiguraShapes();

    void drawTextStaysInsideItsRectangle();
    void drawTextKeepsTheCallersClip();
    void drawTextDocumentPaintsInsideTheRectangle();

    void drawBarCodePaintsOnlyValidData_data();
    void drawBarCodePaintsOnlyValidData();
    void drawBarCodeZoomWidensTheModules();

    void everyCallRestoresThePainter_data();
    void everyCallRestoresThePainter();


private:
};

void TestZCDrawer::drawImagePlacesEachFitMode_data()
{
    QTest::addColumn<ZCDrawer::EMIAspectoDibujoGeneric>("aspecto");
    QTest::addColumn<QRect>("rect");
    QTest::addColumn<Probes>("probes");

    // The source is 40 x 20, red on the left half, blue on the right; the canvas 100 x 100.
    QTest::newRow("natural size is centred")
        << ZCDrawer::AspectoNatural << QRect(0, 0, 100, 100)
        << Probes{{{30, 40}, red}, {{69, 59}, blue}, {{29, 40}, white}, {{70, 59}, white},
                  {{30, 39}, white}, {{30, 60}, white}};
    QTest::newRow("natural size is cropped to a smaller rectangle")
        << ZCDrawer::AspectoNatural << QRect(10, 10, 20, 10)
        << Probes{{{10, 10}, red}, {{19, 19}, red}, {{20, 10}, blue}, {{29, 19}, blue},
                  {{9, 10}, white}, {{30, 10}, white}, {{10, 9}, white}, {{10, 20}, white}};
    QTest::newRow("stretched fills the rectangle")
        << ZCDrawer::AspectoEstirado << QRect(0, 0, 100, 50)
        << Probes{{{0, 0}, red}, {{45, 49}, red}, {{55, 0}, blue}, {{99, 49}, blue},
                  {{50, 50}, white}};
    QTest::newRow("reduced never grows beyond the source")
        << ZCDrawer::AspectoReducido << QRect(0, 0, 100, 100)
        << Probes{{{0, 0}, red}, {{39, 19}, blue}, {{40, 0}, white}, {{0, 20}, white}};
    QTest::newRow("reduced shrinks into a small rectangle at its corner")
        << ZCDrawer::AspectoReducido << QRect(10, 10, 20, 20)
        << Probes{{{10, 10}, red}, {{29, 19}, blue}, {{10, 20}, white}, {{30, 10}, white}};
    QTest::newRow("proportional fills the width at the top-left")
        << ZCDrawer::AspectoProporcional << QRect(0, 0, 100, 100)
        << Probes{{{0, 0}, red}, {{40, 49}, red}, {{60, 0}, blue}, {{99, 49}, blue},
                  {{0, 50}, white}, {{99, 50}, white}};
    QTest::newRow("tiles start at the rectangle's corner")
        << ZCDrawer::AspectoMosaico << QRect(5, 5, 90, 30)
        << Probes{{{5, 5}, red}, {{25, 5}, blue}, {{45, 5}, red}, {{74, 34}, blue},
                  {{5, 25}, red}, {{4, 5}, white}, {{5, 35}, white}, {{95, 5}, white}};
    QTest::newRow("top-left keeps natural size at the corner, cropped")
        << ZCDrawer::AspectoSuperiorIzquierda << QRect(10, 10, 30, 30)
        << Probes{{{10, 10}, red}, {{29, 29}, red}, {{39, 10}, blue}, {{40, 10}, white},
                  {{10, 30}, white}};
}

void TestZCDrawer::drawImagePlacesEachFitMode()
{
    QFETCH(ZCDrawer::EMIAspectoDibujoGeneric, aspecto);
    QFETCH(QRect, rect);
    QFETCH(Probes, probes);

    QImage image = canvas(QSize(100, 100));
    QPainter painter(&image);
    ZCDrawer::DrawImage(&painter, rect, aspecto, redBlue<QImage>(QSize(40, 20)));
    painter.end();
    QVERIFY(checkProbes(image, probes));
}

void TestZCDrawer::drawPixmapPlacesEachFitMode_data()
{
    QTest::addColumn<ZCDrawer::EMIAspectoDibujoGeneric>("aspecto");
    QTest::addColumn<QRect>("rect");
    QTest::addColumn<Probes>("probes");

    // Pixmaps go through the style's drawItemPixmap: modes 0 to 3 are centred.
    QTest::newRow("natural size is centred")
        << ZCDrawer::AspectoNatural << QRect(0, 0, 100, 100)
        << Probes{{{30, 40}, red}, {{69, 59}, blue}, {{29, 40}, white}, {{70, 59}, white}};
    QTest::newRow("stretched fills the rectangle")
        << ZCDrawer::AspectoEstirado << QRect(0, 0, 100, 50)
        << Probes{{{0, 0}, red}, {{45, 49}, red}, {{55, 0}, blue}, {{99, 49}, blue},
                  {{50, 50}, white}};
    QTest::newRow("reduced keeps a small pixmap at natural size, centred")
        << ZCDrawer::AspectoReducido << QRect(0, 0, 100, 100)
        << Probes{{{30, 40}, red}, {{69, 59}, blue}, {{29, 40}, white}, {{30, 39}, white}};
    QTest::newRow("proportional fills the width, centred vertically")
        << ZCDrawer::AspectoProporcional << QRect(0, 0, 100, 100)
        << Probes{{{0, 25}, red}, {{99, 74}, blue}, {{0, 24}, white}, {{99, 75}, white}};
    QTest::newRow("tiles start at the rectangle's corner")
        << ZCDrawer::AspectoMosaico << QRect(5, 5, 90, 30)
        << Probes{{{5, 5}, red}, {{25, 5}, blue}, {{45, 5}, red}, {{4, 5}, white},
                  {{5, 35}, white}};
    QTest::newRow("top-left keeps natural size at the corner")
        << ZCDrawer::AspectoSuperiorIzquierda << QRect(10, 10, 80, 80)
        << Probes{{{10, 10}, red}, {{49, 29}, blue}, {{9, 10}, white}, {{50, 10}, white},
                  {{10, 30}, white}};
}

void TestZCDrawer::drawPixmapPlacesEachFitMode()
{
    QFETCH(ZCDrawer::EMIAspectoDibujoGeneric, aspecto);
    QFETCH(QRect, rect);
    QFETCH(Probes, probes);

    QImage image = canvas(QSize(100, 100));
    QPainter painter(&image);
    ZCDrawer::DrawPixmap(&painter, rect, aspecto, redBlue<QPixmap>(QSize(40, 20)));
    painter.end();
    QVERIFY(checkProbes(image, probes));
}

void TestZCDrawer::clipArgumentLimitsTheDrawing()
{
    QImage image = canvas(QSize(100, 100));
    QPainter painter(&image);
    const QRectF leftHalf(0, 0, 30, 100);
    ZCDrawer::DrawImage(&painter, QRect(0, 0, 100, 50), ZCDrawer::AspectoEstirado,
                        redBlue<QImage>(QSize(40, 20)), &leftHalf);
    ZCDrawer::DrawPixmap(&painter, QRect(0, 50, 100, 50), ZCDrawer::AspectoEstirado,
                         redBlue<QPixmap>(QSize(40, 20)), &leftHalf);
    painter.end();
    QVERIFY(checkProbes(image, {{{29, 10}, red}, {{30, 10}, white}, {{29, 60}, red},
                                {{30, 60}, white}, {{80, 80}, white}}));
}

void TestZCDrawer::nothingToDrawLeavesTheCanvasAlone()
{
    QImage image = canvas(QSize(50, 50));
    QPainter painter(&image);
    ZCDrawer::DrawImage(&painter, QRect(0, 0, 50, 50), ZCDrawer::AspectoNatural, QImage());
    ZCDrawer::DrawPixmap(&painter, QRect(0, 0, 50, 50), ZCDrawer::AspectoNatural, QPixmap());
    ZCDrawer::DrawImage(&painter, QRect(0, 0, 0, 0), ZCDrawer::AspectoEstirado,
                        redBlue<QImage>(QSize(4, 4)));
    ZCDrawer::DrawImage(&painter, QRect(0, 0, 50, 50), ZCDrawer::EMIAspectoDibujoGeneric(9),
                        redBlue<QImage>(QSize(4, 4)));
    ZCDrawer::DrawImage(nullptr, QRect(0, 0, 50, 50), ZCDrawer::AspectoNatural,
                        redBlue<QImage>(QSize(4, 4)));
    painter.end();
    QCOMPARE(countPixels(image, image.rect(), isWhite), 50 * 50);
}

void TestZCDrawer::drawFiguraShapes_data()
{
    QTest::addColumn<ZCDrawer::ETipoDeFigura>("tipo");
    QTest::addColumn<QRect>("rect");
    QTest::addColumn<int>("lineWidth");
    QTest::addColumn<Probes>("probes");

    QTest::newRow("a rectangle with a 4-pixel line fills its rectangle but the bevelled corners")
        << ZCDrawer::FiguraRectangulo << QRect(10, 10, 40, 30) << 4
        << Probes{{{14, 10}, black}, {{10, 14}, black}, {{13, 13}, black}, {{14, 14}, red},
                  {{49, 35}, black}, {{45, 39}, black}, {{10, 10}, white}, {{49, 39}, white},
                  {{9, 10}, white}, {{50, 20}, white}, {{20, 40}, white}};
    QTest::newRow("a rounded rectangle with a 4-pixel line is inset by 2")
        << ZCDrawer::FiguraRectanguloRedondeado << QRect(10, 10, 60, 60) << 4
        << Probes{{{40, 10}, black}, {{40, 13}, black}, {{40, 9}, white}, {{10, 10}, white},
                  {{40, 40}, red}, {{69, 40}, black}, {{70, 40}, white}, {{40, 69}, black}};
    QTest::newRow("without a pen the fill leaves out the last row and column")
        << ZCDrawer::FiguraRectangulo << QRect(10, 10, 40, 30) << 0
        << Probes{{{10, 10}, red}, {{48, 38}, red}, {{49, 20}, white}, {{20, 39}, white},
                  {{9, 10}, white}};
    QTest::newRow("an ellipse without a pen leaves the corners empty")
        << ZCDrawer::FiguraElipse << QRect(10, 10, 60, 40) << 0
        << Probes{{{40, 30}, red}, {{11, 30}, red}, {{11, 11}, white}, {{68, 48}, white}};
    QTest::newRow("a horizontal line runs through the vertical middle")
        << ZCDrawer::FiguraLineaHorizontal << QRect(10, 10, 40, 30) << 1
        << Probes{{{10, 25}, black}, {{49, 25}, black}, {{30, 25}, black}, {{30, 20}, white},
                  {{30, 30}, white}, {{30, 15}, white}};
    QTest::newRow("a vertical line runs through the horizontal middle")
        << ZCDrawer::FiguraLineaVertical << QRect(10, 10, 40, 30) << 1
        << Probes{{{30, 10}, black}, {{30, 39}, black}, {{25, 20}, white}, {{35, 20}, white}};
}

void TestZCDrawer::drawFiguraShapes()
{
    QFETCH(ZCDrawer::ETipoDeFigura, tipo);
    QFETCH(QRect, rect);
    QFETCH(int, lineWidth);
    QFETCH(Probes, probes);

    QImage image = canvas(QSize(80, 80));
    QPainter painter(&image);
    ZCDrawer::DrawFigura(&painter, tipo, rect, black, red, lineWidth);
    painter.end();
    QVERIFY(checkProbes(image, probes));
}

void TestZCDrawer::drawTextStaysInsideItsRectangle()
{
    QImage image = canvas(QSize(100, 40));
    QPainter painter(&image);
    painter.setPen(Qt::black);
    ZCDrawer::DrawTextW(&painter, manyLetters(), QRect(0, 0, 30, 40), Qt::AlignLeft | Qt::AlignVCenter);
    painter.end();

    const auto dark = isDark;
    QVERIFY(countPixels(image, QRect(0, 0, 30, 40), dark) > 0);
    QCOMPARE(countPixels(image, QRect(30, 0, 70, 40), dark), 0);
}

void TestZCDrawer::drawTextKeepsTheCallersClip()
{
    QImage image = canvas(QSize(100, 40));
    QPainter painter(&image);
    painter.setPen(Qt::black);
    painter.setClipRect(0, 0, 20, 40);
    ZCDrawer::DrawTextW(&painter, manyLetters(), QRect(0, 0, 100, 40), Qt::AlignLeft | Qt::AlignVCenter);
    painter.end();

    const auto dark = isDark;
    QVERIFY(countPixels(image, QRect(0, 0, 20, 40), dark) > 0);
    QCOMPARE(countPixels(image, QRect(20, 0, 80, 40), dark), 0);
}

void TestZCDrawer::drawTextDocumentPaintsInsideTheRectangle()
{
    QImage image = canvas(QSize(120, 120));
    QPainter painter(&image);
    const QString html = QStringLiteral("<p style=\"background-color:#ff0000\">%1</p>")
                             .arg(QString(40, QLatin1Char('W')).split(QString()).join(QLatin1Char(' ')));
    ZCDrawer::DrawTextDocument(&painter, html, QRect(20, 30, 60, 40));
    painter.end();

    const auto reddish = [](QRgb pixel) { return qRed(pixel) > 200 && qGreen(pixel) < 60; };
    const QRect inside(20, 30, 60, 40);
    QVERIFY(countPixels(image, inside, reddish) > 0);
    QCOMPARE(countPixels(image, QRect(0, 0, 120, 30), isWhite), 120 * 30);
    QCOMPARE(countPixels(image, QRect(0, 70, 120, 50), isWhite), 120 * 50);
    QCOMPARE(countPixels(image, QRect(0, 30, 20, 40), isWhite), 20 * 40);
    QCOMPARE(countPixels(image, QRect(80, 30, 40, 40), isWhite), 40 * 40);
}

void TestZCDrawer::drawBarCodePaintsOnlyValidData_data()
{
    QTest::addColumn<ZCDrawer::EMITipoBarCode>("tipo");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("painted");
    QTest::newRow("an EAN-13 with its check digit") << BarCodeEan13 << "1234567890128" << true;
    QTest::newRow("an EAN-13 with a wrong check digit") << BarCodeEan13 << "1234567890127" << false;
    QTest::newRow("an EAN-13 without its check digit") << BarCodeEan13 << "123456789012" << false;
    QTest::newRow("an EAN-8 with its check digit") << BarCodeEan8 << "96385074" << true;
    QTest::newRow("Code 39 text") << BarCode39 << "MIROKIT-39" << true;
    QTest::newRow("empty Code 39") << BarCode39 << "" << false;
    QTest::newRow("Interleaved 2 of 5 with a letter") << BarCodeInterleaved25 << "12A4" << false;
    QTest::newRow("Code 128 in set B") << BarCode128 << "BHola" << true;
    QTest::newRow("Code 128 without a start set") << BarCode128 << "X12" << false;
    QTest::newRow("a type code beyond 8") << ZCDrawer::EMITipoBarCode(9) << "1234567890128" << false;
}

void TestZCDrawer::drawBarCodePaintsOnlyValidData()
{
    QFETCH(ZCDrawer::EMITipoBarCode, tipo);
    QFETCH(QString, text);
    QFETCH(bool, painted);

    const QRect rect(20, 10, 360, 60);
    const QImage image = barCode(tipo, 100, text, rect);
    QCOMPARE(countPixels(image, rect, isDark) > 0, painted);
    QCOMPARE(countPixels(image, image.rect(), isDark), countPixels(image, rect, isDark));
}

void TestZCDrawer::drawBarCodeZoomWidensTheModules()
{
    const QRect rect(0, 0, 400, 80);
    const QString ean13 = QStringLiteral("1234567890128");
    const int atHundred = rightmostDarkColumn(barCode(BarCodeEan13, 100, ean13, rect));
    const int atTwoHundred = rightmostDarkColumn(barCode(BarCodeEan13, 200, ean13, rect));
    QVERIFY(atHundred > 0);
    QVERIFY2(qAbs(atTwoHundred + 1 - 2 * (atHundred + 1)) <= 2,
             qPrintable(QStringLiteral("%1 vs %2").arg(atHundred).arg(atTwoHundred)));
}

void TestZCDrawer::everyCallRestoresThePainter_data()
{
    QTest::addColumn<DrawCall>("call");

    const QRect rect(5, 5, 60, 40);
    const QImage image = redBlue<QImage>(QSize(40, 20));
    const QPixmap pixmap = redBlue<QPixmap>(QSize(40, 20));
    for (int aspecto = ZCDrawer::AspectoNatural; aspecto <= ZCDrawer::AspectoSuperiorIzquierda; ++aspecto) {
        const auto mode = ZCDrawer::EMIAspectoDibujoGeneric(aspecto);
        QTest::addRow("DrawImage in mode %d", aspecto) << DrawCall([=](QPainter* p, const QRectF* clip) {
            ZCDrawer::DrawImage(p, rect, mode, image, clip);
        });
        QTest::addRow("DrawPixmap in mode %d", aspecto) << DrawCall([=](QPainter* p, const QRectF* clip) {
            ZCDrawer::DrawPixmap(p, rect, mode, pixmap, clip);
        });
        QTest::addRow("DrawPixmapHdpi in mode %d", aspecto) << DrawCall([=](QPainter* p, const QRectF* clip) {
            ZCDrawer::DrawPixmapHdpi(p, rect, mode, pixmap, clip);
        });
    }
    for (int tipo = ZCDrawer::FiguraLineaHorizontal; tipo <= ZCDrawer::FiguraElipse; ++tipo) {
        QTest::addRow("DrawFigura of type %d", tipo) << DrawCall([=](QPainter* p, const QRectF* clip) {
            ZCDrawer::DrawFigura(p, ZCDrawer::ETipoDeFigura(tipo), rect, Qt::black, Qt::red, 3, clip);
        });
    }
    QTest::newRow("DrawBarCode") << DrawCall([=](QPainter* p, const QRectF* clip) {
        ZCDrawer::DrawBarCode(p, BarCodeEan13, 100, QStringLiteral("1234567890128"), rect, clip);
    });
    QTest::newRow("DrawTextW") << DrawCall([=](QPainter* p, const QRectF* clip) {
        ZCDrawer::DrawTextW(p, QStringLiteral("Texto"), rect, Qt::AlignCenter, clip);
    });
    QTest::newRow("DrawTextDocument") << DrawCall([=](QPainter* p, const QRectF* clip) {
        ZCDrawer::DrawTextDocument(p, QStringLiteral("<b>Texto</b> enriquecido"), rect, clip);
    });
}

void TestZCDrawer::everyCallRestoresThePainter()
{
    QFETCH(DrawCall, call);

    QImage image = canvas(QSize(100, 100));
    QPainter painter(&image);
    painter.setClipRect(2, 2, 90, 90);
    painter.translate(3, 4);
    painter.setPen(QPen(Qt::green, 3, Qt::DashLine));
    painter.setBrush(Qt::yellow);
    painter.setBrushOrigin(7, 9);
    QFont font = painter.font();
    font.setPointSize(17);
    painter.setFont(font);

    const PainterState before(painter);
    const QRectF clip(10, 10, 30, 30);
    call(&painter, nullptr);
    QVERIFY(PainterState(painter) == before);
    call(&painter, &clip);
    QVERIFY(PainterState(painter) == before);

    painter.setClipping(false);
    const PainterState unclipped(painter);
    call(&painter, nullptr);
    QVERIFY(PainterState(painter) == unclipped);
}

MIROKIT_TEST_MAIN(TestZCDrawer)
#include "tst_zcdrawer.moc"
