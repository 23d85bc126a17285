#include "messagelogcapture.h"
#include "mirokittest.h"

#include <Mirokit/ZCDockWidget.h>
#include <Mirokit/ZCMainWindow.h>
#include <Mirokit/ZCSettingsMainWindow.h>
#include <Mirokit/ZCTitleBarWidget.h>

#include <QTabBar>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

namespace {

// A shown main window with a central widget and named docks in the given areas.
struct Fixture {
    explicit Fixture(const QList<Qt::DockWidgetArea>& areas)
    {
        window.setCentralWidget(new QWidget);
        window.resize(800, 600);
        for (int i = 0; i < areas.size(); ++i) {
            // Created without a parent, as hosts usually do, and handed to addDockWidget.
            auto* dock = new ZCDockWidget(QStringLiteral("Dock %1").arg(i));
            dock->setObjectName(QStringLiteral("dock%1").arg(i));
            dock->setWidget(new QWidget);
            window.addDockWidget(areas.at(i), dock);
            docks.append(dock);
        }
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
    }

    QToolBar* side(int index) const { return ZCDockWidget::GetToolbarMain(&window, index); }
    QTabBar* tabs(int index) const { return side(index)->findChild<QTabBar*>(); }
    void hover(const QPoint& windowPos)
    {
#if QT_VERSION >= QT_VERSION_CHECK(6, 3, 0)
        QHoverEvent event(QEvent::HoverMove, windowPos, window.mapToGlobal(windowPos), windowPos);
#else
        QHoverEvent event(QEvent::HoverMove, windowPos, windowPos);
#endif
        QApplication::sendEvent(&window, &event);
    }
    // The pointer over the tab of an auto-hidden dock, which brings the dock out.
    void hoverTab(int side, int tab)
    {
        QCoreApplication::processEvents();
        hover(tabs(side)->mapTo(&window, tabs(side)->tabRect(tab).center()));
        QCoreApplication::processEvents();
    }

    ZCMainWindow window{QStringLiteral("Prueba")};
    QList<ZCDockWidget*> docks;
};

QByteArray record(qint32 magic, qint32 version, qint8 recordVersion, quint32 count,
                  const QStringList& names, const QByteArray& flags)
{
    QByteArray bytes;
    QDataStream stream(&bytes, QIODevice::WriteOnly);
    stream << magic << version << recordVersion << count;
    for (const QString& name : names)
        stream << name;
    stream.writeRawData(flags.constData(), flags.size());
    return bytes;
}

const qint32 currentVersion = QDataStream().version();

} // namespace

class TestZCDockWidget : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void sideToolBarsComeWithTheFirstDock();
    void autoHideSpreadsOverItsArea_data();
    void autoHideSpreadsOverItsArea();
    void autoHideFromCodeCollapsesTheArea();
    void pinningACollapsedDockPinsItsWholeArea_data();
    void pinningACollapsedDockPinsItsWholeArea();
    void autoHiddenDocksCollapseAndExpandFromCode();
    void everyChangeOfModeIsAnnounced_data();
    void everyChangeOfModeIsAnnounced();
    void tabFollowsTitleAndArea();
    void destroyedDockTakesItsTab();
    void dockMovedToAnotherWindowTakesItsTab();
    void floatingDockHasTheSystemFrame();
    void hideWaitsAndIsCancelledNearTheDock();
    void showingOneDockHidesItsWaitingMates();
    void realPointerOverTheCentralWidgetStartsTheHide();

    void recordRoundTripIsByteIdentical();
    void recordReadsBackByHand();
    void hostileRecordsAreRefused_data();
    void hostileRecordsAreRefused();
    void missingDockIsReportedAndSkipped();
    void settingsKeepAutoHiddenDocksReachable();
    void positionOnNoScreenIsNotApplied();
};

void TestZCDockWidget::init()
{
    QCoreApplication::setApplicationName(QStringLiteral("MirokitDockTest"));
    ZCSettings().clear();
}

