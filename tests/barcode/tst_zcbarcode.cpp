// Validation, check characters, resolution and geometry of the barcode family.
#include "barcodetest.h"
#include "mirokittest.h"

#include <Mirokit/ZCBarCode11.h>
#include <Mirokit/ZCBarCode128.h>
#include <Mirokit/ZCBarCode39Ext.h>
#include <Mirokit/ZCBarCodeEan13.h>
#include <Mirokit/ZCBarCodeInterleaved25.h>

using namespace barcodetest;

namespace {

// Valid data for each type code, long enough to cross a narrow rectangle.
QString sampleData(int tipo)
{
    static const char* const samples[] = {"1234567890128", "96385074", "012345678905", "CODE 39",
                                          "Full ascii!", "1234567890", "A37859B", "BHello, world",
                                          "123-45"};
    QString dato = QLatin1String(samples[tipo]);
    if (tipo == BarCode11) {
        dato += ZCBarCode11::CalculaCheck(dato, dato.size(), 10);
        dato += ZCBarCode11::CalculaCheck(dato, dato.size(), 9);
    }
    return dato;
}

QString arabicIndic(const char* latinDigits)
{
    QString text = QLatin1String(latinDigits);
    for (QChar& ch : text)
        ch = QChar(0x0660 + ch.digitValue());
    return text;
}

} // namespace

class TestZCBarCode : public QObject
{
    Q_OBJECT

private slots:
    void typeCodes_data();
    void typeCodes();
    void unknownTypeCodes();
    void zoomSetsModuleWidth_data();
    void zoomSetsModuleWidth();
    void hugeZoomDrawsNothing();
    void validation_data();
    void validation();
    void eanCheckDigit_data();
    void eanCheckDigit();
    void code11Checks_data();
    void code11Checks();
    void fullAsciiSpelling_data();
    void fullAsciiSpelling();
    void fullAsciiKeepsData();
    void interleavedPadsOddData();
    void barHeights_data();
    void barHeights();
    void nothingOutsideTheRectangle_data();
    void nothingOutsideTheRectangle();
    void narrowRectangleCutsTheSymbol();
    void largeSymbolsPaintAlike_data();
    void largeSymbolsPaintAlike();
    void copiesDrawAlike();
    void painterStateIsRestored();
};

void TestZCBarCode::typeCodes_data()
{
    QTest::addColumn<int>("tipo");
    QTest::addColumn<QString>("name");
    const char* const names[] = {"Ean13", "Ean8", "UPC", "Code39", "Code39ext", "Interleaved25",
                                 "Codabar", "Code128", "Code11"};
    for (int tipo = 0; tipo < 9; ++tipo)
        QTest::addRow("type %d is %s", tipo, names[tipo]) << tipo << QString::fromLatin1(names[tipo]);
}

void TestZCBarCode::typeCodes()
{
    QFETCH(int, tipo);
    QFETCH(QString, name);
    const auto code = ZCBarCode::Create(tipo);
    QVERIFY(code);
    QCOMPARE(code->GetTipo(), tipo);
    QCOMPARE(code->GetDescripcionTipo(), name);
    QCOMPARE(ZCBarCode::GetDescripcionTipo(tipo), name);
    QCOMPARE(code->GetModuleMils(), 12);
    QCOMPARE(code->GetColorBarras(), QColor(0, 0, 0, 255));
}

void TestZCBarCode::unknownTypeCodes()
{
    for (const int tipo : {-1, 9, 1000}) {
        QVERIFY(!ZCBarCode::Create(tipo));
        QVERIFY(ZCBarCode::GetDescripcionTipo(tipo).isEmpty());
    }
}

void TestZCBarCode::zoomSetsModuleWidth_data()
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
}

