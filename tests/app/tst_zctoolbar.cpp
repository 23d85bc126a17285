#include "mirokittest.h"
#include "messagelogcapture.h"

#include <Mirokit/ZCAction.h>
#include <Mirokit/ZCEditorPopup.h>
#include <Mirokit/ZCKeySequence.h>
#include <Mirokit/ZCToolBar.h>

#include <QLineEdit>
#include <QMenu>
#include <QSizeGrip>
#include <QToolButton>
#include <QWidgetAction>

#include <climits>

namespace {

// A window holding a tool bar with two menu buttons and one button without a menu, added
// through ZCToolBar::addWidget.
struct BarFixture {
    explicit BarFixture(unsigned int options, Qt::Orientation orientation = Qt::Horizontal)
        : bar(new ZCToolBar(&window, options))
    {
        window.setGeometry(100, 100, 400, 300);
        bar->setOrientation(orientation);
        bar->setGeometry(orientation == Qt::Horizontal ? QRect(0, 0, 400, 40) : QRect(0, 0, 60, 300));
        first = addMenuButton(QStringLiteral("Archivo"));
        second = addMenuButton(QStringLiteral("Edición"));
        plain = new QToolButton;
        plain->setText(QStringLiteral("Sin menú"));
        bar->addWidget(plain);
    }

    QToolButton* addMenuButton(const QString& text)
    {
        auto* button = new QToolButton;
        button->setText(text);
        auto* menu = new QMenu(text, button);
        menu->addAction(text + QStringLiteral(" 1"));
        menu->addAction(text + QStringLiteral(" 2"));
        button->setMenu(menu);
        bar->addWidget(button);
        return button;
    }

    // Each test starts with the pointer off the window: Qt 6 sends an Enter to the widget under
    // a resting pointer when a window appears over it (Qt 5 waits for the next move).
    bool show()
    {
        movePointerTo(QPoint(0, 0));
        window.show();
        return QTest::qWaitForWindowExposed(&window);
    }

    // Moves the pointer as a user would: the platform then sends the moves, enters and leaves,
    // and the zero-delay timer that changes menus runs.
    static void movePointerTo(const QPoint& global)
    {
        QCursor::setPos(global);
        settle();
    }
    // What follows an event runs too: the platform's own events and the zero-delay timers.
    static void settle()
    {
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
    }

    QToolButton* buttonWithOpenMenu() const
    {
        for (QToolButton* button : {first, second})
            if (button->menu()->isVisible())
                return button;
        return nullptr;
    }

    QWidget window;
    ZCToolBar* bar;
    QToolButton* first = nullptr;
    QToolButton* second = nullptr;
    QToolButton* plain = nullptr;
};

QPoint centreOf(const QWidget* widget)
{
    return widget->mapToGlobal(widget->rect().center());
}

} // namespace

// Where the pointer goes in a hover-menu scenario.
enum class Target { Outside, First, Second, Plain, OpenMenu, BarGap, Escape, Choose };
Q_DECLARE_METATYPE(QVector<Target>)

class TestZCToolBar : public QObject
{
    Q_OBJECT

private slots:
    void predefinedShortcuts_data();
    void predefinedShortcuts();
    void predefinedShortcutOutsideTheTable_data();
    void predefinedShortcutOutsideTheTable();
    void shortcutToolTip_data();
    void shortcutToolTip();
    void printPreviewIcon_data();
    void printPreviewIcon();
    void nullArgumentsWarn();

    void optionsZeroChangeNothing();
    void orientationSwitchesMenuButtonStyle();
    void hoverMenusFollowThePointer_data();
    void hoverMenusFollowThePointer();
    void hoverMenusWhicheverWayTheButtonIsAdded_data();
    void hoverMenusWhicheverWayTheButtonIsAdded();
    void verticalBarOpensMenusToTheRight();

    void widgetPopup();
    void widgetPopupWithoutButtonCreatesNothing();
    void toolBarDeletedBeforeItsAction();
};

