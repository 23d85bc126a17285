#include "mirokittest.h"

#include <Mirokit/ZCBuscarReemplazarEditorTextEdit.h>
#include <Mirokit/ZCAction.h>
#include <Mirokit/ZCBuscarReemplazarWidget.h>
#include <Mirokit/ZCBuscarReemplazarWidgetDlg.h>

#include <QCheckBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QTextEdit>
#include <QVBoxLayout>

#include <memory>

namespace {

enum Action { Buscar, BuscarSiguiente, BuscarAnterior, Reemplazar, ReemplazarTodos, ReIniciar };

// A window with a text editor and the form working on it.
struct Fixture {
    QWidget window;
    QTextEdit* editor = new QTextEdit(&window);
    ZCBuscarReemplazarWidget* form = new ZCBuscarReemplazarWidget(&window);
    std::unique_ptr<ZCBuscarReemplazarEditorTextEdit> adapter =
        std::make_unique<ZCBuscarReemplazarEditorTextEdit>(editor);

    explicit Fixture(const QString& text)
    {
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(editor);
        layout->addWidget(form);
        editor->setPlainText(text);
        form->SetEditor(adapter.get());
    }
    QLineEdit* searchField() const { return form->findChildren<QLineEdit*>().at(0); }
    QLineEdit* replacementField() const { return form->findChildren<QLineEdit*>().at(1); }
    QString message() const { return form->findChild<QStatusBar*>()->currentMessage(); }
    QCheckBox* checkBox(const QString& text) const
    {
        for (QCheckBox* box : form->findChildren<QCheckBox*>()) {
            if (box->text() == text)
                return box;
        }
        return nullptr;
    }
    QPushButton* button(const QString& text) const
    {
        for (QPushButton* candidate : form->findChildren<QPushButton*>()) {
            if (candidate->text() == text)
                return candidate;
        }
        return nullptr;
    }
    void select(int start, int end)
    {
        QTextCursor cursor(editor->document());
        cursor.setPosition(start);
        cursor.setPosition(end, QTextCursor::KeepAnchor);
        editor->setTextCursor(cursor);
    }
    void run(Action action)
    {
        switch (action) {
        case Buscar:
            return button(QStringLiteral("&Buscar"))->click();
        case BuscarSiguiente:
            return form->onBuscarSiguiente();
        case BuscarAnterior:
            return form->onBuscarAnterior();
        case Reemplazar:
            return button(QStringLiteral("&Reemplazar"))->click();
        case ReemplazarTodos:
            return button(QStringLiteral("Reemplazar &todos"))->click();
        case ReIniciar:
            return form->ReIniciar();
        }
    }
};

const QString wrappedAtTheEnd = QStringLiteral("Se ha llegado al final del documento");

} // namespace

class TestZCBuscarReemplazarWidget : public QObject
{
    Q_OBJECT

private slots:
    void fieldsAndOptionsAreSetAndReadFromCode();
    void commandsFromCodeActAsTheUsersDo_data();
    void commandsFromCodeActAsTheUsersDo();
    void statusBarTellsTheOutcome_data();
    void statusBarTellsTheOutcome();
    void wrapMessageGoesAfterOneSecond();
    void everyActionIsAnnounced();
    void reIniciarTakesTheWordUnderTheCursor_data();
    void reIniciarTakesTheWordUnderTheCursor();
    void formHidesAndShowsWithItsEditor_data();
    void formHidesAndShowsWithItsEditor();
    void oneFormFollowsTheEditorItServesNow_data();
    void oneFormFollowsTheEditorItServesNow();
    void nothingHappensOnceTheEditorIsGone_data();
    void nothingHappensOnceTheEditorIsGone();
    void anEditorDroppedOnTheAnnouncementIsLeftAlone_data();
    void anEditorDroppedOnTheAnnouncementIsLeftAlone();
    void actionOpensTheDialogOnTheCurrentWord();
    void shortcutsOpenTheDialogAndRepeatTheSearch_data();
    void shortcutsOpenTheDialogAndRepeatTheSearch();
    void cancelHidesTheDialog();
};

