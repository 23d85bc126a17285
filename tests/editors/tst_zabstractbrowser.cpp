#include "mirokittest.h"
#include "messagelogcapture.h"

#include <Mirokit/ZCGestorTemasEstilo.h>
#include <Mirokit/ZLineEdit.h>
#include <Mirokit/ZLineEditBrowser.h>

#include <QMenu>
#include <QShortcut>
#include <QStyle>
#include <QScreen>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// A browser that counts how often it is asked to browse.
class CountingBrowser : public ZLineEditBrowser
{
public:
    explicit CountingBrowser(bool focusOnButton = true, QWidget* parent = nullptr)
        : ZLineEditBrowser(parent, focusOnButton)
    {
    }
    int presses = 0;
    using ZAbstractBrowser::PosicionaVentanaRespectoPadre;

protected:
    void onPressBrowser() override { ++presses; }
};

// Records what reaches a browser from outside: keys, mouse presses and the 1001/1002 events.
class EventRecorder : public QObject
{
public:
    explicit EventRecorder(QObject* watched) { watched->installEventFilter(this); }
    QList<int> keys;
    QList<int> types;
    QPoint mousePos;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key != Qt::Key_Shift && key != Qt::Key_Control)  // QTest presses modifiers apart
                keys << key;
        } else if (event->type() == ZAbstractBrowser::FocusEntraEvent || event->type() == ZAbstractBrowser::FocusSaleEvent)
            types << int(event->type());
        else if (event->type() == QEvent::MouseButtonPress)
            mousePos = static_cast<QMouseEvent*>(event)->pos();
        return false;
    }
};

QToolButton* pickButton(const ZAbstractBrowser& browser)
{
    for (QToolButton* button : browser.findChildren<QToolButton*>()) {
        if (button != browser.GetBotonMenu())
            return button;
    }
    return nullptr;
}

QList<QShortcut*> shortcutsFor(const QWidget& widget, const QKeySequence& key)
{
    QList<QShortcut*> found;
    for (QShortcut* shortcut : widget.findChildren<QShortcut*>()) {
        if (shortcut->key() == key)
            found << shortcut;
    }
    return found;
}

void showActive(QWidget& widget)
{
    widget.show();
    QApplication::setActiveWindow(&widget);
    QVERIFY(QTest::qWaitForWindowActive(&widget));
}

// Opens a menu that a tool button runs modally and closes it again, counting the openings.
int countMenuOpenings(QMenu& menu, const std::function<void()>& trigger)
{
    int openings = 0;
    const auto connection = QObject::connect(&menu, &QMenu::aboutToShow, [&] {
        ++openings;
        QTimer::singleShot(0, &menu, &QMenu::close);
    });
    trigger();
    QObject::disconnect(connection);
    return openings;
}

} // namespace

class TestZAbstractBrowser : public QObject
{
    Q_OBJECT

private slots:
    void focusGoesToThePartChosen_data();
    void focusGoesToThePartChosen();
    void pickButtonAndF4BrowseOnlyWhileTheButtonShows_data();
    void pickButtonAndF4BrowseOnlyWhileTheButtonShows();
    void alignmentsAreMirrorImages_data();
    void alignmentsAreMirrorImages();
    void menuButtonFollowsSetMenu();
    void menuActionsBelongToTheControlOnlyWhileWritable();
    void popupPlacement_data();
    void popupPlacement();
    void captureModeSendsNavigationToTheControl_data();
    void captureModeSendsNavigationToTheControl();
    void captureModeReportsFocusAsEvents();
    void lineEditSignalsReachTheBrowserOnce();
    void mouseEventsAreResentInBrowserCoordinates();
    void pickButtonMakesRoomForAStyleSheetsPadding();
};

void TestZAbstractBrowser::focusGoesToThePartChosen_data()
{
    QTest::addColumn<bool>("focusOnButton");
    QTest::newRow("focus on the button: the line edit takes none") << true;
    QTest::newRow("focus on the editor: the button takes none") << false;
}

void TestZAbstractBrowser::focusGoesToThePartChosen()
{
    QFETCH(bool, focusOnButton);
    CountingBrowser browser(focusOnButton);
    QWidget* button = pickButton(browser);
    QWidget* focused = focusOnButton ? button : browser.getLineEdit();
    QWidget* other = focusOnButton ? static_cast<QWidget*>(browser.getLineEdit()) : button;
    QCOMPARE(browser.focusProxy(), focused);
    QCOMPARE(browser.GetWidgetConFoco(), focused);
    QCOMPARE(focused->focusPolicy(), browser.focusPolicy());
    QCOMPARE(other->focusPolicy(), Qt::NoFocus);
    QCOMPARE(shortcutsFor(*focused, Qt::Key_F4).size(), 1);

    // Hiding the button hands its focus to the editor; showing it again does not take it back.
    showActive(browser);
    browser.setFocus();
    browser.hideButton();
    QCOMPARE(browser.focusProxy(), browser.getLineEdit());
    QVERIFY(browser.getLineEdit()->hasFocus());
    browser.showButton();
    QCOMPARE(browser.focusProxy(), browser.getLineEdit());
}