void TestZCToolBar::predefinedShortcuts_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("text");
    QTest::newRow("full screen is F11") << int(ZCKeySequence::KeyPantallaCompleta) << "F11";
    QTest::newRow("properties is Alt+Return") << int(ZCKeySequence::KeyPropiedades) << "Alt+Return";
    QTest::newRow("up is Ctrl+Up") << int(ZCKeySequence::KeySubir) << "Ctrl+Up";
    QTest::newRow("down is Ctrl+Down") << int(ZCKeySequence::KeyBajar) << "Ctrl+Down";
    QTest::newRow("next tab is Ctrl+Tab") << int(ZCKeySequence::KeySiguientePestana) << "Ctrl+Tab";
    QTest::newRow("previous tab is Ctrl+Shift+Tab") << int(ZCKeySequence::KeyAnteriorPestana)
                                                    << "Ctrl+Shift+Tab";
}

void TestZCToolBar::predefinedShortcuts()
{
    QFETCH(int, key);
    QFETCH(QString, text);
    const ZCKeySequence sequence(static_cast<ZCKeySequence::EKeyPreDef>(key));
    QCOMPARE(static_cast<const QKeySequence&>(sequence), QKeySequence(text));
    QCOMPARE(sequence.count(), 1);
}

void TestZCToolBar::predefinedShortcutOutsideTheTable_data()
{
    QTest::addColumn<int>("key");
    QTest::newRow("one past the table") << 6;
    QTest::newRow("negative") << -1;
    QTest::newRow("smallest int") << INT_MIN;
    QTest::newRow("largest int") << INT_MAX;
}

void TestZCToolBar::predefinedShortcutOutsideTheTable()
{
    QFETCH(int, key);
    MessageLogCapture log;
    const ZCKeySequence sequence(static_cast<ZCKeySequence::EKeyPreDef>(key));
    QVERIFY(sequence.isEmpty());
    QCOMPARE(log.texts(QtWarningMsg),
             QStringList(QStringLiteral("ZCKeySequence: no hay ningún atajo predefinido %1").arg(key)));
}

void TestZCToolBar::shortcutToolTip_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QKeySequence>("keys");
    QTest::addColumn<bool>("showInToolTip");
    QTest::addColumn<QString>("expectedToolTip");
    QTest::newRow("shown: the icon text without mnemonic nor dots, then the shortcut")
        << "&Buscar..." << QKeySequence(QKeySequence::Find) << true << "Buscar (Ctrl+F)";
    QTest::newRow("shown with a two-key shortcut")
        << "Pantalla completa" << QKeySequence(QStringLiteral("Ctrl+K, Ctrl+P")) << true
        << "Pantalla completa (Ctrl+K, Ctrl+P)";
    QTest::newRow("not shown: the tool tip stays as it was")
        << "Buscar" << QKeySequence(QKeySequence::Find) << false << "Consejo previo";
    QTest::newRow("shown without a shortcut: the bare text, no empty brackets")
        << "Buscar" << QKeySequence() << true << "Buscar";
}

void TestZCToolBar::shortcutToolTip()
{
    QFETCH(QString, text);
    QFETCH(QKeySequence, keys);
    QFETCH(bool, showInToolTip);
    QFETCH(QString, expectedToolTip);
    ZCAction action(text, nullptr);
    action.setToolTip(QStringLiteral("Consejo previo"));
    action.SetShortcut(keys, Qt::WidgetWithChildrenShortcut, showInToolTip);
    QCOMPARE(action.shortcut(), keys);
    QCOMPARE(action.shortcutContext(), Qt::WidgetWithChildrenShortcut);
    QCOMPARE(action.toolTip(), expectedToolTip);
}

void TestZCToolBar::printPreviewIcon_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("found");
    QTest::newRow("print") << "print" << true;
    QTest::newRow("fit width") << "fit-width" << true;
    QTest::newRow("zoom in") << "zoom-in" << true;
    QTest::newRow("fit page") << "fit-page" << true;
    QTest::newRow("one page") << "view-page-one" << true;
    QTest::newRow("facing pages") << "view-page-sided" << true;
    QTest::newRow("all pages") << "view-page-multi" << true;
    QTest::newRow("an unknown name leaves the icon alone") << "no-such-icon" << false;
    QTest::newRow("a path out of the folder leaves the icon alone") << "../../../Resources/tg_edit" << false;
}