void TestZCBuscarReemplazarWidget::fieldsAndOptionsAreSetAndReadFromCode()
{
    using W = ZCBuscarReemplazarWidget;
    Fixture fixture{QString()};
    ZCBuscarReemplazarWidget* form = fixture.form;
    QCOMPARE(form->GetOpciones(), W::EOpcionesBuscar(W::DarLaVuelta));

    form->SetTextoBuscar(QStringLiteral("uno"));
    form->SetTextoReemplazar(QStringLiteral("dos"));
    form->SetOpciones(W::CoincidirMayusculas | W::ExpresionRegular | W::HaciaAtras);
    QCOMPARE(form->findChild<QLineEdit*>(QStringLiteral("textoBuscar"))->text(), QStringLiteral("uno"));
    QCOMPARE(form->findChild<QLineEdit*>(QStringLiteral("textoReemplazar"))->text(), QStringLiteral("dos"));
    const QStringList boxes{"mayusculas", "palabrasCompletas", "haciaAtras", "expresionRegular", "darLaVuelta"};
    QStringList checked;
    for (const QString& name : boxes) {
        if (form->findChild<QCheckBox*>(name)->isChecked())
            checked.append(name);
    }
    QCOMPARE(checked, (QStringList{"mayusculas", "haciaAtras", "expresionRegular"}));

    // What the user ticks is what code reads.
    fixture.checkBox(QStringLiteral("Palabras completas"))->setChecked(true);
    form->SetOpcion(W::ExpresionRegular, false);
    const W::EOpcionesBuscar expected = W::CoincidirMayusculas | W::PalabrasCompletas | W::HaciaAtras;
    QCOMPARE(form->GetOpciones(), expected);
    QCOMPARE(form->property("textoBuscar").toString(), QStringLiteral("uno"));
    for (const char* name : {"botonBuscar", "botonReemplazar", "botonReemplazarTodos"})
        QVERIFY(form->findChild<QPushButton*>(QLatin1String(name)));
    QVERIFY(form->findChild<QStatusBar*>(QStringLiteral("estado")));
}

void TestZCBuscarReemplazarWidget::commandsFromCodeActAsTheUsersDo_data()
{
    using W = ZCBuscarReemplazarWidget;
    QTest::addColumn<QString>("document");
    QTest::addColumn<QString>("search");
    QTest::addColumn<int>("options");
    QTest::addColumn<int>("action");
    QTest::addColumn<int>("result");       // what the call returns, a bool as 0 or 1 but for ReemplazarTodos
    QTest::addColumn<QList<int>>("found");  // what encontrado() reported
    QTest::addColumn<int>("replaced");     // what reemplazados() reported, -1 nothing
    QTest::addColumn<QString>("text");     // the document afterwards, the selection in brackets
    QTest::addColumn<QString>("message");

    const int wrap = W::DarLaVuelta;
    QTest::newRow("finding selects the next match") << "uno dos uno" << "uno" << wrap << int(BuscarSiguiente) << 1
                                                    << QList<int>{1} << -1 << "uno dos [uno]" << "";
    QTest::newRow("finding backwards goes round the beginning")
        << "uno dos uno" << "dos" << wrap << int(BuscarAnterior) << 1 << QList<int>{1} << -1 << "uno [dos] uno"
        << "Se ha llegado al principio del documento";
    QTest::newRow("Buscar goes the way the options say") << "uno dos uno" << "uno" << (wrap | W::HaciaAtras)
                                                         << int(Buscar) << 1 << QList<int>{1} << -1
                                                         << "[uno] dos uno" << "";
    QTest::newRow("a text that does not occur is reported") << "uno dos" << "tres" << wrap << int(Buscar) << 0
                                                            << QList<int>{0} << -1 << "uno dos"
                                                            << "No se puede encontrar el texto \"tres\"";
    QTest::newRow("without wrapping the end is not passed") << "uno dos tres" << "uno" << 0 << int(BuscarSiguiente)
                                                            << 0 << QList<int>{0} << -1 << "uno dos tres"
                                                            << "No se puede encontrar el texto \"uno\"";
    QTest::newRow("an expression finds its match") << "uno d1s d2s" << "d\\ds" << (wrap | W::ExpresionRegular)
                                                   << int(Buscar) << 1 << QList<int>{1} << -1 << "uno [d1s] d2s"
                                                   << "";
    QTest::newRow("a broken expression says why and finds nothing")
        << "uno (" << "(" << (wrap | W::ExpresionRegular) << int(Buscar) << 0 << QList<int>{0} << -1 << "uno ("
        << "La expresión regular no es válida: missing closing parenthesis";
    QTest::newRow("replacing replaces the match and selects the next one")
        << "uno dos uno" << "uno" << wrap << int(Reemplazar) << 1 << QList<int>{1} << 1 << "x dos [uno]" << "";
    QTest::newRow("replacing everything counts the changes") << "uno dos uno" << "uno" << wrap
                                                             << int(ReemplazarTodos) << 2 << QList<int>{} << 2
                                                             << "x dos x" << "2 coincidencias cambiadas";
}