void TestZCBarCode::zoomSetsModuleWidth()
{
    QFETCH(int, percent);
    QFETCH(int, dpi);
    QFETCH(int, mils);
    QFETCH(int, pixels);
    ZCBarCodeEan13 code;
    code.SetDato(QStringLiteral("1234567890128"));
    code.Zoom(percent);
    QCOMPARE(code.GetModuleMils(), mils);
    const QImage image = render(code, QSize(100 * pixels + 10, 10), dpi);
    QCOMPARE(code.GetModulePx(), pixels);
    // The start guard: a bar, a space and a bar of one module each.
    QCOMPARE(rowModules(image, 0).left(3 * pixels), QString(pixels, QLatin1Char('1')) + QString(pixels, QLatin1Char('0'))
                                                         + QString(pixels, QLatin1Char('1')));
}

void TestZCBarCode::hugeZoomDrawsNothing()
{
    ZCBarCodeEan13 code;
    code.SetDato(QStringLiteral("1234567890128"));
    code.Zoom(std::numeric_limits<int>::max());
    QVERIFY(code.GetModuleMils() > 0);
    QVERIFY(isBlank(render(code, QSize(200, 20), 600)));
}

void TestZCBarCode::validation_data()
{
    QTest::addColumn<int>("tipo");
    QTest::addColumn<QString>("dato");
    QTest::addColumn<bool>("valid");

    QTest::newRow("EAN-13 1234567890128 validates") << int(BarCodeEan13) << "1234567890128" << true;
    QTest::newRow("EAN-13 with a wrong check digit fails") << int(BarCodeEan13) << "1234567890127" << false;
    QTest::newRow("EAN-13 without its check digit fails") << int(BarCodeEan13) << "123456789012" << false;
    QTest::newRow("EAN-13 with a letter fails") << int(BarCodeEan13) << QStringLiteral("12345678901A8") << false;
    QTest::newRow("EAN-13 in Arabic-Indic digits fails") << int(BarCodeEan13) << arabicIndic("1234567890128") << false;
    QTest::newRow("EAN-8 96385074 validates") << int(BarCodeEan8) << "96385074" << true;
    QTest::newRow("EAN-8 with a wrong check digit fails") << int(BarCodeEan8) << "96385075" << false;
    QTest::newRow("UPC-A 012345678905 validates") << int(BarCodeUPC) << "012345678905" << true;
    QTest::newRow("UPC-A of thirteen digits fails") << int(BarCodeUPC) << "0123456789050" << false;
    QTest::newRow("Code 39 1A validates") << int(BarCode39) << "1A" << true;
    QTest::newRow("Code 39 lower case validates") << int(BarCode39) << "abc" << true;
    QTest::newRow("Code 39 empty data fails") << int(BarCode39) << "" << false;
    QTest::newRow("Code 39 with its own start character fails") << int(BarCode39) << "A*B" << false;
    QTest::newRow("Code 39 with a Latin-1 letter fails") << int(BarCode39) << QStringLiteral("CAFÉ") << false;
    QTest::newRow("Code 39 with a character above Latin-1 fails") << int(BarCode39) << QStringLiteral("A\u0141") << false;
    QTest::newRow("full ASCII takes control characters") << int(BarCode39Ext) << QStringLiteral("a\x01\x7f") << true;
    QTest::newRow("full ASCII takes a NUL") << int(BarCode39Ext) << QString(QChar(0)) << true;
    QTest::newRow("full ASCII fails above 127") << int(BarCode39Ext) << QStringLiteral("caf\u00e9") << false;
    QTest::newRow("full ASCII empty data fails") << int(BarCode39Ext) << "" << false;
    QTest::newRow("Interleaved 2 of 5 digits validate") << int(BarCodeInterleaved25) << "12345" << true;
    QTest::newRow("Interleaved 2 of 5 with a dash fails") << int(BarCodeInterleaved25) << "12-45" << false;
    QTest::newRow("Interleaved 2 of 5 in Arabic-Indic digits fails") << int(BarCodeInterleaved25) << arabicIndic("12") << false;
    QTest::newRow("Interleaved 2 of 5 empty data fails") << int(BarCodeInterleaved25) << "" << false;
    QTest::newRow("Codabar A37859B validates") << int(BarCodeCodabar) << "A37859B" << true;
    QTest::newRow("Codabar with lower-case start fails") << int(BarCodeCodabar) << "a37859b" << false;
    QTest::newRow("Codabar with a letter it lacks fails") << int(BarCodeCodabar) << "A37E59B" << false;
    QTest::newRow("Codabar empty data fails") << int(BarCodeCodabar) << "" << false;
    QTest::newRow("Code 11 with both checks validates") << int(BarCode11) << "123-4552" << true;
    QTest::newRow("Code 11 with a wrong C check fails") << int(BarCode11) << "123-4562" << false;
    QTest::newRow("Code 11 with a wrong K check fails") << int(BarCode11) << "123-4553" << false;
    QTest::newRow("Code 11 without checks fails") << int(BarCode11) << "12" << false;
    QTest::newRow("Code 11 with a letter fails") << int(BarCode11) << "12A-4552" << false;
    QTest::newRow("Code 11 in Arabic-Indic digits fails") << int(BarCode11) << arabicIndic("00") + QLatin1String("00") << false;
}

