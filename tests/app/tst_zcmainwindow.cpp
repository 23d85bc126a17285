#include "messagelogcapture.h"
#include "mirokittest.h"

#include <Mirokit/ZCApplication.h>
#include <Mirokit/ZCMainWindow.h>
#include <Mirokit/ZCView.h>

#include <Mirokit/ZCSettings.h>

#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QProgressBar>
#include <QStatusBar>
#include <QStyleFactory>
#include <QToolBar>

#include <functional>
#include <memory>

namespace {

// A view that counts its broadcasts and runs an optional action on each.
class CountingView : public ZCView
{
public:
    void notify(int hint) { NotificaUpdate(this, hint); }

    int calls = 0;
    std::function<void()> onUpdate;

protected:
    void OnUpdateView(ZCView*, int, void*, void*, void*, void*, void*, void*) override
    {
        ++calls;
        if (onUpdate)
            onUpdate();
    }
};

// Test access to the protected parts of the window.
class TestWindow : public ZCMainWindow
{
public:
    TestWindow()
        : ZCMainWindow(QStringLiteral("Prueba"))
    {
    }
    using ZCMainWindow::createMenuVer;
    using ZCMainWindow::DuplicarSubMenusVer;
    using ZCMainWindow::OnFullScreen;
};

QStringList menuTexts(const QMenu* menu)
{
    QStringList texts;
    for (const QAction* action : menu->actions())
        texts << (action->isSeparator() ? QStringLiteral("-") : action->text());
    return texts;
}

// How often the widget sits in the layout, nested layouts included.
int occurrences(const QLayout* layout, const QWidget* widget)
{
    int count = 0;
    for (int i = 0; i < layout->count(); ++i) {
        QLayoutItem* item = layout->itemAt(i);
        if (item->widget() == widget)
            ++count;
        else if (item->layout())
            count += occurrences(item->layout(), widget);
    }
    return count;
}

} // namespace

class TestZCMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();

    void broadcastReachesEachLiveViewOnce_data();
    void broadcastReachesEachLiveViewOnce();
    void viewLeavesTheWindowItJoined();
    void viewsInsideTheWindowDieWithIt();
    void currentMainWindowInSingleMode();
    void currentMainWindowInMultipleMode();

    void menuVerHasTheStandardEntries();
    void stylesMenuListsSystemAndFactoryStyles();
    void stylesMenuIsEmptyWithoutApplication();
    void duplicatedStyleMenusShareTheirActions();

    void progressIndicatorLifecycle();
    void fullScreenReturnsToThePreviousState_data();
    void fullScreenReturnsToThePreviousState();
    void settingsExistOnlyAfterSaving();
    void cssNieveWithoutMainWindowWarns();
};

void TestZCMainWindow::cleanup()
{
    SetMultiplesMainWindows(false);
}

void TestZCMainWindow::broadcastReachesEachLiveViewOnce_data()
{
    QTest::addColumn<QString>("receiverAction");
    QTest::addColumn<QList<int>>("expectedCalls");  // sender, receiver, third (-1: gone), late

    QTest::newRow("the sender is skipped, the others are called once")
        << QString() << QList<int>{0, 1, 1, 0};
    QTest::newRow("a view destroyed by a receiver is not called afterwards")
        << QStringLiteral("destroy third") << QList<int>{0, 1, -1, 0};
    QTest::newRow("a view created by a receiver is called in the same broadcast")
        << QStringLiteral("create late") << QList<int>{0, 1, 1, 1};
    QTest::newRow("a nested broadcast neither skips nor repeats views")
        << QStringLiteral("nested") << QList<int>{1, 2, 1, 0};
}

void TestZCMainWindow::broadcastReachesEachLiveViewOnce()
{
    QFETCH(QString, receiverAction);
    QFETCH(QList<int>, expectedCalls);

    TestWindow window;
    CountingView sender;
    CountingView receiver;
    auto third = std::make_unique<CountingView>();
    std::unique_ptr<CountingView> late;
    bool nestedOnce = false;
    receiver.onUpdate = [&] {
        if (receiverAction == QLatin1String("destroy third"))
            third.reset();
        else if (receiverAction == QLatin1String("create late") && !late)
            late = std::make_unique<CountingView>();
        else if (receiverAction == QLatin1String("nested") && !nestedOnce) {
            nestedOnce = true;
            third->notify(2);
        }
    };

    sender.notify(1);

    QCOMPARE(sender.calls, expectedCalls.at(0));
    QCOMPARE(receiver.calls, expectedCalls.at(1));
    if (third)
        QCOMPARE(third->calls, expectedCalls.at(2));
    QCOMPARE(late ? late->calls : 0, expectedCalls.at(3));

    // No hole is left behind: a second broadcast reaches exactly the live views.
    receiver.onUpdate = nullptr;
    const int before = receiver.calls;
    sender.notify(3);
    QCOMPARE(receiver.calls, before + 1);
}