void TestZCBuscarReemplazarWidget::commandsFromCodeActAsTheUsersDo()
{
    QFETCH(QString, document);
    QFETCH(QString, search);
    QFETCH(int, options);
    QFETCH(int, action);
    QFETCH(int, result);
    QFETCH(QList<int>, found);
    QFETCH(int, replaced);
    QFETCH(QString, text);
    QFETCH(QString, message);

    Fixture fixture(document);
    ZCBuscarReemplazarWidget* form = fixture.form;
    form->SetTextoBuscar(search);
    form->SetTextoReemplazar(QStringLiteral("x"));
    form->SetOpciones(ZCBuscarReemplazarWidget::EOpcionesBuscar(options));
    // The first match is selected, as a user who found it before replacing has it.
    if (action == Reemplazar)
        fixture.select(0, 3);
    else
        fixture.select(4, 4);
    QSignalSpy foundSpy(form, &ZCBuscarReemplazarWidget::encontrado);
    QSignalSpy replacedSpy(form, &ZCBuscarReemplazarWidget::reemplazados);

    int returned = 0;
    switch (action) {
    case Buscar:
        returned = form->Buscar();
        break;
    case BuscarSiguiente:
        returned = form->BuscarSiguiente();
        break;
    case BuscarAnterior:
        returned = form->BuscarAnterior();
        break;
    case Reemplazar:
        returned = form->Reemplazar();
        break;
    case ReemplazarTodos:
        returned = form->ReemplazarTodos();
        break;
    }
    QCOMPARE(returned, result);
    QList<int> reported;
    for (const QList<QVariant>& arguments : qAsConst(foundSpy))
        reported.append(arguments.at(0).toBool() ? 1 : 0);
    QCOMPARE(reported, found);
    QCOMPARE(replacedSpy.isEmpty() ? -1 : replacedSpy.constLast().at(0).toInt(), replaced);
    QString marked = fixture.editor->toPlainText();
    const QTextCursor cursor = fixture.editor->textCursor();
    if (cursor.hasSelection())
        marked.insert(cursor.selectionEnd(), QLatin1Char(']')).insert(cursor.selectionStart(), QLatin1Char('['));
    QCOMPARE(marked, text);
    QCOMPARE(fixture.message(), message);
}

