#include "messagelogcapture.h"
#include "mirokittest.h"

#include <Mirokit/ZCInputDialog.h>
#include <Mirokit/ZCInputPasswordDialog.h>
#include <Mirokit/ZCInputPasswordWidget.h>
#include <Mirokit/ZCOverlayShadowGui.h>

#include <QLabel>
#include <QPushButton>
#include <QTimeEdit>

#include <functional>

namespace {

// Runs `answer` on the prompt once it is open, from the event loop the prompt runs.
void whenPromptOpens(std::function<void(QDialog*)> answer)
{
    QTimer::singleShot(0, [answer] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        answer(dialog);
    });
}

QVector<Qt::CursorShape> overrideCursorStack()
{
    QVector<Qt::CursorShape> shapes;
    while (QGuiApplication::overrideCursor()) {
        shapes.prepend(QGuiApplication::overrideCursor()->shape());
        QGuiApplication::restoreOverrideCursor();
    }
    for (Qt::CursorShape shape : shapes)
        QGuiApplication::setOverrideCursor(shape);
    return shapes;
}

} // namespace

class TestZCInputDialog : public QObject
{
    Q_OBJECT

private slots:
    void waitCursorsAreLiftedForThePrompt_data();
    void waitCursorsAreLiftedForThePrompt();
    void numberPromptWithANaNBoundIsRefused();
    void timePromptChangesTheTimeOnlyWhenAccepted_data();
    void timePromptChangesTheTimeOnlyWhenAccepted();
    void genericPromptGivesTheEditorBack();
    void overlayDeletedElsewhereIsNotDeletedAgain();
    void passwordDialogDeletesItselfWhenClosed();
    void passwordPanelKeys_data();
    void passwordPanelKeys();
};

void TestZCInputDialog::waitCursorsAreLiftedForThePrompt_data()
{
    using Stack = QVector<Qt::CursorShape>;
    QTest::addColumn<Stack>("before");
    QTest::addColumn<Stack>("during");

    QTest::newRow("no override cursor") << Stack{} << Stack{};
    QTest::newRow("one wait cursor") << Stack{Qt::WaitCursor} << Stack{};
    QTest::newRow("three nested wait cursors") << Stack{Qt::WaitCursor, Qt::WaitCursor, Qt::WaitCursor} << Stack{};
    QTest::newRow("wait cursors over another cursor")
        << Stack{Qt::CrossCursor, Qt::WaitCursor, Qt::WaitCursor} << Stack{Qt::CrossCursor};
    QTest::newRow("another cursor on top is left alone")
        << Stack{Qt::WaitCursor, Qt::CrossCursor} << Stack{Qt::WaitCursor, Qt::CrossCursor};
}

void TestZCInputDialog::waitCursorsAreLiftedForThePrompt()
{
    QFETCH(QVector<Qt::CursorShape>, before);
    QFETCH(QVector<Qt::CursorShape>, during);
    for (Qt::CursorShape shape : before)
        QGuiApplication::setOverrideCursor(shape);

    for (bool accept : {true, false}) {
        QVector<Qt::CursorShape> seen;
        whenPromptOpens([&seen, accept](QDialog* dialog) {
            seen = overrideCursorStack();
            accept ? dialog->accept() : dialog->reject();
        });
        ZCInputDialog::ExecGetDouble(nullptr, QStringLiteral("Número"), QStringLiteral("Valor"), 1.5);
        QCOMPARE(seen, during);
        QCOMPARE(overrideCursorStack(), before);
    }
    while (QGuiApplication::overrideCursor())
        QGuiApplication::restoreOverrideCursor();
}

// Such a prompt shows "nan" or a range of one number, and whatever the user does it can only
// give back NaN or that number, as an accepted answer.
void TestZCInputDialog::numberPromptWithANaNBoundIsRefused()
{
    for (const auto& bounds : {qMakePair(qQNaN(), 10.0), qMakePair(0.0, qQNaN())}) {
        bool opened = false;
        QTimer closer;
        closer.setSingleShot(true);
        connect(&closer, &QTimer::timeout, [&opened] {
            if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                opened = true;
                dialog->accept();
            }
        });
        closer.start(0);
        const MessageLogCapture log;
        bool ok = true;
        const double answer = ZCInputDialog::ExecGetDouble(nullptr, QStringLiteral("Número"), QStringLiteral("Valor"),
                                                           5.0, bounds.first, bounds.second, 2, &ok);
        QVERIFY(!opened);
        QVERIFY(!ok);
        QCOMPARE(answer, 5.0);
        QCOMPARE(log.texts(QtWarningMsg).size(), 1);
    }
}

