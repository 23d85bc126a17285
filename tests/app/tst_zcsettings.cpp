#include "mirokittest.h"

#include <Mirokit/ZCSettingsMainWindow.h>

#include <QMainWindow>
#include <QToolBar>

class TestZCSettings : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void storesUnderDunmarAndTheApplicationName();
    void groupConstructorKeepsKeysInsideTheGroup();

    void loadOnFirstStartChangesNothing();
    void loadRestoresWhatTheMaskNames_data();
    void loadRestoresWhatTheMaskNames();
    void maximizedWindowIsNotMoved_data();
    void maximizedWindowIsNotMoved();
    void emptyStoredSizeIsNotApplied();
    void windowStateRoundTrips();
    void missingStateFailsButKeepsOtherSections();
    void nullWindowIsRefused();

private:
    static void store(const QVariantMap& values);
};

void TestZCSettings::init()
{
    QCoreApplication::setApplicationName(QStringLiteral("MirokitSettingsTest"));
    ZCSettings().clear();
}

void TestZCSettings::store(const QVariantMap& values)
{
    ZCSettings settings(QStringLiteral("MainWindow"));
    for (auto it = values.cbegin(); it != values.cend(); ++it)
        settings.setValue(it.key(), it.value());
}

void TestZCSettings::storesUnderDunmarAndTheApplicationName()
{
    ZCSettings settings;
    QCOMPARE(settings.organizationName(), QStringLiteral("Dunmar"));
    QCOMPARE(settings.applicationName(), QStringLiteral("MirokitSettingsTest"));
    settings.setValue(QStringLiteral("Style"), QStringLiteral("Fusion"));
    settings.sync();

    const QSettings plain(QStringLiteral("Dunmar"), QStringLiteral("MirokitSettingsTest"));
    QCOMPARE(plain.value(QStringLiteral("Style")).toString(), QStringLiteral("Fusion"));

    const ZCSettings other(QStringLiteral("Otra"), QStringLiteral("VavUveruz"), nullptr);
    QCOMPARE(other.organizationName(), QStringLiteral("Otra"));
    QCOMPARE(other.applicationName(), QStringLiteral("VavUveruz"));
}

void TestZCSettings::groupConstructorKeepsKeysInsideTheGroup()
{
    {
        ZCSettings dialog(QStringLiteral("MiDialogo"));
        QCOMPARE(dialog.group(), QStringLiteral("MiDialogo"));
        dialog.setValue(QStringLiteral("Size"), QSize(300, 200));
    }
    const ZCSettings root;
    QVERIFY(!root.contains(QStringLiteral("Size")));
    QCOMPARE(root.value(QStringLiteral("MiDialogo/Size")).toSize(), QSize(300, 200));
    QVERIFY(root.childGroups().contains(QStringLiteral("MiDialogo")));
}

void TestZCSettings::loadOnFirstStartChangesNothing()
{
    QMainWindow window;
    window.resize(320, 240);
    window.move(40, 50);
    const QRect before = window.geometry();

    const ZCSettingsMainWindow settings(QStringLiteral("MainWindow"));
    QStringList dockNames{QStringLiteral("intacto")};
    QVERIFY(!settings.LoadSettings(&window, ZCSettingsMainWindow::AllSections, true, &dockNames));
    QCOMPARE(window.geometry(), before);
    QVERIFY(!window.isMaximized());
    QCOMPARE(dockNames, QStringList{QStringLiteral("intacto")});
}

void TestZCSettings::loadRestoresWhatTheMaskNames_data()
{
    QTest::addColumn<int>("mask");
    QTest::addColumn<QPoint>("expectedPos");
    QTest::addColumn<QSize>("expectedSize");

    const QPoint built(40, 50);
    const QPoint stored(110, 120);
    const QSize builtSize(320, 240);
    const QSize storedSize(500, 400);
    QTest::newRow("position only") << 0x1 << stored << builtSize;
    QTest::newRow("size only") << 0x2 << built << storedSize;
    QTest::newRow("position and size") << 0x3 << stored << storedSize;
    QTest::newRow("nothing") << 0x0 << built << builtSize;
}

