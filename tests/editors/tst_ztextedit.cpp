#include "mirokittest.h"

#include <Mirokit/ZCDlgTextEditor.h>
#include <Mirokit/ZCSettings.h>
#include <Mirokit/ZCTextEdit.h>
#include <Mirokit/ZTextEdit.h>

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QFontDatabase>
#include <QLineEdit>
#include <QSet>
#include <QTextBlock>
#include <QTextList>
#include <QToolBar>
#include <QVBoxLayout>

namespace {

bool shown(const ZTextEdit& editor, const QString& title)
{
    for (const QToolBar* toolBar : editor.findChildren<QToolBar*>()) {
        if (toolBar->windowTitle() == title)
            return !toolBar->isHidden();
    }
    return false;
}

QAction* action(const ZTextEdit& editor, const QString& text)
{
    for (QAction* action : editor.GetTextEdit()->actions()) {
        if (action->text() == text)
            return action;
    }
    return nullptr;
}

const QStringList formattingToolBars{"Estilo", "Formato", "Alineacion", "Numeración y viñetas"};
const QStringList formattingActions{"&Negrita", "&Cursiva", "&Subrayado", "&Color...",
                                    "Iz&quierda", "&Justificado", "&Numeración", "&Viñetas"};
const QStringList editingActions = formattingActions + QStringList{"&Deshacer", "&Rehacer", "Cor&tar", "&Pegar"};

void expectFormattingTools(const ZTextEdit& editor, bool visible)
{
    for (const QString& title : formattingToolBars)
        QVERIFY2(shown(editor, title) == visible, qPrintable(title));
    for (const QString& text : formattingActions)
        QVERIFY2(action(editor, text)->isVisible() == visible, qPrintable(text));
}

void placeCursorInBlock(ZTextEdit& editor, int blockNumber)
{
    editor.GetTextEdit()->setTextCursor(QTextCursor(editor.GetTextEdit()->document()->findBlockByNumber(blockNumber)));
}

} // namespace

class TestZTextEdit : public QObject
{
    Q_OBJECT

private slots:
    void textDependsOnTheMode_data();
    void textDependsOnTheMode();
    void anUneditedRichTextComesBackTheSame_data();
    void anUneditedRichTextComesBackTheSame();
    void formattingToolsFollowTheModeAndTheSwitches();
    void toolBarsWrapSoEveryCommandStaysInView_data();
    void toolBarsWrapSoEveryCommandStaysInView();
    void readOnlyDisablesEditingAndGivesItBack();
    void readOnlyUnchangedLeavesEveryToolAlone_data();
    void readOnlyUnchangedLeavesEveryToolAlone();

    void alignmentActionFollowsTheCursor();
    void listsFromTheToolBar();
    void boldFollowsTheCursorAndTheAction();
    void textSizeIgnoresWhatNoFontCanTake_data();
    void textSizeIgnoresWhatNoFontCanTake();

    void tabMovesFocusOnlyWhenAsked();
    void editorDialogTakesShortcutsAndAcceptsWithCtrlReturn_data();
    void editorDialogTakesShortcutsAndAcceptsWithCtrlReturn();
};

void TestZTextEdit::textDependsOnTheMode_data()
{
    QTest::addColumn<bool>("rich");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("mustContain");  // empty: the text must be empty
    QTest::addColumn<QString>("boldWord");     // a word the text must show in bold
    QTest::newRow("empty rich document reads as empty text") << true << "<p><b></b></p>" << "" << "";
    QTest::newRow("rich keeps formatting") << true << "<p>uno <b>dos</b></p>" << "dos" << "dos";
    QTest::newRow("rich keeps plain words plain") << true << "<p><b>uno</b> dos</p>" << "dos" << "uno";
    QTest::newRow("plain keeps markup as text") << false << "<b>dos</b>" << "<b>dos</b>" << "";
}