void TestZCBarCode::validation()
{
    QFETCH(int, tipo);
    QFETCH(QString, dato);
    QFETCH(bool, valid);
    const auto code = create(tipo, dato);
    QCOMPARE(code->IsDatoOK(), valid);
    QCOMPARE(isBlank(render(*code, QSize(400, 20))), !valid);
}

void TestZCBarCode::eanCheckDigit_data()
{
    QTest::addColumn<int>("tipo");
    QTest::addColumn<QString>("dato");
    QTest::addColumn<bool>("bLen");
    QTest::addColumn<QString>("check");
    QTest::newRow("EAN-13 of twelve digits") << int(BarCodeEan13) << "123456789012" << true << "8";
    QTest::newRow("EAN-13 reads only the first twelve") << int(BarCodeEan13) << "4512345678901" << true << "6";
    QTest::newRow("EAN-13 of eleven digits is blank") << int(BarCodeEan13) << "12345678901" << true << " ";
    QTest::newRow("EAN-13 of eleven digits without bLen weighs what there is") << int(BarCodeEan13) << "12345678901" << false << "2";
    QTest::newRow("EAN-8 of seven digits") << int(BarCodeEan8) << "9638507" << true << "4";
    QTest::newRow("UPC-A of eleven digits") << int(BarCodeUPC) << "01234567890" << true << "5";
    QTest::newRow("a check that sums to ten is zero") << int(BarCodeEan13) << "950110153100" << true << "0";
    QTest::newRow("a letter gives a blank") << int(BarCodeEan8) << "96385A7" << true << " ";
}

void TestZCBarCode::eanCheckDigit()
{
    QFETCH(int, tipo);
    QFETCH(QString, dato);
    QFETCH(bool, bLen);
    QFETCH(QString, check);
    const auto code = create(tipo, dato);
    QCOMPARE(QString(static_cast<ZCBarCodeEanUpc*>(code.get())->CalculaCheck(bLen)), check);
}

void TestZCBarCode::code11Checks_data()
{
    QTest::addColumn<QString>("dato");
    QTest::addColumn<QString>("checks");
    // C: 5x1 + 4x2 + 10x3 + 3x4 + 2x5 + 1x6 = 71 = 6 x 11 + 5; K over "123-455": 101 = 9 x 11 + 2.
    QTest::newRow("123-45 has checks 5 and 2") << "123-45" << "52";
    // Twelve digits: C weights run 1-10 and then 1-2 from the right (sum 274, 10 gives "-"),
    // K weights 1-9 and then 1-4 (sum 272).
    QTest::newRow("twelve digits wrap both weights") << "123456789012" << "-8";
    QTest::newRow("a single zero") << "0" << "00";
}

void TestZCBarCode::code11Checks()
{
    QFETCH(QString, dato);
    QFETCH(QString, checks);
    const QChar c = ZCBarCode11::CalculaCheck(dato, dato.size(), 10);
    const QChar k = ZCBarCode11::CalculaCheck(dato + c, dato.size() + 1, 9);
    QCOMPARE(QString(c) + k, checks);
    ZCBarCode11 code;
    code.SetDato(dato + checks);
    QVERIFY(code.IsDatoOK());
}

