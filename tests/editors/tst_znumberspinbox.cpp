#include "messagelogcapture.h"
#include "mirokittest.h"

#include <Mirokit/ZDateEdit.h>
#include <Mirokit/ZFont.h>
#include <Mirokit/ZNumberSpinBox.h>
#include <Mirokit/ZNumberSpinBoxBrowser.h>
#include <Mirokit/ZTimeEdit.h>
#include <Mirokit/ZTimeEditBrowser.h>

#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <cmath>
#include <limits>

namespace {

const QLocale spanish(QLocale::Spanish, QLocale::Spain);

// A number editor under a Spanish locale in a window with a button that holds the focus first.
struct NumberField {
    QWidget window;
    QPushButton* before = new QPushButton(&window);
    ZNumberSpinBox* spin = new ZNumberSpinBox(&window);

    NumberField()
    {
        spin->setLocale(spanish);
        spin->setRange(-1e9, 1e9);
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(before);
        layout->addWidget(spin);
        window.show();
        QApplication::setActiveWindow(&window);
        if (QTest::qWaitForWindowActive(&window))
            before->setFocus();
    }

    QLineEdit* lineEdit() const { return spin->findChild<QLineEdit*>(); }
};

QAbstractSpinBox* spinBoxFor(const QString& kind, QWidget* parent)
{
    if (kind == QLatin1String("date"))
        return new ZDateEdit(QDate(2024, 5, 17), parent);
    if (kind == QLatin1String("time"))
        return new ZTimeEdit(QTime(10, 0), parent);
    auto* spin = new ZNumberSpinBox(parent);
    spin->setValue(5);
    return spin;
}

} // namespace

class TestZNumberSpinBox : public QObject
{
    Q_OBJECT

private slots:
    void displayAndBareNumberOnFocus_data();
    void displayAndBareNumberOnFocus();
    void keypadPointTypesTheLocaleSeparator_data();
    void keypadPointTypesTheLocaleSeparator();
    void emptyTextIsFixedToZero();
    void nonFiniteValuesAreRefused_data();
    void nonFiniteValuesAreRefused();
    void wheelStepsOnlyAFocusedEditor_data();
    void wheelStepsOnlyAFocusedEditor();
    void browsersForwardToTheirEditor();
};

void TestZNumberSpinBox::displayAndBareNumberOnFocus_data()
{
    QTest::addColumn<int>("format");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<QString>("prefix");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("edited");
    QTest::newRow("the local format groups digits") << int(ZNumberSpinBox::NFormatLocal) << 2 << QString()
                                                    << 1234.5 << "1.234,50" << "1234,50";
    QTest::newRow("the currency format shows no symbol") << int(ZNumberSpinBox::NFormatLocalCurrency) << 2
                                                         << QString() << 1234.5 << "1.234,50" << "1234,50";
    QTest::newRow("the currency format shows fewer decimals than the editor keeps")
        << int(ZNumberSpinBox::NFormatLocalCurrency) << 4 << QString() << 1234.5678 << "1.234,57" << "1234,5678";
    QTest::newRow("the currency format shows cents the editor does not keep")
        << int(ZNumberSpinBox::NFormatLocalCurrency) << 0 << QString() << 98765.0 << "98.765,00" << "98765";
    QTest::newRow("the prefix stays out of the selection") << int(ZNumberSpinBox::NFormatLocal) << 2
                                                          << "Total " << 1234.5 << "Total 1.234,50" << "1234,50";
    QTest::newRow("a negative number keeps its sign") << int(ZNumberSpinBox::NFormatLocal) << 1 << QString()
                                                      << -98765.4 << "-98.765,4" << "-98765,4";
    QTest::newRow("without a format the text is Qt's") << int(ZNumberSpinBox::NFormatNone) << 2 << QString()
                                                       << 1234.5 << "1234,50" << "1234,50";
    QTest::newRow("an unknown format shows nothing") << 7 << 2 << QString() << 1234.5 << "" << "";
}

void TestZNumberSpinBox::displayAndBareNumberOnFocus()
{
    QFETCH(int, format);
    QFETCH(int, decimals);
    QFETCH(QString, prefix);
    QFETCH(double, value);
    QFETCH(QString, shown);
    QFETCH(QString, edited);
    NumberField field;
    field.spin->setDecimals(decimals);
    field.spin->setPrefix(prefix);
    field.spin->setNumericFormat(format);
    field.spin->setValue(value);
    QCOMPARE(field.spin->text(), shown);
    if (edited.isEmpty())
        return;
    QSignalSpy changes(field.spin, QOverload<double>::of(&QDoubleSpinBox::valueChanged));
    field.spin->setFocus(Qt::TabFocusReason);
    QCOMPARE(field.lineEdit()->text(), prefix + edited);
    QCOMPARE(field.lineEdit()->selectedText(), edited);
    QCOMPARE(field.spin->value(), value);
    QCOMPARE(changes.count(), 0);
    field.before->setFocus();
    QCOMPARE(field.spin->text(), shown);
}

void TestZNumberSpinBox::keypadPointTypesTheLocaleSeparator_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("text");
    QTest::newRow("a comma under a Spanish locale") << spanish << "1,5";
    QTest::newRow("a point under an English locale") << QLocale(QLocale::English, QLocale::UnitedStates) << "1.5";
}

