#include "mirokittest.h"
#include "messagelogcapture.h"

#include <Mirokit/ZCDlgTextEditor.h>
#include <Mirokit/ZCEditBrowserEstilos.h>
#include <Mirokit/ZCEditBrowserFont.h>
#include <Mirokit/ZCEditBrowserMenu.h>
#include <Mirokit/ZCEditBrowserStringList.h>
#include <Mirokit/ZCEditBrowserTexto.h>
#include <Mirokit/ZCEditorPopupEstilos.h>
#include <Mirokit/ZCEditorPopupStringList.h>
#include <Mirokit/ZCFileDialog.h>
#include <Mirokit/ZCFontDialog.h>
#include <Mirokit/ZCListBoxCheckEstilos.h>
#include <Mirokit/ZFilePathEditBrowser.h>
#include <Mirokit/ZLineEdit.h>
#include <Mirokit/ZTextEdit.h>

#include <QDialog>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QSizeGrip>
#include <QTextEdit>
#include <QVBoxLayout>

namespace {

class CountingPopup : public ZCEditorPopup
{
public:
    using ZCEditorPopup::ZCEditorPopup;
    int accepts = 0;
    int cancels = 0;

protected:
    void onAceptar() override { ++accepts; }
    void onCancelar() override { ++cancels; }
};

// A window with a browser at the given offset from the screen's top-left (negative: from its
// bottom-right), as a form would hold it.
struct Form {
    explicit Form(QWidget* browser, QPoint offset = QPoint(100, 100))
    {
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        window.setWindowFlags(Qt::FramelessWindowHint);
        auto* layout = new QVBoxLayout(&window);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(browser);
        window.resize(240, 26);
        window.move(offset.x() < 0 ? screen.right() + offset.x() : screen.left() + offset.x(),
                    offset.y() < 0 ? screen.bottom() + offset.y() : screen.top() + offset.y());
        window.show();
        QApplication::setActiveWindow(&window);
        QVERIFY(QTest::qWaitForWindowActive(&window));
    }
    QWidget window;
};

// Runs job once the next modal dialog is up (the dialog is closed by job).
void whenModal(const std::function<void(QWidget*)>& job)
{
    QTimer::singleShot(0, [job] {
        QTRY_VERIFY(QApplication::activeModalWidget());
        job(QApplication::activeModalWidget());
    });
}

template <typename Popup>
Popup* popupOf(QWidget& browser)
{
    return browser.findChild<Popup*>();
}

} // namespace

class TestZCEditorPopup : public QObject
{
    Q_OBJECT

private slots:
    void acceptAndCancel_data();
    void acceptAndCancel();
    void popupTakesTheAnchorsWidthAndStaysOnScreen_data();
    void popupTakesTheAnchorsWidthAndStaysOnScreen();
    void keepFocusWidgetGetsTheTyping();
    void sizeGripAndResizeKeys();
    void styleNames_data();
    void styleNames();
    void stylePopupShowsTheCurrentFlagsAgain();
    void stringListEmptiedIsAChange();
    void fontChangesOnlyWhenConfirmed_data();
    void fontChangesOnlyWhenConfirmed();
    void pathDialog_data();
    void pathDialog();
    void menuBrowser();
    void textBrowserTextAndModifiedFlag_data();
    void textBrowserTextAndModifiedFlag();
    void textBrowserInlineKeys_data();
    void textBrowserInlineKeys();
    void textBrowserDialogReportsTheChangeOnce();
};

void TestZCEditorPopup::acceptAndCancel_data()
{
    QTest::addColumn<bool>("buttons");
    QTest::addColumn<QString>("gesture");
    QTest::addColumn<int>("accepts");
    QTest::addColumn<int>("acceptedSignals");
    QTest::addColumn<int>("cancels");
    QTest::newRow("no buttons, Return accepts") << false << "return" << 1 << 1 << 0;
    QTest::newRow("no buttons, a click outside accepts without the signal") << false << "close" << 1 << 0 << 0;
    QTest::newRow("no buttons, Escape accepts without the signal") << false << "escape" << 1 << 0 << 0;
    QTest::newRow("buttons, Return accepts") << true << "return" << 1 << 1 << 0;
    QTest::newRow("buttons, a click outside discards") << true << "close" << 0 << 0 << 0;
    QTest::newRow("buttons, Aceptar accepts") << true << "Aceptar" << 1 << 1 << 0;
    QTest::newRow("buttons, Cancelar cancels") << true << "Cancelar" << 0 << 0 << 1;
}