void TestZAbstractBrowser::pickButtonAndF4BrowseOnlyWhileTheButtonShows_data()
{
    QTest::addColumn<bool>("visible");
    QTest::addColumn<int>("expected");
    QTest::newRow("visible button: click and F4 browse") << true << 2;
    QTest::newRow("hidden button: click and F4 do nothing") << false << 0;
}

void TestZAbstractBrowser::pickButtonAndF4BrowseOnlyWhileTheButtonShows()
{
    QFETCH(bool, visible);
    QFETCH(int, expected);
    CountingBrowser browser;
    showActive(browser);
    browser.setFocus();
    QWidget* focused = browser.GetWidgetConFoco();
    browser.ShowButton(visible);
    QCOMPARE(browser.isButtonVisible(), visible);
    pickButton(browser)->click();
    QTest::keyClick(focused, Qt::Key_F4);
    QCOMPARE(browser.presses, expected);

    QKeySequence key;
    browser.SetTeclaAceleradora(Qt::Key_F2);
    browser.GetTeclaAceleradora(key);
    QCOMPARE(key, QKeySequence(Qt::Key_F2));
}

void TestZAbstractBrowser::alignmentsAreMirrorImages_data()
{
    QTest::addColumn<QString>("slot");
    QTest::addColumn<int>("argument");
    QTest::addColumn<int>("button");
    QTest::addColumn<int>("menuButton");
    QTest::newRow("default: button right, menu left") << QString() << 0 << 2 << 1;
    QTest::newRow("button to the left") << "setButtonAlign" << 1 << 1 << 2;
    QTest::newRow("centred button is ignored") << "setButtonAlign" << int(Qt::AlignHCenter) << 2 << 1;
    QTest::newRow("menu button to the right") << "setMenuButtonAlign" << 2 << 1 << 2;
    QTest::newRow("menu button left with a vertical flag") << "setMenuButtonAlign" << int(Qt::AlignLeft | Qt::AlignTop) << 2 << 1;
}

void TestZAbstractBrowser::alignmentsAreMirrorImages()
{
    QFETCH(QString, slot);
    QFETCH(int, argument);
    QFETCH(int, button);
    QFETCH(int, menuButton);
    CountingBrowser browser;
    if (!slot.isEmpty())
        QVERIFY(QMetaObject::invokeMethod(&browser, slot.toLatin1().constData(), Q_ARG(int, argument)));
    int buttonAlign = 0;
    int menuButtonAlign = 0;
    QVERIFY(QMetaObject::invokeMethod(&browser, "buttonAlign", Q_RETURN_ARG(int, buttonAlign)));
    QVERIFY(QMetaObject::invokeMethod(&browser, "menuButtonAlign", Q_RETURN_ARG(int, menuButtonAlign)));
    QCOMPARE(buttonAlign, button);
    QCOMPARE(menuButtonAlign, menuButton);
}

void TestZAbstractBrowser::menuButtonFollowsSetMenu()
{
    // A menu before the editor is harmless.
    QMenu menu(QStringLiteral("Acciones"));
    menu.addAction(QStringLiteral("Una"));
    {
        ZAbstractBrowser bare;
        bare.SetMenu(&menu);
        bare.SetWidget(new QLineEdit, false);
        QVERIFY(bare.GetBotonMenu());
        QCOMPARE(bare.GetMenu(), &menu);
    }
    CountingBrowser browser;
    QVERIFY(!browser.isMenuButtonVisible());
    browser.SetMenu(&menu);
    QToolButton* menuButton = browser.GetBotonMenu();
    QVERIFY(menuButton);
    QCOMPARE(menuButton->toolTip(), QStringLiteral("Acciones(%1)")
                                        .arg(QKeySequence(Qt::SHIFT | Qt::Key_F4).toString(QKeySequence::NativeText)));
    const QImage expected = GetGestorTemasEstilo()->FromTheme("menu", ZCGestorTemasEstilo::EstadoNormal).pixmap(16).toImage();
    QVERIFY(!expected.isNull());
    QCOMPARE(menuButton->icon().pixmap(16).toImage(), expected);
    QCOMPARE(menuButton->focusPolicy(), Qt::NoFocus);

    // Removing the menu removes its shortcut; a new menu then has exactly one working Shift+F4.
    browser.SetMenu(nullptr);
    QVERIFY(!browser.GetBotonMenu());
    QVERIFY(!browser.isMenuButtonVisible());
    QMenu other(QStringLiteral("Otras"));
    other.addAction(QStringLiteral("Dos"));
    browser.SetMenu(&other);
    browser.SetMenu(&other);
    QCOMPARE(shortcutsFor(browser, Qt::SHIFT | Qt::Key_F4).size(), 1);
    browser.hideMenuButton();
    QVERIFY(!browser.isMenuButtonVisible());
    browser.showMenuButton();
    showActive(browser);
    browser.setFocus();
    QCOMPARE(countMenuOpenings(other, [&] { QTest::keyClick(browser.GetWidgetConFoco(), Qt::Key_F4, Qt::ShiftModifier); }), 1);
}

