// Notifications stacked over the main window: one window per main window, however many threads
// ask at once, re-centred as notifications come and go.
#include "mirokittest.h"
#include "messagelogcapture.h"

#include <Mirokit/ZCContenedorNotificaciones.h>
#include <Mirokit/ZCContenedorNotificacionesDlg.h>
#include <Mirokit/ZCGestorNotificaciones.h>
#include <Mirokit/ZCMainWindow.h>
#include <Mirokit/ZCNotificacion.h>

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QSet>
#include <QTimer>

#include <atomic>
#include <limits>
#include <memory>
#include <thread>
#include <vector>

namespace {

QIcon swatch(Qt::GlobalColor colour)
{
    QPixmap pixmap(16, 16);
    pixmap.fill(colour);
    return QIcon(pixmap);
}

// A main window on screen with a manager of its own, so every test starts without a stack.
struct Stack {
    Stack()
    {
        window->setGeometry(100, 150, 900, 600);
        window->show();
        manager.Init();
    }

    ZCContenedorNotificacionesDlg* dialog() const
    {
        return window ? window->findChild<ZCContenedorNotificacionesDlg*>() : nullptr;
    }
    QList<QWidget*> notificaciones() const
    {
        return dialog() ? dialog()->GetContenedor()->GetNotificaciones() : QList<QWidget*>();
    }
    bool isCentredOnTopEdge() const
    {
        const QRect stack = dialog()->geometry();
        const QRect owner = window->geometry();
        return qAbs(stack.center().x() - owner.center().x()) <= 1 && stack.top() == owner.top();
    }
    void add(int seconds, const QString& text = QStringLiteral("Aviso"))
    {
        manager.AddNotificacion(text, QIcon(), QIcon(), seconds);
    }

    std::unique_ptr<ZCMainWindow> window = std::make_unique<ZCMainWindow>(QStringLiteral("Prueba"));
    ZCGestorNotificaciones manager;
};

// What the lifetime timer does when it runs out, without waiting for it.
void expire(QWidget* notificacion)
{
    auto* lifetime = notificacion->findChild<QTimer*>();
    QVERIFY(lifetime && lifetime->isActive());
    QMetaObject::invokeMethod(lifetime, "timeout");
}

} // namespace

class TestZCNotificaciones : public QObject
{
    Q_OBJECT

private slots:
    void theFreeFunctionGivesOneInitialisedManager();
    void concurrentFirstCallsShareOneWindow();
    void lifetimesShrinkTheStackAndRecentreIt();
    void theDurationDecidesTheLifetime_data();
    void theDurationDecidesTheLifetime();
    void aNotificationWrapsItsTextBesideItsButtons();
    void onlyALongWordWidensANotificationInAnyFont_data();
    void onlyALongWordWidensANotificationInAnyFont();
    void aLevelBringsItsIconsFromTheTheme_data();
    void aLevelBringsItsIconsFromTheTheme();
    void escapeLeavesTheStackAloneButACloseRequestDoesNot();
    void aDestroyedMainWindowTakesItsStackAlong();
    void withoutAMainWindowANotificationIsDropped();
};

void TestZCNotificaciones::theFreeFunctionGivesOneInitialisedManager()
{
    ZCGestorNotificaciones fresh;
    QVERIFY(fresh.IsInit());
    QVERIFY(GetGestorNotificaciones()->IsInit());
    QCOMPARE(GetGestorNotificaciones(), GetGestorNotificaciones());
}

void TestZCNotificaciones::concurrentFirstCallsShareOneWindow()
{
    Stack stack;
    // Ready from its construction on this thread: the workers only add, none initialises it.
    ZCGestorNotificaciones racing;
    constexpr int threads = 8;
    constexpr int calls = 25;
    std::atomic<bool> go{false};
    std::atomic<int> running{threads};
    std::vector<std::thread> workers;
    for (int t = 0; t < threads; ++t) {
        workers.emplace_back([&racing, &go, &running, t] {
            while (!go) {}
            for (int c = 0; c < calls; ++c)
                racing.AddNotificacion(QStringLiteral("%1-%2").arg(t).arg(c), QIcon(), QIcon(), 0);
            --running;
        });
    }
    go = true;
    // The window is created while the workers still add: some of them see it appear.
    while (running > 0)
        QCoreApplication::processEvents();
    for (std::thread& worker : workers)
        worker.join();

    QTRY_COMPARE(stack.notificaciones().size(), threads * calls);
    QCOMPARE(stack.window->findChildren<ZCContenedorNotificacionesDlg*>().size(), 1);
    QSet<QString> texts;
    for (QWidget* notificacion : stack.notificaciones())
        texts.insert(notificacion->findChild<QLabel*>()->text());
    QCOMPARE(texts.size(), threads * calls);
    QTRY_VERIFY(stack.dialog()->isVisible());
}