void TestZCBuscarReemplazarWidget::statusBarTellsTheOutcome_data()
{
    QTest::addColumn<QString>("document");
    QTest::addColumn<int>("selectionStart");
    QTest::addColumn<int>("selectionEnd");
    QTest::addColumn<QString>("search");
    QTest::addColumn<bool>("backwardsBox");
    QTest::addColumn<int>("action");
    QTest::addColumn<QString>("message");

    QTest::newRow("a match found straight away says nothing") << "uno dos" << 0 << 0 << "dos" << false
                                                             << int(BuscarSiguiente) << "";
    QTest::newRow("passing the end says so") << "uno dos" << 4 << 7 << "uno" << false << int(BuscarSiguiente)
                                             << wrappedAtTheEnd;
    QTest::newRow("passing the beginning says so") << "uno dos" << 0 << 3 << "dos" << false
                                                   << int(BuscarAnterior)
                                                   << "Se ha llegado al principio del documento";
    QTest::newRow("Buscar searches backwards when the box is ticked")
        << "uno dos" << 0 << 3 << "dos" << true << int(Buscar) << "Se ha llegado al principio del documento";
    QTest::newRow("F3 searches forwards whatever the box says") << "uno dos" << 4 << 7 << "uno" << true
                                                                << int(BuscarSiguiente) << wrappedAtTheEnd;
    QTest::newRow("a text that does not occur is named") << "uno dos" << 0 << 0 << "tres" << false << int(Buscar)
                                                         << "No se puede encontrar el texto \"tres\"";
    QTest::newRow("replacing the last match reports the search after it")
        << "uno dos" << 0 << 3 << "uno" << false << int(Reemplazar) << "No se puede encontrar el texto \"uno\"";
    QTest::newRow("replacing everything counts the changes")
        << "uno dos uno uno" << 5 << 5 << "uno" << false << int(ReemplazarTodos) << "3 coincidencias cambiadas";
}

void TestZCBuscarReemplazarWidget::statusBarTellsTheOutcome()
{
    QFETCH(QString, document);
    QFETCH(int, selectionStart);
    QFETCH(int, selectionEnd);
    QFETCH(QString, search);
    QFETCH(bool, backwardsBox);
    QFETCH(int, action);
    QFETCH(QString, message);

    Fixture fixture(document);
    fixture.select(selectionStart, selectionEnd);
    fixture.searchField()->setText(search);
    fixture.replacementField()->setText(QStringLiteral("x"));
    fixture.checkBox(QStringLiteral("Hacia atras"))->setChecked(backwardsBox);
    fixture.run(Action(action));
    QCOMPARE(fixture.message(), message);
}

void TestZCBuscarReemplazarWidget::wrapMessageGoesAfterOneSecond()
{
    Fixture fixture(QStringLiteral("uno dos"));
    fixture.select(4, 7);
    fixture.searchField()->setText(QStringLiteral("uno"));
    fixture.run(BuscarSiguiente);
    QCOMPARE(fixture.message(), wrappedAtTheEnd);
    QTRY_VERIFY_WITH_TIMEOUT(fixture.message().isEmpty(), 1500);
}

void TestZCBuscarReemplazarWidget::everyActionIsAnnounced()
{
    Fixture fixture(QStringLiteral("uno dos uno"));
    fixture.searchField()->setText(QStringLiteral("uno"));
    QSignalSpy announced(fixture.form, &ZCBuscarReemplazarWidget::preBuscarReemplazar);
    for (Action action : {Buscar, BuscarSiguiente, BuscarAnterior, Reemplazar, ReemplazarTodos, ReIniciar})
        fixture.run(action);
    QCOMPARE(announced.count(), 6);
}

void TestZCBuscarReemplazarWidget::reIniciarTakesTheWordUnderTheCursor_data()
{
    QTest::addColumn<QString>("document");
    QTest::addColumn<int>("cursor");
    QTest::addColumn<QString>("search");

    QTest::newRow("the word under the cursor") << "uno canción tres" << 6 << "canción";
    QTest::newRow("no word keeps the previous search") << "" << 0 << "anterior";
}

