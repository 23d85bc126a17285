#include "mirokittest.h"

#include <Mirokit/ZCDialog.h>
#include <Mirokit/ZCHeaderBox.h>
#include <Mirokit/ZCOverlayShadowGui.h>
#include <Mirokit/ZCSettings.h>

#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>

namespace {

QList<QPushButton*> buttonsInOrder(QLayout* layout)
{
    QList<QPushButton*> buttons;
    for (int i = 0; i < layout->count(); ++i) {
        if (auto* button = qobject_cast<QPushButton*>(layout->itemAt(i)->widget()))
            buttons.append(button);
    }
    return buttons;
}

} // namespace

class TestZCDialog : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void contextHelpButton_data();
    void contextHelpButton();
    void mainLayoutIsCreatedZeroedThenReset();
    void headerBoxGoesOnTop();
    void okAndCancelSitRightInThatOrder();
    void enablingButtonsBeforeTheyExistDoesNothing();
    void sizeIsRememberedUnderTheSettingsName();
    void withoutSettingsNameNothingIsWritten();
    void overlayFollowsTheDialogAndNeverDangles();
    void executeAndDeleteDeletes();
};

void TestZCDialog::init()
{
    QCoreApplication::setApplicationName(QStringLiteral("MirokitDialogTest"));
    ZCSettings().clear();
}

void TestZCDialog::contextHelpButton_data()
{
    QTest::addColumn<int>("flags");
    QTest::addColumn<bool>("expectHelp");
    QTest::newRow("empty flags remove it") << 0 << false;
    QTest::newRow("explicit flags are kept")
        << int(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowContextHelpButtonHint) << true;
}

void TestZCDialog::contextHelpButton()
{
    QFETCH(int, flags);
    QFETCH(bool, expectHelp);
    const ZCDialog named(QStringLiteral("Título"), nullptr, QString(), Qt::WindowFlags(flags), false);
    QCOMPARE(bool(named.windowFlags() & Qt::WindowContextHelpButtonHint), expectHelp);
    QCOMPARE(named.windowTitle(), QStringLiteral("Título"));
    const ZCDialog plain(nullptr, Qt::WindowFlags(flags), false);
    QCOMPARE(bool(plain.windowFlags() & Qt::WindowContextHelpButtonHint), expectHelp);
}

void TestZCDialog::mainLayoutIsCreatedZeroedThenReset()
{
    ZCDialog dialog(nullptr, {}, false);
    QCOMPARE(dialog.layout(), nullptr);
    QVBoxLayout* layout = dialog.GetMainLayout();
    QCOMPARE(dialog.layout(), layout);
    QCOMPARE(layout->spacing(), 0);
    QCOMPARE(layout->contentsMargins(), QMargins());

    // -1 hands margins and spacing back to the style; a dialog without layout gets one first.
    ZCDialog fresh(nullptr, {}, false);
    fresh.resetSpacingMargins();
    QVERIFY(fresh.layout());
    const QMargins margins = fresh.layout()->contentsMargins();
    QVERIFY(margins.left() > 0 && margins.top() > 0 && margins.right() > 0 && margins.bottom() > 0);
    QVERIFY(fresh.layout()->spacing() > 0);
}

void TestZCDialog::headerBoxGoesOnTop()
{
    ZCDialog dialog(nullptr, {}, false);
    dialog.AddWidget(new QLabel(QStringLiteral("contenido")));
    auto* header = new ZCHeaderBox(Qt::black, Qt::white, QStringLiteral("Cabecera"), 1.0, QString(), false);
    dialog.SetHeaderBox(header);
    QCOMPARE(dialog.GetMainLayout()->itemAt(0)->widget(), header);
}

void TestZCDialog::okAndCancelSitRightInThatOrder()
{
    ZCDialog dialog(nullptr, {}, false);
    dialog.AddWidget(new QLabel(QStringLiteral("contenido")));
    dialog.AddBotonesAceptarCancelar();
    auto* buttons = qobject_cast<QHBoxLayout*>(dialog.GetMainLayout()->itemAt(1)->layout());
    QVERIFY(buttons);
    QVERIFY(buttons->itemAt(0)->spacerItem());
    const QList<QPushButton*> order = buttonsInOrder(buttons);
    QCOMPARE(order.size(), 2);
    QCOMPARE(order.at(0)->text(), QStringLiteral("Aceptar"));
    QCOMPARE(order.at(1)->text(), QStringLiteral("Cancelar"));
    QVERIFY(order.at(0)->isDefault());
    QVERIFY(!order.at(1)->isDefault());

    dialog.setEnabledBotonOK(false);
    QVERIFY(!order.at(0)->isEnabled());
    dialog.setEnabledBotonCancel(false);
    QVERIFY(!order.at(1)->isEnabled());

    QSignalSpy rejected(&dialog, &QDialog::rejected);
    order.at(1)->setEnabled(true);
    order.at(1)->click();
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

void TestZCDialog::sizeIsRememberedUnderTheSettingsName()
{
    {
        ZCDialog dialog(QString(), nullptr, QStringLiteral("MiDialogo"), {}, false);
        dialog.resize(420, 310);
    }
    QCOMPARE(ZCSettings(QStringLiteral("MiDialogo")).value(QStringLiteral("Size")).toSize(), QSize(420, 310));

    ZCDialog dialog(QString(), nullptr, QStringLiteral("MiDialogo"), {}, false);
    dialog.resize(100, 100);
    dialog.LoadSettings();
    QCOMPARE(dialog.size(), QSize(420, 310));
}

void TestZCDialog::withoutSettingsNameNothingIsWritten()
{
    ZCSettings().setValue(QStringLiteral("Size"), QSize(640, 480));
    {
        ZCDialog dialog(nullptr, {}, false);
        dialog.resize(200, 150);
        dialog.LoadSettings();
        QCOMPARE(dialog.size(), QSize(200, 150));
    }
    const ZCSettings root;
    QCOMPARE(root.value(QStringLiteral("Size")).toSize(), QSize(640, 480));
    QVERIFY(root.childGroups().isEmpty());
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

    // The window goes first: the dialog (its child) and the overlay with it, without a dangling
    // pointer in between.
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

    QPointer<ZCDialog> opened = new ZCDialog(nullptr, {}, false);
    opened->OpenAndDelete();
    QVERIFY(opened->isVisible());
    QVERIFY(opened->isModal() || opened->windowModality() != Qt::NonModal);
    opened->reject();
    QTRY_VERIFY(opened.isNull());
}

MIROKIT_TEST_MAIN(TestZCDialog)
#include "tst_zcdialog.moc"