void TestZCInputDialog::timePromptChangesTheTimeOnlyWhenAccepted_data()
{
    QTest::addColumn<bool>("accept");
    QTest::newRow("accepted") << true;
    QTest::newRow("cancelled") << false;
}

void TestZCInputDialog::timePromptChangesTheTimeOnlyWhenAccepted()
{
    QFETCH(bool, accept);
    QTime time(10, 30);
    whenPromptOpens([accept](QDialog* dialog) {
        auto* editor = dialog->findChild<QTimeEdit*>();
        QVERIFY(editor);
        QCOMPARE(editor->time(), QTime(10, 30));
        editor->setTime(QTime(18, 45));
        accept ? dialog->accept() : dialog->reject();
    });
    QCOMPARE(ZCInputDialog::ExecGetTimeEdit(nullptr, time, QStringLiteral("Hora"), QStringLiteral("Inicio")), accept);
    QCOMPARE(time, accept ? QTime(18, 45) : QTime(10, 30));
}

void TestZCInputDialog::genericPromptGivesTheEditorBack()
{
    QWidget form;
    QPointer<QLineEdit> owned = new QLineEdit(&form);
    QPointer<QLineEdit> loose = new QLineEdit;
    for (QLineEdit* editor : {owned.data(), loose.data()}) {
        whenPromptOpens([](QDialog* dialog) { dialog->accept(); });
        QVERIFY(ZCInputDialog::ExecGetEditorGenerico(&form, [editor] { return editor; },
                                                     QStringLiteral("Editor"), QStringLiteral("Texto")));
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(owned && loose);
    QCOMPARE(owned->parentWidget(), &form);
    QVERIFY(!loose->parentWidget());
    delete loose.data();

    QTest::ignoreMessage(QtWarningMsg, "ZCInputDialog: el editor del diálogo no existe");
    QVERIFY(!ZCInputDialog::ExecGetEditorGenerico(&form, [] { return nullptr; }, QString(), QString()));
}

void TestZCInputDialog::overlayDeletedElsewhereIsNotDeletedAgain()
{
    QWidget window;
    window.resize(300, 200);
    window.show();
    auto* dialog = new ZCInputDialog(&window);
    dialog->show();
    ZCOverlayShadowGui* overlay = window.findChild<ZCOverlayShadowGui*>();
    QVERIFY(overlay);
    delete overlay;
    delete dialog;
    QVERIFY(!window.findChild<ZCOverlayShadowGui*>());
}

void TestZCInputDialog::passwordDialogDeletesItselfWhenClosed()
{
    QPointer<ZCInputPasswordDialog> dialog = new ZCInputPasswordDialog;
    dialog->OpenAndDelete();
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Proyecto protegido"));
    QCOMPARE(dialog->labelText(), QStringLiteral("Introduzca contraseña"));
    QCOMPARE(dialog->textEchoMode(), QLineEdit::Password);
    dialog->reject();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!dialog);
}

void TestZCInputDialog::passwordPanelKeys_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<bool>("buttonEnabled");
    QTest::addColumn<int>("accepted");

    QTest::newRow("Return accepts") << int(Qt::Key_Return) << int(Qt::NoModifier) << true << 1;
    QTest::newRow("keypad Enter accepts") << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << true << 1;
    QTest::newRow("Shift+Return does nothing") << int(Qt::Key_Return) << int(Qt::ShiftModifier) << true << 0;
    QTest::newRow("Escape does nothing") << int(Qt::Key_Escape) << int(Qt::NoModifier) << true << 0;
    QTest::newRow("a disabled button is not pressed") << int(Qt::Key_Return) << int(Qt::NoModifier) << false << 0;
}

void TestZCInputDialog::passwordPanelKeys()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(bool, buttonEnabled);
    QFETCH(int, accepted);
    ZCInputPasswordWidget panel(QStringLiteral("Acceso"));
    panel.findChild<QPushButton*>()->setEnabled(buttonEnabled);
    panel.show();
    QSignalSpy spy(&panel, &ZCInputPasswordWidget::accepted);
    auto* field = panel.findChild<QLineEdit*>();
    QTest::keyClicks(field, QStringLiteral("secreto"));
    QTest::keyClick(field, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(spy.count(), accepted);
    QCOMPARE(panel.GetPassword(), QStringLiteral("secreto"));

    panel.SetTextoAlAceptar(QStringLiteral("Contraseña incorrecta"));
    QVERIFY(panel.findChildren<QLabel*>().last()->isVisible());
}

MIROKIT_TEST_MAIN(TestZCInputDialog)
#include "tst_zcinputdialog.moc"
