// Validation, check characters, the Code 128 data syntax, resolution and geometry of the
// barcode family. The bars themselves are compared with zint in tst_zcbarcodezint.
#include "barcodetest.h"
#include "mirokittest.h"

#include <Mirokit/ZCBarCode128.h>
#include <Mirokit/ZCBarCodeEan13.h>

#include <QRandomGenerator>

using namespace barcodetest;

using Values = QList<uchar>;
Q_DECLARE_METATYPE(Values)

namespace {

// Valid data for each type code, long enough to cross a narrow rectangle.
QString sampleData(int tipo)
{
    static const char* const samples[] = {"1234567890128", "96385074", "012345678905", "CODE 39", "Full ascii!",
                                          "1234567890", "A37859B", "BHello, world", "123-4552"};
    return QLatin1String(samples[tipo]);
}

QString arabicIndic(const char* latinDigits)
{
    QString text = QLatin1String(latinDigits);
    for (QChar& ch : text)
        ch = QChar(0x0660 + ch.digitValue());
    return text;
}

// A background the bars must leave alone between them: plain, a colour per line, or noise.
QImage background(const QString& kind, QImage::Format format)
{
    QImage image = blankImage(QSize(180, 60), 96).convertToFormat(format);
    QRandomGenerator random(7);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (kind == QLatin1String("lines"))
                image.setPixel(x, y, qRgb(255, 4 * y, 255 - 4 * y));
            else if (kind == QLatin1String("noise"))
                image.setPixel(x, y, random.generate() | 0xff000000u);
        }
    }
    return image;
}

} // namespace

class TestZCBarCode : public QObject
{
    Q_OBJECT

private slots:
    void unknownTypeCodes()
    {
        for (const int tipo : {-1, 9, 1000})
            QVERIFY(!ZCBarCode::Create(tipo) && ZCBarCode::GetDescripcionTipo(tipo).isEmpty());
    }

    void zoomSetsModuleWidth_data()
    {
        QTest::addColumn<int>("percent");
        QTest::addColumn<int>("dpi");
        QTest::addColumn<int>("mils");
        QTest::addColumn<int>("pixels");
        QTest::newRow("100 % at 96 DPI is one pixel") << 100 << 96 << 12 << 1;
        QTest::newRow("100 % at 600 DPI is seven pixels") << 100 << 600 << 12 << 7;
        QTest::newRow("250 % at 96 DPI rounds 2.88 to three pixels") << 250 << 96 << 30 << 3;
        QTest::newRow("33 % truncates the mils") << 33 << 600 << 3 << 2;
        QTest::newRow("zero percent still draws one-pixel modules") << 0 << 600 << 0 << 1;
        QTest::newRow("a huge zoom neither overflows nor draws") << std::numeric_limits<int>::max() << 600 << 257698037 << (1 << 20);
    }

    // The start guard, a bar, a space and a bar of one module each, in the code's own colour.
    void zoomSetsModuleWidth()
    {
        QFETCH(int, percent);
        QFETCH(int, dpi);
        QFETCH(int, mils);
        QFETCH(int, pixels);
        ZCBarCodeEan13 code;
        code.SetDato(QStringLiteral("1234567890128"));
        code.SetColorBarras(Qt::red);
        code.Zoom(percent);
        QCOMPARE(code.GetModuleMils(), mils);
        const QImage image = render(code, QSize(400, 10), dpi);
        QCOMPARE(code.GetModulePx(), pixels);
        const QString bar(pixels, QLatin1Char('1'));
        const QString guard = pixels < 100 ? bar + QString(pixels, QLatin1Char('0')) + bar : QString();
        const QString row = rowModules(image, 0);
        QCOMPARE(guard.isEmpty() ? row : row.left(guard.size()), guard);
        QCOMPARE(image.pixelColor(0, 0), guard.isEmpty() ? QColor(Qt::white) : QColor(Qt::red));
    }