void TestZCDockWidget::sideToolBarsComeWithTheFirstDock()
{
    ZCMainWindow window(QStringLiteral("Prueba"));
    QVERIFY(!ZCDockWidget::TieneDocks(&window));
    QVERIFY(!ZCDockWidget::GetToolbarMain(&window, 0));
    auto* dock = new ZCDockWidget(QStringLiteral("Suelto"));
    window.addDockWidget(Qt::LeftDockWidgetArea, dock);
    QVERIFY(ZCDockWidget::TieneDocks(&window));

    const QStringList titles{"Docks izquierda", "Docks derecha", "Docks arriba", "Docks abajo"};
    const QList<Qt::ToolBarArea> areas{Qt::LeftToolBarArea, Qt::RightToolBarArea,
                                       Qt::TopToolBarArea, Qt::BottomToolBarArea};
    for (int side = 0; side < 4; ++side) {
        QToolBar* toolBar = ZCDockWidget::GetToolbarMain(&window, side);
        QVERIFY(toolBar);
        QCOMPARE(toolBar->objectName(), QLatin1String(ZCDockWidget::GetNombreToolbarMain(side)));
        QCOMPARE(toolBar->windowTitle(), titles.at(side));
        QCOMPARE(window.toolBarArea(toolBar), areas.at(side));
        QVERIFY(toolBar->isHidden());
    }
    QVERIFY(!ZCDockWidget::GetNombreToolbarMain(4));
    QVERIFY(!ZCDockWidget::GetToolbarMain(nullptr, 0));

    // The auto-hide button of a dock added this way works.
    dock->findChild<QToolButton*>(QStringLiteral("autoHideButton"))->click();
    QVERIFY(dock->EsAutoOcultable());
    QCOMPARE(dock->GetTabToolbarMain(), 0);
}

void TestZCDockWidget::autoHideSpreadsOverItsArea_data()
{
    QTest::addColumn<Qt::DockWidgetArea>("area");
    QTest::addColumn<int>("side");
    QTest::newRow("left docks share a left tab bar") << Qt::LeftDockWidgetArea << 0;
    QTest::newRow("right docks share a right tab bar") << Qt::RightDockWidgetArea << 1;
    QTest::newRow("top docks share a top tab bar") << Qt::TopDockWidgetArea << 2;
    QTest::newRow("bottom docks share a bottom tab bar") << Qt::BottomDockWidgetArea << 3;
}

void TestZCDockWidget::autoHideSpreadsOverItsArea()
{
    QFETCH(Qt::DockWidgetArea, area);
    QFETCH(int, side);
    const Qt::DockWidgetArea elsewhere =
        area == Qt::LeftDockWidgetArea ? Qt::RightDockWidgetArea : Qt::LeftDockWidgetArea;
    Fixture f({area, area, elsewhere});

    f.docks.at(0)->SetAutoOcultable(true, true);
    QVERIFY(f.docks.at(0)->EsAutoOcultable());
    QVERIFY(f.docks.at(1)->EsAutoOcultable());
    QVERIFY(!f.docks.at(2)->EsAutoOcultable());
    QVERIFY(f.side(side)->isVisible());
    QCOMPARE(f.tabs(side)->count(), 2);
    QCOMPARE(f.tabs(side)->shape(), QList<QTabBar::Shape>({QTabBar::RoundedWest,
        QTabBar::RoundedEast, QTabBar::RoundedNorth, QTabBar::RoundedSouth}).at(side));
    QCOMPARE(f.docks.at(1)->GetToolbarMain(), f.side(side));

    // The title bar shows auto-hide (up) and close, no float button.
    const ZCTitleBarWidget* bar = f.docks.at(0)->findChild<ZCTitleBarWidget*>();
    QVERIFY(!bar->findChild<QToolButton*>(QStringLiteral("floatButton"))->isVisibleTo(bar));
    QVERIFY(!bar->findChild<QToolButton*>(QStringLiteral("autoHideButton"))->isDown());

    f.docks.at(1)->SetAutoOcultable(false, true);
    QVERIFY(!f.docks.at(0)->EsAutoOcultable());
    QCOMPARE(f.tabs(side)->count(), 0);
    QVERIFY(f.side(side)->isHidden());  // the last tab gone takes the tool bar with it
    QVERIFY(bar->findChild<QToolButton*>(QStringLiteral("autoHideButton"))->isDown());
}

void TestZCDockWidget::autoHideFromCodeCollapsesTheArea()
{
    Fixture f({Qt::LeftDockWidgetArea, Qt::LeftDockWidgetArea, Qt::RightDockWidgetArea});
    f.docks.at(0)->SetAutoOcultable(true, true);
    // Into their tabs at once, not left over the content until the pointer passes by.
    QVERIFY(f.docks.at(0)->isHidden());
    QVERIFY(f.docks.at(1)->isHidden());
    QVERIFY(f.docks.at(2)->isVisible());
    QCOMPARE(f.tabs(0)->count(), 2);

    f.hoverTab(0, 1);
    QVERIFY(f.docks.at(1)->isVisible());
    QVERIFY(f.docks.at(0)->isHidden());
}

