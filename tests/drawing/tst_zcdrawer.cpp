#include "drawingtest.h"
#include "mirokittest.h"

#include <Mirokit/ZCDrawer.h>

#include <functional>
#include <tuple>

using namespace drawingtest;
using DrawCall = std::function<void(QPainter*, const QRectF*)>;
Q_DECLARE_METATYPE(DrawCall)
Q_DECLARE_METATYPE(ZCDrawer::EMIAspectoDibujoGeneric)
Q_DECLARE_METATYPE(ZCDrawer::ETipoDeFigura)
Q_DECLARE_METATYPE(ZCDrawer::EMITipoBarCode)

class TestZCDrawer : public QObject
{
    Q_OBJECT

private slots:
    void placesEachFitMode_data()
    {
        QTest::addColumn<bool>("asPixmap");
        QTest::addColumn<ZCDrawer::EMIAspectoDibujoGeneric>("aspecto");
        QTest::addColumn<QRect>("rect");
        QTest::addColumn<QRect>("placed");
        const auto row = [](const char* name, bool asPixmap, int aspecto, const QRect& rect, const QRect& placed) {
            QTest::newRow(name) << asPixmap << ZCDrawer::EMIAspectoDibujoGeneric(aspecto) << rect << placed;
        };
        // A 40 x 20 source on a 100 x 100 canvas; only what falls inside the rectangle shows.
        row("natural size is centred", false, ZCDrawer::AspectoNatural, {0, 0, 100, 100}, {30, 40, 40, 20});
        row("natural size is centred and cropped in a smaller rectangle", false, ZCDrawer::AspectoNatural,
            {10, 10, 20, 10}, {0, 5, 40, 20});
        row("stretched fills the rectangle", false, ZCDrawer::AspectoEstirado, {0, 0, 100, 50}, {0, 0, 100, 50});
        row("reduced never grows beyond the source", false, ZCDrawer::AspectoReducido, {0, 0, 100, 100}, {0, 0, 40, 20});
        row("reduced shrinks into a small rectangle at its corner", false, ZCDrawer::AspectoReducido,
            {10, 10, 20, 20}, {10, 10, 20, 10});
        row("proportional fills the width at the top-left", false, ZCDrawer::AspectoProporcional,
            {0, 0, 100, 100}, {0, 0, 100, 50});
        row("tiles start at the rectangle's corner", false, ZCDrawer::AspectoMosaico, {5, 5, 90, 30}, {5, 5, 40, 20});
        row("top-left keeps natural size at the corner, cropped", false, ZCDrawer::AspectoSuperiorIzquierda,
            {10, 10, 30, 30}, {10, 10, 40, 20});
        // Pixmaps go through the style's drawItemPixmap, which centres all but tiles and top-left.
        row("pixmap natural size is centred", true, ZCDrawer::AspectoNatural, {0, 0, 100, 100}, {30, 40, 40, 20});
        row("pixmap stretched fills the rectangle", true, ZCDrawer::AspectoEstirado, {0, 0, 100, 50}, {0, 0, 100, 50});
        row("pixmap reduced keeps a small pixmap at natural size, centred", true, ZCDrawer::AspectoReducido,
            {0, 0, 100, 100}, {30, 40, 40, 20});
        row("pixmap proportional fills the width, centred vertically", true, ZCDrawer::AspectoProporcional,
            {0, 0, 100, 100}, {0, 25, 100, 50});
        row("pixmap tiles start at the rectangle's corner", true, ZCDrawer::AspectoMosaico, {5, 5, 90, 30}, {5, 5, 40, 20});
        row("pixmap top-left keeps natural size at the corner", true, ZCDrawer::AspectoSuperiorIzquierda,
            {10, 10, 80, 80}, {10, 10, 40, 20});
    }

    void placesEachFitMode()
    {
        QFETCH(bool, asPixmap);
        QFETCH(ZCDrawer::EMIAspectoDibujoGeneric, aspecto);
        QFETCH(QRect, rect);
        QFETCH(QRect, placed);
        QImage image = canvas(QSize(100, 100));
        QPainter painter(&image);
        if (asPixmap)
            ZCDrawer::DrawPixmap(&painter, rect, aspecto, redBlue<QPixmap>(QSize(40, 20)));
        else
            ZCDrawer::DrawImage(&painter, rect, aspecto, redBlue<QImage>(QSize(40, 20)));
        painter.end();
        QVERIFY(showsRedBlue(image, placed, aspecto == ZCDrawer::AspectoMosaico ? rect : placed & rect));
    }

    void clipArgumentLimitsTheDrawing()
    {
        QImage image = canvas(QSize(100, 100));
        QPainter painter(&image);
        const QRectF leftPart(0, 0, 30, 100);
        const auto stretched = ZCDrawer::AspectoEstirado;
        ZCDrawer::DrawImage(&painter, QRect(0, 0, 100, 50), stretched, redBlue<QImage>(QSize(40, 20)), &leftPart);
        ZCDrawer::DrawPixmap(&painter, QRect(0, 50, 100, 50), stretched, redBlue<QPixmap>(QSize(40, 20)), &leftPart);
        painter.end();
        QVERIFY(showsRedBlue(image, QRect(0, 0, 100, 100), leftPart.toRect()));
    }

