#include "mirokittest.h"

#include <Mirokit/ZCSettingsMainWindow.h>

#include <QMainWindow>
#include <QToolBar>

class TestZCSettings : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void storesUnderDunmarAndKeepsGroupsApart();
    void loadRestoresWhatTheMaskNames_data();
    void loadRestoresWhatTheMaskNames();
    void windowStateRoundTrips();
    void nullWindowIsRefused();
};

void TestZCSettings::init()
{
    QCoreApplication::setApplicationName(QStringLiteral("MirokitSettingsTest"));
    ZCSettings().clear();
}

void TestZCSettings::storesUnderDunmarAndKeepsGroupsApart()
{
    ZCSettings(QStringLiteral("MiDialogo")).setValue(QStringLiteral("Size"), QSize(300, 200));
    const QSettings plain(QStringLiteral("Dunmar"), QStringLiteral("MirokitSettingsTest"));
    QVERIFY(!plain.contains(QStringLiteral("Size")));
    QCOMPARE(plain.value(QStringLiteral("MiDialogo/Size")).toSize(), QSize(300, 200));

    const ZCSettings other(QStringLiteral("Otra"), QStringLiteral("VavUveruz"), nullptr);
    QCOMPARE(other.organizationName(), QStringLiteral("Otra"));
    QCOMPARE(other.applicationName(), QStringLiteral("VavUveruz"));
}

void TestZCSettings::loadRestoresWhatTheMaskNames_data()
{
    QTest::addColumn<QVariantMap>("stored");
    QTest::addColumn<int>("mask");
    QTest::addColumn<bool>("showMaximized");
    QTest::addColumn<bool>("loaded");
    QTest::addColumn<QRect>("expected");  // null: maximized

    const QRect built(40, 50, 320, 240);
    const QVariantMap both{{"Pos", QPoint(110, 120)}, {"Size", QSize(500, 400)}};
    QVariantMap maximized = both;
    maximized.insert("Maximized", true);

    QTest::newRow("first start changes nothing") << QVariantMap() << 0x7 << true << false << built;
    QTest::newRow("position only") << both << 0x1 << true << true << QRect(110, 120, 320, 240);
    QTest::newRow("size only") << both << 0x2 << true << true << QRect(40, 50, 500, 400);
    QTest::newRow("position and size") << both << 0x3 << true << true << QRect(110, 120, 500, 400);
    QTest::newRow("maximized on load") << maximized << 0x3 << true << true << QRect();
    QTest::newRow("maximized is left to the host") << maximized << 0x3 << false << true << built;
    QTest::newRow("empty stored size is not applied")
        << QVariantMap{{"Size", QSize(0, 0)}} << 0x2 << true << true << built;
    QTest::newRow("missing state fails but keeps the other sections")
        << both << 0x7 << true << false << QRect(110, 120, 500, 400);
}

void TestZCSettings::loadRestoresWhatTheMaskNames()
{
    QFETCH(QVariantMap, stored);
    QFETCH(int, mask);
    QFETCH(bool, showMaximized);
    QFETCH(bool, loaded);
    QFETCH(QRect, expected);

    ZCSettingsMainWindow settings(QStringLiteral("MainWindow"));
    for (auto it = stored.cbegin(); it != stored.cend(); ++it)
        settings.setValue(it.key(), it.value());
    QMainWindow window;
    window.resize(320, 240);
    window.move(40, 50);
    QCOMPARE(settings.LoadSettings(&window, static_cast<unsigned short>(mask), showMaximized), loaded);
    QCOMPARE(window.isMaximized(), expected.isNull());
    if (!expected.isNull())
        QCOMPARE(QRect(window.pos(), window.size()), expected);
}

void TestZCSettings::windowStateRoundTrips()
{
    const auto windowWithToolBar = [](QMainWindow& window, Qt::ToolBarArea area) {
        auto* toolBar = new QToolBar(QStringLiteral("Herramientas"), &window);
        toolBar->setObjectName(QStringLiteral("herramientas"));
        window.addToolBar(area, toolBar);
        return toolBar;
    };
    {
        QMainWindow window;
        windowWithToolBar(window, Qt::LeftToolBarArea);
        window.resize(400, 300);
        ZCSettingsMainWindow(QStringLiteral("MainWindow")).SaveSettings(&window, 0x7);
    }
    QCOMPARE(ZCSettings(QStringLiteral("MainWindow")).value(QStringLiteral("Maximized"), true).toBool(), false);

    QMainWindow window;
    QToolBar* toolBar = windowWithToolBar(window, Qt::TopToolBarArea);
    QVERIFY(ZCSettingsMainWindow(QStringLiteral("MainWindow")).LoadSettings(&window, 0x7, true));
    QCOMPARE(window.toolBarArea(toolBar), Qt::LeftToolBarArea);
    QCOMPARE(window.size(), QSize(400, 300));
}

void TestZCSettings::nullWindowIsRefused()
{
    ZCSettingsMainWindow settings(QStringLiteral("MainWindow"));
    settings.setValue(QStringLiteral("Pos"), QPoint(1, 2));
    QVERIFY(!settings.LoadSettings(nullptr, 0x7, true));
    settings.SaveSettings(nullptr, 0x7);
    QCOMPARE(settings.value(QStringLiteral("Pos")).toPoint(), QPoint(1, 2));
}

MIROKIT_TEST_MAIN(TestZCSettings)
#include "tst_zcsettings.moc"