void TestZCMainWindow::viewLeavesTheWindowItJoined()
{
    SetMultiplesMainWindows(true);
    TestWindow first;
    auto view = std::make_unique<CountingView>();
    CountingView firstSender;
    {
        TestWindow second;  // now the current one
        QCOMPARE(GetMainWindow(), &second);
        view.reset();       // must leave the first window, not the second
        CountingView secondView;
        second.UpdateAllViews(nullptr, 0);
        QCOMPARE(secondView.calls, 1);
    }
    // The first window's list holds no dangling entry.
    first.UpdateAllViews(nullptr, 0);
    QCOMPARE(firstSender.calls, 1);
}

// Document views in tabs are children of the window: its destruction takes them along after
// the window's own part is gone.
void TestZCMainWindow::viewsInsideTheWindowDieWithIt()
{
    struct WidgetView : QLabel, CountingView {};
    auto window = std::make_unique<TestWindow>();
    auto* inside = new WidgetView;
    window->setCentralWidget(inside);
    window->UpdateAllViews(nullptr, 0);
    QCOMPARE(inside->calls, 1);
    QPointer<QLabel> watched(inside);
    window.reset();
    QVERIFY(!watched);
}

void TestZCMainWindow::currentMainWindowInSingleMode()
{
    QVERIFY(!GetMainWindow());
    auto first = std::make_unique<TestWindow>();
    auto second = std::make_unique<TestWindow>();
    QCOMPARE(GetMainWindow(), second.get());
    first.reset();
    QCOMPARE(GetMainWindow(), second.get());  // another window leaving keeps the current one
    second.reset();
    QVERIFY(!GetMainWindow());
}

void TestZCMainWindow::currentMainWindowInMultipleMode()
{
    SetMultiplesMainWindows(true);
    auto first = std::make_unique<TestWindow>();
    auto second = std::make_unique<TestWindow>();
    QWidget other;
    other.show();
    QApplication::setActiveWindow(&other);
    QCOMPARE(GetMainWindow(), second.get());

    first->show();
    QApplication::setActiveWindow(first.get());
    QCOMPARE(GetMainWindow(), first.get());

    QApplication::setActiveWindow(&other);
    second.reset();
    QCOMPARE(GetMainWindow(), first.get());
    first.reset();
    QVERIFY(!GetMainWindow());
}

void TestZCMainWindow::menuVerHasTheStandardEntries()
{
    TestWindow window;
    QMenu* menu = window.createMenuVer();
    QCOMPARE(window.createMenuVer(), menu);
    QCOMPARE(menu->title(), QStringLiteral("&Ver"));
    QCOMPARE(menuTexts(menu), (QStringList{"Herramientas", "Personalizar", "-",
                                           "Pantalla completa", "-"}));
    QAction* fullScreen = menu->actions().at(3);
    QCOMPARE(fullScreen->shortcut(), QKeySequence(QStringLiteral("F11")));
    QVERIFY(window.actions().contains(fullScreen));

    // The tool-bars submenu lists Qt's toggles when it opens.
    auto* toolBar = window.addToolBar(QStringLiteral("Edición"));
    QMenu* toolbars = menu->actions().at(0)->menu();
    QVERIFY(toolbars->isEmpty());
    emit toolbars->aboutToShow();
    QVERIFY(toolbars->actions().contains(toolBar->toggleViewAction()));
}

void TestZCMainWindow::stylesMenuListsSystemAndFactoryStyles()
{
    ZCApplication application(QStringLiteral("MirokitMainWindowTest"));
    application.SetCurrentEstilo(QStringLiteral("Fusion"), false);
    TestWindow window;
    window.createMenuVer();
    const QMenu* styles = window.GetMenuEstilos();
    QVERIFY(styles);
    QCOMPARE(styles->title(), QStringLiteral("Estilos"));

    QStringList expected{QStringLiteral("Sistema (%1)").arg(application.GetNombreEstiloSistema()),
                         QStringLiteral("-")};
    expected << QStyleFactory::keys();
    QCOMPARE(menuTexts(styles), expected);

    QStringList checked;
    for (const QAction* action : styles->actions()) {
        if (action->isChecked())
            checked << action->text();
    }
    QCOMPARE(checked, QStringList{QStringLiteral("Fusion")});

    styles->actions().constFirst()->trigger();
    QVERIFY(application.IsCurrentEstiloSistema());
    for (QAction* action : styles->actions()) {
        if (action->text() == QLatin1String("Fusion"))
            action->trigger();
    }
    QVERIFY(!application.IsCurrentEstiloSistema());
}

void TestZCMainWindow::stylesMenuIsEmptyWithoutApplication()
{
    QVERIFY(!GetApplication());
    TestWindow window;
    window.createMenuVer();
    QVERIFY(window.GetMenuEstilos()->isEmpty());
}

