#include "mirokittest.h"

#include <Mirokit/ZCDialog.h>
#include <Mirokit/ZCHeaderBox.h>
#include <Mirokit/ZCOverlayShadowGui.h>
#include <Mirokit/ZCSettings.h>

#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

class TestZCDialog : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void contextHelpButtonOnlyWhenTheHostAsks();
    void layoutStartsTightAndResetsToTheStyle();
    void headerGoesOnTopAndButtonsBelow();
    void enablingButtonsBeforeTheyExistDoesNothing();
    void sizeIsRememberedOnlyUnderASettingsName();
    void overlayFollowsTheDialogAndNeverDangles();
    void executeAndDeleteDeletes();
};

void TestZCDialog::init()
{
    QCoreApplication::setApplicationName(QStringLiteral("MirokitDialogTest"));
    ZCSettings().clear();
}

void TestZCDialog::contextHelpButtonOnlyWhenTheHostAsks()
{
    const Qt::WindowFlags withHelp = Qt::Dialog | Qt::WindowTitleHint | Qt::WindowContextHelpButtonHint;
    QVERIFY(!(ZCDialog(nullptr, {}, false).windowFlags() & Qt::WindowContextHelpButtonHint));
    QVERIFY(!(ZCDialog(QStringLiteral("Título"), nullptr, QString(), {}, false).windowFlags()
              & Qt::WindowContextHelpButtonHint));
    QVERIFY(ZCDialog(nullptr, withHelp, false).windowFlags() & Qt::WindowContextHelpButtonHint);
    QVERIFY(ZCDialog(QStringLiteral("Título"), nullptr, QString(), withHelp, false).windowFlags()
            & Qt::WindowContextHelpButtonHint);
}

void TestZCDialog::layoutStartsTightAndResetsToTheStyle()
{
    ZCDialog dialog(nullptr, {}, false);
    QVBoxLayout* layout = dialog.GetMainLayout();
    QCOMPARE(dialog.layout(), layout);
    QCOMPARE(layout->spacing(), 0);
    QCOMPARE(layout->contentsMargins(), QMargins());

    // -1 hands margins and spacing back to the style; a dialog without layout gets one first.
    ZCDialog fresh(nullptr, {}, false);
    fresh.resetSpacingMargins();
    QVERIFY(fresh.layout());
    QVERIFY(fresh.layout()->spacing() > 0);
    QVERIFY(fresh.layout()->contentsMargins().left() > 0 && fresh.layout()->contentsMargins().bottom() > 0);
}

void TestZCDialog::headerGoesOnTopAndButtonsBelow()
{
    ZCDialog dialog(nullptr, {}, false);
    dialog.AddWidget(new QLabel(QStringLiteral("contenido")));
    dialog.AddBotonesAceptarCancelar();
    auto* header = new ZCHeaderBox(Qt::black, Qt::white, QStringLiteral("Cabecera"), 1.0, QString(), false);
    dialog.SetHeaderBox(header);
    QCOMPARE(dialog.GetMainLayout()->itemAt(0)->widget(), header);

    QLayout* buttons = dialog.GetMainLayout()->itemAt(2)->layout();
    QVERIFY(buttons);
    QVERIFY(buttons->itemAt(0)->spacerItem());
    auto* ok = qobject_cast<QPushButton*>(buttons->itemAt(1)->widget());
    auto* cancel = qobject_cast<QPushButton*>(buttons->itemAt(2)->widget());
    QVERIFY(ok && cancel);
    QCOMPARE(cancel->text(), QStringLiteral("Cancelar"));
    QVERIFY(ok->isDefault() && !cancel->isDefault());

    dialog.setEnabledBotonOK(false);
    dialog.setEnabledBotonCancel(false);
    QVERIFY(!ok->isEnabled() && !cancel->isEnabled());
    QSignalSpy rejected(&dialog, &QDialog::rejected);
    cancel->setEnabled(true);
    cancel->click();
    QCOMPARE(rejected.count(), 1);
}