void TestZCToolBar::printPreviewIcon()
{
    QFETCH(QString, name);
    QFETCH(bool, found);
    QAction action(QStringLiteral("Imprimir"), nullptr);
    const QIcon previous(QStringLiteral(":/Resources/tg_edit.png"));
    action.setIcon(previous);
    const QByteArray latin1 = name.toLatin1();
    MessageLogCapture log;
    setupActionIconQtPrintPreview(&action, QLatin1String(latin1));
    if (found) {
        QCOMPARE(action.icon().availableSizes(), (QList<QSize>{QSize(24, 24), QSize(32, 32)}));
        QVERIFY(!action.icon().pixmap(QSize(32, 32)).isNull());
        QVERIFY(log.messages().isEmpty());
    } else {
        QCOMPARE(action.icon().cacheKey(), previous.cacheKey());
        QCOMPARE(log.texts(QtWarningMsg),
                 QStringList(QStringLiteral("setupActionIconQtPrintPreview: no hay ningún icono %1").arg(name)));
    }
}

void TestZCToolBar::nullArgumentsWarn()
{
    MessageLogCapture log;
    SetShortcutToAction(nullptr, QKeySequence(QKeySequence::Find), Qt::WindowShortcut, true);
    setupActionIconQtPrintPreview(nullptr, QLatin1String("print"));
    ZCToolBar bar;
    QCOMPARE(bar.addWidget(nullptr), nullptr);
    QCOMPARE(bar.actions().size(), 0);
    QCOMPARE(log.texts(QtWarningMsg),
             (QStringList{QStringLiteral("SetShortcutToAction: la acción es nula"),
                          QStringLiteral("setupActionIconQtPrintPreview: la acción es nula"),
                          QStringLiteral("ZCToolBar::addWidget: el widget es nulo")}));
}

void TestZCToolBar::optionsZeroChangeNothing()
{
    BarFixture f(0);
    QVERIFY(f.show());
    const Qt::ToolButtonStyle style = f.first->toolButtonStyle();
    f.bar->setOrientation(Qt::Vertical);
    QCOMPARE(f.first->toolButtonStyle(), style);
    QCOMPARE(f.first->popupMode(), QToolButton::DelayedPopup);

    f.movePointerTo(QPoint(0, 0));
    f.movePointerTo(centreOf(f.first));
    QVERIFY(!f.first->menu()->isVisible());
}

