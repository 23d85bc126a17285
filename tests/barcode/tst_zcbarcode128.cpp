// The Code 128 data syntax: start sets, escapes, shifts, digit pairs and the check value.
#include "barcodetest.h"
#include "mirokittest.h"

#include <Mirokit/ZCBarCode128.h>

using namespace barcodetest;

using Values = QList<uchar>;
Q_DECLARE_METATYPE(Values)

class TestZCBarCode128 : public QObject
{
    Q_OBJECT

private slots:
    void validData_data();
    void validData();
    void invalidData_data();
    void invalidData();
    void lengthLimitsTheParse();
    void specialValues_data();
    void specialValues();
    void characterValues_data();
    void characterValues();
};

void TestZCBarCode128::validData_data()
{
    QTest::addColumn<QString>("dato");
    QTest::addColumn<int>("set");
    QTest::addColumn<Values>("values");
    QTest::addColumn<int>("check");

    // (104 + 40 x 1 + 73 x 2) mod 103 = 84
    QTest::newRow("BHi starts in set B") << "BHi" << 1 << Values{40, 73} << 84;
    QTest::newRow("C1234 encodes 12 and 34") << "C1234" << 2 << Values{12, 34} << (105 + 12 + 34 * 2) % 103;
    QTest::newRow("a lower-case start letter") << "c1234" << 2 << Values{12, 34} << (105 + 12 + 34 * 2) % 103;
    QTest::newRow("a control character in set A") << "A\x01Z" << 0 << Values{65, 58} << (103 + 65 + 58 * 2) % 103;
    QTest::newRow("DEL in set B") << "b\x7f" << 1 << Values{95} << (104 + 95) % 103;
    QTest::newRow("a lone hash is a character") << "B#x" << 1 << Values{3, 88} << (104 + 3 + 88 * 2) % 103;
    QTest::newRow("FNC1 in set C") << "C#{1|12" << 2 << Values{102, 12} << (105 + 102 + 12 * 2) % 103;
    QTest::newRow("FNC2 and FNC3 in set B") << "B#{2|#{3|" << 1 << Values{97, 96} << (104 + 97 + 96 * 2) % 103;
    QTest::newRow("FNC4 is 101 in set A") << "A#{4|A" << 0 << Values{101, 33} << (103 + 101 + 33 * 2) % 103;
    QTest::newRow("FNC4 is 100 in set B") << "B#{4|a" << 1 << Values{100, 65} << (104 + 100 + 65 * 2) % 103;
    QTest::newRow("CODE C from set B") << "BA#{C|12" << 1 << Values{33, 99, 12} << (104 + 33 + 99 * 2 + 12 * 3) % 103;
    QTest::newRow("CODE B from set C") << "C12#{B|a" << 2 << Values{12, 100, 65} << (105 + 12 + 100 * 2 + 65 * 3) % 103;
    QTest::newRow("CODE A from set C") << "C12#{A|\x01" << 2 << Values{12, 101, 65} << (105 + 12 + 101 * 2 + 65 * 3) % 103;
    QTest::newRow("SHIFT takes one character from set A") << "B#{S|\x01" "a" << 1 << Values{98, 65, 65}
                                                          << (104 + 98 + 65 * 2 + 65 * 3) % 103;
    QTest::newRow("SHIFT takes one character from set B") << "A#{S|aA" << 0 << Values{98, 65, 33}
                                                          << (103 + 98 + 65 * 2 + 33 * 3) % 103;
    QTest::newRow("SHIFT takes the next character literally") << "B#{S|#" << 1 << Values{98, 3} << (104 + 98 + 3 * 2) % 103;
    QTest::newRow("the start letter alone") << "B" << 1 << Values{} << 104 % 103;
}

void TestZCBarCode128::validData()
{
    QFETCH(QString, dato);
    QFETCH(int, set);
    QFETCH(Values, values);
    QFETCH(int, check);

    Values parsed;
    QCOMPARE(ZCBarCode128::InterpretaDato(dato, dato.size(), parsed), set);
    QCOMPARE(parsed, values);
    QCOMPARE(ZCBarCode128::CalculaPatronCheck(set, parsed), check);

    ZCBarCode128 code;
    code.SetDato(dato);
    QVERIFY(code.IsDatoOK());
    QCOMPARE(code.CalculaCheck(), check);
    // Start, the values and the check of eleven modules each, then the stop of thirteen.
    QCOMPARE(modulesOf(code).size(), 11 * (values.size() + 2) + 13);
}

void TestZCBarCode128::invalidData_data()
{
    QTest::addColumn<QString>("dato");
    QTest::newRow("empty data") << "";
    QTest::newRow("X is no start set") << "X12";
    QTest::newRow("an odd number of digits in set C") << "C123";
    QTest::newRow("a letter in set C") << "C12a4";
    QTest::newRow("an Arabic-Indic digit in set C") << QStringLiteral("C1\u0662");
    QTest::newRow("a lower-case letter in set A") << "Aa";
    QTest::newRow("a Latin-1 letter in set B") << QStringLiteral("Bcaf\u00e9");
    QTest::newRow("a character above Latin-1 in set A") << QStringLiteral("A\u0141");
    QTest::newRow("an escape cut after its brace") << "B#{";
    QTest::newRow("an escape cut after its letter") << "B#{1";
    QTest::newRow("an escape without its bar") << "B#{1xAB";
    QTest::newRow("an escape cut in set C") << "C12#{";
    QTest::newRow("an unknown escape letter") << "B#{9|";
    QTest::newRow("a lower-case escape letter") << "B#{s|a";
    QTest::newRow("a shift at the end") << "B#{S|";
    QTest::newRow("a shift to a character set A lacks") << "B#{S|a";
    QTest::newRow("a shift to a character set B lacks") << "A#{S|\x01";
    QTest::newRow("a shift in set C") << "C#{S|1";
    QTest::newRow("FNC2 in set C") << "C#{2|";
    QTest::newRow("FNC4 in set C") << "C#{4|";
    QTest::newRow("CODE C in set C") << "C#{C|12";
    QTest::newRow("CODE A in set A") << "A#{A|";
}

