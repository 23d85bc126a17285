// Our bars against an independent encoder: zint's module patterns, committed as test data
// (zint-vectors.tsv, written by generate-vectors.py) and, where zint is installed, produced live
// for freshly generated inputs.
#include "barcodetest.h"
#include "mirokittest.h"

#include <Mirokit/ZCBarCode11.h>
#include <Mirokit/ZCBarCodeEanUpc.h>

#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>

using namespace barcodetest;

namespace {

enum ZintSymbology { ZintCode11 = 1, ZintInterleaved25 = 3, ZintCode39 = 8, ZintCode39Ext = 9, ZintEan = 13,
                     ZintCodabar = 18, ZintCode128 = 20, ZintUpcA = 34 };

// The --esc form of zint and of the vector file: \xNN and a doubled backslash.
QString unescape(const QString& text)
{
    QString out;
    for (int i = 0; i < text.size(); ++i) {
        if (text.at(i) == QLatin1Char('\\') && text.at(i + 1) == QLatin1Char('x')) {
            out += QChar(text.mid(i + 2, 2).toUShort(nullptr, 16));
            i += 3;
        } else {
            out += text.at(text.at(i) == QLatin1Char('\\') ? ++i : i);
        }
    }
    return out;
}

QString escape(const QString& text)
{
    QString out;
    for (const QChar ch : text) {
        if (ch.unicode() < 32 || ch.unicode() == 127)
            out += QStringLiteral("\\x%1").arg(ch.unicode(), 2, 16, QLatin1Char('0'));
        else
            out += ch == QLatin1Char('\\') ? QStringLiteral("\\\\") : QString(ch);
    }
    return out;
}

// zint's --dump: hex digits, four modules each, a set bit is a bar.
QString dumpModules(const QString& dump)
{
    QString modules;
    for (const QString& hex : dump.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts))
        modules += QString::number(hex.toUInt(nullptr, 16), 2).rightJustified(4 * hex.size(), QLatin1Char('0'));
    while (modules.endsWith(QLatin1Char('0')))
        modules.chop(1);
    return modules;
}

// zint's pattern as we draw it, with the legitimate differences mapped rather than hidden:
// - Code 39 (and full ASCII), Codabar and Code 11: zint's wide element is twice a narrow one,
//   ours three times, so a run of 2 becomes 3;
// - Codabar: we put one module more between characters, so every eighth element grows by 1.
// EAN/UPC, Interleaved 2 of 5 (3:1 in zint too) and Code 128 must match module for module.
QString zintAsOurs(int symbology, const QString& zint)
{
    if (symbology != ZintCode39 && symbology != ZintCode39Ext && symbology != ZintCode11 && symbology != ZintCodabar)
        return zint;
    QString ours;
    for (int i = 0, element = 0; i < zint.size(); ++element) {
        int run = 1;
        while (i + run < zint.size() && zint.at(i + run) == zint.at(i))
            ++run;
        ours += QString((run == 2 ? 3 : run) + (symbology == ZintCodabar && element % 8 == 7), zint.at(i));
        i += run;
    }
    return ours;
}

// Random text of low to high characters; digits never run longer than maxDigitRun.
QString randomText(QRandomGenerator& random, const QString& alphabet, int low, int high, int maxDigitRun = 99)
{
    const int length = random.bounded(low, high + 1);
    QString text;
    for (int run = 0; text.size() < length;) {
        const QChar ch = alphabet.at(random.bounded(alphabet.size()));
        if (ch.isDigit() && run >= maxDigitRun)
            continue;
        run = ch.isDigit() ? run + 1 : 0;
        text += ch;
    }
    return text;
}

} // namespace