void TestZAbstractBrowser::menuActionsBelongToTheControlOnlyWhileWritable()
{
    QMenu menu(QStringLiteral("Acciones"));
    QAction* action = menu.addAction(QStringLiteral("Una"));
    CountingBrowser browser;
    browser.SetMenu(&menu);
    browser.setReadOnly(true);
    QVERIFY(!browser.GetBotonMenu()->isEnabled());
    QVERIFY(!browser.actions().contains(action));
    browser.setReadOnly(false);
    QVERIFY(browser.GetBotonMenu()->isEnabled());
    QVERIFY(browser.actions().contains(action));
    browser.setReadOnly(true);
    QVERIFY(!browser.actions().contains(action));
    QVERIFY(browser.isReadOnly());
}

void TestZAbstractBrowser::popupPlacement_data()
{
    QTest::addColumn<QPoint>("anchorOffset");  // from the screen's top-left; negative: from its bottom-right
    QTest::addColumn<int>("align");
    QTest::addColumn<QString>("expected");     // "below", "above", "right edge", "right aligned"
    QTest::newRow("room below: under the anchor, left edges met") << QPoint(100, 100) << int(Qt::AlignLeft) << "below";
    QTest::newRow("right aligned: right edges met") << QPoint(300, 100) << int(Qt::AlignRight) << "right aligned";
    QTest::newRow("at the right screen edge: pulled left to end there") << QPoint(-80, 100) << int(Qt::AlignLeft) << "right edge";
    QTest::newRow("at the bottom screen edge: opens above") << QPoint(100, -30) << int(Qt::AlignLeft) << "above";
}

void TestZAbstractBrowser::popupPlacement()
{
    QFETCH(QPoint, anchorOffset);
    QFETCH(int, align);
    QFETCH(QString, expected);
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    QWidget anchor(nullptr, Qt::FramelessWindowHint);
    anchor.resize(120, 24);
    const QPoint origin(anchorOffset.x() < 0 ? screen.right() + anchorOffset.x() : screen.left() + anchorOffset.x(),
                        anchorOffset.y() < 0 ? screen.bottom() + anchorOffset.y() : screen.top() + anchorOffset.y());
    anchor.move(origin);
    anchor.show();
    QVERIFY(QTest::qWaitForWindowExposed(&anchor));
    QWidget popup(nullptr, Qt::Popup);
    popup.resize(200, 150);

    ZAbstractBrowser::PosicionaWidgetRespectoOtro(&popup, &anchor, Qt::Alignment(align));
    const QRect anchorRect(anchor.mapToGlobal(QPoint()), anchor.size());
    if (expected == "below")
        QCOMPARE(popup.pos(), QPoint(anchorRect.left(), anchorRect.bottom()));
    else if (expected == "right aligned")
        QCOMPARE(popup.pos(), QPoint(anchorRect.right() - 200, anchorRect.bottom()));
    else if (expected == "right edge")
        QCOMPARE(popup.pos(), QPoint(screen.x() + screen.width() - 200, anchorRect.bottom()));
    else
        QCOMPARE(popup.pos(), QPoint(anchorRect.left(), anchorRect.top() - 150));

    // Null widgets are ignored.
    ZAbstractBrowser::PosicionaWidgetRespectoOtro(nullptr, &anchor, Qt::AlignLeft);
    ZAbstractBrowser::PosicionaWidgetRespectoOtro(&popup, nullptr, Qt::AlignLeft);
}

void TestZAbstractBrowser::captureModeSendsNavigationToTheControl_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<bool>("toControl");
    QTest::newRow("Tab goes to the control") << int(Qt::Key_Tab) << 0 << true;
    QTest::newRow("Backtab goes to the control") << int(Qt::Key_Backtab) << int(Qt::ShiftModifier) << true;
    QTest::newRow("Up goes to the control") << int(Qt::Key_Up) << 0 << true;
    QTest::newRow("Down goes to the control") << int(Qt::Key_Down) << 0 << true;
    QTest::newRow("Ctrl+Down stays with the editor") << int(Qt::Key_Down) << int(Qt::ControlModifier) << false;
    QTest::newRow("a letter stays with the editor") << int(Qt::Key_A) << 0 << false;
}

