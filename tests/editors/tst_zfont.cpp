#include "mirokittest.h"
#include "messagelogcapture.h"

#include <Mirokit/ZCTextEdit.h>
#include <Mirokit/ZFont.h>

#include <QJSEngine>
#include <QQmlEngine>

class TestZFont : public QObject
{
    Q_OBJECT

private slots:
    void scriptSettersKeepToTheirRange_data();
    void scriptSettersKeepToTheirRange();
    void qt5WeightsGoToTheFontAsQtTakesThem();
    void qt6WeightsReadWithinQt5sScale();
    void letterSpacingTruncatesTowardZero_data();
    void letterSpacingTruncatesTowardZero();

    void spacingAFontCannotHoldIsIgnored_data();
    void spacingAFontCannotHoldIsIgnored();
    void fontPropertyHandsOutCopiesOwnedByTheWidget();
    void scriptsOwnTheFontsHandedToThem();
};

void TestZFont::scriptSettersKeepToTheirRange_data()
{
    QTest::addColumn<QByteArray>("attribute");
    QTest::addColumn<int>("value");
    QTest::addColumn<bool>("accepted");

    const auto row = [](const char* name, const char* attribute, int value, bool accepted) {
        QTest::newRow(name) << QByteArray(attribute) << value << accepted;
    };
    row("black weight", "weight", int(ZFont::Black), true);
    row("weight above 99", "weight", 100, false);
    row("negative weight", "weight", -1, false);
    row("stretch 4000", "stretch", 4000, true);
    row("stretch above 4000", "stretch", 4001, false);
    row("point size one", "pointSize", 1, true);
    row("point size zero", "pointSize", 0, false);
    row("negative pixel size", "pixelSize", -3, false);
    row("capitalize", "capitalization", int(QFont::Capitalize), true);
    row("unknown capitalization", "capitalization", 5, false);
    row("oblique", "style", int(QFont::StyleOblique), true);
    row("unknown style", "style", 3, false);
    row("fantasy hint", "styleHint", int(QFont::Fantasy), true);
    row("unknown style hint", "styleHint", 9, false);
    row("full hinting", "hintingPreference", int(QFont::PreferFullHinting), true);
    row("unknown hinting", "hintingPreference", 4, false);
    row("combined strategies", "styleStrategy", int(QFont::PreferOutline | QFont::NoAntialias), true);
    row("unknown strategy bit", "styleStrategy", 0x10000, false);
}

void TestZFont::scriptSettersKeepToTheirRange()
{
    QFETCH(QByteArray, attribute);
    QFETCH(int, value);
    QFETCH(bool, accepted);

    // Called by name, the way a script does.
    const QByteArray setter = "set" + attribute.left(1).toUpper() + attribute.mid(1);
    ZFont font(QStringLiteral("Roboto"), 10, nullptr);
    const auto read = [&font, &attribute] {
        int result = 0;
        QMetaObject::invokeMethod(&font, attribute.constData(), Q_RETURN_ARG(int, result));
        return result;
    };
    const int before = read();
    MessageLogCapture log;
    QVERIFY(QMetaObject::invokeMethod(&font, setter.constData(), Q_ARG(int, value)));
    QCOMPARE(read(), accepted ? value : before);
    const QStringList warning{QStringLiteral("ZFont: el valor %1 está fuera de rango para %2 y se ignora")
                                  .arg(value).arg(QString::fromLatin1(attribute))};
    QCOMPARE(log.texts(QtWarningMsg), accepted ? QStringList() : warning);
}

namespace {

// What Qt itself makes of a weight of Qt 5's scale, and how it reads a font's weight on it.
QT_WARNING_PUSH
QT_WARNING_DISABLE_DEPRECATED
int qtWeightOfLegacy(int legacy)
{
    QFont font;
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    font.setLegacyWeight(legacy);
#else
    font.setWeight(legacy);
#endif
    return font.weight();
}

int legacyWeightOf(const QFont& font)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    return font.legacyWeight();
#else
    return font.weight();
#endif
}
QT_WARNING_POP

} // namespace

// Every weight a script may set reaches the font as Qt's own conversion puts it, reads back as
// Qt reads it, and stays put when set again.
void TestZFont::qt5WeightsGoToTheFontAsQtTakesThem()
{
    MessageLogCapture log;
    for (int legacy = 0; legacy <= 99; ++legacy) {
        ZFont font(QStringLiteral("Roboto"), 10, nullptr);
        font.setWeight(legacy);
        const int fontWeight = font.font().weight();
        QCOMPARE(fontWeight, qtWeightOfLegacy(legacy));
        const int readBack = font.weight();
        QCOMPARE(readBack, legacyWeightOf(font.font()));
        font.setWeight(readBack);
        QCOMPARE(font.font().weight(), fontWeight);
        QCOMPARE(font.weight(), readBack);
    }
    QCOMPARE(log.texts(QtWarningMsg), QStringList());

    // The named weights come back unchanged under either Qt.
    for (int named : {ZFont::Light, ZFont::Normal, ZFont::DemiBold, ZFont::Bold, ZFont::Black}) {
        ZFont font;
        font.setWeight(named);
        QCOMPARE(font.weight(), named);
    }
}