void TestZCMainWindow::duplicatedStyleMenusShareTheirActions()
{
    ZCApplication application(QStringLiteral("MirokitMainWindowTest"));
    TestWindow window;
    QMenu* menuVer = window.createMenuVer();
    const QMenu* original = window.GetMenuEstilos();
    window.DuplicarSubMenusVer();
    const QMenu* copy = window.GetMenuEstilos();
    QVERIFY(copy != original);
    QCOMPARE(copy->actions(), original->actions());
    // The menu Ver keeps its own submenus.
    QCOMPARE(menuVer->actions().at(1)->menu()->actions().constFirst()->menu(), original);
}

void TestZCMainWindow::progressIndicatorLifecycle()
{
    TestWindow window;
    window.show();
    window.setValueProgressBar(40);  // before InitProgressBar: nothing to change, no crash
    window.setTitleProgressBar(QStringLiteral("nada"));
    QVERIFY(!window.statusBar()->findChild<QProgressBar*>());

    window.InitProgressBar(QStringLiteral("Cargando"));
    auto* bar = window.statusBar()->findChild<QProgressBar*>();
    QVERIFY(bar && bar->isVisible());
    const QList<QLabel*> labels = window.statusBar()->findChildren<QLabel*>();
    QCOMPARE(labels.size(), 2);
    QVERIFY(!labels.at(0)->isVisible());  // no icon file, no icon
    QCOMPARE(labels.at(1)->text(), QStringLiteral("Cargando"));
    QCOMPARE(bar->maximumHeight(), labels.at(1)->sizeHint().height());
    QCOMPARE(bar->maximumWidth(), 20 * bar->maximumHeight());

    window.setValueProgressBar(40);
    window.setTitleProgressBar(QStringLiteral("Casi"));
    QCOMPARE(bar->value(), 40);
    QCOMPARE(labels.at(1)->text(), QStringLiteral("Casi"));

    // Twice without EndProgressBar: the same widgets, once in the status bar.
    window.InitProgressBar(QStringLiteral("Otra vez"), QStringLiteral(":/Resources/tv_pantalla.png"));
    QCoreApplication::processEvents();
    QCOMPARE(occurrences(window.statusBar()->layout(), bar), 1);
    QCOMPARE(bar->value(), 0);
    QVERIFY(labels.at(0)->isVisible());

    window.EndProgressBar();
    QVERIFY(!bar->isVisible());
    QVERIFY(!labels.at(1)->isVisible());
    window.InitProgressBar(QStringLiteral("De nuevo"));
    QCOMPARE(window.statusBar()->findChild<QProgressBar*>(), bar);
    QVERIFY(bar->isVisible());
}

void TestZCMainWindow::fullScreenReturnsToThePreviousState_data()
{
    QTest::addColumn<bool>("maximized");
    QTest::newRow("from a normal window back to its size") << false;
    QTest::newRow("from a maximized window back to maximized") << true;
}

void TestZCMainWindow::fullScreenReturnsToThePreviousState()
{
    QFETCH(bool, maximized);
    TestWindow window;
    window.resize(420, 300);
    if (maximized)
        window.showMaximized();
    else
        window.show();

    window.OnFullScreen();
    QVERIFY(window.isFullScreen());
    window.OnFullScreen();
    QVERIFY(!window.isFullScreen());
    QCOMPARE(window.isMaximized(), maximized);
    if (!maximized)
        QCOMPARE(window.size(), QSize(420, 300));
}

void TestZCMainWindow::settingsExistOnlyAfterSaving()
{
    QCoreApplication::setApplicationName(QStringLiteral("MirokitMainWindowTest"));
    ZCSettings().clear();
    TestWindow window;
    QVERIFY(!window.ExistenSettings());
    QVERIFY(!window.LoadSettings(0x7));
    window.resize(300, 200);
    window.SaveSettings(0x7);
    QVERIFY(window.ExistenSettings());
    TestWindow restored;
    QVERIFY(restored.LoadSettings(0x6));
    QCOMPARE(restored.size(), QSize(300, 200));
}

void TestZCMainWindow::cssNieveWithoutMainWindowWarns()
{
    ZCApplication application(QStringLiteral("MirokitMainWindowTest"));
    MessageLogCapture log;
    application.SetCSSNieve();
    QVERIFY(log.contains(QtWarningMsg,
                         QStringLiteral("No hay ventana principal a la que aplicar la hoja de estilo")));

    TestWindow window;
    log.clear();
    application.SetCSSNieve();  // the host links no nieve.qss here
    QVERIFY(log.contains(QtDebugMsg, QStringLiteral("No se ha podido cargar hoja de estilo WASM")));
    QVERIFY(window.styleSheet().isEmpty());
}

MIROKIT_TEST_MAIN(TestZCMainWindow)
#include "tst_zcmainwindow.moc"