void TestZCEditorPopup::acceptAndCancel()
{
    QFETCH(bool, buttons);
    QFETCH(QString, gesture);
    QFETCH(int, accepts);
    QFETCH(int, acceptedSignals);
    QFETCH(int, cancels);
    auto* anchor = new QWidget;
    Form form(anchor);
    CountingPopup popup(anchor);
    popup.setEditor(new QListWidget);
    popup.SetVerBotones(true);
    popup.SetVerBotones(buttons);
    QSignalSpy accepted(&popup, &ZCEditorPopup::accepted);
    popup.show();
    QVERIFY(QTest::qWaitForWindowExposed(&popup));
    if (gesture == "return")
        QTest::keyClick(popup.editor(), Qt::Key_Return);
    else if (gesture == "escape")
        QTest::keyClick(&popup, Qt::Key_Escape);
    else if (gesture == "close")
        popup.close();
    else
        [&] {
            for (QPushButton* button : popup.findChildren<QPushButton*>()) {
                if (button->text() == gesture)
                    return button->click();
            }
            QFAIL(qPrintable(gesture));
        }();
    QVERIFY(!popup.isVisible());
    QCOMPARE(popup.accepts, accepts);
    QCOMPARE(accepted.size(), acceptedSignals);
    QCOMPARE(popup.cancels, cancels);
}

void TestZCEditorPopup::popupTakesTheAnchorsWidthAndStaysOnScreen_data()
{
    QTest::addColumn<QPoint>("offset");
    QTest::addColumn<bool>("above");
    QTest::newRow("room below: under the browser") << QPoint(100, 100) << false;
    QTest::newRow("at the bottom right corner: above, inside the screen") << QPoint(-120, -30) << true;
}

void TestZCEditorPopup::popupTakesTheAnchorsWidthAndStaysOnScreen()
{
    QFETCH(QPoint, offset);
    QFETCH(bool, above);
    auto* browser = new ZCEditBrowserStringList;
    Form form(browser, offset);
    browser->SetStringList({QStringLiteral("uno"), QStringLiteral("dos")});
    QTest::keyClick(browser->GetWidgetConFoco(), Qt::Key_F4);
    auto* popup = popupOf<ZCEditorPopupStringList>(*browser);
    QVERIFY(popup && popup->isVisible());
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    const QRect anchor(browser->mapToGlobal(QPoint()), browser->size());
    QVERIFY(popup->width() >= browser->width());
    QVERIFY2(screen.contains(popup->frameGeometry()), qPrintable(QStringLiteral("%1,%2 %3x%4").arg(popup->x()).arg(popup->y()).arg(popup->width()).arg(popup->height())));
    QCOMPARE(popup->y(), above ? anchor.top() - popup->height() : anchor.bottom());
    QVERIFY(popup->editor()->hasFocus() || popup->editor()->isAncestorOf(QApplication::focusWidget()));
}

void TestZCEditorPopup::keepFocusWidgetGetsTheTyping()
{
    QDialog dialog;
    auto* lineEdit = new QLineEdit(&dialog);
    (new QVBoxLayout(&dialog))->addWidget(lineEdit);
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    lineEdit->setFocus();
    CountingPopup popup(&dialog);
    popup.setEditor(new QListWidget);
    popup.SetWidgetMantenerFoco(lineEdit);
    popup.show();
    QVERIFY(QTest::qWaitForWindowExposed(&popup));
    QCOMPARE(popup.focusPolicy(), Qt::NoFocus);

    QTest::keyClicks(&popup, QStringLiteral("ab"));
    QCOMPARE(lineEdit->text(), QStringLiteral("ab"));
    QVERIFY(popup.isVisible());
    // Escape, which the line edit declines, closes the pop-up and not the dialog behind it.
    QTest::keyClick(&popup, Qt::Key_Escape);
    QVERIFY(!popup.isVisible());
    QVERIFY(dialog.isVisible());
    QVERIFY(lineEdit->hasFocus());
}