    void nothingToDrawLeavesTheCanvasAlone()
    {
        QImage image = canvas(QSize(50, 50));
        QPainter painter(&image);
        const QRect rect(0, 0, 50, 50);
        ZCDrawer::DrawImage(&painter, rect, ZCDrawer::AspectoNatural, QImage());
        ZCDrawer::DrawPixmap(&painter, rect, ZCDrawer::AspectoNatural, QPixmap());
        ZCDrawer::DrawImage(&painter, QRect(0, 0, 0, 0), ZCDrawer::AspectoEstirado, redBlue<QImage>(QSize(4, 4)));
        ZCDrawer::DrawImage(&painter, rect, ZCDrawer::EMIAspectoDibujoGeneric(9), redBlue<QImage>(QSize(4, 4)));
        ZCDrawer::DrawImage(nullptr, rect, ZCDrawer::AspectoNatural, redBlue<QImage>(QSize(4, 4)));
        painter.end();
        QCOMPARE(countPixels(image, image.rect(), isWhite), 50 * 50);
    }

    void drawFiguraShapes_data()
    {
        QTest::addColumn<ZCDrawer::ETipoDeFigura>("tipo");
        QTest::addColumn<QRect>("rect");
        QTest::addColumn<int>("lineWidth");
        QTest::addColumn<Probes>("probes");
        QTest::newRow("a rectangle with a 4-pixel line fills its rectangle but the bevelled corners")
            << ZCDrawer::FiguraRectangulo << QRect(10, 10, 40, 30) << 4
            << Probes{{{14, 10}, black}, {{13, 13}, black}, {{14, 14}, red}, {{49, 35}, black}, {{45, 39}, black},
                      {{10, 10}, white}, {{49, 39}, white}, {{9, 10}, white}, {{50, 20}, white}, {{20, 40}, white}};
        QTest::newRow("a rounded rectangle with a 4-pixel line is inset by 2")
            << ZCDrawer::FiguraRectanguloRedondeado << QRect(10, 10, 60, 60) << 4
            << Probes{{{40, 10}, black}, {{40, 13}, black}, {{40, 9}, white}, {{10, 10}, white}, {{40, 40}, red},
                      {{69, 40}, black}, {{70, 40}, white}, {{40, 69}, black}};
        QTest::newRow("without a pen the fill leaves out the last row and column")
            << ZCDrawer::FiguraRectangulo << QRect(10, 10, 40, 30) << 0
            << Probes{{{10, 10}, red}, {{48, 38}, red}, {{49, 20}, white}, {{20, 39}, white}, {{9, 10}, white}};
        QTest::newRow("an ellipse without a pen leaves the corners empty") << ZCDrawer::FiguraElipse << QRect(10, 10, 60, 40)
            << 0 << Probes{{{40, 30}, red}, {{11, 30}, red}, {{11, 11}, white}, {{68, 48}, white}};
        QTest::newRow("a horizontal line runs through the vertical middle")
            << ZCDrawer::FiguraLineaHorizontal << QRect(10, 10, 40, 30) << 1
            << Probes{{{10, 25}, black}, {{49, 25}, black}, {{30, 24}, white}, {{30, 26}, white}};
        QTest::newRow("a vertical line runs through the horizontal middle")
            << ZCDrawer::FiguraLineaVertical << QRect(10, 10, 40, 30) << 1
            << Probes{{{30, 10}, black}, {{30, 39}, black}, {{29, 20}, white}, {{31, 20}, white}};
    }

    void drawFiguraShapes()
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

    void textStaysInsideRectangleAndClip_data()
    {
        QTest::addColumn<bool>("rich");
        QTest::addColumn<QRect>("rect");
        QTest::addColumn<QRect>("callersClip");
        QTest::newRow("a long text is cut at its rectangle") << false << QRect(0, 0, 30, 40) << QRect();
        QTest::newRow("the caller's clip still holds") << false << QRect(0, 0, 100, 40) << QRect(0, 0, 20, 40);
        QTest::newRow("a long rich text is cut at its rectangle") << true << QRect(20, 30, 60, 40) << QRect();
        QTest::newRow("a rich text keeps the caller's clip") << true << QRect(20, 30, 60, 40) << QRect(0, 0, 50, 50);
    }