void TestZTextEdit::textDependsOnTheMode()
{
    QFETCH(bool, rich);
    QFETCH(QString, input);
    QFETCH(QString, mustContain);
    QFETCH(QString, boldWord);
    ZTextEdit editor;
    editor.SetAceptaTextoEnriquecido(rich);
    editor.SetModified(true);
    editor.SetText(input);
    QVERIFY(!editor.IsModified());
    if (mustContain.isEmpty())
        QCOMPARE(editor.GetText(), QString());
    else
        QVERIFY2(editor.GetText().contains(mustContain), qPrintable(editor.GetText()));
    if (!boldWord.isEmpty()) {
        QVERIFY2(MirokitTest::showsInBold(editor.GetText(), boldWord), qPrintable(editor.GetText()));
        if (boldWord != mustContain)
            QVERIFY(!MirokitTest::showsInBold(editor.GetText(), mustContain));
    }
}

void TestZTextEdit::anUneditedRichTextComesBackTheSame_data()
{
    QTest::addColumn<QString>("html");
    const QString installed = QFontDatabase().families().value(0);
    QTest::newRow("a first word in a family this machine lacks")
        << "<p><span style=\"font-family:'Familia Inexistente';\">Hola</span> mundo</p>";
    QTest::newRow("a first word in an installed family")
        << QStringLiteral("<p><span style=\"font-family:'%1';\">Hola</span> mundo</p>").arg(installed);
    QTest::newRow("a first word with families to fall back on")
        << "<p><span style=\"font-family:'Familia Inexistente','Otra Familia';\">Hola</span> mundo</p>";
    QTest::newRow("a first word with a size of its own") << "<p><span style=\"font-size:14pt;\">Hola</span> mundo</p>";
    QTest::newRow("a text with no font of its own") << "<p>Hola <b>mundo</b></p>";
}

// Opened and saved with no edit in between, a text is what a bare text box makes of it, and
// typing goes on in the family of its first character.
void TestZTextEdit::anUneditedRichTextComesBackTheSame()
{
    QFETCH(QString, html);
    ZTextEdit editor;
    editor.SetText(html);
    QTextEdit reference;
    reference.setFont(editor.GetTextEdit()->font());
    reference.setHtml(html);
    QCOMPARE(editor.GetText(), reference.toHtml());
    const QTextCharFormat first = QTextCursor(reference.document()).block().begin().fragment().charFormat();
    QCOMPARE(editor.GetTextEdit()->currentCharFormat().font().family(), first.font().family());
}

void TestZTextEdit::formattingToolsFollowTheModeAndTheSwitches()
{
    ZTextEdit editor;
    editor.SetAceptaTextoEnriquecido(false);
    expectFormattingTools(editor, false);
    QVERIFY(shown(editor, QStringLiteral("Edición")));
    QVERIFY(action(editor, QStringLiteral("&Copiar"))->isVisible());
    editor.SetAceptaTextoEnriquecido(true);
    expectFormattingTools(editor, true);

    // With all tool bars hidden, showing one keeps it hidden but brings its actions back.
    editor.hideAllToolBars();
    QVERIFY(!shown(editor, QStringLiteral("Edición")));
    editor.showStyleToolBar();
    QVERIFY(!shown(editor, QStringLiteral("Estilo")));
    QVERIFY(action(editor, QStringLiteral("&Negrita"))->isVisible());
    editor.showAllToolBars();
    editor.hideStyleToolBar();
    QVERIFY(!action(editor, QStringLiteral("&Negrita"))->isVisible());
    editor.showStyleToolBar();
    QVERIFY(shown(editor, QStringLiteral("Estilo")));
}

void TestZTextEdit::toolBarsWrapSoEveryCommandStaysInView_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<bool>("oneRow");

    QTest::newRow("a narrow editor puts its tool bars on further rows") << 500 << false;
    QTest::newRow("a very narrow editor still shows every command") << 320 << false;
    QTest::newRow("a wide editor keeps them on one row") << 1200 << true;
}

