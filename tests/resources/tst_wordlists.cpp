#include "mirokittest.h"
#include "publicmetaobjects.h"

#include <QRegularExpression>

namespace {

QStringList readList(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

const QString jsList = QStringLiteral(":/Resources/js.api");
const QString qmlList = QStringLiteral(":/Resources/qml.api");

} // namespace

class tst_WordLists : public QObject {
    Q_OBJECT

private slots:
    void everyLineIsAnApiEntry_data();
    void everyLineIsAnApiEntry();
    void knownMembersArePresent_data();
    void knownMembersArePresent();
    void everyClassWithAMetaObjectAppears_data();
    void everyClassWithAMetaObjectAppears();
};

void tst_WordLists::everyLineIsAnApiEntry_data()
{
    QTest::addColumn<QString>("path");
    QTest::newRow("js.api") << jsList;
    QTest::newRow("qml.api") << qmlList;
}

void tst_WordLists::everyLineIsAnApiEntry()
{
    QFETCH(QString, path);
    const QStringList lines = readList(path);
    QVERIFY2(lines.size() > 1000, qPrintable(QStringLiteral("%1 holds %2 lines").arg(path).arg(lines.size())));
    // Class, Class.property or Class.member(parameters), as QsciAPIs reads them.
    const QRegularExpression entry(QStringLiteral("^Z\\w*(\\.\\w+(\\([^()]*\\))?)?$"));
    for (const QString& line : lines)
        QVERIFY2(entry.match(line).hasMatch(), qPrintable(line));
}

void tst_WordLists::knownMembersArePresent_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("entry");
    QTest::newRow("scripts set a gauge's value through its slot")
        << jsList << QStringLiteral("ZGaugeWidget.setValue(double dVal)");
    QTest::newRow("scripts read the font object of a thumb wheel")
        << jsList << QStringLiteral("ZThumbWheel.font");
    QTest::newRow("scripts connect to the paginator's page signal")
        << jsList << QStringLiteral("ZCPaginadorToolbar.numPaginaChanged(uint nNuevaPagina)");
    QTest::newRow("scripts reach a base class's slot")
        << jsList << QStringLiteral("ZThumbWheel.setValue(int)");
    QTest::newRow("QML handles the paginator's page signal")
        << qmlList << QStringLiteral("ZCPaginadorToolbar.onNumPaginaChanged(uint nNuevaPagina)");
    QTest::newRow("QML spells a text parameter string")
        << qmlList << QStringLiteral("ZLineEdit.setText(string)");
    QTest::newRow("QML lists properties as they are")
        << qmlList << QStringLiteral("ZGaugeWidget.font");
}

void tst_WordLists::knownMembersArePresent()
{
    QFETCH(QString, path);
    QFETCH(QString, entry);
    QVERIFY2(readList(path).contains(entry), qPrintable(entry));
}

void tst_WordLists::everyClassWithAMetaObjectAppears_data()
{
    everyLineIsAnApiEntry_data();
}

void tst_WordLists::everyClassWithAMetaObjectAppears()
{
    QFETCH(QString, path);
    const QStringList lines = readList(path);
    const QVector<const QMetaObject*> classes = mirokitPublicMetaObjects();
    // The build collects the classes itself; a handful would mean it lost most of them.
    QVERIFY2(classes.size() > 60, qPrintable(QString::number(classes.size())));
    for (const QMetaObject* metaObject : classes) {
        const QString name = QString::fromLatin1(metaObject->className());
        QVERIFY2(lines.contains(name), qPrintable(name));
    }
}

MIROKIT_TEST_MAIN(tst_WordLists)
#include "tst_wordlists.moc"
