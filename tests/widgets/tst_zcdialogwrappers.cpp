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

// Closes the modal dialog that a static function opens, once its event loop runs, noting
// whether the window behind it was darkened meanwhile.
class ModalCloser : public QObject
{
public:
    explicit ModalCloser(const QWidget& window)
        : m_window(window)
    {
        QTimer::singleShot(0, this, [this] { closeWhenShown(); });
    }

    bool darkenedWhileOpen = false;
    bool closed = false;

private:
    void closeWhenShown()
    {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog) {
            QTimer::singleShot(10, this, [this] { closeWhenShown(); });
            return;
        }
        const auto overlays = overlaysOf(m_window);
        darkenedWhileOpen = overlays.size() == 1 && overlays.first()->isVisible();
        dialog->reject();
        closed = true;
    }

    const QWidget& m_window;
};

QPrinter& printer()
{
    static QPrinter printer;
    return printer;
}

} // namespace

class TestZCDialogWrappers : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void instancesDarkenTheWindowWhileShown_data();
    void instancesDarkenTheWindowWhileShown();
    void instancesLeaveNoOverlayBehind_data();
    void instancesLeaveNoOverlayBehind();
    void anInstanceMayOutliveItsWindow_data();
    void anInstanceMayOutliveItsWindow();
    void disabledOverlaysLeaveTheWindowAlone_data();
    void disabledOverlaysLeaveTheWindowAlone();

    void staticFunctionsDarkenOnlyDuringTheCall_data();
    void staticFunctionsDarkenOnlyDuringTheCall();
    void staticFunctionsReturnTheDialogsResult();

    void openAndDeleteOpensWindowModalAndDeletesOnClose();

private:
    static void addInstanceRows();
    std::unique_ptr<QWidget> m_window;
};

void TestZCDialogWrappers::init()
{
    m_window = std::make_unique<QWidget>();
    m_window->resize(300, 200);
    m_window->show();
}

void TestZCDialogWrappers::cleanup()
{
    m_window.reset();
    ZCOverlayShadowGui::SetEnabled(true);
}

void TestZCDialogWrappers::addInstanceRows()
{
    QTest::addColumn<DialogFactory>("create");
    QTest::newRow("a file dialog") << DialogFactory([](QWidget* parent) -> QDialog* {
        return new ZCFileDialog(parent, QStringLiteral("Abrir"), QDir::tempPath());
    });
    QTest::newRow("a file dialog with window flags") << DialogFactory([](QWidget* parent) -> QDialog* {
        return new ZCFileDialog(parent, Qt::Dialog);
    });
    QTest::newRow("a font dialog") << DialogFactory([](QWidget* parent) -> QDialog* {
        return new ZCFontDialog(parent);
    });
    QTest::newRow("a font dialog with an initial font") << DialogFactory([](QWidget* parent) -> QDialog* {
        return new ZCFontDialog(QFont(QStringLiteral("DejaVu Sans"), 12), parent);
    });
    QTest::newRow("a colour dialog") << DialogFactory([](QWidget* parent) -> QDialog* {
        return new ZCColorDialog(parent);
    });
    QTest::newRow("a colour dialog with an initial colour") << DialogFactory([](QWidget* parent) -> QDialog* {
        return new ZCColorDialog(Qt::red, parent);
    });
    QTest::newRow("a print dialog") << DialogFactory([](QWidget* parent) -> QDialog* {
        return new ZCPrintDialog(&printer(), parent);
    });
}

void TestZCDialogWrappers::instancesDarkenTheWindowWhileShown_data()
{
    addInstanceRows();
}

void TestZCDialogWrappers::instancesDarkenTheWindowWhileShown()
{
    QFETCH(DialogFactory, create);
    const std::unique_ptr<QDialog> dialog(create(m_window.get()));
    QCOMPARE(overlaysOf(*m_window).size(), 1);
    ZCOverlayShadowGui* overlay = overlaysOf(*m_window).first();
    QVERIFY(!overlay->isVisible());

    dialog->show();
    QVERIFY(overlay->isVisible());
    dialog->hide();
    QVERIFY(!overlay->isVisible());
}

