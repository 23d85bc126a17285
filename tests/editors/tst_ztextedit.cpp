#include "mirokittest.h"

#include <Mirokit/ZCDlgTextEditor.h>
#include <Mirokit/ZCSettings.h>
#include <Mirokit/ZCTextEdit.h>
#include <Mirokit/ZTextEdit.h>

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTextBlock>
#include <QTextList>
#include <QToolBar>
#include <QVBoxLayout>

namespace {

QToolBar* toolBar(const ZTextEdit& editor, const QString& title)
{
    const QList<QToolBar*> toolBars = editor.findChildren<QToolBar*>();
    for (QToolBar* toolBar : toolBars) {
        if (toolBar->windowTitle() == title)
            return toolBar;
    }
    return nullptr;
}

QAction* action(const ZTextEdit& editor, const QString& text)
{
    const QList<QAction*> actions = editor.GetTextEdit()->actions();
    for (QAction* action : actions) {
        if (action->text() == text)
            return action;
    }
    return nullptr;
}

bool shown(const ZTextEdit& editor, const QString& title)
{
    return !toolBar(editor, title)->isHidden();
}

const QStringList formattingToolBars{QStringLiteral("Estilo"), QStringLiteral("Formato"),
                                     QStringLiteral("Alineacion"), QStringLiteral("Numeración y viñetas")};
const QStringList formattingActions{QStringLiteral("&Negrita"), QStringLiteral("&Cursiva"),
                                    QStringLiteral("&Subrayado"), QStringLiteral("&Color..."),
                                    QStringLiteral("Iz&quierda"), QStringLiteral("&Justificado"),
                                    QStringLiteral("&Numeración"), QStringLiteral("&Viñetas")};

void placeCursorInBlock(ZTextEdit& editor, int blockNumber)
{
    QTextCursor cursor(editor.GetTextEdit()->document()->findBlockByNumber(blockNumber));
    editor.GetTextEdit()->setTextCursor(cursor);
}

} // namespace

class TestZTextEdit : public QObject
{
    Q_OBJECT

private slots:
    void emptyRichDocumentReadsAsEmptyText();
    void textRoundTripsInBothModes_data();
    void textRoundTripsInBothModes();
    void setTextClearsTheModifiedFlag();
    void plainModeHidesTheFormattingTools();
    void toolBarGateControlsTheFormattingToolBars();
    void readOnlyMatrix();

    void alignmentActionFollowsTheCursor();
    void listsFromTheToolBar();
    void boldFollowsTheCursorAndTheAction();
    void textSizeIgnoresWhatIsNoPositiveNumber_data();
    void textSizeIgnoresWhatIsNoPositiveNumber();
    void shortcutsActInTheTextBox();
    void ctrlReturnReachesTheDialogsDefaultButton();

    void tabMovesFocusOnlyWhenAsked();

    void editorDialogAcceptsWithCtrlReturnAndRemembersItsSize();
};

void TestZTextEdit::emptyRichDocumentReadsAsEmptyText()
{
    ZTextEdit editor;
    QVERIFY(editor.aceptaTextoEnriquecido());
    QCOMPARE(editor.GetText(), QString());
    QCOMPARE(editor.text(), QString());
    editor.SetText(QStringLiteral("<p><b>hola</b></p>"));
    editor.clear();
    QCOMPARE(editor.GetText(), QString());
}

void TestZTextEdit::textRoundTripsInBothModes_data()
{
    QTest::addColumn<bool>("rich");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("mustContain");
    QTest::newRow("rich keeps formatting") << true << "<p>uno <b>dos</b></p>" << "font-weight:600";
    QTest::newRow("plain keeps markup as text") << false << "<b>dos</b>" << "<b>dos</b>";
}

void TestZTextEdit::textRoundTripsInBothModes()
{
    QFETCH(bool, rich);
    QFETCH(QString, input);
    QFETCH(QString, mustContain);
    ZTextEdit editor;
    editor.SetAceptaTextoEnriquecido(rich);
    editor.SetText(input);
    QVERIFY2(editor.GetText().contains(mustContain), qPrintable(editor.GetText()));
}

void TestZTextEdit::setTextClearsTheModifiedFlag()
{
    ZTextEdit editor;
    editor.setContextMenuEnabled(false);
    QCOMPARE(editor.GetTextEdit()->contextMenuPolicy(), Qt::NoContextMenu);
    editor.SetModified(true);
    QVERIFY(editor.IsModified());
    editor.SetText(QStringLiteral("texto"));
    QVERIFY(!editor.IsModified());
    QVERIFY(!editor.property("modified").toBool());
}