    void textStaysInsideRectangleAndClip()
    {
        QFETCH(bool, rich);
        QFETCH(QRect, rect);
        QFETCH(QRect, callersClip);
        QImage image = canvas(QSize(120, 120));
        QPainter painter(&image);
        if (!callersClip.isNull())
            painter.setClipRect(callersClip);
        const QString words = QString(40, QLatin1Char('W')).split(QString()).join(QLatin1Char(' '));
        if (rich)
            ZCDrawer::DrawTextDocument(&painter, QStringLiteral("<p style=\"background-color:#ff0000\">%1</p>").arg(words), rect);
        else
            ZCDrawer::DrawTextW(&painter, QString(60, QLatin1Char('M')), rect, Qt::AlignLeft | Qt::AlignVCenter);
        painter.end();
        const QRect allowed = callersClip.isNull() ? rect : rect & callersClip;
        const auto inked = [](QRgb pixel) { return !isWhite(pixel); };
        QVERIFY(countPixels(image, allowed, inked) > 0);
        QCOMPARE(countPixels(image, image.rect(), inked), countPixels(image, allowed, inked));
    }

    void drawBarCodePaintsOnlyValidData_data()
    {
        QTest::addColumn<ZCDrawer::EMITipoBarCode>("tipo");
        QTest::addColumn<int>("zoom");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("inkedWidth");
        // An EAN-13 is 95 modules, a Code 128 of four characters 79; a module is a pixel at 100 %.
        QTest::newRow("an EAN-13 with its check digit") << BarCodeEan13 << 100 << "1234567890128" << 95;
        QTest::newRow("the zoom widens the modules") << BarCodeEan13 << 200 << "1234567890128" << 190;
        QTest::newRow("Code 128 in set B") << BarCode128 << 100 << "BHola" << 79;
        QTest::newRow("an EAN-13 with a wrong check digit") << BarCodeEan13 << 100 << "1234567890127" << 0;
        QTest::newRow("a type code beyond 8") << ZCDrawer::EMITipoBarCode(9) << 100 << "1234567890128" << 0;
    }

    void drawBarCodePaintsOnlyValidData()
    {
        QFETCH(ZCDrawer::EMITipoBarCode, tipo);
        QFETCH(int, zoom);
        QFETCH(QString, text);
        QFETCH(int, inkedWidth);
        const QRect rect(20, 10, 360, 60);
        QImage image = canvas(QSize(400, 80));
        QPainter painter(&image);
        ZCDrawer::DrawBarCode(&painter, tipo, zoom, text, rect);
        painter.end();
        QCOMPARE(countPixels(image, image.rect(), isDark), countPixels(image, rect, isDark));
        int width = 0;
        for (int x = rect.left(); x <= rect.right(); ++x)
            width = isDark(image.pixel(x, rect.top())) ? x - rect.left() + 1 : width;
        QCOMPARE(width, inkedWidth);
    }

    void everyCallRestoresThePainter_data()
    {
        QTest::addColumn<DrawCall>("call");
        const QRect rect(5, 5, 60, 40);
        const QImage image = redBlue<QImage>(QSize(40, 20));
        const QPixmap pixmap = redBlue<QPixmap>(QSize(40, 20));
        for (int aspecto = ZCDrawer::AspectoNatural; aspecto <= ZCDrawer::AspectoSuperiorIzquierda; ++aspecto) {
            const auto mode = ZCDrawer::EMIAspectoDibujoGeneric(aspecto);
            QTest::addRow("DrawImage in mode %d", aspecto)
                << DrawCall([=](QPainter* p, const QRectF* clip) { ZCDrawer::DrawImage(p, rect, mode, image, clip); });
            QTest::addRow("DrawPixmap in mode %d", aspecto)
                << DrawCall([=](QPainter* p, const QRectF* clip) { ZCDrawer::DrawPixmap(p, rect, mode, pixmap, clip); });
            QTest::addRow("DrawPixmapHdpi in mode %d", aspecto)
                << DrawCall([=](QPainter* p, const QRectF* clip) { ZCDrawer::DrawPixmapHdpi(p, rect, mode, pixmap, clip); });
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

    void everyCallRestoresThePainter()
    {
        QFETCH(DrawCall, call);
        QImage image = canvas(QSize(100, 100));
        QPainter painter(&image);
        painter.setClipRect(2, 2, 90, 90);
        painter.translate(3, 4);
        painter.setPen(QPen(Qt::green, 3, Qt::DashLine));
        painter.setBrush(Qt::yellow);
        painter.setBrushOrigin(7, 9);
        painter.setFont(QFont(QStringLiteral("DejaVu Serif"), 17));
        const auto state = [&painter] {
            return std::make_tuple(painter.pen(), painter.brush(), painter.font(), painter.worldTransform(),
                                   painter.clipRegion(), painter.hasClipping(), painter.brushOrigin());
        };
        const auto before = state();
        const QRectF clip(10, 10, 30, 30);
        call(&painter, nullptr);
        QVERIFY(state() == before);
        call(&painter, &clip);
        QVERIFY(state() == before);
        painter.setClipping(false);
        const auto unclipped = state();
        call(&painter, nullptr);
        QVERIFY(state() == unclipped);
    }
};

MIROKIT_TEST_MAIN(TestZCDrawer)
#include "tst_zcdrawer.moc"