void TestZCBarCode::fullAsciiSpelling_data()
{
    QTest::addColumn<QString>("dato");
    QTest::addColumn<QString>("spelling");
    QTest::newRow("NUL is %U") << QString(QChar(0)) << "%U";
    QTest::newRow("control A to Z are $A to $Z") << "\x01\x1a" << "$A$Z";
    QTest::newRow("ESC to US are %A to %E") << "\x1b\x1f" << "%A%E";
    QTest::newRow("space, digits and capitals stay") << " 09AZ" << " 09AZ";
    QTest::newRow("punctuation is /A to /O, dash and dot included") << "!/-." << "/A/O/M/N";
    QTest::newRow("colon is /Z") << ":" << "/Z";
    QTest::newRow("semicolon to question mark are %F to %J") << ";?" << "%F%J";
    QTest::newRow("at sign is %V") << "@" << "%V";
    QTest::newRow("brackets to underscore are %K to %O") << "[_" << "%K%O";
    QTest::newRow("grave accent is %W") << "`" << "%W";
    QTest::newRow("lower case is + and the capital") << "az" << "+A+Z";
    QTest::newRow("braces to DEL are %P to %T") << "{\x7f" << "%P%T";
}

void TestZCBarCode::fullAsciiSpelling()
{
    QFETCH(QString, dato);
    QFETCH(QString, spelling);
    ZCBarCode39Ext code;
    code.SetDato(dato);
    QCOMPARE(code.CovertirDatoExt(), spelling);
    // The symbol is the plain Code 39 symbol of the spelling.
    ZCBarCode39 plain;
    plain.SetDato(spelling);
    QCOMPARE(modulesOf(code), modulesOf(plain));
}

void TestZCBarCode::fullAsciiKeepsData()
{
    ZCBarCode39Ext code;
    code.SetDato(QStringLiteral("Mixed case-text"));
    const QString first = modulesOf(code);
    QCOMPARE(code.GetDato(), QStringLiteral("Mixed case-text"));
    QCOMPARE(modulesOf(code), first);
}

void TestZCBarCode::interleavedPadsOddData()
{
    ZCBarCodeInterleaved25 odd;
    odd.SetDato(QStringLiteral("123"));
    ZCBarCodeInterleaved25 padded;
    padded.SetDato(QStringLiteral("0123"));
    QCOMPARE(modulesOf(odd), modulesOf(padded));
    QCOMPARE(odd.GetDato(), QStringLiteral("0123"));
}

void TestZCBarCode::barHeights_data()
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

// At 96 DPI the band under short bars is trunc(96 / 21) = 4 rows high.
void TestZCBarCode::barHeights()
{
    QFETCH(int, tipo);
    QFETCH(QString, bandModules);
    const auto code = create(tipo, sampleData(tipo));
    const QImage image = render(*code, QSize(400, 100));
    const QString top = rowModules(image, 0);
    QVERIFY(!top.isEmpty());
    QCOMPARE(rowModules(image, 95), top);
    QCOMPARE(rowModules(image, 96), bandModules == QLatin1String("full") ? top : bandModules);
    QCOMPARE(rowModules(image, 99), rowModules(image, 96));
}

void TestZCBarCode::nothingOutsideTheRectangle_data()
{
    QTest::addColumn<int>("tipo");
    QTest::addColumn<QRect>("target");
    QTest::addColumn<int>("dpi");
    QTest::addColumn<bool>("inked");
    for (int tipo = 0; tipo < 9; ++tipo) {
        const QByteArray name = ZCBarCode::GetDescripcionTipo(tipo).toLatin1();
        const bool hasFullBars = tipo != BarCodeCodabar && tipo != BarCode128;
        QTest::addRow("%s in a rectangle away from the corner", name.constData()) << tipo << QRect(30, 20, 150, 40) << 96 << true;
        QTest::addRow("%s at 600 DPI in a rectangle narrower than the symbol", name.constData())
            << tipo << QRect(30, 20, 90, 60) << 600 << true;
        // The band under short bars is 28 rows at 600 DPI: short bars vanish, full ones stay.
        QTest::addRow("%s at 600 DPI in a rectangle lower than the band", name.constData())
            << tipo << QRect(30, 20, 200, 10) << 600 << hasFullBars;
        QTest::addRow("%s in a rectangle narrower than a module", name.constData()) << tipo << QRect(30, 20, 5, 40) << 600 << false;
        QTest::addRow("%s in an empty rectangle", name.constData()) << tipo << QRect(30, 20, 0, 0) << 96 << false;
    }
}