void TestZCDialogWrappers::instancesLeaveNoOverlayBehind_data()
{
    addInstanceRows();
}

void TestZCDialogWrappers::instancesLeaveNoOverlayBehind()
{
    QFETCH(DialogFactory, create);
    for (int round = 0; round < 3; ++round) {
        const std::unique_ptr<QDialog> dialog(create(m_window.get()));
        dialog->show();
    }
    QVERIFY(overlaysOf(*m_window).isEmpty());
}

void TestZCDialogWrappers::anInstanceMayOutliveItsWindow_data()
{
    addInstanceRows();
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

void TestZCDialogWrappers::disabledOverlaysLeaveTheWindowAlone_data()
{
    addInstanceRows();
}

void TestZCDialogWrappers::disabledOverlaysLeaveTheWindowAlone()
{
    QFETCH(DialogFactory, create);
    ZCOverlayShadowGui::SetEnabled(false);
    const std::unique_ptr<QDialog> dialog(create(m_window.get()));
    dialog->show();
    QVERIFY(overlaysOf(*m_window).isEmpty());

    ModalCloser closer(*m_window);
    ZCColorDialog::getColor(Qt::red, m_window.get());
    QVERIFY(closer.closed);
    QVERIFY(!closer.darkenedWhileOpen);
}

void TestZCDialogWrappers::staticFunctionsDarkenOnlyDuringTheCall_data()
{
    QTest::addColumn<StaticCall>("call");
    const QString dir = QDir::tempPath();
    QTest::newRow("getExistingDirectory") << StaticCall([dir](QWidget* parent) {
        ZCFileDialog::getExistingDirectory(parent, QStringLiteral("Carpeta"), dir);
    });
    QTest::newRow("getOpenFileName") << StaticCall([dir](QWidget* parent) {
        ZCFileDialog::getOpenFileName(parent, QStringLiteral("Abrir"), dir, QStringLiteral("*.txt"));
    });
    QTest::newRow("getOpenFileNames") << StaticCall([dir](QWidget* parent) {
        ZCFileDialog::getOpenFileNames(parent, QStringLiteral("Abrir"), dir);
    });
    QTest::newRow("getSaveFileName") << StaticCall([dir](QWidget* parent) {
        ZCFileDialog::getSaveFileName(parent, QStringLiteral("Guardar"), dir);
    });
    QTest::newRow("getFont with an initial font") << StaticCall([](QWidget* parent) {
        bool ok = true;
        ZCFontDialog::getFont(&ok, QFont(), parent, QStringLiteral("Fuente"));
    });
    QTest::newRow("getFont") << StaticCall([](QWidget* parent) {
        bool ok = true;
        ZCFontDialog::getFont(&ok, parent);
    });
    QTest::newRow("getColor") << StaticCall([](QWidget* parent) {
        ZCColorDialog::getColor(Qt::blue, parent, QStringLiteral("Color"));
    });
}

void TestZCDialogWrappers::staticFunctionsDarkenOnlyDuringTheCall()
{
    QFETCH(StaticCall, call);
    for (int round = 0; round < 2; ++round) {
        ModalCloser closer(*m_window);
        call(m_window.get());
        QVERIFY(closer.closed);
        QVERIFY(closer.darkenedWhileOpen);
        QVERIFY(overlaysOf(*m_window).isEmpty());
    }
}

void TestZCDialogWrappers::staticFunctionsReturnTheDialogsResult()
{
    QTimer::singleShot(0, this, [] {
        if (auto* dialog = qobject_cast<QColorDialog*>(QApplication::activeModalWidget())) {
            dialog->setCurrentColor(QColor(12, 34, 56));
            dialog->accept();
        }
    });
    QCOMPARE(ZCColorDialog::getColor(Qt::white, m_window.get()), QColor(12, 34, 56));

    QTimer::singleShot(0, this, [] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
            dialog->reject();
    });
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
