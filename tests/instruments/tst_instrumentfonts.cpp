#include "mirokittest.h"

#include <Mirokit/ZClockWidget.h>
#include <Mirokit/ZDial.h>
#include <Mirokit/ZFont.h>
#include <Mirokit/ZGaugeWidget.h>
#include <Mirokit/ZProgressBar.h>
#include <Mirokit/ZSlider.h>
#include <Mirokit/ZThermometerWidget.h>
#include <Mirokit/ZThumbWheel.h>

#include <QJSEngine>

#include <functional>
#include <memory>

using Factory = std::function<QWidget*()>;
Q_DECLARE_METATYPE(Factory)

class TestInstrumentFonts : public QObject
{
    Q_OBJECT

private slots:
    void fontPropertyReadsAndWritesTheWidgetFont_data();
    void fontPropertyReadsAndWritesTheWidgetFont();
};

void TestInstrumentFonts::fontPropertyReadsAndWritesTheWidgetFont_data()
{
    QTest::addColumn<Factory>("create");
    QTest::newRow("gauge") << Factory([] { return new ZGaugeWidget; });
    QTest::newRow("thermometer") << Factory([] { return new ZThermometerWidget; });
    QTest::newRow("clock") << Factory([] { return new ZClockWidget; });
    QTest::newRow("thumb wheel") << Factory([] { return new ZThumbWheel; });
    QTest::newRow("dial") << Factory([] { return new ZDial; });
    QTest::newRow("slider") << Factory([] { return new ZSlider(Qt::Vertical); });
    QTest::newRow("progress bar") << Factory([] { return new ZProgressBar; });
}

// Read from C++ the font object belongs to the widget; read by a script, to the script engine.
void TestInstrumentFonts::fontPropertyReadsAndWritesTheWidgetFont()
{
    QFETCH(Factory, create);
    std::unique_ptr<QWidget> widget(create());
    auto* font = widget->property("font").value<ZFont*>();
    QVERIFY(font);
    QCOMPARE(font->parent(), widget.get());
    QCOMPARE(font->font(), widget->font());

    ZFont chosen(QStringLiteral("Serif"), 31, nullptr);
    widget->setProperty("font", QVariant::fromValue(&chosen));
    QCOMPARE(widget->font().pointSize(), 31);
    widget->setProperty("font", QVariant::fromValue<ZFont*>(nullptr));
    QCOMPARE(widget->font().pointSize(), 31);

    QJSEngine engine;
    engine.globalObject().setProperty(QStringLiteral("w"), engine.newQObject(widget.release()));
    QCOMPARE(engine.evaluate(QStringLiteral("w.font.pointSize()")).toInt(), 31);
}

MIROKIT_TEST_MAIN(TestInstrumentFonts)
#include "tst_instrumentfonts.moc"