void TestZCToolBar::orientationSwitchesMenuButtonStyle()
{
    BarFixture f(ZCToolBar::OrientationStyle);
    f.plain->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    f.bar->setOrientation(Qt::Vertical);
    QCOMPARE(f.first->toolButtonStyle(), Qt::ToolButtonIconOnly);
    QCOMPARE(f.second->toolButtonStyle(), Qt::ToolButtonIconOnly);
    f.bar->setOrientation(Qt::Horizontal);
    QCOMPARE(f.first->toolButtonStyle(), Qt::ToolButtonTextBesideIcon);
    QCOMPARE(f.plain->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
    // Without HoverMenus, addWidget leaves the buttons' popup mode alone.
    QCOMPARE(f.first->popupMode(), QToolButton::DelayedPopup);
}

void TestZCToolBar::hoverMenusFollowThePointer_data()
{
    QTest::addColumn<QVector<Target>>("path");
    QTest::addColumn<int>("openMenu");  // 0 none, 1 the first button's, 2 the second's

    using T = Target;
    QTest::newRow("entering a menu button opens its menu") << QVector<T>{T::First} << 1;
    QTest::newRow("from one button to the next the menu switches")
        << QVector<T>{T::First, T::Second} << 2;
    QTest::newRow("and back again") << QVector<T>{T::First, T::Second, T::First} << 1;
    QTest::newRow("a button without a menu opens nothing") << QVector<T>{T::Plain} << 0;
    QTest::newRow("into the open menu keeps it open") << QVector<T>{T::Second, T::OpenMenu} << 2;
    QTest::newRow("from the menu back onto the bar keeps it open")
        << QVector<T>{T::Second, T::OpenMenu, T::BarGap} << 2;
    QTest::newRow("from the menu to a place outside the bar and the menus closes it")
        << QVector<T>{T::First, T::OpenMenu, T::Outside} << 0;
    QTest::newRow("Escape closes the menu and lifts its button")
        << QVector<T>{T::First, T::Second, T::Escape} << 0;
    QTest::newRow("after Escape the next button entered opens its menu")
        << QVector<T>{T::First, T::Second, T::Escape, T::First} << 1;
    QTest::newRow("choosing an entry closes the menu and lifts its button")
        << QVector<T>{T::Second, T::Choose} << 0;
}

void TestZCToolBar::hoverMenusFollowThePointer()
{
    QFETCH(QVector<Target>, path);
    QFETCH(int, openMenu);

    BarFixture f(ZCToolBar::OrientationStyle | ZCToolBar::HoverMenus);
    QCOMPARE(f.first->popupMode(), QToolButton::InstantPopup);
    QVERIFY(f.show());
    f.movePointerTo(f.window.mapToGlobal(QPoint(200, 200)));
    for (const Target target : path) {
        switch (target) {
        case Target::Outside:
            f.movePointerTo(f.window.mapToGlobal(QPoint(390, 290)));
            break;
        case Target::First:
            f.movePointerTo(centreOf(f.first));
            break;
        case Target::Second:
            f.movePointerTo(centreOf(f.second));
            break;
        case Target::Plain:
            f.movePointerTo(centreOf(f.plain));
            break;
        case Target::OpenMenu:
            QVERIFY(f.buttonWithOpenMenu());
            f.movePointerTo(centreOf(f.buttonWithOpenMenu()->menu()));
            break;
        case Target::BarGap:
            f.movePointerTo(f.bar->mapToGlobal(QPoint(f.bar->width() - 5, 5)));
            break;
        case Target::Escape:
            QVERIFY(f.buttonWithOpenMenu());
            QTest::keyClick(f.buttonWithOpenMenu()->menu(), Qt::Key_Escape);
            f.settle();
            break;
        case Target::Choose: {
            QVERIFY(f.buttonWithOpenMenu());
            QMenu* menu = f.buttonWithOpenMenu()->menu();
            QTest::mouseClick(menu, Qt::LeftButton, Qt::NoModifier, menu->actionGeometry(menu->actions().first()).center());
            f.settle();
            break;
        }
        }
    }

    QToolButton* const expected = openMenu == 1 ? f.first : openMenu == 2 ? f.second : nullptr;
    QCOMPARE(f.buttonWithOpenMenu(), expected);
    // Each button is down exactly while its menu is open.
    QCOMPARE(f.first->isDown(), f.first->menu()->isVisible());
    QCOMPARE(f.second->isDown(), f.second->menu()->isVisible());
    if (expected) {
        const QPoint buttonBottomLeft = expected->mapToGlobal(QPoint(0, expected->height() - 1));
        QCOMPARE(expected->menu()->pos(), buttonBottomLeft);
    }
}

void TestZCToolBar::hoverMenusWhicheverWayTheButtonIsAdded_data()
{
    QTest::addColumn<int>("how");
    QTest::addColumn<bool>("hoverMenu");

    QTest::newRow("QToolBar::addWidget through a QToolBar pointer") << 0 << true;
    QTest::newRow("QToolBar::insertWidget") << 1 << true;
    QTest::newRow("a QWidgetAction of the host's") << 2 << true;
    QTest::newRow("the button the bar makes for an action with a menu stays as Qt makes it") << 3 << false;
}

void TestZCToolBar::hoverMenusWhicheverWayTheButtonIsAdded()
{
    QFETCH(int, how);
    QFETCH(bool, hoverMenu);

    BarFixture f(ZCToolBar::HoverMenus);
    QToolBar* qtBar = f.bar;
    auto* menu = new QMenu(&f.window);
    menu->addAction(QStringLiteral("Uno"));
    QToolButton* button = nullptr;
    if (how == 3) {
        QAction* action = qtBar->addAction(QStringLiteral("Ver"));
        action->setMenu(menu);
        button = qobject_cast<QToolButton*>(qtBar->widgetForAction(action));
    } else {
        button = new QToolButton;
        button->setText(QStringLiteral("Ver"));
        button->setMenu(menu);
        if (how == 0) {
            qtBar->addWidget(button);
        } else if (how == 1) {
            qtBar->insertWidget(qtBar->actions().constFirst(), button);
        } else {
            auto* action = new QWidgetAction(f.bar);
            action->setDefaultWidget(button);
            qtBar->addAction(action);
        }
    }
    QVERIFY(button);
    QCOMPARE(button->popupMode() == QToolButton::InstantPopup, hoverMenu);
    QVERIFY(f.show());
    f.movePointerTo(f.window.mapToGlobal(QPoint(200, 200)));
    f.movePointerTo(centreOf(button));
    QCOMPARE(menu->isVisible(), hoverMenu);
    QCOMPARE(button->isDown(), hoverMenu);
    menu->hide();
}

void TestZCToolBar::verticalBarOpensMenusToTheRight()
{
    BarFixture f(ZCToolBar::OrientationStyle | ZCToolBar::HoverMenus, Qt::Vertical);
    QVERIFY(f.show());
    f.movePointerTo(f.window.mapToGlobal(QPoint(200, 200)));
    f.movePointerTo(centreOf(f.second));
    QVERIFY(f.second->menu()->isVisible());
    const QPoint buttonTopLeft = f.second->mapToGlobal(QPoint(0, 0));
    QCOMPARE(f.second->menu()->pos(),
             QPoint(buttonTopLeft.x() + f.second->width(), buttonTopLeft.y() - 1));
}

void TestZCToolBar::widgetPopup()
{
    ZCToolBar bar;
    ZCAction action(QStringLiteral("Filtro"), &bar);
    bar.addAction(&action);
    QCOMPARE(action.GetEditorPopup(), nullptr);

    auto* editor = new QLineEdit;
    action.SetWidgetPopup(editor, &bar);
    QPointer<ZCEditorPopup> popup = action.GetEditorPopup();
    QVERIFY(popup);
    QCOMPARE(popup->parentWidget(), bar.widgetForAction(&action));
    QCOMPARE(popup->editor(), editor);
    QVERIFY(!popup->GetVerBotones());
    QVERIFY(popup->findChild<QSizeGrip*>());
    QVERIFY(!popup->isVisible());

    // Given again, the same editor moves to the new pop-up instead of dying with the old one.
    action.SetWidgetPopup(editor, &bar);
    QVERIFY(!popup);
    QVERIFY(action.GetEditorPopup());
    QCOMPARE(action.GetEditorPopup()->editor(), editor);
}

void TestZCToolBar::widgetPopupWithoutButtonCreatesNothing()
{
    ZCToolBar bar;
    ZCToolBar otherBar;
    ZCAction action(QStringLiteral("Filtro"), &bar);
    bar.addAction(&action);
    action.SetWidgetPopup(new QLineEdit(&bar), &bar);
    ZCEditorPopup* const popup = action.GetEditorPopup();

    MessageLogCapture log;
    QLineEdit stray;
    action.SetWidgetPopup(&stray, &otherBar);
    action.SetWidgetPopup(&stray, nullptr);
    QCOMPARE(log.texts(QtWarningMsg).size(), 2);
    QCOMPARE(log.texts(QtWarningMsg).first(),
             QStringLiteral("ZCAction::SetWidgetPopup: la acción \"Filtro\" no tiene botón en la barra de herramientas"));
    QCOMPARE(action.GetEditorPopup(), popup);
    QCOMPARE(stray.parentWidget(), nullptr);
}

void TestZCToolBar::toolBarDeletedBeforeItsAction()
{
    ZCAction action(QStringLiteral("Filtro"), nullptr);
    auto* bar = new ZCToolBar;
    bar->addAction(&action);
    action.SetWidgetPopup(new QLineEdit, bar);
    QVERIFY(action.GetEditorPopup());
    delete bar;
    QCOMPARE(action.GetEditorPopup(), nullptr);

    ZCToolBar nextBar;
    nextBar.addAction(&action);
    action.SetWidgetPopup(new QLineEdit, &nextBar);
    QVERIFY(action.GetEditorPopup());
    QCOMPARE(action.GetEditorPopup()->parentWidget(), nextBar.widgetForAction(&action));
}

MIROKIT_TEST_MAIN(TestZCToolBar)
#include "tst_zctoolbar.moc"