    void validation_data()
    {
        QTest::addColumn<int>("tipo");
        QTest::addColumn<QString>("dato");
        QTest::addColumn<bool>("valid");
        for (int tipo = 0; tipo < 9; ++tipo)
            QTest::addRow("%s empty data fails", qPrintable(ZCBarCode::GetDescripcionTipo(tipo))) << tipo << QString() << false;
        QTest::newRow("EAN-13 with a wrong check digit fails") << int(BarCodeEan13) << "1234567890127" << false;
        QTest::newRow("EAN-13 without its check digit fails") << int(BarCodeEan13) << "123456789012" << false;
        QTest::newRow("EAN-13 in Arabic-Indic digits fails") << int(BarCodeEan13) << arabicIndic("1234567890128") << false;
        QTest::newRow("UPC-A of thirteen digits fails") << int(BarCodeUPC) << "0123456789050" << false;
        QTest::newRow("Code 39 lower case validates") << int(BarCode39) << "abc" << true;
        QTest::newRow("Code 39 with its own start character fails") << int(BarCode39) << "A*B" << false;
        QTest::newRow("Code 39 with a Latin-1 letter fails") << int(BarCode39) << QStringLiteral("CAF\u00c9") << false;
        QTest::newRow("Code 39 with a character above Latin-1 fails") << int(BarCode39) << QStringLiteral("A\u0141") << false;
        QTest::newRow("full ASCII takes a NUL") << int(BarCode39Ext) << QString(QChar(0)) << true;
        QTest::newRow("full ASCII fails above 127") << int(BarCode39Ext) << QStringLiteral("caf\u00e9") << false;
        QTest::newRow("Interleaved 2 of 5 in Arabic-Indic digits fails") << int(BarCodeInterleaved25) << arabicIndic("12") << false;
        QTest::newRow("Codabar with lower-case start fails") << int(BarCodeCodabar) << "a37859b" << false;
        QTest::newRow("Codabar with a letter it lacks fails") << int(BarCodeCodabar) << "A37E59B" << false;
        QTest::newRow("Code 11 with a wrong C check fails") << int(BarCode11) << "123-4562" << false;
        QTest::newRow("Code 11 with a wrong K check fails") << int(BarCode11) << "123-4553" << false;
        QTest::newRow("Code 11 without checks fails") << int(BarCode11) << "12" << false;
        QTest::newRow("Code 11 in Arabic-Indic digits fails") << int(BarCode11) << arabicIndic("00") + QLatin1String("00") << false;
        const auto bad128 = [](const char* name, const QString& dato) {
            QTest::addRow("Code 128 with %s fails", name) << int(BarCode128) << dato << false;
        };
        bad128("X as start set", QStringLiteral("X12"));
        bad128("an odd number of digits in set C", QStringLiteral("C123"));
        bad128("a letter in set C", QStringLiteral("C12a4"));
        bad128("an Arabic-Indic digit in set C", QStringLiteral("C1\u0662"));
        bad128("a lower-case letter in set A", QStringLiteral("Aa"));
        bad128("a grave accent in set A", QStringLiteral("A`"));
        bad128("a control character in set B", QStringLiteral("B\x01"));
        bad128("a Latin-1 letter in set B", QStringLiteral("Bcaf\u00e9"));
        bad128("a character above Latin-1 in set A", QStringLiteral("A\u0141"));
        bad128("an escape cut after its brace", QStringLiteral("B#{"));
        bad128("an escape cut after its letter", QStringLiteral("B#{1"));
        bad128("an escape without its bar", QStringLiteral("B#{1xAB"));
        bad128("an escape cut in set C", QStringLiteral("C12#{"));
        bad128("an unknown escape letter", QStringLiteral("B#{9|"));
        bad128("a lower-case escape letter", QStringLiteral("B#{s|a"));
        bad128("a shift at the end", QStringLiteral("B#{S|"));
        bad128("a shift to a character set A lacks", QStringLiteral("B#{S|a"));
        bad128("a shift to a character set B lacks", QStringLiteral("A#{S|\x01"));
        bad128("a shift in set C", QStringLiteral("C#{S|1"));
        bad128("FNC2 in set C", QStringLiteral("C#{2|"));
        bad128("FNC4 in set C", QStringLiteral("C#{4|"));
        bad128("CODE C in set C", QStringLiteral("C#{C|12"));
        bad128("CODE A in set A", QStringLiteral("A#{A|"));
    }

