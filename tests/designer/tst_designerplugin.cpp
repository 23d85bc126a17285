#include "mirokittest.h"

#include <Mirokit/ZCCalendar.h>
#include <Mirokit/ZCIPEdit.h>
#include <Mirokit/ZCListBoxString.h>
#include <Mirokit/ZGaugeWidget.h>
#include <Mirokit/ZThumbWheel.h>

#include <QtUiPlugin/QDesignerCustomWidgetCollectionInterface>
#include <QtUiTools/QUiLoader>

#include <QPluginLoader>
#include <QXmlStreamReader>

namespace {

const QString pluginFile = QStringLiteral(MIROKIT_DESIGNER_PLUGIN_FILE);

// The class of the first widget element of a plugin's domXml.
QString domXmlClass(const QString& domXml)
{
    QXmlStreamReader xml(domXml);
    while (xml.readNextStartElement()) {
        if (xml.name() == QLatin1String("widget"))
            return xml.attributes().value(QLatin1String("class")).toString();
    }
    return QString();
}

} // namespace

class tst_DesignerPlugin : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void everyWidgetIsCreatedAsDesignerAsks();
    void formUsingSeveralWidgetsLoads();

private:
    QPluginLoader m_loader{pluginFile};
    QList<QDesignerCustomWidgetInterface*> m_widgets;
};

void tst_DesignerPlugin::initTestCase()
{
    QVERIFY2(m_loader.load(), qPrintable(m_loader.errorString()));
    auto* collection = qobject_cast<QDesignerCustomWidgetCollectionInterface*>(m_loader.instance());
    QVERIFY(collection);
    m_widgets = collection->customWidgets();
    QVERIFY(m_widgets.size() >= 30);
}

void tst_DesignerPlugin::everyWidgetIsCreatedAsDesignerAsks()
{
    QWidget form;
    QSet<QString> names;
    for (QDesignerCustomWidgetInterface* plugin : qAsConst(m_widgets)) {
        const QString name = plugin->name();
        QVERIFY2(!names.contains(name), qPrintable(name));
        names.insert(name);
        QCOMPARE(plugin->group(), QStringLiteral("Mirokit"));
        QCOMPARE(plugin->includeFile(), QStringLiteral("Mirokit/%1.h").arg(name));
        QCOMPARE(domXmlClass(plugin->domXml()), name);
        QVERIFY2(!plugin->icon().isNull(), qPrintable(name));
        QWidget* widget = plugin->createWidget(&form);
        QVERIFY2(widget, qPrintable(name));
        QCOMPARE(QString::fromLatin1(widget->metaObject()->className()), name);
        QCOMPARE(widget->parentWidget(), &form);
    }
}

void tst_DesignerPlugin::formUsingSeveralWidgetsLoads()
{
    QUiLoader loader;
    loader.clearPluginPaths();
    loader.addPluginPath(QFileInfo(pluginFile).absolutePath());
    QFile ui(QStringLiteral(MIROKIT_DESIGNER_FORM));
    QVERIFY(ui.open(QIODevice::ReadOnly));
    const std::unique_ptr<QWidget> form(loader.load(&ui));
    QVERIFY2(form, qPrintable(loader.errorString()));

    QVERIFY(form->findChild<ZCIPEdit*>(QStringLiteral("ipEdit")));
    QVERIFY(form->findChild<ZCListBoxString*>(QStringLiteral("listBox")));
    QVERIFY(form->findChild<ZCCalendar*>(QStringLiteral("calendar")));
    auto* gauge = form->findChild<ZGaugeWidget*>(QStringLiteral("gauge"));
    QVERIFY(gauge);
    QCOMPARE(gauge->maximum(), 250.0);
    auto* wheel = form->findChild<ZThumbWheel*>(QStringLiteral("wheel"));
    QVERIFY(wheel);
    QCOMPARE(wheel->cogCount(), 12);
}

MIROKIT_TEST_MAIN(tst_DesignerPlugin)
#include "tst_designerplugin.moc"