void TestZCBarCode128::invalidData()
{
    QFETCH(QString, dato);
    Values parsed{1, 2, 3};
    QCOMPARE(ZCBarCode128::InterpretaDato(dato, dato.size(), parsed), -1);
    QVERIFY(parsed.isEmpty());

    ZCBarCode128 code;
    code.SetDato(dato);
    QVERIFY(!code.IsDatoOK());
    QCOMPARE(code.CalculaCheck(), -1);
    QVERIFY(isBlank(render(code, QSize(300, 20))));
}

void TestZCBarCode128::lengthLimitsTheParse()
{
    Values parsed;
    QCOMPARE(ZCBarCode128::InterpretaDato(QStringLiteral("BHi"), 2, parsed), 1);
    QCOMPARE(parsed, Values{40});
    // A length that cuts an escape leaves it truncated, whatever follows.
    QCOMPARE(ZCBarCode128::InterpretaDato(QStringLiteral("B#{1|"), 4, parsed), -1);
    QCOMPARE(ZCBarCode128::InterpretaDato(QStringLiteral("BHi"), 99, parsed), 1);
    QCOMPARE(parsed, (Values{40, 73}));
}

void TestZCBarCode128::specialValues_data()
{
    QTest::addColumn<int>("special");
    QTest::addColumn<int>("inA");
    QTest::addColumn<int>("inB");
    QTest::addColumn<int>("inC");
    QTest::newRow("FNC1 is 102 everywhere") << int(ZCBarCode128::FNC1) << 102 << 102 << 102;
    QTest::newRow("FNC2 is 97 in A and B") << int(ZCBarCode128::FNC2) << 97 << 97 << -1;
    QTest::newRow("FNC3 is 96 in A and B") << int(ZCBarCode128::FNC3) << 96 << 96 << -1;
    QTest::newRow("FNC4 is 101 in A, 100 in B") << int(ZCBarCode128::FNC4) << 101 << 100 << -1;
    QTest::newRow("CODE A is 101 in B and C") << int(ZCBarCode128::CodeA) << -1 << 101 << 101;
    QTest::newRow("CODE B is 100 in A and C") << int(ZCBarCode128::CodeB) << 100 << -1 << 100;
    QTest::newRow("CODE C is 99 in A and B") << int(ZCBarCode128::CodeC) << 99 << 99 << -1;
    QTest::newRow("SHIFT is 98 in A and B") << int(ZCBarCode128::Shift) << 98 << 98 << -1;
    QTest::newRow("an unknown special is in no set") << 42 << -1 << -1 << -1;
}

void TestZCBarCode128::specialValues()
{
    QFETCH(int, special);
    QFETCH(int, inA);
    QFETCH(int, inB);
    QFETCH(int, inC);
    QCOMPARE(ZCBarCode128::CalculaPatronEspecial(ZCBarCode128::SetA, special), inA);
    QCOMPARE(ZCBarCode128::CalculaPatronEspecial(ZCBarCode128::SetB, special), inB);
    QCOMPARE(ZCBarCode128::CalculaPatronEspecial(ZCBarCode128::SetC, special), inC);
    QCOMPARE(ZCBarCode128::CalculaPatronEspecial(3, special), -1);
}

void TestZCBarCode128::characterValues_data()
{
    QTest::addColumn<int>("set");
    QTest::addColumn<int>("ch");
    QTest::addColumn<int>("value");
    QTest::newRow("space is 0 in set A") << 0 << 32 << 0;
    QTest::newRow("underscore is 63 in set A") << 0 << 95 << 63;
    QTest::newRow("NUL is 64 in set A") << 0 << 0 << 64;
    QTest::newRow("US is 95 in set A") << 0 << 31 << 95;
    QTest::newRow("set A lacks the grave accent") << 0 << 96 << -1;
    QTest::newRow("set B lacks control characters") << 1 << 31 << -1;
    QTest::newRow("DEL is 95 in set B") << 1 << 127 << 95;
    QTest::newRow("set B lacks Latin-1") << 1 << 0xE9 << -1;
    QTest::newRow("a digit in set C") << 2 << int('7') << 7;
    QTest::newRow("set C lacks letters") << 2 << int('A') << -1;
}

void TestZCBarCode128::characterValues()
{
    QFETCH(int, set);
    QFETCH(int, ch);
    QFETCH(int, value);
    QCOMPARE(ZCBarCode128::CalculaPatronChar(set, uchar(ch)), value);
}

MIROKIT_TEST_MAIN(TestZCBarCode128)
#include "tst_zcbarcode128.moc"