void TestZCBuscarReemplazarWidget::reIniciarTakesTheWordUnderTheCursor()
{
    QFETCH(QString, document);
    QFETCH(int, cursor);
    QFETCH(QString, search);

    Fixture fixture(document);
    fixture.window.show();
    QVERIFY(QTest::qWaitForWindowActive(&fixture.window));
    fixture.select(cursor, cursor);
    fixture.searchField()->setText(QStringLiteral("anterior"));
    fixture.run(ReIniciar);
    QCOMPARE(fixture.searchField()->text(), search);
    QCOMPARE(fixture.searchField()->selectedText(), search);
    QVERIFY(fixture.searchField()->hasFocus());
    QVERIFY(fixture.button(QStringLiteral("&Buscar"))->isDefault());
    if (!document.isEmpty())
        QCOMPARE(fixture.editor->textCursor().selectedText(), search);
}

void TestZCBuscarReemplazarWidget::formHidesAndShowsWithItsEditor_data()
{
    QTest::addColumn<bool>("inDialog");
    QTest::addColumn<bool>("shownBefore");

    QTest::newRow("a form beside its editor goes and comes back") << false << true;
    QTest::newRow("a dialog goes and comes back with the editor") << true << true;
    QTest::newRow("a closed dialog stays closed when the editor comes back") << true << false;
}

void TestZCBuscarReemplazarWidget::formHidesAndShowsWithItsEditor()
{
    QFETCH(bool, inDialog);
    QFETCH(bool, shownBefore);

    Fixture fixture(QStringLiteral("uno"));
    QDialog dialog(&fixture.window);
    QWidget* shown = fixture.form;
    if (inDialog) {
        (new QVBoxLayout(&dialog))->addWidget(fixture.form);
        fixture.form->SetDlgBuscarReemplazar(&dialog);
        shown = &dialog;
    }
    fixture.window.show();
    shown->setVisible(shownBefore);

    fixture.editor->hide();
    QVERIFY(!shown->isVisible());
    fixture.editor->show();
    QCOMPARE(shown->isVisible(), shownBefore);
}

void TestZCBuscarReemplazarWidget::oneFormFollowsTheEditorItServesNow_data()
{
    QTest::addColumn<bool>("switchTabFirst");
    QTest::addColumn<bool>("inDialog");

    QTest::newRow("a panel hidden with its tab comes back for the visible editor it is given") << true << false;
    QTest::newRow("a panel given the editor of a hidden tab waits for that tab") << false << false;
    QTest::newRow("a dialog hidden with its tab comes back for the visible editor it is given") << true << true;
}

void TestZCBuscarReemplazarWidget::oneFormFollowsTheEditorItServesNow()
{
    QFETCH(bool, switchTabFirst);
    QFETCH(bool, inDialog);

    // One form for the editors of two tabs, as a host with one find panel per window has it.
    QWidget window;
    auto* tabs = new QTabWidget(&window);
    auto* form = new ZCBuscarReemplazarWidget(&window);
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(tabs);
    QDialog dialog(&window);
    QWidget* shown = form;
    if (inDialog) {
        (new QVBoxLayout(&dialog))->addWidget(form);
        form->SetDlgBuscarReemplazar(&dialog);
        shown = &dialog;
    } else {
        layout->addWidget(form);
    }
    QTextEdit* editors[] = {new QTextEdit, new QTextEdit};
    tabs->addTab(editors[0], QStringLiteral("uno"));
    tabs->addTab(editors[1], QStringLiteral("dos"));
    ZCBuscarReemplazarEditorTextEdit first(editors[0]);
    ZCBuscarReemplazarEditorTextEdit second(editors[1]);
    form->SetEditor(&first);
    window.show();
    shown->show();
    QVERIFY(form->isVisible());

    if (switchTabFirst) {
        tabs->setCurrentIndex(1);
        QVERIFY(!shown->isVisible());
        form->SetEditor(&second);
    } else {
        form->SetEditor(&second);
        QVERIFY(!shown->isVisible());
        tabs->setCurrentIndex(1);
    }
    QVERIFY(shown->isVisible());

    // Back on the first tab: the form served the second editor and hid with it.
    tabs->setCurrentIndex(0);
    QVERIFY(!shown->isVisible());
    form->SetEditor(&first);
    QVERIFY(shown->isVisible());
}

