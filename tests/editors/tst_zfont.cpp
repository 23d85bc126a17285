#include "mirokittest.h"
#include "messagelogcapture.h"

#include <Mirokit/ZCTextEdit.h>
#include <Mirokit/ZFont.h>

#include <QJSEngine>
#include <QQmlEngine>
#include <QPointer>

namespace {

// Calls a ZFont slot by name, the way a script does.
QVariant call(ZFont& font, const char* slot)
{
    const QMetaObject* meta = font.metaObject();
    const QMetaMethod method = meta->method(meta->indexOfMethod(QMetaObject::normalizedSignature(
        (QByteArray(slot) + "()").constData())));
    QVariant result(QMetaType::type(method.typeName()), nullptr);
    method.invoke(&font, QGenericReturnArgument(method.typeName(), result.data()));
    return result;
}

void callSetter(ZFont& font, const char* slot, const QVariant& value)
{
    QVERIFY2(QMetaObject::invokeMethod(&font, slot, QGenericArgument(value.typeName(), value.constData())),
             slot);
}

QVariant readFontProperty(QObject* widget)
{
    return widget->property("font");
}

} // namespace

class TestZFont : public QObject
{
    Q_OBJECT

private slots:
    void attributesRoundTripThroughTheScriptSlots_data();
    void attributesRoundTripThroughTheScriptSlots();
    void outOfRangeValuesAreIgnored_data();
    void outOfRangeValuesAreIgnored();
    void letterSpacingTruncatesTowardZero_data();
    void letterSpacingTruncatesTowardZero();

    void eachReadIsANewObjectOwnedByTheWidget();
    void writingSetsTheWidgetFont();
    void scriptOwnedWidgetsHandOutParentlessFonts();
    void toVariantDependsOnTheScriptEngine();
};

void TestZFont::attributesRoundTripThroughTheScriptSlots_data()
{
    QTest::addColumn<QByteArray>("getter");
    QTest::addColumn<QByteArray>("setter");
    QTest::addColumn<QVariant>("value");

    QTest::newRow("family") << QByteArray("family") << QByteArray("setFamily") << QVariant(QStringLiteral("Roboto"));
    QTest::newRow("bold") << QByteArray("bold") << QByteArray("setBold") << QVariant(true);
    QTest::newRow("stretch") << QByteArray("stretch") << QByteArray("setStretch") << QVariant(150);
    QTest::newRow("point size") << QByteArray("pointSize") << QByteArray("setPointSize") << QVariant(13);
    QTest::newRow("small caps") << QByteArray("capitalization") << QByteArray("setCapitalization")
                                << QVariant(int(QFont::SmallCaps));
    QTest::newRow("oblique") << QByteArray("style") << QByteArray("setStyle") << QVariant(int(QFont::StyleOblique));
    QTest::newRow("monospace hint") << QByteArray("styleHint") << QByteArray("setStyleHint")
                                    << QVariant(int(QFont::Monospace));
    QTest::newRow("combined strategies") << QByteArray("styleStrategy") << QByteArray("setStyleStrategy")
                                         << QVariant(int(QFont::PreferOutline | QFont::NoAntialias));
    QTest::newRow("weight") << QByteArray("weight") << QByteArray("setWeight") << QVariant(int(QFont::DemiBold));
}

void TestZFont::attributesRoundTripThroughTheScriptSlots()
{
    QFETCH(QByteArray, getter);
    QFETCH(QByteArray, setter);
    QFETCH(QVariant, value);

    ZFont font(QStringLiteral("Roboto"), 10, nullptr);
    callSetter(font, setter.constData(), value);
    QCOMPARE(call(font, getter.constData()), value);
    QCOMPARE(call(font, "font").value<QFont>(), font.font());
}