void TestZCDockWidget::pinningACollapsedDockPinsItsWholeArea_data()
{
    QTest::addColumn<int>("expanded");  // the dock out of its tab when the area is pinned, -1 none
    QTest::addColumn<int>("pinned");    // the dock whose SetAutoOcultable(false, true) is called

    QTest::newRow("pinning a collapsed dock while every dock is collapsed") << -1 << 0;
    QTest::newRow("pinning a collapsed dock while its mate is out") << 1 << 0;
    QTest::newRow("pinning the dock that is out") << 1 << 1;
}

void TestZCDockWidget::pinningACollapsedDockPinsItsWholeArea()
{
    QFETCH(int, expanded);
    QFETCH(int, pinned);

    Fixture f({Qt::LeftDockWidgetArea, Qt::LeftDockWidgetArea});
    f.docks.at(0)->SetAutoOcultable(true, true);
    f.docks.at(0)->hide();
    f.docks.at(1)->hide();
    if (expanded >= 0)
        f.hoverTab(0, expanded);

    f.docks.at(pinned)->SetAutoOcultable(false, true);
    for (const ZCDockWidget* dock : qAsConst(f.docks)) {
        QVERIFY(!dock->EsAutoOcultable());
        QVERIFY(dock->isVisible());
        QVERIFY(!dock->GetTimerHide()->isActive());
    }
    QCOMPARE(f.tabs(0)->count(), 0);
    QVERIFY(f.side(0)->isHidden());
}

void TestZCDockWidget::autoHiddenDocksCollapseAndExpandFromCode()
{
    Fixture f({Qt::LeftDockWidgetArea, Qt::LeftDockWidgetArea, Qt::RightDockWidgetArea});
    f.docks.at(0)->SetAutoOcultable(true, true);
    QVERIFY(f.docks.at(0)->EstaColapsado());
    QVERIFY(f.docks.at(1)->EstaColapsado());

    f.docks.at(1)->Expandir();
    QVERIFY(f.docks.at(1)->isVisible());
    QVERIFY(!f.docks.at(1)->EstaColapsado());
    QCOMPARE(f.tabs(0)->currentIndex(), 1);

    // Another dock of the area brought out sends the first back, hide pending or not.
    f.docks.at(0)->Expandir();
    QVERIFY(f.docks.at(0)->isVisible());
    QVERIFY(f.docks.at(1)->EstaColapsado());
    QCOMPARE(f.tabs(0)->currentIndex(), 0);

    f.docks.at(0)->Colapsar();
    QVERIFY(f.docks.at(0)->EstaColapsado());
    QVERIFY(f.docks.at(0)->EsAutoOcultable());

    // A pinned dock is neither collapsed nor expanded.
    f.docks.at(2)->Colapsar();
    QVERIFY(f.docks.at(2)->isVisible());
    QVERIFY(!f.docks.at(2)->EstaColapsado());
    f.docks.at(2)->hide();
    f.docks.at(2)->Expandir();
    QVERIFY(f.docks.at(2)->isHidden());
}

void TestZCDockWidget::everyChangeOfModeIsAnnounced_data()
{
    QTest::addColumn<int>("how");
    QTest::addColumn<QList<int>>("firstDock");   // the values announced by each dock, in order
    QTest::addColumn<QList<int>>("secondDock");

    QTest::newRow("the title-bar button announces it on every dock of the area") << 0 << QList<int>{1}
                                                                                  << QList<int>{1};
    QTest::newRow("a change for the area is announced by each dock") << 1 << QList<int>{1, 0} << QList<int>{1, 0};
    QTest::newRow("a change of one dock is announced by that dock") << 2 << QList<int>{1} << QList<int>{};
    QTest::newRow("a dock that floats leaves auto-hide and says so") << 3 << QList<int>{1, 0} << QList<int>{1};
    QTest::newRow("asking for the mode a dock has announces nothing") << 4 << QList<int>{} << QList<int>{};
}

