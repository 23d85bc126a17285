#include "mirokittest.h"

#include <Mirokit/ZGaugeWidget.h>
#include <Mirokit/ZLineEdit.h>
#include <Mirokit/ZThermometerWidget.h>
#include <Mirokit/ZThumbWheel.h>

#include <QJSEngine>
#include <QQmlEngine>

// Scripts drive the library's widgets the way a host exposes them: each widget by its object
// name in a QJSEngine, through its properties, slots and signals.
class tst_Scripting : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void scriptSetsPropertiesCallsSlotsAndConnectsSignals();
    void scriptErrorLeavesTheWidgetsAlone();

private:
    QJSValue run(const QString& script);

    std::unique_ptr<QWidget> m_form;
    std::unique_ptr<QJSEngine> m_engine;
    ZGaugeWidget* m_gauge = nullptr;
    ZThermometerWidget* m_thermometer = nullptr;
    ZThumbWheel* m_wheel = nullptr;
    ZLineEdit* m_edit = nullptr;
};

void tst_Scripting::init()
{
    m_form = std::make_unique<QWidget>();
    m_gauge = new ZGaugeWidget(m_form.get());
    m_thermometer = new ZThermometerWidget(m_form.get());
    m_wheel = new ZThumbWheel(m_form.get());
    m_edit = new ZLineEdit(m_form.get());
    m_engine = std::make_unique<QJSEngine>();
    const QList<std::pair<QString, QWidget*>> named{{QStringLiteral("gauge"), m_gauge},
                                                     {QStringLiteral("thermometer"), m_thermometer},
                                                     {QStringLiteral("wheel"), m_wheel},
                                                     {QStringLiteral("edit"), m_edit}};
    for (const auto& [name, widget] : named) {
        QQmlEngine::setObjectOwnership(widget, QQmlEngine::CppOwnership);
        m_engine->globalObject().setProperty(name, m_engine->newQObject(widget));
    }
}

void tst_Scripting::cleanup()
{
    m_engine.reset();
    m_form.reset();
}

QJSValue tst_Scripting::run(const QString& script)
{
    return m_engine->evaluate(script);
}

void tst_Scripting::scriptSetsPropertiesCallsSlotsAndConnectsSignals()
{
    const QJSValue result = run(QStringLiteral(R"(
        gauge.maximum = 200;
        gauge.setValue(150.5);
        var f = gauge.font;
        f.setPointSize(21);
        f.setBold(true);
        gauge.font = f;
        edit.font = gauge.font;
        wheel.valueChanged.connect(function (v) { thermometer.value = v * 2; });
        wheel.setValue(20);
        edit.insert("hola");
        edit.text + "/" + thermometer.value;
    )"));
    QVERIFY2(!result.isError(), qPrintable(result.toString()));
    QCOMPARE(result.toString(), QStringLiteral("hola/40"));

    QCOMPARE(m_gauge->maximum(), 200.0);
    QCOMPARE(m_gauge->value(), 150.5);
    QCOMPARE(m_gauge->font().pointSize(), 21);
    QVERIFY(m_gauge->font().bold());
    QCOMPARE(m_edit->font().pointSize(), 21);
    QCOMPARE(m_edit->text(), QStringLiteral("hola"));
    QCOMPARE(m_wheel->value(), 20);
    QCOMPARE(m_thermometer->value(), 40.0);

    // The connection stays as long as the engine: the wheel keeps driving the thermometer.
    m_wheel->setValue(30);
    QCOMPARE(m_thermometer->value(), 60.0);
}

void tst_Scripting::scriptErrorLeavesTheWidgetsAlone()
{
    const QFont before = m_gauge->font();
    const QJSValue result = run(QStringLiteral("gauge.font = null; gauge.noSuchSlot(1);"));
    QVERIFY(result.isError());
    QCOMPARE(m_gauge->font(), before);
}

MIROKIT_TEST_MAIN(tst_Scripting)
#include "tst_scripting.moc"