void TestZAbstractBrowser::captureModeSendsNavigationToTheControl()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(bool, toControl);
    // Watched before the control's filter, these recorders only see what the filter lets through.
    CountingBrowser browser(false);
    EventRecorder atEditor(browser.getLineEdit());
    EventRecorder atButton(pickButton(browser));
    browser.SetCaptureAndSendTabs();
    EventRecorder atControl(&browser);
    for (QWidget* part : {static_cast<QWidget*>(browser.getLineEdit()), static_cast<QWidget*>(pickButton(browser))})
        QTest::keyClick(part, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(atEditor.keys.size(), toControl ? 0 : 1);
    QCOMPARE(atButton.keys.size(), toControl ? 0 : 1);
    if (toControl)
        QCOMPARE(atControl.keys, (QList<int>{key, key}));
}

void TestZAbstractBrowser::captureModeReportsFocusAsEvents()
{
    QWidget form;
    auto* layout = new QVBoxLayout(&form);
    auto* browser = new CountingBrowser(false);
    auto* next = new QLineEdit;
    layout->addWidget(browser);
    layout->addWidget(next);
    showActive(form);
    next->setFocus();
    browser->SetCaptureAndSendTabs();
    EventRecorder recorder(browser);
    browser->setFocus();
    next->setFocus();
    QCOMPARE(recorder.types, (QList<int>{1001, 1002}));
    // The parts never learn of the focus change: the control stands for them.
    QVERIFY(!browser->getLineEdit()->hasFocus());
}

void TestZAbstractBrowser::lineEditSignalsReachTheBrowserOnce()
{
    ZLineEditBrowser browser;
    QSignalSpy changed(&browser, &ZLineEditBrowser::textChanged);
    QSignalSpy edited(&browser, &ZLineEditBrowser::textEdited);
    QSignalSpy innerEdited(browser.getLineEdit(), &QLineEdit::textEdited);
    QSignalSpy returned(&browser, &ZLineEditBrowser::returnPressed);
    QSignalSpy finished(&browser, &ZLineEditBrowser::editingFinished);
    QSignalSpy cursor(&browser, &ZLineEditBrowser::cursorPositionChanged);
    QVERIFY(browser.setProperty("text", QStringLiteral("hola")));
    browser.getLineEdit()->emitTextEdited(QStringLiteral("hola"));
    QTest::keyClick(browser.getLineEdit(), Qt::Key_Return);
    QCOMPARE(changed.size(), 1);
    QCOMPARE(changed.at(0).at(0).toString(), QStringLiteral("hola"));
    QCOMPARE(edited.size(), 1);
    QCOMPARE(innerEdited.size(), 1);
    QCOMPARE(returned.size(), 1);
    QCOMPARE(finished.size(), 1);
    QCOMPARE(cursor.size(), 1);
    QMetaObject::invokeMethod(&browser, "backspace");
    QCOMPARE(browser.text(), QStringLiteral("hol"));
    QMetaObject::invokeMethod(&browser, "home", Q_ARG(bool, true));
    QCOMPARE(browser.property("selectedText").toString(), QStringLiteral("hol"));
}

void TestZAbstractBrowser::mouseEventsAreResentInBrowserCoordinates()
{
    CountingBrowser browser(false);
    browser.SetAlignBoton(Qt::AlignLeft);
    browser.SetIcono(QIcon(QStringLiteral(":/Resources/iconoMenu.png")));
    browser.resize(200, 30);
    showActive(browser);
    EventRecorder recorder(&browser);
    browser.setRebotarEventos();
    QTest::mouseClick(browser.getLineEdit(), Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(recorder.mousePos, browser.getLineEdit()->mapTo(&browser, QPoint(5, 5)));
    QVERIFY(recorder.mousePos.x() > 5);  // the button stands left of the editor
}

void TestZAbstractBrowser::pickButtonMakesRoomForAStyleSheetsPadding()
{
    CountingBrowser browser;
    browser.SetIcono(QIcon(QStringLiteral(":/Resources/tg_edit.png")));
    QToolButton* button = pickButton(browser);
    const int plain = button->iconSize().width() + browser.style()->pixelMetric(QStyle::PM_ButtonMargin);
    QCOMPARE(button->width(), plain);
    browser.setStyleSheet(QStringLiteral("QToolButton { padding: 4px 10px; border: 1px solid gray; }"));
    browser.show();
    QVERIFY(QTest::qWaitForWindowExposed(&browser));
    QVERIFY(button->width() >= button->iconSize().width() + 22);
}

MIROKIT_TEST_MAIN(TestZAbstractBrowser)
#include "tst_zabstractbrowser.moc"