void TestZCBuscarReemplazarWidget::nothingHappensOnceTheEditorIsGone_data()
{
    QTest::addColumn<bool>("adapterDeleted");
    QTest::newRow("the editor is deleted") << false;
    QTest::newRow("the adapter is deleted") << true;
}

void TestZCBuscarReemplazarWidget::nothingHappensOnceTheEditorIsGone()
{
    QFETCH(bool, adapterDeleted);

    Fixture fixture(QStringLiteral("uno"));
    fixture.searchField()->setText(QStringLiteral("uno"));
    if (adapterDeleted)
        fixture.adapter.reset();
    else
        delete fixture.editor;
    QSignalSpy announced(fixture.form, &ZCBuscarReemplazarWidget::preBuscarReemplazar);
    for (Action action : {Buscar, BuscarSiguiente, BuscarAnterior, Reemplazar, ReemplazarTodos, ReIniciar})
        fixture.run(action);
    QCOMPARE(announced.count(), 0);
    QCOMPARE(fixture.message(), QString());
    // A new editor is taken up as usual.
    QTextEdit other;
    other.setPlainText(QStringLiteral("dos uno"));
    ZCBuscarReemplazarEditorTextEdit otherAdapter(&other);
    fixture.form->SetEditor(&otherAdapter);
    fixture.run(BuscarSiguiente);
    QCOMPARE(other.textCursor().selectedText(), QStringLiteral("uno"));
}

void TestZCBuscarReemplazarWidget::anEditorDroppedOnTheAnnouncementIsLeftAlone_data()
{
    QTest::addColumn<int>("action");
    QTest::newRow("search") << int(Buscar);
    QTest::newRow("search forwards") << int(BuscarSiguiente);
    QTest::newRow("search backwards") << int(BuscarAnterior);
    QTest::newRow("replace") << int(Reemplazar);
    QTest::newRow("replace all") << int(ReemplazarTodos);
    QTest::newRow("restart") << int(ReIniciar);
}

void TestZCBuscarReemplazarWidget::anEditorDroppedOnTheAnnouncementIsLeftAlone()
{
    QFETCH(int, action);
    Fixture fixture(QStringLiteral("uno"));
    fixture.searchField()->setText(QStringLiteral("uno"));
    // A host that points the form at the current document may find none.
    connect(fixture.form, &ZCBuscarReemplazarWidget::preBuscarReemplazar, fixture.form,
            [&fixture] { fixture.form->SetEditor(nullptr); });
    fixture.run(Action(action));
    QCOMPARE(fixture.editor->toPlainText(), QStringLiteral("uno"));
    QVERIFY(!fixture.editor->textCursor().hasSelection());
}

void TestZCBuscarReemplazarWidget::actionOpensTheDialogOnTheCurrentWord()
{
    QTextEdit editor;
    editor.setPlainText(QStringLiteral("uno dos"));
    ZCBuscarReemplazarEditorTextEdit adapter(&editor);
    ZCBuscarReemplazarWidgetDlg dialog;
    dialog.SetEditor(&adapter);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Buscar y reemplazar"));

    ZCAction* action = dialog.CreateAccion();
    QCOMPARE(action->text(), QStringLiteral("Buscar / Reemplazar"));
    QVERIFY(!action->icon().isNull());
    QCOMPARE(action->shortcut(), QKeySequence(QKeySequence::Find));
    QCOMPARE(action->shortcutContext(), Qt::WidgetWithChildrenShortcut);
    QCOMPARE(action->toolTip(), QStringLiteral("Buscar / Reemplazar (%1)")
                                    .arg(QKeySequence(QKeySequence::Find).toString(QKeySequence::NativeText)));

    QSignalSpy activated(&dialog, &ZCBuscarReemplazarWidgetDlg::findActivado);
    action->trigger();
    QVERIFY(dialog.isVisible());
    QCOMPARE(activated.count(), 1);
    QCOMPARE(dialog.GetWidgetBuscarReemplazar()->findChild<QLineEdit*>()->text(), QStringLiteral("uno"));
}