void TestZCBarCode::nothingOutsideTheRectangle()
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
            if (!isInk(image.pixel(x, y)))
                continue;
            QVERIFY2(target.contains(x, y), qPrintable(QStringLiteral("ink at %1,%2").arg(x).arg(y)));
            inside = true;
        }
    }
    QCOMPARE(inside, inked);
}

// Modules of three pixels (250 DPI) in a rectangle of 100: 33 whole modules fit, the 34th,
// which would end one pixel past the edge, is left out.
void TestZCBarCode::narrowRectangleCutsTheSymbol()
{
    ZCBarCode39 code;
    code.SetDato(QStringLiteral("CUT AT THE EDGE"));
    const QString full = rowModules(render(code, QSize(1200, 10), 250), 0);
    const QImage cut = render(code, QSize(200, 10), 250, QRect(0, 0, 100, 10));
    QString expected = full.left(99);
    while (expected.endsWith(QLatin1Char('0')))
        expected.chop(1);
    QCOMPARE(rowModules(cut, 0), expected);
    QVERIFY(full.size() > 200);
}

void TestZCBarCode::largeSymbolsPaintAlike_data()
{
    QTest::addColumn<int>("tipo");
    for (const int tipo : {int(BarCodeEan13), int(BarCode128), int(BarCode39)})
        QTest::addRow("%s", qPrintable(ZCBarCode::GetDescripcionTipo(tipo))) << tipo;
}

// A symbol of more than a million pixels is painted bar by bar instead of as one image; both
// ways must give the same bars and the same heights.
void TestZCBarCode::largeSymbolsPaintAlike()
{
    QFETCH(int, tipo);
    const auto code = create(tipo, sampleData(tipo));
    const QImage small = render(*code, QSize(400, 100));
    const QImage large = render(*code, QSize(400, 12000));
    QCOMPARE(rowModules(large, 0), rowModules(small, 0));
    // The band under short bars keeps its 4 rows at 96 DPI.
    QCOMPARE(rowModules(large, 11995), rowModules(small, 95));
    QCOMPARE(rowModules(large, 11996), rowModules(small, 96));
    QCOMPARE(rowModules(large, 11999), rowModules(small, 99));
}

void TestZCBarCode::copiesDrawAlike()
{
    ZCBarCode128 original;
    original.SetDato(QStringLiteral("BCopy me"));
    original.SetColorBarras(Qt::red);
    original.Zoom(200);
    ZCBarCode128 copied(original);
    ZCBarCode128 assigned;
    assigned = original;

    const QImage image = render(original, QSize(600, 20));
    QCOMPARE(render(copied, QSize(600, 20)), image);
    QCOMPARE(render(assigned, QSize(600, 20)), image);
    QCOMPARE(copied.GetDato(), original.GetDato());
    QCOMPARE(QColor(image.pixel(0, 0)), QColor(Qt::red));
    QCOMPARE(original.GetModulePx(), 2);
}

void TestZCBarCode::painterStateIsRestored()
{
    ZCBarCodeEan13 code;
    code.SetDato(QStringLiteral("1234567890128"));
    QImage image = blankImage(QSize(200, 40), onePixelDpi);
    QPainter painter(&image);
    const QPen pen(Qt::blue, 5);
    painter.setPen(pen);
    painter.setBrush(Qt::green);
    code.Draw(&painter, image.rect());
    QCOMPARE(painter.pen(), pen);
    QCOMPARE(painter.brush(), QBrush(Qt::green));
}

MIROKIT_TEST_MAIN(TestZCBarCode)
#include "tst_zcbarcode.moc"