void TestZCDialog::enablingButtonsBeforeTheyExistDoesNothing()
{
    ZCDialog dialog(nullptr, {}, false);
    dialog.setEnabledBotonOK(false);
    dialog.setEnabledBotonCancel(false);
    dialog.AddBotonAceptar();
    QPushButton* ok = dialog.findChild<QPushButton*>();
    QVERIFY(ok->isEnabled());
    QSignalSpy accepted(&dialog, &QDialog::accepted);
    ok->click();
    QCOMPARE(accepted.count(), 1);
}

void TestZCDialog::sizeIsRememberedOnlyUnderASettingsName()
{
    ZCSettings().setValue(QStringLiteral("Size"), QSize(640, 480));
    {
        ZCDialog named(QString(), nullptr, QStringLiteral("MiDialogo"), {}, false);
        named.resize(420, 310);
        ZCDialog unnamed(nullptr, {}, false);
        unnamed.resize(200, 150);
        unnamed.LoadSettings();
        QCOMPARE(unnamed.size(), QSize(200, 150));
    }
    // Without a name nothing lands at the application's root, among unrelated keys.
    const ZCSettings root;
    QCOMPARE(root.value(QStringLiteral("Size")).toSize(), QSize(640, 480));
    QCOMPARE(root.childGroups(), QStringList{QStringLiteral("MiDialogo")});
    QCOMPARE(root.value(QStringLiteral("MiDialogo/Size")).toSize(), QSize(420, 310));

    ZCDialog dialog(QString(), nullptr, QStringLiteral("MiDialogo"), {}, false);
    dialog.resize(100, 100);
    dialog.LoadSettings();
    QCOMPARE(dialog.size(), QSize(420, 310));
}

void TestZCDialog::overlayFollowsTheDialogAndNeverDangles()
{
    QWidget window;
    window.resize(400, 300);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    auto* dialog = new ZCDialog(&window);
    const QPointer<ZCOverlayShadowGui> overlay = window.findChild<ZCOverlayShadowGui*>();
    QVERIFY(overlay);
    QVERIFY(!overlay->isVisible());
    dialog->show();
    QTRY_VERIFY(overlay->isVisible());
    dialog->hide();
    QTRY_VERIFY(!overlay->isVisible());
    delete dialog;
    QVERIFY(overlay.isNull());

    // The window goes first, taking the dialog and the overlay with it in either order.
    auto* owner = new QWidget;
    QPointer<ZCDialog> child = new ZCDialog(owner);
    delete owner;
    QVERIFY(child.isNull());
}

void TestZCDialog::executeAndDeleteDeletes()
{
    QPointer<ZCDialog> dialog = new ZCDialog(nullptr, {}, false);
    QTimer::singleShot(0, dialog, &QDialog::reject);
    dialog->EjecutaYBorra();
    QVERIFY(dialog.isNull());

    // Gone before exec() returns: deleted by Qt on close, or with its window.
    QPointer<ZCDialog> deletesItself = new ZCDialog(nullptr, {}, false);
    deletesItself->setAttribute(Qt::WA_DeleteOnClose);
    QTimer::singleShot(0, deletesItself, &QDialog::reject);
    deletesItself->EjecutaYBorra();
    QVERIFY(deletesItself.isNull());
    auto* window = new QWidget;
    QPointer<ZCDialog> child = new ZCDialog(window, {}, false);
    QTimer::singleShot(0, window, &QObject::deleteLater);
    child->EjecutaYBorra();
    QVERIFY(child.isNull());

    QPointer<ZCDialog> opened = new ZCDialog(nullptr, {}, false);
    opened->OpenAndDelete();
    QVERIFY(opened->isVisible());
    opened->reject();
    QTRY_VERIFY(opened.isNull());
}

MIROKIT_TEST_MAIN(TestZCDialog)
#include "tst_zcdialog.moc"