void TestZFont::outOfRangeValuesAreIgnored_data()
{
    QTest::addColumn<QByteArray>("setter");
    QTest::addColumn<QByteArray>("getter");
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("attribute");

    QTest::newRow("weight above 99") << QByteArray("setWeight") << QByteArray("weight") << 100 << "weight";
    QTest::newRow("negative weight") << QByteArray("setWeight") << QByteArray("weight") << -1 << "weight";
    QTest::newRow("stretch above 4000") << QByteArray("setStretch") << QByteArray("stretch") << 4001 << "stretch";
    QTest::newRow("point size zero") << QByteArray("setPointSize") << QByteArray("pointSize") << 0 << "pointSize";
    QTest::newRow("negative pixel size") << QByteArray("setPixelSize") << QByteArray("pixelSize") << -3 << "pixelSize";
    QTest::newRow("unknown capitalization") << QByteArray("setCapitalization") << QByteArray("capitalization") << 5 << "capitalization";
    QTest::newRow("unknown style") << QByteArray("setStyle") << QByteArray("style") << 3 << "style";
    QTest::newRow("unknown style hint") << QByteArray("setStyleHint") << QByteArray("styleHint") << 9 << "styleHint";
    QTest::newRow("unknown hinting") << QByteArray("setHintingPreference") << QByteArray("hintingPreference") << 4 << "hintingPreference";
    QTest::newRow("unknown strategy bit") << QByteArray("setStyleStrategy") << QByteArray("styleStrategy") << 0x10000 << "styleStrategy";
}

void TestZFont::outOfRangeValuesAreIgnored()
{
    QFETCH(QByteArray, setter);
    QFETCH(QByteArray, getter);
    QFETCH(int, value);
    QFETCH(QString, attribute);

    ZFont font(QStringLiteral("Roboto"), 10, nullptr);
    const QVariant before = call(font, getter.constData());
    MessageLogCapture log;
    callSetter(font, setter.constData(), value);
    QCOMPARE(call(font, getter.constData()), before);
    QCOMPARE(log.texts(QtWarningMsg),
             QStringList{QStringLiteral("ZFont: el valor %1 está fuera de rango para %2 y se ignora")
                             .arg(value).arg(attribute)});
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

void TestZFont::eachReadIsANewObjectOwnedByTheWidget()
{
    ZCTextEdit widget;
    widget.setFont(QFont(QStringLiteral("Roboto"), 12));
    auto* first = readFontProperty(&widget).value<ZFont*>();
    auto* second = readFontProperty(&widget).value<ZFont*>();
    QVERIFY(first && second);
    QVERIFY(first != second);
    QCOMPARE(first->parent(), &widget);
    QCOMPARE(first->pointSize(), 12);

    first->setPointSize(20);
    QCOMPARE(widget.font().pointSize(), 12);
    QCOMPARE(second->pointSize(), 12);
}

void TestZFont::writingSetsTheWidgetFont()
{
    ZCTextEdit widget;
    ZFont font(QStringLiteral("Roboto"), 17, nullptr);
    font.setItalic(true);
    QVERIFY(widget.setProperty("font", QVariant::fromValue(&font)));
    QCOMPARE(widget.font().pointSize(), 17);
    QVERIFY(widget.font().italic());

    widget.setProperty("font", QVariant::fromValue(static_cast<ZFont*>(nullptr)));
    QCOMPARE(widget.font().pointSize(), 17);
}

void TestZFont::scriptOwnedWidgetsHandOutParentlessFonts()
{
    QJSEngine engine;
    auto* widget = new ZCTextEdit;
    engine.globalObject().setProperty(QStringLiteral("editor"), engine.newQObject(widget));
    QCOMPARE(qjsEngine(widget), &engine);

    auto* font = readFontProperty(widget).value<ZFont*>();
    QVERIFY(font);
    QCOMPARE(font->parent(), nullptr);
    QCOMPARE(QQmlEngine::objectOwnership(font), QQmlEngine::JavaScriptOwnership);
    delete font;

    // Scripts read and write through the same property.
    const QJSValue size = engine.evaluate(QStringLiteral("var f = editor.font; f.setPointSize(15); editor.font = f; editor.font.pointSize()"));
    QCOMPARE(size.toInt(), 15);
    QCOMPARE(widget->font().pointSize(), 15);
}

void TestZFont::toVariantDependsOnTheScriptEngine()
{
    const QFont font(QStringLiteral("Roboto"), 9);
    QObject plain;
    const QVariant value = ZFont::ToVariant(&plain, font);
    QCOMPARE(value.userType(), int(QMetaType::QFont));
    QCOMPARE(value.value<QFont>(), font);

    QJSEngine engine;
    auto* scripted = new QObject;
    engine.newQObject(scripted);
    const QVariant wrapped = ZFont::ToVariant(scripted, font);
    QPointer<ZFont> zfont = wrapped.value<ZFont*>();
    QVERIFY(zfont);
    QCOMPARE(zfont->parent(), nullptr);
    QCOMPARE(zfont->font(), font);
    delete zfont.data();
}

MIROKIT_TEST_MAIN(TestZFont)
#include "tst_zfont.moc"