void TestZCSettings::loadRestoresWhatTheMaskNames()
{
    QFETCH(int, mask);
    QFETCH(QPoint, expectedPos);
    QFETCH(QSize, expectedSize);

    store({{QStringLiteral("Pos"), QPoint(110, 120)}, {QStringLiteral("Size"), QSize(500, 400)}});
    QMainWindow window;
    window.resize(320, 240);
    window.move(40, 50);

    const ZCSettingsMainWindow settings(QStringLiteral("MainWindow"));
    QVERIFY(settings.LoadSettings(&window, static_cast<unsigned short>(mask), true));
    QCOMPARE(window.pos(), expectedPos);
    QCOMPARE(window.size(), expectedSize);
}

void TestZCSettings::maximizedWindowIsNotMoved_data()
{
    QTest::addColumn<bool>("showMaximized");
    QTest::newRow("maximized on load") << true;
    QTest::newRow("left to the host") << false;
}

void TestZCSettings::maximizedWindowIsNotMoved()
{
    QFETCH(bool, showMaximized);

    store({{QStringLiteral("Pos"), QPoint(110, 120)}, {QStringLiteral("Size"), QSize(500, 400)},
           {QStringLiteral("Maximized"), true}});
    QMainWindow window;
    window.resize(320, 240);
    window.move(40, 50);

    const ZCSettingsMainWindow settings(QStringLiteral("MainWindow"));
    QVERIFY(settings.GetMaximized());
    QVERIFY(settings.LoadSettings(&window, 0x3, showMaximized));
    QCOMPARE(window.isMaximized(), showMaximized);
    if (!showMaximized) {
        QCOMPARE(window.pos(), QPoint(40, 50));
        QCOMPARE(window.size(), QSize(320, 240));
    }
}

void TestZCSettings::emptyStoredSizeIsNotApplied()
{
    store({{QStringLiteral("Size"), QSize(0, 0)}});
    QMainWindow window;
    window.resize(320, 240);
    const ZCSettingsMainWindow settings(QStringLiteral("MainWindow"));
    QVERIFY(settings.LoadSettings(&window, 0x2, true));
    QCOMPARE(window.size(), QSize(320, 240));
}

void TestZCSettings::windowStateRoundTrips()
{
    {
        QMainWindow window;
        auto* toolBar = new QToolBar(QStringLiteral("Herramientas"), &window);
        toolBar->setObjectName(QStringLiteral("herramientas"));
        window.addToolBar(Qt::LeftToolBarArea, toolBar);
        window.resize(400, 300);
        window.move(30, 20);
        ZCSettingsMainWindow(QStringLiteral("MainWindow")).SaveSettings(&window, 0x7);
    }
    const ZCSettings saved(QStringLiteral("MainWindow"));
    QCOMPARE(saved.value(QStringLiteral("Size")).toSize(), QSize(400, 300));
    QCOMPARE(saved.value(QStringLiteral("Maximized")).toBool(), false);
    QVERIFY(saved.contains(QStringLiteral("State")));
    QVERIFY(!saved.contains(QStringLiteral("StateDocks")));

    QMainWindow window;
    auto* toolBar = new QToolBar(QStringLiteral("Herramientas"), &window);
    toolBar->setObjectName(QStringLiteral("herramientas"));
    window.addToolBar(Qt::TopToolBarArea, toolBar);
    QVERIFY(ZCSettingsMainWindow(QStringLiteral("MainWindow")).LoadSettings(&window, 0x7, true));
    QCOMPARE(window.toolBarArea(toolBar), Qt::LeftToolBarArea);
    QCOMPARE(window.size(), QSize(400, 300));
}

void TestZCSettings::missingStateFailsButKeepsOtherSections()
{
    store({{QStringLiteral("Pos"), QPoint(110, 120)}, {QStringLiteral("Size"), QSize(500, 400)}});
    QMainWindow window;
    const ZCSettingsMainWindow settings(QStringLiteral("MainWindow"));
    QVERIFY(!settings.LoadSettings(&window, 0x7, true));
    QCOMPARE(window.pos(), QPoint(110, 120));
    QCOMPARE(window.size(), QSize(500, 400));
}

void TestZCSettings::nullWindowIsRefused()
{
    store({{QStringLiteral("Pos"), QPoint(1, 2)}});
    ZCSettingsMainWindow settings(QStringLiteral("MainWindow"));
    QVERIFY(!settings.LoadSettings(nullptr, 0x7, true));
    settings.SaveSettings(nullptr, 0x7);
    QCOMPARE(settings.value(QStringLiteral("Pos")).toPoint(), QPoint(1, 2));
}

MIROKIT_TEST_MAIN(TestZCSettings)
#include "tst_zcsettings.moc"