void TestZCNotificaciones::lifetimesShrinkTheStackAndRecentreIt()
{
    Stack stack;
    stack.add(1, QStringLiteral("uno"));
    stack.add(2, QStringLiteral("dos"));
    stack.add(0, QStringLiteral("sin plazo"));
    QTRY_VERIFY(stack.dialog() && stack.dialog()->isVisible());
    QTRY_COMPARE(stack.notificaciones().size(), 3);
    QVERIFY(stack.isCentredOnTopEdge());
    const QList<QWidget*> arrived = stack.notificaciones();
    QVERIFY(arrived.at(0)->y() < arrived.at(1)->y()); // the newest at the bottom

    int height = stack.dialog()->height();
    for (int left = 2; left >= 1; --left) {
        expire(stack.notificaciones().constFirst());
        QTRY_COMPARE(stack.notificaciones().size(), left);
        QTRY_VERIFY(stack.dialog()->height() < height);
        QVERIFY(stack.isCentredOnTopEdge());
        height = stack.dialog()->height();
    }
    // The one without a duration stays until its close button is pressed.
    QWidget* last = stack.notificaciones().constFirst();
    QCOMPARE(last->findChild<QLabel*>()->text(), QStringLiteral("sin plazo"));
    QVERIFY(!last->findChild<QTimer*>());
    QTest::mousePress(last->findChild<QPushButton*>("close"), Qt::LeftButton);
    QTRY_VERIFY(stack.notificaciones().isEmpty());
    QTRY_VERIFY(stack.dialog()->isHidden());

    // The next notification shows the same window again.
    stack.add(0);
    QTRY_VERIFY(stack.dialog()->isVisible());
    QCOMPARE(stack.window->findChildren<ZCContenedorNotificacionesDlg*>().size(), 1);
}

void TestZCNotificaciones::theDurationDecidesTheLifetime_data()
{
    const int longest = std::numeric_limits<int>::max() / 1000;
    QTest::addColumn<int>("seconds");
    QTest::addColumn<int>("milliseconds"); // -1: no timer, the notification stays until closed
    QTest::newRow("one second closes after 1000 ms") << 1 << 1000;
    QTest::newRow("two seconds close after 2000 ms") << 2 << 2000;
    QTest::newRow("zero stays until closed") << 0 << -1;
    QTest::newRow("a negative duration stays until closed") << -5 << -1;
    QTest::newRow("the longest duration that fits in milliseconds") << longest << longest * 1000;
    QTest::newRow("a longer one stays until closed instead of overflowing") << longest + 1 << -1;
    QTest::newRow("the largest int stays until closed") << std::numeric_limits<int>::max() << -1;
}

void TestZCNotificaciones::theDurationDecidesTheLifetime()
{
    QFETCH(int, seconds);
    QFETCH(int, milliseconds);
    const ZCNotificacion notificacion(QStringLiteral("Aviso"), QIcon(), QIcon(), seconds);
    const auto* lifetime = notificacion.findChild<QTimer*>();
    QCOMPARE(lifetime ? lifetime->interval() : -1, milliseconds);
    if (lifetime)
        QVERIFY(lifetime->isSingleShot() && lifetime->isActive());
}

void TestZCNotificaciones::aNotificationWrapsItsTextBesideItsButtons()
{
    const QString text = QStringLiteral("Un aviso largo que no cabe en una línea. ").repeated(8);
    ZCNotificacion notificacion(text, swatch(Qt::red), QIcon(), 0);
    notificacion.show();
    const auto* label = notificacion.findChild<QLabel*>();
    QVERIFY(label->width() < label->fontMetrics().horizontalAdvance(text));
    QVERIFY(label->height() > 2 * label->fontMetrics().height());
    // A null icon leaves its button without one; style sheets find both buttons by name.
    QVERIFY(!notificacion.findChild<QPushButton*>("icon")->icon().isNull());
    QVERIFY(notificacion.findChild<QPushButton*>("close")->icon().isNull());
    QCOMPARE(notificacion.findChild<QPushButton*>("close")->focusPolicy(), Qt::NoFocus);
}

void TestZCNotificaciones::onlyALongWordWidensANotificationInAnyFont_data()
{
    QTest::addColumn<int>("pointSize");
    for (const int size : {7, 9, 12, 16})
        QTest::newRow(qPrintable(QStringLiteral("%1 pt").arg(size))) << size;
}