void TestZCEditorPopup::sizeGripAndResizeKeys()
{
    auto* anchor = new QWidget;
    Form form(anchor);
    CountingPopup popup(anchor);
    popup.setEditor(new QListWidget);
    popup.SetSizeGripEnabled(true);
    QVERIFY(popup.findChild<QSizeGrip*>());
    QCOMPARE(popup.findChildren<QShortcut*>().size(), 4);
    popup.show();
    QVERIFY(QTest::qWaitForWindowActive(&popup));
    const QSize before = popup.size();
    QTest::keyClick(popup.editor(), Qt::Key_Right, Qt::ControlModifier);
    QTest::keyClick(popup.editor(), Qt::Key_Down, Qt::ControlModifier);
    QCOMPARE(popup.size(), before + QSize(3, 3));
    const QSizeGrip* grip = popup.findChild<QSizeGrip*>();
    QCOMPARE(grip->geometry().bottomRight(), popup.rect().bottomRight());
    popup.SetSizeGripEnabled(false);
    QVERIFY(!popup.findChild<QSizeGrip*>());
    QVERIFY(popup.findChildren<QShortcut*>().isEmpty());
}

void TestZCEditorPopup::styleNames_data()
{
    QTest::addColumn<uint>("flags");
    QTest::addColumn<QString>("text");
    QTest::newRow("flags 5: first and third joined") << 5u << "A & C";
    QTest::newRow("flags 0: empty") << 0u << "";
    QTest::newRow("bits beyond the names are ignored") << 0xFAu << "B";
}