void TestZNumberSpinBox::keypadPointTypesTheLocaleSeparator()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, text);
    NumberField field;
    field.spin->setLocale(locale);
    field.spin->setFocus();
    field.spin->selectAll();
    QTest::keyClick(field.spin, Qt::Key_1);
    QTest::keyClick(field.spin, Qt::Key_Period, Qt::KeypadModifier);
    QTest::keyClick(field.spin, Qt::Key_5);
    QCOMPARE(field.lineEdit()->text(), text);
    QCOMPARE(field.spin->value(), 1.5);
}

void TestZNumberSpinBox::emptyTextIsFixedToZero()
{
    ZNumberSpinBox spin;
    spin.setLocale(spanish);
    spin.setNumericFormat(ZNumberSpinBox::NFormatLocal);
    QString input = QStringLiteral("  ");
    spin.fixup(input);
    QCOMPARE(input, QStringLiteral("0,00"));
}

void TestZNumberSpinBox::nonFiniteValuesAreRefused_data()
{
    QTest::addColumn<QByteArray>("property");
    QTest::addColumn<double>("value");
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double infinity = std::numeric_limits<double>::infinity();
    QTest::newRow("a value that is not a number") << QByteArray("value") << nan;
    QTest::newRow("an infinite value") << QByteArray("value") << infinity;
    QTest::newRow("an infinite maximum") << QByteArray("maximum") << infinity;
    QTest::newRow("a minimum of minus infinity") << QByteArray("minimum") << -infinity;
    QTest::newRow("a step that is not a number") << QByteArray("singleStep") << nan;
}

void TestZNumberSpinBox::nonFiniteValuesAreRefused()
{
    QFETCH(QByteArray, property);
    QFETCH(double, value);
    ZNumberSpinBoxBrowser browser;
    browser.setValue(3);
    const double before = browser.property(property).toDouble();
    MessageLogCapture log;
    browser.setProperty(property, value);
    QCOMPARE(browser.property(property).toDouble(), before);
    QVERIFY(log.contains(QtWarningMsg,
                         QStringLiteral("ZNumberSpinBox: se rechaza un valor que no es un número finito")));
    browser.setRange(0, std::nan(""));
    QCOMPARE(browser.maximum(), 99.99);
}

void TestZNumberSpinBox::wheelStepsOnlyAFocusedEditor_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("focused");
    for (const char* kind : {"date", "time", "number"}) {
        QTest::addRow("the wheel over an unfocused %s editor reaches the parent", kind) << kind << false;
        QTest::addRow("the wheel over a focused %s editor steps it", kind) << kind << true;
    }
}

void TestZNumberSpinBox::wheelStepsOnlyAFocusedEditor()
{
    QFETCH(QString, kind);
    QFETCH(bool, focused);
    NumberField field;
    QAbstractSpinBox* spin = spinBoxFor(kind, &field.window);
    field.window.layout()->addWidget(spin);
    spin->show();
    if (focused)
        spin->setFocus();
    const QString before = spin->text();
    const QPoint centre = spin->rect().center();
    QWheelEvent wheel(centre, spin->mapToGlobal(centre), QPoint(), QPoint(0, 120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(spin, &wheel);
    QCOMPARE(wheel.isAccepted(), focused);
    QCOMPARE(spin->text() != before, focused);
}

void TestZNumberSpinBox::browsersForwardToTheirEditor()
{
    ZNumberSpinBoxBrowser numbers;
    auto* spin = numbers.GetNumberSpinBox();
    QSignalSpy values(&numbers, &ZNumberSpinBoxBrowser::valueChanged);
    QVERIFY(numbers.setProperty("decimals", 3));
    QVERIFY(numbers.setProperty("value", 2.125));
    QCOMPARE(spin->value(), 2.125);
    QCOMPARE(values.count(), 1);
    QVERIFY(numbers.setProperty("suffix", QStringLiteral(" kg")));
    QCOMPARE(numbers.property("cleanText").toString(), spin->cleanText());
    QVERIFY(QMetaObject::invokeMethod(&numbers, "setNumericFormat", Q_ARG(int, ZNumberSpinBox::NFormatLocal)));
    QCOMPARE(spin->numericFormat(), int(ZNumberSpinBox::NFormatLocal));
    QVERIFY(QMetaObject::invokeMethod(&numbers, "stepUp"));
    QCOMPARE(values.count(), 2);
    QVERIFY(numbers.setProperty("wrapping", true));
    QVERIFY(spin->wrapping());
    QVERIFY(numbers.setProperty("specialValueText", QStringLiteral("-")));
    QCOMPARE(spin->specialValueText(), QStringLiteral("-"));
    QVERIFY(qvariant_cast<ZFont*>(numbers.property("font")));

    ZTimeEditBrowser times;
    QSignalSpy timeChanges(&times, &ZTimeEditBrowser::timeChanged);
    QVERIFY(times.setProperty("time", QTime(9, 45)));
    QCOMPARE(times.GetTimeEdit()->time(), QTime(9, 45));
    QCOMPARE(timeChanges.count(), 1);
    QVERIFY(times.setProperty("maximumTime", QTime(18, 0)));
    QCOMPARE(times.GetTimeEdit()->maximumTime(), QTime(18, 0));
    QVERIFY(times.setProperty("readOnly", true));
    QVERIFY(times.GetTimeEdit()->isReadOnly());
    QCOMPARE(times.GetTimeEdit()->focusPolicy(), Qt::NoFocus);
}

MIROKIT_TEST_MAIN(TestZNumberSpinBox)
#include "tst_znumberspinbox.moc"