void TestZTextEdit::toolBarsWrapSoEveryCommandStaysInView()
{
    QFETCH(int, width);
    QFETCH(bool, oneRow);

    ZTextEdit editor;
    editor.resize(width, 400);
    editor.show();
    QVERIFY(QTest::qWaitForWindowExposed(&editor));
    // Hiding a tool bar and showing it again wraps the rows anew.
    editor.hideStyleToolBar();
    editor.showStyleToolBar();
    QCoreApplication::processEvents();

    QSet<int> rows;
    const QList<QToolBar*> toolBars = editor.findChildren<QToolBar*>();
    QCOMPARE(toolBars.size(), 5);
    for (const QToolBar* toolBar : toolBars) {
        QVERIFY2(toolBar->isVisible(), qPrintable(toolBar->windowTitle()));
        rows.insert(toolBar->y());
        // The extension button is how a tool bar shows that commands did not fit.
        const auto* extension = toolBar->findChild<QWidget*>(QStringLiteral("qt_toolbar_ext_button"));
        QVERIFY2(!extension || !extension->isVisible(), qPrintable(toolBar->windowTitle()));
        QVERIFY2(toolBar->geometry().right() < editor.width(), qPrintable(toolBar->windowTitle()));
    }
    QCOMPARE(rows.size() == 1, oneRow);
}

void TestZTextEdit::readOnlyDisablesEditingAndGivesItBack()
{
    QApplication::clipboard()->setText(QStringLiteral("portapapeles"));
    ZTextEdit editor;
    editor.SetText(QStringLiteral("algo de texto"));
    editor.GetTextEdit()->selectAll();

    editor.SetReadOnly(true);
    for (const QString& text : editingActions)
        QVERIFY2(!action(editor, text)->isEnabled(), qPrintable(text));
    QVERIFY(action(editor, QStringLiteral("&Copiar"))->isEnabled());
    for (const QComboBox* box : editor.findChildren<QComboBox*>())
        QVERIFY(!box->isEnabled());
    // Text a script adds meanwhile must not give the user a way to take it out again.
    editor.append(QStringLiteral("añadido"));
    QVERIFY(!action(editor, QStringLiteral("&Deshacer"))->isEnabled());

    editor.SetReadOnly(false);
    // Undo and redo come back even with nothing to undo.
    for (const QString& text : editingActions)
        QVERIFY2(action(editor, text)->isEnabled(), qPrintable(text));
}

void TestZTextEdit::readOnlyUnchangedLeavesEveryToolAlone_data()
{
    QTest::addColumn<bool>("readOnly");
    QTest::addColumn<bool>("typed");

    QTest::newRow("editable, nothing to undo") << false << false;
    QTest::newRow("editable, something to undo") << false << true;
    QTest::newRow("read-only, nothing to undo") << true << false;
    QTest::newRow("read-only, something to undo") << true << true;
}

void TestZTextEdit::readOnlyUnchangedLeavesEveryToolAlone()
{
    QFETCH(bool, readOnly);
    QFETCH(bool, typed);
    ZTextEdit editor;
    editor.SetText(QStringLiteral("algo de texto"));
    QVERIFY2(!action(editor, QStringLiteral("&Deshacer"))->isEnabled(), "a new text leaves nothing to undo");
    if (typed)
        QTest::keyClicks(editor.GetTextEdit(), QStringLiteral("mas"));
    editor.SetReadOnly(readOnly);

    const auto toolStates = [&editor] {
        QVector<bool> states;
        for (const QAction* action : editor.GetTextEdit()->actions())
            states << action->isEnabled();
        for (const QComboBox* box : editor.findChildren<QComboBox*>())
            states << box->isEnabled();
        return states;
    };
    const QVector<bool> before = toolStates();
    editor.SetReadOnly(readOnly);
    QCOMPARE(toolStates(), before);
    QCOMPARE(action(editor, QStringLiteral("&Deshacer"))->isEnabled(), typed && !readOnly);
}