void TestZTextEdit::plainModeHidesTheFormattingTools()
{
    ZTextEdit editor;
    editor.SetAceptaTextoEnriquecido(false);
    for (const QString& title : formattingToolBars)
        QVERIFY2(!shown(editor, title), qPrintable(title));
    for (const QString& text : formattingActions)
        QVERIFY2(!action(editor, text)->isVisible(), qPrintable(text));
    QVERIFY(shown(editor, QStringLiteral("Edición")));
    QVERIFY(action(editor, QStringLiteral("&Copiar"))->isVisible());

    editor.SetAceptaTextoEnriquecido(true);
    for (const QString& title : formattingToolBars)
        QVERIFY2(shown(editor, title), qPrintable(title));
    for (const QString& text : formattingActions)
        QVERIFY2(action(editor, text)->isVisible(), qPrintable(text));
}

void TestZTextEdit::toolBarGateControlsTheFormattingToolBars()
{
    ZTextEdit editor;
    editor.hideAllToolBars();
    QVERIFY(!shown(editor, QStringLiteral("Edición")));
    editor.showStyleToolBar();
    QVERIFY(!shown(editor, QStringLiteral("Estilo")));
    QVERIFY(action(editor, QStringLiteral("&Negrita"))->isVisible());

    editor.showAllToolBars();
    QVERIFY(shown(editor, QStringLiteral("Edición")));
    editor.hideStyleToolBar();
    QVERIFY(!shown(editor, QStringLiteral("Estilo")));
    QVERIFY(!action(editor, QStringLiteral("&Negrita"))->isVisible());
    editor.showStyleToolBar();
    QVERIFY(shown(editor, QStringLiteral("Estilo")));
    editor.hideFormatToolBar();
    QVERIFY(!shown(editor, QStringLiteral("Formato")));
}

void TestZTextEdit::readOnlyMatrix()
{
    QApplication::clipboard()->setText(QStringLiteral("portapapeles"));
    ZTextEdit editor;
    editor.SetText(QStringLiteral("algo de texto"));
    editor.GetTextEdit()->selectAll();
    QVERIFY(action(editor, QStringLiteral("Cor&tar"))->isEnabled());

    editor.SetReadOnly(true);
    QVERIFY(editor.property("readOnly").toBool());
    for (const QString& text : formattingActions + QStringList{"&Deshacer", "&Rehacer", "Cor&tar", "&Pegar"})
        QVERIFY2(!action(editor, text)->isEnabled(), qPrintable(text));
    QVERIFY(action(editor, QStringLiteral("&Copiar"))->isEnabled());
    for (QComboBox* box : editor.findChildren<QComboBox*>())
        QVERIFY(!box->isEnabled());

    editor.SetReadOnly(false);
    // Undo and redo come back even with nothing to undo.
    for (const QString& text : formattingActions + QStringList{"&Deshacer", "&Rehacer", "Cor&tar", "&Pegar"})
        QVERIFY2(action(editor, text)->isEnabled(), qPrintable(text));
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

    numbering->trigger();
    QTextList* list = editor.GetTextEdit()->textCursor().currentList();
    QVERIFY(list);
    QCOMPARE(list->format().style(), QTextListFormat::ListDecimal);
    QCOMPARE(list->format().indent(), 1);

    bullets->trigger();
    list = editor.GetTextEdit()->textCursor().currentList();
    QVERIFY(list);
    QCOMPARE(list->format().style(), QTextListFormat::ListCircle);
    QVERIFY(bullets->isChecked());
    QVERIFY(!numbering->isChecked());

    // Pressing the checked style again takes the paragraph out of the list.
    bullets->trigger();
    QVERIFY(!bullets->isChecked());
    QCOMPARE(editor.GetTextEdit()->textCursor().currentList(), nullptr);

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
    QTextCursor check(editor.GetTextEdit()->document());
    check.setPosition(3);
    QCOMPARE(check.charFormat().fontWeight(), int(QFont::Bold));
}

void TestZTextEdit::textSizeIgnoresWhatIsNoPositiveNumber_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<qreal>("expected");
    QTest::newRow("a number") << "18" << qreal(18);
    QTest::newRow("a fraction") << "10.5" << qreal(10.5);
    QTest::newRow("words") << "grande" << qreal(0);
    QTest::newRow("zero") << "0" << qreal(0);
    QTest::newRow("negative") << "-4" << qreal(0);
}