void TestZCEditorPopup::styleNames()
{
    QFETCH(uint, flags);
    QFETCH(QString, text);
    ZCEditBrowserEstilos browser;
    browser.setEstilos(flags, {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")}, 7);
    QCOMPARE(browser.text(), text);
    QCOMPARE(browser.getEstilos(), flags);
    QVERIFY(browser.isReadOnly());
}

void TestZCEditorPopup::stylePopupShowsTheCurrentFlagsAgain()
{
    auto* browser = new ZCEditBrowserEstilos;
    Form form(browser);
    const QStringList names{QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")};
    browser->setEstilos(1, names, 7);
    QSignalSpy finished(browser, &ZLineEditBrowser::editingFinished);
    QTest::keyClick(browser->GetWidgetConFoco(), Qt::Key_F4);
    auto* popup = popupOf<ZCEditorPopupEstilos>(*browser);
    QVERIFY(popup);
    popup->findChild<ZCListBoxCheckEstilos*>()->item(2)->setCheckState(Qt::Checked);
    popup->close();  // a click outside a pop-up without buttons accepts it
    QCOMPARE(browser->getEstilos(), 5u);
    QCOMPARE(browser->text(), QStringLiteral("A & C"));
    QCOMPARE(finished.size(), 1);

    // The host changes the value; the pop-up shown again must not write back its old one.
    browser->setEstilos(2, names, 7);
    QTest::keyClick(browser->GetWidgetConFoco(), Qt::Key_F4);
    QCOMPARE(popupOf<ZCEditorPopupEstilos>(*browser), popup);
    QCOMPARE(popup->getEstilos(), 2u);
    popup->close();
    QCOMPARE(browser->getEstilos(), 2u);
    QCOMPARE(browser->text(), QStringLiteral("B"));

    MessageLogCapture log;
    browser->setEstilos(1, QVector<QString>(40, QStringLiteral("x")).toList(), 1);
    QCOMPARE(log.texts(QtWarningMsg).size(), 1);
    QCOMPARE(browser->getEstilos(), 2u);
}

void TestZCEditorPopup::stringListEmptiedIsAChange()
{
    auto* browser = new ZCEditBrowserStringList;
    Form form(browser);
    browser->SetStringList({QStringLiteral("uno")});
    QCOMPARE(browser->text(), QStringLiteral("uno"));
    QSignalSpy finished(browser, &ZLineEditBrowser::editingFinished);
    QTest::keyClick(browser->GetWidgetConFoco(), Qt::Key_F4);
    auto* popup = popupOf<ZCEditorPopupStringList>(*browser);
    auto* list = popup->findChild<QListWidget*>();
    list->setCurrentRow(0);
    for (QAction* action : list->actions()) {
        if (action->text() == QStringLiteral("Eliminar"))
            action->trigger();
    }
    popup->close();
    QCOMPARE(browser->GetStringList(), QStringList());
    QCOMPARE(browser->text(), QString());
    QCOMPARE(finished.size(), 1);

    // A new list from the host reaches the pop-up shown again, and an empty one clears the text.
    browser->SetStringList({QStringLiteral("tres"), QStringLiteral("dos")});
    QTest::keyClick(browser->GetWidgetConFoco(), Qt::Key_F4);
    QStringList shown;
    popup->GetStrings(shown);
    QCOMPARE(shown, (QStringList{"tres", "dos"}));
    popup->close();
    QCOMPARE(browser->GetStringList(), (QStringList{"tres", "dos"}));
    browser->SetStringList({});
    QCOMPARE(browser->text(), QString());
}

void TestZCEditorPopup::fontChangesOnlyWhenConfirmed_data()
{
    QTest::addColumn<bool>("confirm");
    QTest::newRow("confirmed: the new font is shown") << true;
    QTest::newRow("cancelled: nothing changes") << false;
}

void TestZCEditorPopup::fontChangesOnlyWhenConfirmed()
{
    QFETCH(bool, confirm);
    auto* browser = new ZCEditBrowserFont;
    Form form(browser);
    const QFont initial(QStringLiteral("Serif"), 11);
    browser->setFont(initial);
    const QString before = browser->text();
    QCOMPARE(before, initial.toString());
    whenModal([confirm](QWidget* modal) {
        auto* dialog = qobject_cast<QFontDialog*>(modal);
        QVERIFY(dialog);
        QVERIFY(dialog->testOption(QFontDialog::DontUseNativeDialog));
        dialog->setCurrentFont(QFont(QStringLiteral("Serif"), 23));
        confirm ? dialog->accept() : dialog->reject();
    });
    QTest::keyClick(browser->GetWidgetConFoco(), Qt::Key_F4);
    QCOMPARE(browser->getFont().pointSize(), confirm ? 23 : 11);
    QCOMPARE(browser->text() == before, !confirm);
}

void TestZCEditorPopup::pathDialog_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("choose");
    QTest::newRow("empty text: the dialog opens at the dialog folder; cancel") << "" << false;
    QTest::newRow("a path: cancelling leaves text and modified flag") << "/tmp/informe.txt" << false;
    QTest::newRow("a chosen file is an edit") << "" << true;
}

void TestZCEditorPopup::pathDialog()
{
    QFETCH(QString, text);
    QFETCH(bool, choose);
    QTemporaryDir folder;
    auto* browser = new ZFilePathEditBrowser(nullptr, true, false);
    Form form(browser);
    browser->SetInfoOpenDialog(QStringLiteral("Abrir"), folder.path(), QStringLiteral("Textos (*.txt)"));
    browser->setPath(text);
    QSignalSpy edited(browser, &ZLineEditBrowser::textEdited);
    QTest::keyClick(browser->GetWidgetConFoco(), Qt::Key_F4);
    QPointer<ZCFileDialog> dialog = browser->findChild<ZCFileDialog*>();
    QVERIFY(dialog && dialog->isVisible());
    QCOMPARE(dialog->windowModality(), Qt::WindowModal);
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Abrir"));
    if (text.isEmpty())
        QCOMPARE(QDir(dialog->directory()).canonicalPath(), QDir(folder.path()).canonicalPath());
    const QString chosen = folder.filePath(QStringLiteral("nuevo.txt"));
    if (choose)
        emit dialog->fileSelected(chosen);
    dialog->reject();
    QTRY_VERIFY(!dialog);  // deleted on close
    QCOMPARE(browser->getPath(), choose ? chosen : text);
    QCOMPARE(browser->isModified(), choose);
    QCOMPARE(edited.size(), choose ? 1 : 0);
}

void TestZCEditorPopup::menuBrowser()
{
    auto* browser = new ZCEditBrowserMenu;
    Form form(browser, QPoint(100, -30));
    auto* first = new QAction(QStringLiteral("Primera"), browser);
    auto* nested = new QAction(QStringLiteral("Anidada"), browser);
    browser->addAction(first);
    browser->addSeparador();
    QCOMPARE(browser->addSubMenu(QStringLiteral("Más")), 0);
    QCOMPARE(browser->addSubMenu(QIcon(), QStringLiteral("Otras")), 1);
    QVERIFY(browser->addActionToSubMenu(nested, 1));
    QVERIFY(browser->addSeparadorToSubMenu(0));
    QVERIFY(!browser->addActionToSubMenu(nested, 2));
    QVERIFY(!browser->addSeparadorToSubMenu(-1));
    QCOMPARE(first->shortcutContext(), Qt::WidgetShortcut);
    QVERIFY(browser->getLineEdit()->actions().contains(nested));

    QTest::keyClick(browser->GetWidgetConFoco(), Qt::Key_F4);
    QMenu* menu = nullptr;
    for (QObject* widget : MirokitTest::widgetsShowing(first)) {
        if ((menu = qobject_cast<QMenu*>(widget)))
            break;
    }
    QVERIFY(menu);
    QTRY_VERIFY(menu->isVisible());
    // No room under a browser at the bottom of the screen: the menu opens above it.
    QCOMPARE(menu->geometry().bottom(), browser->mapToGlobal(QPoint()).y() - 1);
    menu->close();
}

void TestZCEditorPopup::textBrowserTextAndModifiedFlag_data()
{
    QTest::addColumn<bool>("rich");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("expectEmpty");
    QTest::newRow("plain text is kept as it is") << false << "uno\ndos" << false;
    QTest::newRow("an empty rich document reads as empty") << true << "" << true;
    QTest::newRow("rich text reads as HTML") << true << "<b>negrita</b>" << false;
}

void TestZCEditorPopup::textBrowserTextAndModifiedFlag()
{
    QFETCH(bool, rich);
    QFETCH(QString, text);
    QFETCH(bool, expectEmpty);
    ZCEditBrowserTexto browser(nullptr, rich);
    auto* textBox = browser.findChild<QTextEdit*>();
    QCOMPARE(textBox->isReadOnly(), rich);
    QCOMPARE(browser.focusProxy() == textBox, !rich);
    browser.SetTexto(text);
    QString read;
    browser.GetTexto(read);
    if (expectEmpty)
        QCOMPARE(read, QString());
    else if (rich)
        QVERIFY(MirokitTest::showsInBold(read, QStringLiteral("negrita")));
    else
        QCOMPARE(read, text);
    // Setting the same text again touches nothing but still clears the modified flag.
    browser.SetModified(true);
    QSignalSpy changed(&browser, &ZCEditBrowserTexto::textChanged);
    browser.SetTexto(read);
    QCOMPARE(changed.size(), 0);
    QVERIFY(!browser.IsModified());
}

void TestZCEditorPopup::textBrowserInlineKeys_data()
{
    QTest::addColumn<bool>("inlineEditing");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<int>("blocks");
    QTest::addColumn<bool>("reachesForm");
    QTest::newRow("inline: Return is left to the form") << true << int(Qt::Key_Return) << 0 << 1 << true;
    QTest::newRow("inline: Ctrl+Return starts a paragraph") << true << int(Qt::Key_Return) << int(Qt::ControlModifier) << 2 << false;
    QTest::newRow("not inline: Return is the text box's") << false << int(Qt::Key_Return) << 0 << 2 << false;
}

void TestZCEditorPopup::textBrowserInlineKeys()
{
    QFETCH(bool, inlineEditing);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(int, blocks);
    QFETCH(bool, reachesForm);
    auto* browser = new ZCEditBrowserTexto;
    Form form(browser);
    int atForm = 0;
    struct Counter : QObject {
        int* count;
        explicit Counter(int* c) : count(c) {}
        bool eventFilter(QObject*, QEvent* e) override { if (e->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(e)->key() == Qt::Key_Return) ++*count; return false; }
    } counter(&atForm);
    form.window.installEventFilter(&counter);
    browser->SetEdicionEnLinea(inlineEditing);
    browser->SetTexto(QStringLiteral("uno"));
    auto* textBox = browser->findChild<QTextEdit*>();
    textBox->moveCursor(QTextCursor::End);
    QTest::keyClick(textBox, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(textBox->document()->blockCount(), blocks);
    QCOMPARE(atForm > 0, reachesForm);
}

void TestZCEditorPopup::textBrowserDialogReportsTheChangeOnce()
{
    auto* browser = new ZCEditBrowserTexto(nullptr, false);
    Form form(browser);
    browser->SetTexto(QStringLiteral("antes"));
    QSignalSpy changed(browser, &ZCEditBrowserTexto::textChanged);
    QTest::keyClick(browser->GetWidgetConFoco(), Qt::Key_F4);
    QPointer<ZCDlgTextEditor> dialog = browser->findChild<ZCDlgTextEditor*>();
    QVERIFY(dialog);
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Editor de texto"));
    QCOMPARE(dialog->GetTextEditor()->GetText(), QStringLiteral("antes"));
    dialog->GetTextEditor()->SetText(QStringLiteral("después"));
    dialog->GetTextEditor()->SetModified(true);
    dialog->accept();
    QTRY_VERIFY(!dialog);
    QString text;
    browser->GetTexto(text);
    QCOMPARE(text, QStringLiteral("después"));
    QVERIFY(browser->IsModified());
    QCOMPARE(changed.size(), 1);
}

MIROKIT_TEST_MAIN(TestZCEditorPopup)
#include "tst_zceditorpopup.moc"
