#include "mirokittest.h"

#include <Mirokit/ZCColorDialog.h>
#include <Mirokit/ZCFileDialog.h>
#include <Mirokit/ZCFontDialog.h>
#include <Mirokit/ZCOverlayShadowGui.h>
#include <Mirokit/ZCPrintDialog.h>

#include <QPrinter>
#include <QTimer>

#include <functional>
#include <memory>

using DialogFactory = std::function<QDialog*(QWidget* parent)>;
using StaticCall = std::function<void(QWidget* parent)>;
Q_DECLARE_METATYPE(DialogFactory)
Q_DECLARE_METATYPE(StaticCall)

namespace {

QList<ZCOverlayShadowGui*> overlaysOf(const QWidget& window)
{
    return window.findChildren<ZCOverlayShadowGui*>();
}

// Once the modal dialog that a static function opens is shown, notes whether the window behind
// it is darkened and hands the dialog to `finish` (which rejects it by default).
struct ModalCloser : QObject {
    using Finish = std::function<void(QDialog*)>;
    ModalCloser(const QWidget& window, Finish finish = [](QDialog* dialog) { dialog->reject(); })
        : window(window), finish(std::move(finish))
    {
        QTimer::singleShot(0, this, [this] { poll(); });
    }
    void poll()
    {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return QTimer::singleShot(10, this, [this] { poll(); });
        const auto overlays = overlaysOf(window);
        darkened = overlays.size() == 1 && overlays.first()->isVisible();
        finish(dialog);
        closed = true;
    }
    const QWidget& window;
    Finish finish;
    bool darkened = false;
    bool closed = false;
};

} // namespace

class TestZCDialogWrappers : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_window = std::make_unique<QWidget>(); m_window->resize(300, 200); m_window->show(); }
    void cleanup() { m_window.reset(); ZCOverlayShadowGui::SetEnabled(true); }
    void instancesDarkenTheWindowOnlyWhileShown_data() { addInstanceRows(); }
    void instancesDarkenTheWindowOnlyWhileShown();
    void anInstanceMayOutliveItsWindow_data() { addInstanceRows(); }
    void anInstanceMayOutliveItsWindow();
    void staticFunctionsDarkenOnlyDuringTheCall_data();
    void staticFunctionsDarkenOnlyDuringTheCall();
    void staticFunctionsReturnTheDialogsResult();
    void openAndDeleteOpensWindowModalAndDeletesOnClose();

private:
    static void addInstanceRows();
    std::unique_ptr<QWidget> m_window;
};

// Every constructor, since each one makes the overlay itself.
void TestZCDialogWrappers::addInstanceRows()
{
    static QPrinter printer;
    QTest::addColumn<DialogFactory>("create");
    QTest::newRow("a file dialog") << DialogFactory([](QWidget* p) -> QDialog* { return new ZCFileDialog(p, "Abrir", "/"); });
    QTest::newRow("a file dialog with flags") << DialogFactory([](QWidget* p) -> QDialog* { return new ZCFileDialog(p, Qt::Dialog); });
    QTest::newRow("a font dialog") << DialogFactory([](QWidget* p) -> QDialog* { return new ZCFontDialog(p); });
    QTest::newRow("a font dialog with a font") << DialogFactory([](QWidget* p) -> QDialog* { return new ZCFontDialog(QFont(), p); });
    QTest::newRow("a colour dialog") << DialogFactory([](QWidget* p) -> QDialog* { return new ZCColorDialog(p); });
    QTest::newRow("a colour dialog with a colour") << DialogFactory([](QWidget* p) -> QDialog* { return new ZCColorDialog(Qt::red, p); });
    QTest::newRow("a print dialog") << DialogFactory([](QWidget* p) -> QDialog* { return new ZCPrintDialog(&printer, p); });
}