class TestZCBarCodeZint : public QObject
{
    Q_OBJECT

private slots:
    // Rows with zint's modules come from the committed file; the others ask zint itself.
    void matchesZint_data()
    {
        QTest::addColumn<int>("tipo");
        QTest::addColumn<QString>("dato");
        QTest::addColumn<int>("zintSymbology");
        QTest::addColumn<QString>("zintData");
        QTest::addColumn<QString>("zintModules");
        QFile file(QStringLiteral(MIROKIT_ZINT_VECTORS));
        QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
        int rows = 0;
        for (; !file.atEnd(); ++rows) {
            const QStringList fields = QString::fromUtf8(file.readLine()).chopped(1).split(QLatin1Char('\t'));
            QCOMPARE(fields.size(), 6);
            QTest::newRow(qPrintable(fields.at(0))) << fields.at(1).toInt() << unescape(fields.at(2)) << fields.at(3).toInt()
                                                    << unescape(fields.at(4)) << dumpModules(fields.at(5));
        }
        QVERIFY(rows > 100);

        const auto add = [](const char* name, int tipo, const QString& dato, int zintSymbology, const QString& zintData) {
            QTest::addRow("live %s %s", name, qPrintable(escape(dato))) << tipo << dato << zintSymbology << zintData << QString();
        };
        // zint computes the EAN/UPC check digit itself; ours is appended to our data.
        const auto withEanCheck = [](const QString& digits, int tipo) {
            return digits + static_cast<ZCBarCodeEanUpc*>(create(tipo, digits).get())->CalculaCheck(true);
        };
        const QString digits = QStringLiteral("0123456789");
        QString ascii;
        for (ushort ch = 0; ch < 128; ++ch)
            ascii += QChar(ch);
        // A fixed seed keeps failures reproducible; the inputs differ from the committed ones.
        QRandomGenerator random(5);
        for (int i = 0; i < 8; ++i) {
            const QString d12 = randomText(random, digits, 12, 12);
            add("EAN-13", BarCodeEan13, withEanCheck(d12, BarCodeEan13), ZintEan, d12);
            const QString d7 = randomText(random, digits, 7, 7);
            add("EAN-8", BarCodeEan8, withEanCheck(d7, BarCodeEan8), ZintEan, d7);
            const QString d11 = randomText(random, digits, 11, 11);
            add("UPC-A", BarCodeUPC, withEanCheck(d11, BarCodeUPC), ZintUpcA, d11);
            const QString t39 = randomText(random, QStringLiteral("0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-. $/+%"), 1, 20);
            add("Code 39", BarCode39, t39, ZintCode39, t39);
            // zint writes "-" and "." as themselves in full ASCII where we write "/M" and "/N"
            // (the committed vectors cover them).
            const QString ext = randomText(random, QString(ascii).remove(QLatin1Char('-')).remove(QLatin1Char('.')), 1, 15);
            add("Code 39 full ASCII", BarCode39Ext, ext, ZintCode39Ext, ext);
            const QString n25 = randomText(random, digits, 1, 20);
            add("Interleaved 2 of 5", BarCodeInterleaved25, n25, ZintInterleaved25, n25);
            const QString startStop = QStringLiteral("ABCD");
            const QString bar = randomText(random, startStop, 1, 1) + randomText(random, QStringLiteral("0123456789-$:/.+"), 1, 16)
                + randomText(random, startStop, 1, 1);
            add("Codabar", BarCodeCodabar, bar, ZintCodabar, bar);
            // zint chooses code sets by itself: text without runs of digits stays in set B, and an
            // even number of digits (four or more) goes in set C.
            const QString b = randomText(random, ascii.mid(32, 95).remove(QLatin1Char('{')), 1, 20, 2);
            add("Code 128 set B", BarCode128, QLatin1Char('B') + b, ZintCode128, b);
            const QString c = randomText(random, digits, 2, 10) + randomText(random, digits, 2, 10);
            const QString evenDigits = c.left(qMax(4, c.size() & ~1));
            add("Code 128 set C", BarCode128, QLatin1Char('C') + evenDigits, ZintCode128, evenDigits);
            QString e11 = randomText(random, QStringLiteral("0123456789-"), 1, 20);
            const QString zint11 = e11;
            e11 += ZCBarCode11::CalculaCheck(e11, e11.size(), 10);
            e11 += ZCBarCode11::CalculaCheck(e11, e11.size(), 9);
            add("Code 11", BarCode11, e11, ZintCode11, zint11);
        }
    }

    void matchesZint()
    {
        QFETCH(int, tipo);
        QFETCH(QString, dato);
        QFETCH(int, zintSymbology);
        QFETCH(QString, zintData);
        QFETCH(QString, zintModules);
        if (zintModules.isNull()) {
            const QString program = QStandardPaths::findExecutable(QStringLiteral("zint"));
            if (program.isEmpty())
                QSKIP("zint is not installed; the committed vectors stand in for it");
            QProcess zint;
            zint.start(program, {QStringLiteral("--esc"), QStringLiteral("-b"), QString::number(zintSymbology),
                                 QStringLiteral("-d"), escape(zintData), QStringLiteral("--dump")});
            QVERIFY(zint.waitForFinished(30000));
            QVERIFY2(zint.exitStatus() == QProcess::NormalExit && zint.exitCode() == 0, qPrintable(escape(zintData)));
            zintModules = dumpModules(QString::fromLatin1(zint.readAllStandardOutput()));
        }
        const auto code = create(tipo, dato);
        QVERIFY(code->IsDatoOK());
        const QString modules = modulesOf(*code);
        QCOMPARE(modules, zintAsOurs(zintSymbology, zintModules));
        // Full ASCII spells its data out and Interleaved 2 of 5 pads it while drawing: never twice.
        QCOMPARE(modulesOf(*code), modules);
    }
};

MIROKIT_TEST_MAIN(TestZCBarCodeZint)
#include "tst_zcbarcodezint.moc"
