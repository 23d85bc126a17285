#include "mirokittest.h"

#include <Mirokit/ZCDarkenEffectGui.h>
#include <Mirokit/ZCOverlayShadowGui.h>

#include <QDialog>
#include <QScreen>
#include <QVBoxLayout>

namespace {

// A white top-level window with a panel inside, the usual target of an overlay.
struct Window {
    Window()
    {
        top.resize(200, 100);
        QPalette palette = top.palette();
        palette.setColor(QPalette::Window, Qt::white);
        top.setPalette(palette);
        top.setAutoFillBackground(true);
        panel = new QWidget(&top);
        panel->setGeometry(10, 10, 50, 50);
    }
    QList<ZCOverlayShadowGui*> overlays() const { return top.findChildren<ZCOverlayShadowGui*>(); }

    QWidget top;
    QWidget* panel;
};

int blend(int over, int under, int alpha)
{
    return (over * alpha + under * (255 - alpha)) / 255;
}

} // namespace

class TestZCOverlayShadowGui : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();

    void startsEnabledWithTheDefaultColour();
    void disabledOverlaysAreNotMade();
    void noTargetNoOverlay();
    void coversTheTargetsWindowFromItsScreen();
    void followsTheWatchedDialog();
    void darkensTheWindowInTheOverlayColour_data();
    void darkensTheWindowInTheOverlayColour();
    void watchedObjectMayGoFirst();
};

void TestZCOverlayShadowGui::cleanup()
{
    ZCOverlayShadowGui::SetEnabled(true);
    ZCOverlayShadowGui::SetColor(QColor(29, 30, 32, 183));
}

void TestZCOverlayShadowGui::startsEnabledWithTheDefaultColour()
{
    QVERIFY(ZCOverlayShadowGui::IsEnabled());
    QCOMPARE(ZCOverlayShadowGui::GetColor(), QColor(29, 30, 32, 183));
}

void TestZCOverlayShadowGui::disabledOverlaysAreNotMade()
{
    Window window;
    ZCOverlayShadowGui::SetEnabled(false);
    QVERIFY(!ZCOverlayShadowGui::IsEnabled());
    QVERIFY(!ZCOverlayShadowGui::newOverlay(nullptr, &window.top));
    QVERIFY(window.overlays().isEmpty());

    ZCOverlayShadowGui::SetEnabled(true);
    QVERIFY(ZCOverlayShadowGui::newOverlay(nullptr, &window.top));
}

void TestZCOverlayShadowGui::noTargetNoOverlay()
{
    QDialog dialog;
    QVERIFY(!ZCOverlayShadowGui::newOverlay(&dialog, nullptr));
}

void TestZCOverlayShadowGui::coversTheTargetsWindowFromItsScreen()
{
    Window window;
    ZCOverlayShadowGui* overlay = ZCOverlayShadowGui::newOverlay(nullptr, window.panel);
    QVERIFY(overlay);
    QCOMPARE(overlay->parentWidget(), &window.top);
    QCOMPARE(overlay->size(), window.panel->screen()->size());
    QVERIFY(overlay->isHidden());
    QVERIFY(qobject_cast<ZCDarkenEffectGui*>(overlay->graphicsEffect()));
}

void TestZCOverlayShadowGui::followsTheWatchedDialog()
{
    Window window;
    window.top.show();
    QDialog dialog(&window.top);
    ZCOverlayShadowGui* overlay = ZCOverlayShadowGui::newOverlay(&dialog, window.panel);
    auto* later = new QWidget(&window.top);
    later->show();
    QVERIFY(!overlay->isVisible());

    dialog.show();
    QVERIFY(overlay->isVisible());
    QCOMPARE(window.top.childAt(30, 30), overlay);

    dialog.hide();
    QVERIFY(!overlay->isVisible());
    dialog.show();
    QVERIFY(overlay->isVisible());
    dialog.close();
    QVERIFY(!overlay->isVisible());
}

void TestZCOverlayShadowGui::darkensTheWindowInTheOverlayColour_data()
{
    QTest::addColumn<QColor>("color");
    QTest::newRow("the default translucent dark gray") << QColor(29, 30, 32, 183);
    QTest::newRow("an opaque red") << QColor(255, 0, 0);
    QTest::newRow("a faint blue") << QColor(0, 0, 255, 40);
}

void TestZCOverlayShadowGui::darkensTheWindowInTheOverlayColour()
{
    QFETCH(QColor, color);
    ZCOverlayShadowGui::SetColor(color);
    Window window;
    window.top.show();
    ZCOverlayShadowGui* overlay = ZCOverlayShadowGui::newOverlay(nullptr, &window.top);

    QCOMPARE(window.top.grab().toImage().pixelColor(100, 80), QColor(Qt::white));
    overlay->show();
    const QColor shown = window.top.grab().toImage().pixelColor(100, 80);
    const int alpha = color.alpha();
    QVERIFY(qAbs(shown.red() - blend(color.red(), 255, alpha)) <= 2);
    QVERIFY(qAbs(shown.green() - blend(color.green(), 255, alpha)) <= 2);
    QVERIFY(qAbs(shown.blue() - blend(color.blue(), 255, alpha)) <= 2);
}

void TestZCOverlayShadowGui::watchedObjectMayGoFirst()
{
    Window window;
    window.top.show();
    auto* dialog = new QDialog(&window.top);
    ZCOverlayShadowGui* overlay = ZCOverlayShadowGui::newOverlay(dialog, &window.top);
    dialog->show();
    QVERIFY(overlay->isVisible());
    delete dialog;
    QVERIFY(!overlay->isVisible());
}

MIROKIT_TEST_MAIN(TestZCOverlayShadowGui)
#include "tst_zcoverlayshadowgui.moc"