    void validation()
    {
        QFETCH(int, tipo);
        QFETCH(QString, dato);
        QFETCH(bool, valid);
        const auto code = create(tipo, dato);
        QCOMPARE(code->IsDatoOK(), valid);
        QCOMPARE(modulesOf(*code).isEmpty(), !valid);
        if (tipo == BarCode128 && !valid) {
            Values parsed{1, 2, 3};
            QCOMPARE(ZCBarCode128::InterpretaDato(dato, dato.size(), parsed), -1);
            QVERIFY(parsed.isEmpty());
            QCOMPARE(static_cast<ZCBarCode128*>(code.get())->CalculaCheck(), -1);
        }
    }

    void eanCheckDigit_data()
    {
        QTest::addColumn<int>("tipo");
        QTest::addColumn<QString>("dato");
        QTest::addColumn<bool>("bLen");
        QTest::addColumn<QString>("check");
        QTest::newRow("EAN-13 reads only the first twelve") << int(BarCodeEan13) << "4512345678901" << true << "6";
        QTest::newRow("EAN-13 of eleven digits is blank") << int(BarCodeEan13) << "12345678901" << true << " ";
        QTest::newRow("EAN-13 of eleven digits without bLen weighs what there is") << int(BarCodeEan13) << "12345678901" << false << "2";
        QTest::newRow("a letter gives a blank") << int(BarCodeEan8) << "96385A7" << true << " ";
    }

    void eanCheckDigit()
    {
        QFETCH(int, tipo);
        QFETCH(QString, dato);
        QFETCH(bool, bLen);
        QFETCH(QString, check);
        QCOMPARE(QString(static_cast<ZCBarCodeEanUpc*>(create(tipo, dato).get())->CalculaCheck(bLen)), check);
    }

    void code128Values_data()
    {
        QTest::addColumn<QString>("dato");
        QTest::addColumn<int>("set");
        QTest::addColumn<Values>("values");
        QTest::newRow("C1234 encodes 12 and 34") << "C1234" << 2 << Values{12, 34};
        QTest::newRow("a lower-case start letter") << "c1234" << 2 << Values{12, 34};
        QTest::newRow("set A runs from space to US")
            << QStringLiteral("A _\0\x1f") << 0 << Values{0, 63, 64, 95};
        QTest::newRow("DEL in set B") << "b\x7f" << 1 << Values{95};
        QTest::newRow("a lone hash is a character") << "B#x" << 1 << Values{3, 88};
        QTest::newRow("FNC1 in set C") << "C#{1|12" << 2 << Values{102, 12};
        QTest::newRow("FNC2 and FNC3 in set B") << "B#{2|#{3|" << 1 << Values{97, 96};
        QTest::newRow("FNC4 is 101 in set A") << "A#{4|A" << 0 << Values{101, 33};
        QTest::newRow("FNC4 is 100 in set B") << "B#{4|a" << 1 << Values{100, 65};
        QTest::newRow("CODE C from set B") << "BA#{C|12" << 1 << Values{33, 99, 12};
        QTest::newRow("CODE B from set C") << "C12#{B|a" << 2 << Values{12, 100, 65};
        QTest::newRow("CODE A from set C") << "C12#{A|\x01" << 2 << Values{12, 101, 65};
        QTest::newRow("SHIFT takes one character from set A") << "B#{S|\x01" "a" << 1 << Values{98, 65, 65};
        QTest::newRow("SHIFT takes one character from set B") << "A#{S|aA" << 0 << Values{98, 65, 33};
        QTest::newRow("SHIFT takes the next character literally") << "B#{S|#" << 1 << Values{98, 3};
        QTest::newRow("the start letter alone") << "B" << 1 << Values{};
        QTest::newRow("weights past the modulus") << QStringLiteral("C") + QStringLiteral("47").repeated(240) << 2
                                                   << QVector<uchar>(240, 47).toList();
    }