void TestZTextEdit::alignmentActionFollowsTheCursor()
{
    ZTextEdit editor;
    editor.SetText(QStringLiteral("<p align=\"right\">derecha</p><p align=\"center\">centro</p><p align=\"justify\">j</p>"));
    const QStringList expected{QStringLiteral("&Derecha"), QStringLiteral("C&entro"), QStringLiteral("&Justificado")};
    for (int block = 0; block < expected.size(); ++block) {
        placeCursorInBlock(editor, block);
        QVERIFY2(action(editor, expected.at(block))->isChecked(), qPrintable(expected.at(block)));
    }
    placeCursorInBlock(editor, 0);
    action(editor, QStringLiteral("Iz&quierda"))->trigger();
    QVERIFY(editor.GetTextEdit()->alignment() & Qt::AlignLeft);
}

void TestZTextEdit::listsFromTheToolBar()
{
    ZTextEdit editor;
    editor.SetText(QStringLiteral("<p>uno</p><p>dos</p>"));
    placeCursorInBlock(editor, 1);
    QAction* numbering = action(editor, QStringLiteral("&Numeración"));
    QAction* bullets = action(editor, QStringLiteral("&Viñetas"));
    const auto currentList = [&editor] { return editor.GetTextEdit()->textCursor().currentList(); };

    numbering->trigger();
    QVERIFY(currentList());
    QCOMPARE(currentList()->format().style(), QTextListFormat::ListDecimal);
    QCOMPARE(currentList()->format().indent(), 1);
    bullets->trigger();
    QVERIFY(currentList());
    QCOMPARE(currentList()->format().style(), QTextListFormat::ListCircle);
    QVERIFY(bullets->isChecked() && !numbering->isChecked());

    // Pressing the checked style again takes the paragraph out of the list.
    bullets->trigger();
    QVERIFY(!bullets->isChecked());
    QCOMPARE(currentList(), nullptr);
    placeCursorInBlock(editor, 0);
    QVERIFY(!numbering->isChecked() && !bullets->isChecked());
}

void TestZTextEdit::boldFollowsTheCursorAndTheAction()
{
    ZTextEdit editor;
    editor.SetText(QStringLiteral("<p>normal <b>negrita</b></p>"));
    QTextCursor cursor = editor.GetTextEdit()->textCursor();
    cursor.setPosition(10);
    editor.GetTextEdit()->setTextCursor(cursor);
    QAction* bold = action(editor, QStringLiteral("&Negrita"));
    QVERIFY(bold->isChecked());

    cursor.setPosition(2);
    editor.GetTextEdit()->setTextCursor(cursor);
    QVERIFY(!bold->isChecked());
    bold->trigger();
    // Without a selection the word under the cursor takes the format.
    cursor.setPosition(3);
    QCOMPARE(cursor.charFormat().fontWeight(), int(QFont::Bold));
}

void TestZTextEdit::textSizeIgnoresWhatNoFontCanTake_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<qreal>("expected");  // 0: the size is left alone
    QTest::newRow("a fraction") << "10.5" << qreal(10.5);
    QTest::newRow("words") << "grande" << qreal(0);
    QTest::newRow("zero") << "0" << qreal(0);
    QTest::newRow("negative") << "-4" << qreal(0);
    QTest::newRow("infinite, which lays the text out with no height") << "inf" << qreal(0);
    QTest::newRow("too large for any font") << "1e300" << qreal(0);
    QTest::newRow("too small to be drawn") << "1e-300" << qreal(0);
    QTest::newRow("the largest the font dialog takes") << "512" << qreal(512);
}