void TestZTextEdit::textSizeIgnoresWhatIsNoPositiveNumber()
{
    QFETCH(QString, typed);
    QFETCH(qreal, expected);
    ZTextEdit editor;
    editor.SetText(QStringLiteral("palabra"));
    editor.GetTextEdit()->selectAll();
    QComboBox* sizeBox = nullptr;
    for (QComboBox* box : editor.findChildren<QComboBox*>()) {
        if (box->isEditable() && box->metaObject()->className() == QByteArray("QComboBox"))
            sizeBox = box;
    }
    QVERIFY(sizeBox);
    sizeBox->setEditText(typed);
    emit sizeBox->textActivated(typed);
    QTextCursor check(editor.GetTextEdit()->document());
    check.setPosition(3);
    if (expected > 0)
        QCOMPARE(check.charFormat().fontPointSize(), expected);
    else
        QVERIFY(check.charFormat().fontPointSize() > 0);
}

void TestZTextEdit::shortcutsActInTheTextBox()
{
    ZTextEdit editor;
    editor.show();
    QVERIFY(QTest::qWaitForWindowActive(&editor));
    editor.GetTextEdit()->setFocus();
    QTest::keyClicks(editor.GetTextEdit(), QStringLiteral("hola"));
    QTest::keyClick(editor.GetTextEdit(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(editor.GetTextEdit(), Qt::Key_B, Qt::ControlModifier);
    QVERIFY(action(editor, QStringLiteral("&Negrita"))->isChecked());
    QTest::keyClick(editor.GetTextEdit(), Qt::Key_E, Qt::ControlModifier);
    QVERIFY(editor.GetTextEdit()->alignment() & Qt::AlignHCenter);
    QTest::keyClick(editor.GetTextEdit(), Qt::Key_Z, Qt::ControlModifier);
    QTest::keyClick(editor.GetTextEdit(), Qt::Key_Z, Qt::ControlModifier);
    QVERIFY(!(editor.GetTextEdit()->alignment() & Qt::AlignHCenter));
}

void TestZTextEdit::ctrlReturnReachesTheDialogsDefaultButton()
{
    QDialog dialog;
    auto* layout = new QVBoxLayout(&dialog);
    auto* editor = new ZTextEdit(&dialog);
    auto* ok = new QPushButton(QStringLiteral("Aceptar"), &dialog);
    ok->setDefault(true);
    QObject::connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
    layout->addWidget(editor);
    layout->addWidget(ok);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    editor->GetTextEdit()->setFocus();

    QTest::keyClick(editor->GetTextEdit(), Qt::Key_Return);
    QCOMPARE(editor->GetTextEdit()->document()->blockCount(), 2);
    QVERIFY(dialog.isVisible());

    QTest::keyClick(editor->GetTextEdit(), Qt::Key_Return, Qt::ControlModifier);
    QCOMPARE(editor->GetTextEdit()->document()->blockCount(), 2);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
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

void TestZTextEdit::editorDialogAcceptsWithCtrlReturnAndRemembersItsSize()
{
    QCoreApplication::setApplicationName(QStringLiteral("MirokitTextEditTest"));
    ZCSettings(QStringLiteral("DlgTexEdit")).setValue(QStringLiteral("Size"), QSize(520, 380));
    {
        ZCDlgTextEditor dialog(QStringLiteral("Nota"));
        QCOMPARE(dialog.size(), QSize(520, 380));
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Nota"));
        QVERIFY(!dialog.GetTextEditor()->statusBar()->isSizeGripEnabled());
        QVERIFY(!dialog.GetTextEditor()->isWindow());

        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        dialog.GetTextEditor()->GetTextEdit()->setFocus();
        QTest::keyClicks(dialog.GetTextEditor()->GetTextEdit(), QStringLiteral("fin"));
        QTest::keyClick(dialog.GetTextEditor()->GetTextEdit(), Qt::Key_Enter, Qt::ControlModifier);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.GetTextEditor()->GetTextEdit()->toPlainText(), QStringLiteral("fin"));
        dialog.resize(600, 400);
    }
    QCOMPARE(ZCSettings(QStringLiteral("DlgTexEdit")).value(QStringLiteral("Size")).toSize(), QSize(600, 400));
}

MIROKIT_TEST_MAIN(TestZTextEdit)
#include "tst_ztextedit.moc"