// The platform's default font differs between Qt versions: the widths must not depend on it.
void TestZCNotificaciones::onlyALongWordWidensANotificationInAnyFont()
{
    QFETCH(int, pointSize);
    QFont font = QApplication::font();
    font.setPointSize(pointSize);
    const auto width = [&](const QString& text) {
        ZCNotificacion notificacion(text, QIcon(), QIcon(), 0);
        // Given after construction, as a theme gives it.
        notificacion.setFont(font);
        return notificacion.sizeHint().width();
    };
    const int shortText = width(QStringLiteral("Copia terminada"));
    QCOMPARE(width(QStringLiteral("La copia de seguridad terminó sin errores. ").repeated(4)), shortText);
    QVERIFY(width(QStringLiteral("Exportado Contabilidad_Ejercicio_2026_Cierre_Definitivo_Revisado.xlsx")) > shortText);
}

void TestZCNotificaciones::aLevelBringsItsIconsFromTheTheme_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<bool>("fromWorker");
    QTest::addColumn<QString>("iconName");

    using G = ZCGestorNotificaciones;
    QTest::newRow("information") << int(G::NivelInformacion) << false << "info";
    QTest::newRow("a warning") << int(G::NivelAviso) << false << "warning";
    QTest::newRow("an error") << int(G::NivelError) << false << "error";
    QTest::newRow("an error from a worker thread") << int(G::NivelError) << true << "error";
}

void TestZCNotificaciones::aLevelBringsItsIconsFromTheTheme()
{
    QFETCH(int, level);
    QFETCH(bool, fromWorker);
    QFETCH(QString, iconName);

    Stack stack;
    const auto add = [&stack, level] {
        stack.manager.AddNotificacion(QStringLiteral("Nivel"), ZCGestorNotificaciones::ENivelNotificacion(level), 0);
    };
    if (fromWorker)
        std::thread(add).join();
    else
        add();
    QTRY_COMPARE(stack.notificaciones().size(), 1);

    const QWidget* notificacion = stack.notificaciones().constFirst();
    const QIcon icon = notificacion->findChild<QPushButton*>("icon")->icon();
    const QIcon close = notificacion->findChild<QPushButton*>("close")->icon();
    QCOMPARE(icon.name(), iconName);
    QCOMPARE(close.name(), QStringLiteral("close"));
    // The default theme draws both: neither is a blank square.
    for (const QIcon& drawn : {icon, close}) {
        const QImage image = drawn.pixmap(16).toImage().convertToFormat(QImage::Format_ARGB32);
        bool painted = false;
        for (int y = 0; y < image.height() && !painted; ++y) {
            for (int x = 0; x < image.width() && !painted; ++x)
                painted = qAlpha(image.pixel(x, y)) > 0;
        }
        QVERIFY(painted);
    }
}

void TestZCNotificaciones::escapeLeavesTheStackAloneButACloseRequestDoesNot()
{
    Stack stack;
    stack.add(0);
    QTRY_VERIFY(stack.dialog() && stack.dialog()->isVisible());
    QTest::keyClick(stack.dialog(), Qt::Key_Escape);
    QCoreApplication::processEvents();
    QVERIFY(stack.dialog()->isVisible());
    QCOMPARE(stack.notificaciones().size(), 1);

    // A close request is obeyed, though: quitting the application closes every window first and
    // gives up when one refuses.
    QVERIFY(stack.dialog()->close());
    QVERIFY(!stack.dialog()->isVisible());
}

void TestZCNotificaciones::aDestroyedMainWindowTakesItsStackAlong()
{
    Stack stack;
    stack.add(0);
    stack.add(5);
    QTRY_COMPARE(stack.notificaciones().size(), 2);
    const QPointer<ZCContenedorNotificacionesDlg> old = stack.dialog();
    stack.window.reset();
    QVERIFY(old.isNull());

    // The next notification builds a new stack over the main window current then.
    ZCMainWindow next(QStringLiteral("Prueba"));
    next.show();
    stack.add(0, QStringLiteral("de nuevo"));
    QTRY_COMPARE(next.findChildren<ZCNotificacion*>().size(), 1);
    QCOMPARE(next.findChildren<ZCContenedorNotificacionesDlg*>().size(), 1);
}

void TestZCNotificaciones::withoutAMainWindowANotificationIsDropped()
{
    Stack stack;
    stack.window.reset();
    MessageLogCapture log;
    stack.add(0, QStringLiteral("perdida"));
    QCOMPARE(log.texts(QtWarningMsg),
             QStringList("No hay ninguna ventana principal; se descarta la notificación \"perdida\""));
    QVERIFY(GetMainWindow() == nullptr);
}

MIROKIT_TEST_MAIN(TestZCNotificaciones)
#include "tst_zcnotificaciones.moc"