    void code128Values()
    {
        QFETCH(QString, dato);
        QFETCH(int, set);
        QFETCH(Values, values);
        Values parsed;
        QCOMPARE(ZCBarCode128::InterpretaDato(dato, dato.size(), parsed), set);
        QCOMPARE(parsed, values);
        // The check weighs the start value (103 + set) once and each value by its position.
        int check = 103 + set;
        for (int i = 0; i < values.size(); ++i)
            check += values.at(i) * (i + 1);
        QCOMPARE(ZCBarCode128::CalculaPatronCheck(set, parsed), check % 103);
        ZCBarCode128 code;
        code.SetDato(dato);
        QVERIFY(code.IsDatoOK());
        QCOMPARE(code.CalculaCheck(), check % 103);
        // Start, the values and the check of eleven modules each, then the stop of thirteen.
        QCOMPARE(modulesOf(code).size(), 11 * (values.size() + 2) + 13);
    }

    void code128LengthLimitsTheParse()
    {
        Values parsed;
        QCOMPARE(ZCBarCode128::InterpretaDato(QStringLiteral("BHi"), 2, parsed), 1);
        QCOMPARE(parsed, Values{40});
        // A length that cuts an escape leaves it truncated, whatever follows.
        QCOMPARE(ZCBarCode128::InterpretaDato(QStringLiteral("B#{1|"), 4, parsed), -1);
        QCOMPARE(ZCBarCode128::InterpretaDato(QStringLiteral("BHi"), 99, parsed), 1);
        QCOMPARE(parsed, (Values{40, 73}));
    }

    void barHeights_data()
    {
        QTest::addColumn<int>("tipo");
        QTest::addColumn<QString>("bandModules");
        const auto guards = [](int halfModules) {
            const QString space(halfModules, QLatin1Char('0'));
            return QStringLiteral("101") + space + QStringLiteral("01010") + space + QStringLiteral("101");
        };
        QTest::newRow("EAN-13 keeps only its guards full") << int(BarCodeEan13) << guards(42);
        QTest::newRow("EAN-8 keeps only its guards full") << int(BarCodeEan8) << guards(28);
        QTest::newRow("UPC-A shortens its first and last digits too") << int(BarCodeUPC) << guards(42);
        QTest::newRow("Codabar bars are all short") << int(BarCodeCodabar) << QString();
        QTest::newRow("Code 128 bars are all short") << int(BarCode128) << QString();
        for (const int tipo : {int(BarCode39), int(BarCode39Ext), int(BarCodeInterleaved25), int(BarCode11)})
            QTest::addRow("%s bars are all full", qPrintable(ZCBarCode::GetDescripcionTipo(tipo))) << tipo << "full";
    }

    // At 96 DPI the band under short bars is trunc(96 / 21) = 4 rows high. A symbol of more than
    // a million pixels is painted bar by bar instead of as one image, with the same bars and band.
    void barHeights()
    {
        QFETCH(int, tipo);
        QFETCH(QString, bandModules);
        const auto code = create(tipo, sampleData(tipo));
        for (const int height : {100, 12000}) {
            const QImage image = render(*code, QSize(400, height));
            const QString top = rowModules(image, 0);
            QVERIFY(!top.isEmpty());
            QCOMPARE(rowModules(image, height - 5), top);
            QCOMPARE(rowModules(image, height - 4), bandModules == QLatin1String("full") ? top : bandModules);
            QCOMPARE(rowModules(image, height - 1), rowModules(image, height - 4));
        }
    }

