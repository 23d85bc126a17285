#include "mirokittest.h"

#include <Mirokit/ZCDarkenEffectGui.h>
#include <Mirokit/ZCOverlayShadowGui.h>

#include <QDialog>
#include <QScreen>

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

} // namespace

class TestZCOverlayShadowGui : public QObject
{
    Q_OBJECT

private slots:
    // The overlay settings are global: each test starts from the defaults.
    void cleanup()
    {
        ZCOverlayShadowGui::SetEnabled(true);
        ZCOverlayShadowGui::SetColor(QColor(29, 30, 32, 183));
    }

    void noOverlayWhenDisabledOrWithoutTarget()
    {
        Window window;
        QDialog dialog;
        QVERIFY(!ZCOverlayShadowGui::newOverlay(&dialog, nullptr));
        ZCOverlayShadowGui::SetEnabled(false);
        QVERIFY(!ZCOverlayShadowGui::newOverlay(nullptr, &window.top));
        QVERIFY(window.overlays().isEmpty());
        ZCOverlayShadowGui::SetEnabled(true);
        QVERIFY(ZCOverlayShadowGui::newOverlay(nullptr, &window.top));
    }

    // The overlay covers the target's whole window, from its screen, and follows the watched
    // dialog, which may be deleted first.
    void followsTheWatchedDialogUntilItIsGone()
    {
        Window window;
        window.top.show();
        auto* dialog = new QDialog(&window.top);
        ZCOverlayShadowGui* overlay = ZCOverlayShadowGui::newOverlay(dialog, window.panel);
        QCOMPARE(overlay->parentWidget(), &window.top);
        QCOMPARE(overlay->size(), window.panel->screen()->size());
        QVERIFY(qobject_cast<ZCDarkenEffectGui*>(overlay->graphicsEffect()));
        auto* later = new QWidget(&window.top);
        later->show();
        QVERIFY(!overlay->isVisible());
        dialog->show();
        QVERIFY(overlay->isVisible());
        QCOMPARE(window.top.childAt(30, 30), overlay);
        dialog->hide();
        QVERIFY(!overlay->isVisible());
        dialog->show();
        QVERIFY(overlay->isVisible());
        dialog->close();
        QVERIFY(!overlay->isVisible());
        dialog->show();
        delete dialog;
        QVERIFY(!overlay->isVisible());
    }

    void darkensTheWindowInTheOverlayColour_data()
    {
        QTest::addColumn<QColor>("color");
        QTest::newRow("the default translucent dark gray") << QColor(29, 30, 32, 183);
        QTest::newRow("an opaque red") << QColor(255, 0, 0);
        QTest::newRow("a faint blue") << QColor(0, 0, 255, 40);
    }

    void darkensTheWindowInTheOverlayColour()
    {
        QFETCH(QColor, color);
        ZCOverlayShadowGui::SetColor(color);
        Window window;
        window.top.show();
        ZCOverlayShadowGui* overlay = ZCOverlayShadowGui::newOverlay(nullptr, &window.top);

        QCOMPARE(MirokitTest::grabbedImage(window.top).pixelColor(100, 80), QColor(Qt::white));
        overlay->show();
        const QColor shown = MirokitTest::grabbedImage(window.top).pixelColor(100, 80);
        const auto blend = [&color](int over) { return (over * color.alpha() + 255 * (255 - color.alpha())) / 255; };
        QVERIFY(qAbs(shown.red() - blend(color.red())) <= 2);
        QVERIFY(qAbs(shown.green() - blend(color.green())) <= 2);
        QVERIFY(qAbs(shown.blue() - blend(color.blue())) <= 2);
    }
};

MIROKIT_TEST_MAIN(TestZCOverlayShadowGui)
#include "tst_zcoverlayshadowgui.moc"