void TestZTextEdit::textSizeIgnoresWhatNoFontCanTake()
{
    QFETCH(QString, typed);
    QFETCH(qreal, expected);
    ZTextEdit editor;
    editor.SetText(QStringLiteral("palabra"));
    editor.GetTextEdit()->selectAll();
    QTextCursor check(editor.GetTextEdit()->document());
    check.setPosition(3);
    const qreal before = check.charFormat().fontPointSize();
    QComboBox* sizeBox = nullptr;
    for (QComboBox* box : editor.findChildren<QComboBox*>()) {
        if (box->isEditable() && box->metaObject()->className() == QByteArray("QComboBox"))
            sizeBox = box;
    }
    QVERIFY(sizeBox);
    sizeBox->setEditText(typed);
    emit sizeBox->textActivated(typed);
    QCOMPARE(check.charFormat().fontPointSize(), expected > 0 ? expected : before);
}

void TestZTextEdit::tabMovesFocusOnlyWhenAsked()
{
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* text = new ZCTextEdit(&window);
    auto* next = new QLineEdit(&window);
    layout->addWidget(text);
    layout->addWidget(next);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    text->setFocus();

    QTest::keyClick(text, Qt::Key_Tab);
    QCOMPARE(text->toPlainText(), QStringLiteral("\t"));
    text->setTabChangesFocus(true);
    QTest::keyClick(text, Qt::Key_Tab, Qt::ControlModifier);
    QCOMPARE(text->toPlainText(), QStringLiteral("\t\t"));
    QTest::keyClick(text, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), next);
    QCOMPARE(text->toPlainText(), QStringLiteral("\t\t"));
    QTest::keyClick(next, Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(QApplication::focusWidget(), text);
}

void TestZTextEdit::editorDialogTakesShortcutsAndAcceptsWithCtrlReturn_data()
{
    QTest::addColumn<int>("key");
    QTest::newRow("return") << int(Qt::Key_Return);
    QTest::newRow("keypad enter") << int(Qt::Key_Enter);
}

void TestZTextEdit::editorDialogTakesShortcutsAndAcceptsWithCtrlReturn()
{
    QFETCH(int, key);
    QCoreApplication::setApplicationName(QStringLiteral("MirokitTextEditTest"));
    ZCSettings(QStringLiteral("DlgTexEdit")).setValue(QStringLiteral("Size"), QSize(520, 380));
    {
        ZCDlgTextEditor dialog(QStringLiteral("Nota"));
        ZTextEdit* editor = dialog.GetTextEditor();
        QCOMPARE(dialog.size(), QSize(520, 380));
        QVERIFY(!editor->isWindow());
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        editor->GetTextEdit()->setFocus();

        // The editor's shortcuts act while its text box has the focus.
        QTest::keyClicks(editor->GetTextEdit(), QStringLiteral("fin"));
        QTest::keyClick(editor->GetTextEdit(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(editor->GetTextEdit(), Qt::Key_B, Qt::ControlModifier);
        QVERIFY(action(*editor, QStringLiteral("&Negrita"))->isChecked());
        QTest::keyClick(editor->GetTextEdit(), Qt::Key_E, Qt::ControlModifier);
        QVERIFY(editor->GetTextEdit()->alignment() & Qt::AlignHCenter);

        QTest::keyClick(editor->GetTextEdit(), Qt::Key(key));
        QCOMPARE(editor->GetTextEdit()->document()->blockCount(), 2);
        QVERIFY(dialog.isVisible());
        QTest::keyClick(editor->GetTextEdit(), Qt::Key(key), Qt::ControlModifier);
        QCOMPARE(editor->GetTextEdit()->document()->blockCount(), 2);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        dialog.resize(600, 400);
    }
    QCOMPARE(ZCSettings(QStringLiteral("DlgTexEdit")).value(QStringLiteral("Size")).toSize(), QSize(600, 400));
}

MIROKIT_TEST_MAIN(TestZTextEdit)
#include "tst_ztextedit.moc"