void TestZCDockWidget::everyChangeOfModeIsAnnounced()
{
    QFETCH(int, how);
    QFETCH(QList<int>, firstDock);
    QFETCH(QList<int>, secondDock);

    Fixture f({Qt::LeftDockWidgetArea, Qt::LeftDockWidgetArea});
    QSignalSpy first(f.docks.at(0), &ZCDockWidget::autoOcultableCambiado);
    QSignalSpy second(f.docks.at(1), &ZCDockWidget::autoOcultableCambiado);
    switch (how) {
    case 0:
        f.docks.at(0)->findChild<QToolButton*>(QStringLiteral("autoHideButton"))->click();
        break;
    case 1:
        f.docks.at(0)->SetAutoOcultable(true, true);
        f.docks.at(1)->SetAutoOcultable(false, true);
        break;
    case 2:
        f.docks.at(0)->SetAutoOcultable(true, false);
        break;
    case 3:
        f.docks.at(0)->SetAutoOcultable(true, true);
        f.docks.at(0)->show();
        f.docks.at(0)->setFloating(true);
        break;
    case 4:
        f.docks.at(0)->SetAutoOcultable(false, true);
        break;
    }
    const auto values = [](const QSignalSpy& spy) {
        QList<int> announced;
        for (const QList<QVariant>& arguments : spy)
            announced.append(arguments.at(0).toBool() ? 1 : 0);
        return announced;
    };
    QCOMPARE(values(first), firstDock);
    QCOMPARE(values(second), secondDock);
    QCOMPARE(f.docks.at(0)->property("autoOcultable").toBool(), f.docks.at(0)->EsAutoOcultable());
}

void TestZCDockWidget::tabFollowsTitleAndArea()
{
    Fixture f({Qt::LeftDockWidgetArea});
    ZCDockWidget* dock = f.docks.at(0);
    dock->SetAutoOcultable(true, true);
    dock->setWindowTitle(QStringLiteral("Propiedades"));
    QCOMPARE(f.tabs(0)->tabText(0), QStringLiteral("Propiedades"));
    static_cast<QWidget*>(dock)->setWindowTitle(QStringLiteral("Capas"));
    QCOMPARE(f.tabs(0)->tabText(0), QStringLiteral("Capas"));

    f.window.addDockWidget(Qt::BottomDockWidgetArea, dock);
    QCOMPARE(f.tabs(0)->count(), 0);
    QVERIFY(f.side(0)->isHidden());
    QCOMPARE(dock->GetTabBar(), f.tabs(3));
    QCOMPARE(dock->GetTabToolbarMain(), 0);
    QCOMPARE(f.tabs(3)->tabData(0).value<ZCDockWidget*>(), dock);
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    QCOMPARE(QMetaType::fromName("ZCDockWidget*").id(), qMetaTypeId<ZCDockWidget*>());
#else
    QCOMPARE(QMetaType::type("ZCDockWidget*"), qMetaTypeId<ZCDockWidget*>());
#endif
}

void TestZCDockWidget::destroyedDockTakesItsTab()
{
    Fixture f({Qt::RightDockWidgetArea, Qt::RightDockWidgetArea});
    f.docks.at(0)->SetAutoOcultable(true, true);
    delete f.docks.takeAt(0);
    QCOMPARE(f.tabs(1)->count(), 1);
    QCOMPARE(f.tabs(1)->tabData(0).value<ZCDockWidget*>(), f.docks.at(0));
    QVERIFY(!ZCDockWidget::SaveMainWindowState(&f.window).isEmpty());
}

void TestZCDockWidget::dockMovedToAnotherWindowTakesItsTab()
{
    Fixture f({Qt::LeftDockWidgetArea});
    ZCDockWidget* dock = f.docks.at(0);
    dock->SetAutoOcultable(true, true);
    ZCMainWindow other(QStringLiteral("Otra"));
    other.setCentralWidget(new QWidget);
    other.addDockWidget(Qt::LeftDockWidgetArea, dock);
    QTabBar* otherTabs = ZCDockWidget::GetToolbarMain(&other, 0)->findChild<QTabBar*>();
    QCOMPARE(dock->GetTabBar(), otherTabs);
    QCOMPARE(otherTabs->count(), 1);
    QCOMPARE(f.tabs(0)->count(), 0);
    QVERIFY(f.side(0)->isHidden());
}

void TestZCDockWidget::floatingDockHasTheSystemFrame()
{
    Fixture f({Qt::LeftDockWidgetArea, Qt::LeftDockWidgetArea});
    ZCDockWidget* dock = f.docks.at(0);
    dock->SetAutoOcultable(true, true);
    dock->show();
    dock->setFloating(true);
    QVERIFY(!dock->EsAutoOcultable());
    QVERIFY(!dock->titleBarWidget());
    QVERIFY(f.docks.at(1)->EsAutoOcultable());

    dock->setFloating(false);  // docked again: takes the left area's mode and its title bar
    QVERIFY(dock->EsAutoOcultable());
    QVERIFY(qobject_cast<ZCTitleBarWidget*>(dock->titleBarWidget()));
}