void TestZCBuscarReemplazarWidget::shortcutsOpenTheDialogAndRepeatTheSearch_data()
{
    QTest::addColumn<QKeySequence>("keys");
    QTest::addColumn<bool>("editorDeleted");
    QTest::addColumn<bool>("dialogShown");
    QTest::addColumn<QString>("selection");

    QTest::newRow("Find opens the dialog") << QKeySequence(QKeySequence::Find) << false << true << "dos";
    QTest::newRow("F3 finds the next match") << QKeySequence(Qt::Key_F3) << false << false << "uno dos [uno]";
    QTest::newRow("Shift+F3 finds the previous match") << QKeySequence(Qt::SHIFT | Qt::Key_F3) << false << false
                                                       << "[uno] dos uno";
    QTest::newRow("F3 once the editor is deleted does nothing") << QKeySequence(Qt::Key_F3) << true << false << "";
}

void TestZCBuscarReemplazarWidget::shortcutsOpenTheDialogAndRepeatTheSearch()
{
    QFETCH(QKeySequence, keys);
    QFETCH(bool, editorDeleted);
    QFETCH(bool, dialogShown);
    QFETCH(QString, selection);

    Fixture fixture(QStringLiteral("uno dos uno"));
    fixture.select(5, 5);
    ZCBuscarReemplazarWidgetDlg dialog(&fixture.window);
    dialog.SetEditor(fixture.adapter.get());
    dialog.GetWidgetBuscarReemplazar()->findChild<QLineEdit*>()->setText(QStringLiteral("uno"));
    dialog.CreateShortcuts(&fixture.window);
    QSignalSpy announced(dialog.GetWidgetBuscarReemplazar(), &ZCBuscarReemplazarWidget::preBuscarReemplazar);
    fixture.window.show();
    QVERIFY(QTest::qWaitForWindowActive(&fixture.window));
    QWidget* focused = fixture.searchField();
    if (editorDeleted)
        delete fixture.editor;
    else
        focused = fixture.editor;
    focused->setFocus();

    QTest::keySequence(focused, keys);
    QCOMPARE(dialog.isVisible(), dialogShown);
    if (editorDeleted) {
        QCOMPARE(announced.count(), 0);
        return;
    }
    QCOMPARE(announced.count(), 1);
    const QTextCursor cursor = fixture.editor->textCursor();
    QString marked = fixture.editor->toPlainText();
    if (!dialogShown)
        marked.insert(cursor.selectionEnd(), QLatin1Char(']')).insert(cursor.selectionStart(), QLatin1Char('['));
    QCOMPARE(dialogShown ? cursor.selectedText() : marked, selection);
}

void TestZCBuscarReemplazarWidget::cancelHidesTheDialog()
{
    ZCBuscarReemplazarWidgetDlg dialog;
    dialog.show();
    QPushButton* cancelar = nullptr;
    for (QPushButton* button : dialog.findChildren<QPushButton*>()) {
        if (button->text() == QStringLiteral("&Cancelar"))
            cancelar = button;
    }
    QVERIFY(cancelar);
    cancelar->click();
    QVERIFY(!dialog.isVisible());
}

MIROKIT_TEST_MAIN(TestZCBuscarReemplazarWidget)
#include "tst_zcbuscarreemplazarwidget.moc"