void TestZCDialogWrappers::instancesDarkenTheWindowOnlyWhileShown()
{
    QFETCH(DialogFactory, create);
    std::unique_ptr<QDialog> dialog(create(m_window.get()));
    QCOMPARE(overlaysOf(*m_window).size(), 1);
    ZCOverlayShadowGui* overlay = overlaysOf(*m_window).first();
    QVERIFY(!overlay->isVisible());
    dialog->show();
    QVERIFY(overlay->isVisible());
    dialog->hide();
    QVERIFY(!overlay->isVisible());
    dialog->show();
    dialog.reset();
    QVERIFY(overlaysOf(*m_window).isEmpty());

    ZCOverlayShadowGui::SetEnabled(false);
    dialog.reset(create(m_window.get()));
    dialog->show();
    QVERIFY(overlaysOf(*m_window).isEmpty());
}

void TestZCDialogWrappers::anInstanceMayOutliveItsWindow()
{
    QFETCH(DialogFactory, create);
    const std::unique_ptr<QDialog> dialog(create(m_window.get()));
    dialog->setParent(nullptr, Qt::Dialog);
    QPointer<ZCOverlayShadowGui> overlay = overlaysOf(*m_window).first();
    m_window.reset();
    QVERIFY(!overlay);
    dialog->show();
    dialog->hide();
    // Destroying the dialog now must not touch the overlay that went with the window.
}

void TestZCDialogWrappers::staticFunctionsDarkenOnlyDuringTheCall_data()
{
    QTest::addColumn<StaticCall>("call");
    QTest::newRow("getExistingDirectory") << StaticCall([](QWidget* p) { ZCFileDialog::getExistingDirectory(p, "Carpeta", "/"); });
    QTest::newRow("getOpenFileName") << StaticCall([](QWidget* p) { ZCFileDialog::getOpenFileName(p, "Abrir", "/", "*.txt"); });
    QTest::newRow("getOpenFileNames") << StaticCall([](QWidget* p) { ZCFileDialog::getOpenFileNames(p, "Abrir", "/"); });
    QTest::newRow("getSaveFileName") << StaticCall([](QWidget* p) { ZCFileDialog::getSaveFileName(p, "Guardar", "/"); });
    QTest::newRow("getFont with a font") << StaticCall([](QWidget* p) { bool ok; ZCFontDialog::getFont(&ok, QFont(), p, "Fuente"); });
    QTest::newRow("getFont") << StaticCall([](QWidget* p) { bool ok; ZCFontDialog::getFont(&ok, p); });
    QTest::newRow("getColor") << StaticCall([](QWidget* p) { ZCColorDialog::getColor(Qt::blue, p, "Color"); });
}

void TestZCDialogWrappers::staticFunctionsDarkenOnlyDuringTheCall()
{
    QFETCH(StaticCall, call);
    for (const bool enabled : {true, false}) {
        ZCOverlayShadowGui::SetEnabled(enabled);
        ModalCloser closer(*m_window);
        call(m_window.get());
        QVERIFY(closer.closed);
        QCOMPARE(closer.darkened, enabled);
        QVERIFY(overlaysOf(*m_window).isEmpty());
    }
}

void TestZCDialogWrappers::staticFunctionsReturnTheDialogsResult()
{
    const ModalCloser pick(*m_window, [](QDialog* dialog) {
        static_cast<QColorDialog*>(dialog)->setCurrentColor(QColor(12, 34, 56));
        dialog->accept();
    });
    QCOMPARE(ZCColorDialog::getColor(Qt::white, m_window.get()), QColor(12, 34, 56));
    const ModalCloser cancel(*m_window);
    bool ok = true;
    ZCFontDialog::getFont(&ok, m_window.get());
    QVERIFY(!ok);
}

void TestZCDialogWrappers::openAndDeleteOpensWindowModalAndDeletesOnClose()
{
    QPointer<ZCFontDialog> dialog = new ZCFontDialog(m_window.get());
    dialog->OpenAndDelete();
    QVERIFY(dialog->isVisible());
    QCOMPARE(dialog->windowModality(), Qt::WindowModal);
    QVERIFY(overlaysOf(*m_window).first()->isVisible());
    dialog->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!dialog);
    QVERIFY(overlaysOf(*m_window).isEmpty());
}

MIROKIT_TEST_MAIN(TestZCDialogWrappers)
#include "tst_zcdialogwrappers.moc"