void TestZCDockWidget::hideWaitsAndIsCancelledNearTheDock()
{
    Fixture f({Qt::LeftDockWidgetArea});
    ZCDockWidget* dock = f.docks.at(0);
    dock->SetAutoOcultable(true, true);
    QVERIFY(!dock->isVisible());
    f.hoverTab(0, 0);
    QVERIFY(dock->isVisible());
    const QRect dockRect(dock->mapTo(&f.window, QPoint(0, 0)), dock->size());
    const QPoint far = dockRect.topRight() + QPoint(200, 50);
    const QPoint near = dockRect.topRight() + QPoint(9, 50);

    f.hover(far);
    QVERIFY(dock->GetTimerHide()->isActive());
    QCOMPARE(dock->GetTimerHide()->interval(), 500);
    f.hover(near);  // back within ten pixels: stays
    QVERIFY(!dock->GetTimerHide()->isActive());

    f.hover(far);
    QVERIFY(dock->isVisible());
    QTRY_VERIFY_WITH_TIMEOUT(!dock->isVisible(), 2000);

}

void TestZCDockWidget::showingOneDockHidesItsWaitingMates()
{
    Fixture f({Qt::BottomDockWidgetArea, Qt::BottomDockWidgetArea});
    f.window.tabifyDockWidget(f.docks.at(0), f.docks.at(1));
    f.docks.at(0)->SetAutoOcultable(true, true);
    f.docks.at(0)->show();
    f.docks.at(0)->GetTimerHide()->start();
    const QRect tab = f.tabs(3)->tabRect(1);
    f.hover(f.tabs(3)->mapTo(&f.window, tab.center()));
    QVERIFY(f.docks.at(1)->isVisible());
    QVERIFY(!f.docks.at(0)->isVisible());
    QVERIFY(!f.docks.at(0)->GetTimerHide()->isActive());
    QCOMPARE(f.tabs(3)->currentIndex(), 1);
}

void TestZCDockWidget::realPointerOverTheCentralWidgetStartsTheHide()
{
    Fixture f({Qt::RightDockWidgetArea});
    f.docks.at(0)->SetAutoOcultable(true, true);
    f.hoverTab(1, 0);
    // Through the window system: the window hears the hover over any of its children.
    QTest::mouseMove(f.window.centralWidget(), QPoint(20, 20));
    QTRY_VERIFY(f.docks.at(0)->GetTimerHide()->isActive());
}

void TestZCDockWidget::recordRoundTripIsByteIdentical()
{
    const QList<Qt::DockWidgetArea> areas{Qt::LeftDockWidgetArea, Qt::RightDockWidgetArea,
                                          Qt::RightDockWidgetArea};
    QByteArray saved;
    {
        Fixture f(areas);
        f.docks.at(1)->SetAutoOcultable(true, true);
        saved = ZCDockWidget::SaveMainWindowState(&f.window);
    }
    Fixture restored(areas);
    QStringList names;
    ZCDockWidget::RestoreMainWindowState(&restored.window, saved, &names);
    QCOMPARE(names, (QStringList{"dock1", "dock2", "dock0"}));
    QVERIFY(!restored.docks.at(0)->EsAutoOcultable());
    QVERIFY(restored.docks.at(1)->EsAutoOcultable());
    QVERIFY(restored.docks.at(2)->EsAutoOcultable());
    QCOMPARE(ZCDockWidget::SaveMainWindowState(&restored.window), saved);
}

void TestZCDockWidget::recordReadsBackByHand()
{
    Fixture f({Qt::TopDockWidgetArea, Qt::LeftDockWidgetArea});
    f.docks.at(1)->SetAutoOcultable(true, true);
    QDataStream stream(ZCDockWidget::SaveMainWindowState(&f.window));
    qint32 magic = 0, version = 0;
    qint8 recordVersion = 0, first = 0, second = 0;
    QStringList names;
    stream >> magic >> version >> recordVersion >> names >> first >> second;
    QCOMPARE(magic, 3340);
    QCOMPARE(version, currentVersion);
    QCOMPARE(recordVersion, qint8(1));
    QCOMPARE(names, (QStringList{"dock1", "dock0"}));  // side-bar tabs first
    QCOMPARE(first, qint8(1));
    QCOMPARE(second, qint8(0));
    QVERIFY(stream.atEnd());
    QCOMPARE(stream.status(), QDataStream::Ok);
}