    void nothingOutsideTheRectangle_data()
    {
        QTest::addColumn<int>("tipo");
        QTest::addColumn<QRect>("target");
        QTest::addColumn<int>("dpi");
        QTest::addColumn<bool>("inked");
        for (int tipo = 0; tipo < 9; ++tipo) {
            const QByteArray name = ZCBarCode::GetDescripcionTipo(tipo).toLatin1();
            const bool hasFullBars = tipo != BarCodeCodabar && tipo != BarCode128;
            QTest::addRow("%s away from the corner", name.constData()) << tipo << QRect(30, 20, 150, 40) << 96 << true;
            QTest::addRow("%s at 600 DPI, narrower than the symbol", name.constData()) << tipo << QRect(30, 20, 90, 60) << 600 << true;
            // The band under short bars is 28 rows at 600 DPI: short bars vanish, full ones stay.
            QTest::addRow("%s at 600 DPI, lower than the band", name.constData()) << tipo << QRect(30, 20, 200, 10) << 600 << hasFullBars;
            QTest::addRow("%s narrower than a module", name.constData()) << tipo << QRect(30, 20, 5, 40) << 600 << false;
            QTest::addRow("%s in an empty rectangle", name.constData()) << tipo << QRect(30, 20, 0, 0) << 96 << false;
        }
    }

    void nothingOutsideTheRectangle()
    {
        QFETCH(int, tipo);
        QFETCH(QRect, target);
        QFETCH(int, dpi);
        QFETCH(bool, inked);
        const auto code = create(tipo, sampleData(tipo));
        const QImage image = render(*code, QSize(260, 100), dpi, target);
        bool inside = false;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (isInk(image.pixel(x, y))) {
                    QVERIFY2(target.contains(x, y), qPrintable(QStringLiteral("ink at %1,%2").arg(x).arg(y)));
                    inside = true;
                }
            }
        }
        QCOMPARE(inside, inked);
        // The symbol is cut at the right edge after its last whole module.
        const QImage whole = render(*code, QSize(4000, 100), dpi, QRect(target.topLeft(), QSize(3900, target.height())));
        const int wholeModules = target.width() / code->GetModulePx();
        QCOMPARE(rowModules(image, target.y()),
                 rowModules(whole.copy(0, 0, target.x() + wholeModules * code->GetModulePx(), 100), target.y()));
    }

    void barsOverAnyBackground_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QRect>("target");
        QTest::addColumn<QPoint>("translation");
        const QVector<QPair<const char*, QRect>> targets = {{"inside", QRect(20, 10, 150, 40)},
                                                            {"over the top left corner", QRect(-30, -8, 150, 40)},
                                                            {"over the bottom right corner", QRect(90, 40, 150, 40)},
                                                            {"outside", QRect(200, 0, 150, 40)}};
        for (const char* kind : {"plain", "lines", "noise"}) {
            for (const auto& target : targets) {
                QTest::addRow("%s, %s", kind, target.first) << QString::fromLatin1(kind) << target.second << QPoint();
                QTest::addRow("%s, %s, translated", kind, target.first) << QString::fromLatin1(kind) << target.second
                                                                          << QPoint(-13, 7);
            }
        }
    }

    // Bars are laid straight into the pixels of an image when nothing stands between; a clip
    // makes the painter blend them as an image instead. Both must give the same pixels.
    void barsOverAnyBackground()
    {
        QFETCH(QString, kind);
        QFETCH(QRect, target);
        QFETCH(QPoint, translation);
        for (const QImage::Format format :
             {QImage::Format_RGB32, QImage::Format_ARGB32, QImage::Format_ARGB32_Premultiplied}) {
            QImage images[2] = {background(kind, format), background(kind, format)};
            for (int clipped = 0; clipped < 2; ++clipped) {
                ZCBarCodeEan13 code;
                code.SetDato(QStringLiteral("1234567890128"));
                code.SetColorBarras(Qt::darkBlue);
                QPainter painter(&images[clipped]);
                painter.translate(translation);
                painter.setRenderHint(QPainter::SmoothPixmapTransform);
                if (clipped)
                    painter.setClipRect(QRect(-100, -100, 1000, 1000));
                code.Draw(&painter, target);
                code.Draw(&painter, target); // the second drawing reuses the first one's rows
                QVERIFY(painter.testRenderHint(QPainter::SmoothPixmapTransform));
            }
            QCOMPARE(images[0], images[1]);
            QCOMPARE(images[0] == background(kind, format), !target.translated(translation).intersects(images[0].rect()));
        }
    }
};

MIROKIT_TEST_MAIN(TestZCBarCode)
#include "tst_zcbarcode.moc"