// A font made under Qt 6 (a host's, a style's) may carry any weight from 1 to 1000: scripts read
// it on Qt 5's scale, and setting what they read keeps its place there.
void TestZFont::qt6WeightsReadWithinQt5sScale()
{
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
    QSKIP("Qt 5 weighs fonts on the scripts' own scale");
#else
    for (int weight = 1; weight <= 1000; ++weight) {
        QFont qtFont(QStringLiteral("Roboto"), 10);
        qtFont.setWeight(QFont::Weight(weight));
        ZFont font(qtFont, nullptr);
        const int legacy = font.weight();
        QVERIFY2(legacy >= 0 && legacy <= 99, qPrintable(QStringLiteral("%1 reads %2").arg(weight).arg(legacy)));
        QCOMPARE(legacy, legacyWeightOf(qtFont));
        font.setWeight(legacy);
        QCOMPARE(font.weight(), legacy);
    }
#endif
}

void TestZFont::letterSpacingTruncatesTowardZero_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<double>("spacing");
    QTest::addColumn<int>("expected");
    QTest::newRow("1.9 absolute") << int(QFont::AbsoluteSpacing) << 1.9 << 1;
    QTest::newRow("-1.9 absolute") << int(QFont::AbsoluteSpacing) << -1.9 << -1;
    QTest::newRow("120 percent") << int(QFont::PercentageSpacing) << 120.0 << 120;
    QTest::newRow("unknown type is ignored") << 2 << 5.0 << 0;
}

void TestZFont::letterSpacingTruncatesTowardZero()
{
    QFETCH(int, type);
    QFETCH(double, spacing);
    QFETCH(int, expected);
    ZFont font;
    MessageLogCapture log;
    font.setLetterSpacing(type, spacing);
    QCOMPARE(font.letterSpacing(), expected);
}

void TestZFont::spacingAFontCannotHoldIsIgnored_data()
{
    QTest::addColumn<bool>("word");
    QTest::addColumn<double>("spacing");
    QTest::newRow("letter spacing NaN") << false << qQNaN();
    QTest::newRow("letter spacing infinite") << false << qInf();
    QTest::newRow("letter spacing past 2^25") << false << -4e7;
    QTest::newRow("word spacing NaN") << true << qQNaN();
    QTest::newRow("word spacing 1e300") << true << 1e300;
}

// QFont keeps spacings in fixed point; these had no such form and came out as -33554432.
void TestZFont::spacingAFontCannotHoldIsIgnored()
{
    QFETCH(bool, word);
    QFETCH(double, spacing);
    ZFont font;
    font.setLetterSpacing(QFont::AbsoluteSpacing, 2);
    font.setWordSpacing(3);
    MessageLogCapture log;
    if (word)
        font.setWordSpacing(spacing);
    else
        font.setLetterSpacing(QFont::AbsoluteSpacing, spacing);
    QCOMPARE(font.letterSpacing(), 2);
    QCOMPARE(font.wordSpacing(), 3.0);
    QCOMPARE(log.texts(QtWarningMsg).size(), 1);
}

void TestZFont::fontPropertyHandsOutCopiesOwnedByTheWidget()
{
    ZCTextEdit widget;
    widget.setFont(QFont(QStringLiteral("Roboto"), 12));
    auto* first = widget.property("font").value<ZFont*>();
    auto* second = widget.property("font").value<ZFont*>();
    QVERIFY(first && second && first != second);
    QCOMPARE(first->parent(), &widget);

    first->setPointSize(17);
    first->setItalic(true);
    QCOMPARE(widget.font().pointSize(), 12);
    QCOMPARE(second->pointSize(), 12);
    QVERIFY(widget.setProperty("font", QVariant::fromValue(first)));
    QCOMPARE(widget.font().pointSize(), 17);
    QVERIFY(widget.font().italic());
    widget.setProperty("font", QVariant::fromValue(static_cast<ZFont*>(nullptr)));
    QCOMPARE(widget.font().pointSize(), 17);
}

void TestZFont::scriptsOwnTheFontsHandedToThem()
{
    const QFont roboto(QStringLiteral("Roboto"), 9);
    QObject plain;
    QCOMPARE(ZFont::ToVariant(&plain, roboto), QVariant(roboto));

    QJSEngine engine;
    auto* widget = new ZCTextEdit;
    engine.globalObject().setProperty(QStringLiteral("editor"), engine.newQObject(widget));
    // Otherwise every read from a script leaks one object.
    for (const QVariant& value : {widget->property("font"), ZFont::ToVariant(widget, roboto)}) {
        auto* font = value.value<ZFont*>();
        QVERIFY(font);
        QCOMPARE(font->parent(), nullptr);
        QCOMPARE(QQmlEngine::objectOwnership(font), QQmlEngine::JavaScriptOwnership);
        delete font;
    }

    const QJSValue size = engine.evaluate(
        QStringLiteral("var f = editor.font; f.setPointSize(15); editor.font = f; editor.font.pointSize()"));
    QCOMPARE(size.toInt(), 15);
    QCOMPARE(widget->font().pointSize(), 15);
}

MIROKIT_TEST_MAIN(TestZFont)
#include "tst_zfont.moc"