void TestZCDockWidget::hostileRecordsAreRefused_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("names");  // what dockNames holds afterwards
    const QStringList untouched{QStringLiteral("previo")};
    const QStringList one{QStringLiteral("dock0")};

    QTest::newRow("a wrong magic is ignored")
        << record(3341, currentVersion, 1, 1, one, "\1") << untouched;
    QTest::newRow("a newer stream version is ignored")
        << record(3340, currentVersion + 1, 1, 1, one, "\1") << untouched;
    QTest::newRow("a stream version before Qt 4 is ignored")
        << record(3340, 6, 1, 1, one, "\1") << untouched;
    QTest::newRow("another record version is ignored")
        << record(3340, currentVersion, 2, 1, one, "\1") << untouched;
    QTest::newRow("a huge name count empties the list")
        << record(3340, currentVersion, 1, 0xfffffff0u, one, "\1") << QStringList();
    QTest::newRow("a name longer than the record empties the list")
        << record(3340, currentVersion, 1, 1, {}, QByteArray("\x7f\xff\xff\xfe", 4)) << QStringList();
    QTest::newRow("an odd name length empties the list")
        << record(3340, currentVersion, 1, 1, {}, QByteArray("\0\0\0\3abc", 7)) << QStringList();
    QTest::newRow("a truncated header is ignored") << QByteArray("\0\0\x0d", 3) << untouched;
    QTest::newRow("missing flags leave the docks as they are")
        << record(3340, currentVersion, 1, 1, one, QByteArray()) << one;
}

void TestZCDockWidget::hostileRecordsAreRefused()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, names);
    Fixture f({Qt::LeftDockWidgetArea});
    QStringList dockNames{QStringLiteral("previo")};
    ZCDockWidget::RestoreMainWindowState(&f.window, bytes, &dockNames);
    QCOMPARE(dockNames, names);
    QVERIFY(!f.docks.at(0)->EsAutoOcultable());
}

void TestZCDockWidget::missingDockIsReportedAndSkipped()
{
    Fixture f({Qt::LeftDockWidgetArea, Qt::RightDockWidgetArea});
    MessageLogCapture log;
    ZCDockWidget::RestoreMainWindowState(
        &f.window, record(3340, currentVersion, 1, 3, {"dock0", "ido", "dock1"}, QByteArray("\1\0\1", 3)), nullptr);
    QVERIFY(log.contains(QtDebugMsg, QStringLiteral("Dock 'ido' no encontrado")));
    QVERIFY(f.docks.at(0)->EsAutoOcultable());
    QVERIFY(f.docks.at(1)->EsAutoOcultable());
}

void TestZCDockWidget::settingsKeepAutoHiddenDocksReachable()
{
    const QList<Qt::DockWidgetArea> areas{Qt::LeftDockWidgetArea, Qt::BottomDockWidgetArea};
    {
        Fixture f(areas);
        f.docks.at(0)->SetAutoOcultable(true, true);
        f.window.SaveSettings(0x4);
        QVERIFY(f.side(0)->isVisible());  // saved hidden, shown again at once
        QVERIFY(ZCSettings(QStringLiteral("MainWindow")).contains(QStringLiteral("StateDocks")));
    }
    Fixture restored(areas);
    QStringList names;
    QVERIFY(restored.window.LoadSettings(0x4, &names));
    QCOMPARE(names, (QStringList{"dock0", "dock1"}));
    QVERIFY(restored.docks.at(0)->EsAutoOcultable());
    QVERIFY(restored.docks.at(0)->isHidden());  // restored into its tab
    QVERIFY(!restored.docks.at(1)->EsAutoOcultable());
    QVERIFY(restored.side(0)->isVisible());
    QVERIFY(restored.side(3)->isHidden());
}

void TestZCDockWidget::positionOnNoScreenIsNotApplied()
{
    ZCSettingsMainWindow settings(QStringLiteral("MainWindow"));
    settings.setValue(QStringLiteral("Pos"), QPoint(-30000, -30000));
    settings.setValue(QStringLiteral("Size"), QSize(410, 310));
    QMainWindow window;
    window.move(20, 30);
    QVERIFY(!settings.LoadSettings(&window, 0x3, true));
    QCOMPARE(window.pos(), QPoint(20, 30));
    QCOMPARE(window.size(), QSize(410, 310));
}

MIROKIT_TEST_MAIN(TestZCDockWidget)
#include "tst_zcdockwidget.moc"
