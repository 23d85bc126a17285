// SPDX-License-Identifier: GPL-3.0-or-later
#include "mirokittest.h"

#include <Mirokit/ZCBuscarReemplazarEditorQsciScintilla.h>
#include <Mirokit/ZCBuscarReemplazarEditorTextEdit.h>

#include <Qsci/qsciscintilla.h>
#include <QTextEdit>

#include <memory>

namespace {

enum Kind { TextEdit, ScintillaUtf8, ScintillaLatin1 };
const Kind allKinds[] = {TextEdit, ScintillaUtf8, ScintillaLatin1};
const char* const kindNames[] = {"QTextEdit", "QsciScintilla UTF-8", "QsciScintilla Latin-1"};

// An editor of one kind with its adapter. Documents and selections are written as text with
// markers: '|' is the cursor without a selection, '[' the selection's anchor and ']' its cursor
// end ("uno ]dos[" was selected from right to left).
class Editor
{
public:
    Editor(int kind, const QString& marked)
    {
        if (kind == TextEdit) {
            m_textEdit = new QTextEdit;
            m_widget.reset(m_textEdit);
            m_adapter = std::make_unique<ZCBuscarReemplazarEditorTextEdit>(m_textEdit);
        } else {
            m_scintilla = new QsciScintilla;
            m_scintilla->setUtf8(kind == ScintillaUtf8);
            m_widget.reset(m_scintilla);
            m_adapter = std::make_unique<ZCBuscarReemplazarEditorQsciScintilla>(m_scintilla);
        }
        setMarked(marked);
    }

    ZCBuscarReemplazarEditor& adapter() { return *m_adapter; }
    void deleteEditor() { m_widget.reset(); }

    QString text() const { return m_textEdit ? m_textEdit->toPlainText() : m_scintilla->text(); }
    void setReadOnly(bool readOnly)
    {
        if (m_textEdit)
            m_textEdit->setReadOnly(readOnly);
        else
            m_scintilla->setReadOnly(readOnly);
    }
    void undo()
    {
        if (m_textEdit)
            m_textEdit->undo();
        else
            m_scintilla->undo();
    }
    bool isUndoAvailable() const
    {
        return m_textEdit ? m_textEdit->document()->isUndoAvailable() : m_scintilla->isUndoAvailable();
    }

    QString marked() const
    {
        int anchor = 0;
        int caret = 0;
        if (m_textEdit) {
            anchor = m_textEdit->textCursor().anchor();
            caret = m_textEdit->textCursor().position();
        } else {
            anchor = charPosition(m_scintilla->SendScintilla(QsciScintillaBase::SCI_GETANCHOR));
            caret = charPosition(m_scintilla->SendScintilla(QsciScintillaBase::SCI_GETCURRENTPOS));
        }
        QString result = text();
        if (anchor == caret)
            return result.insert(caret, QLatin1Char('|'));
        // Insert the later marker first so that the earlier position stays valid.
        const auto insertAt = [&result](int position, char marker) { result.insert(position, QLatin1Char(marker)); };
        if (anchor < caret) {
            insertAt(caret, ']');
            insertAt(anchor, '[');
        } else {
            insertAt(anchor, '[');
            insertAt(caret, ']');
        }
        return result;
    }

private:
    void setMarked(QString marked)
    {
        const int caretMarker = marked.indexOf(QLatin1Char('|'));
        int anchor = 0;
        int caret = 0;
        if (caretMarker >= 0) {
            marked.remove(caretMarker, 1);
            anchor = caret = caretMarker;
        } else {
            const int open = marked.indexOf(QLatin1Char('['));
            const int close = marked.indexOf(QLatin1Char(']'));
            // Removing the first marker moves the second one back by one character.
            anchor = open < close ? open : open - 1;
            caret = close < open ? close : close - 1;
            marked.remove(QLatin1Char('[')).remove(QLatin1Char(']'));
        }
        if (m_textEdit) {
            m_textEdit->setPlainText(marked);
            QTextCursor cursor(m_textEdit->document());
            cursor.setPosition(anchor);
            cursor.setPosition(caret, QTextCursor::KeepAnchor);
            m_textEdit->setTextCursor(cursor);
        } else {
            m_scintilla->setText(marked);
            m_scintilla->SendScintilla(QsciScintillaBase::SCI_EMPTYUNDOBUFFER);
            m_scintilla->SendScintilla(QsciScintillaBase::SCI_SETSEL, bytePosition(anchor), bytePosition(caret));
        }
    }

    QByteArray encoded(const QString& text) const
    {
        return m_scintilla->isUtf8() ? text.toUtf8() : text.toLatin1();
    }
    long bytePosition(int charPosition) const { return encoded(text().left(charPosition)).size(); }
    int charPosition(long bytePosition) const
    {
        const QByteArray prefix = encoded(text()).left(int(bytePosition));
        return (m_scintilla->isUtf8() ? QString::fromUtf8(prefix) : QString::fromLatin1(prefix)).size();
    }

    std::unique_ptr<QWidget> m_widget;
    QTextEdit* m_textEdit = nullptr;
    QsciScintilla* m_scintilla = nullptr;
    std::unique_ptr<ZCBuscarReemplazarEditor> m_adapter;
};

// One row per kind of editor for each case, named "<kind>: <case>".
template <typename... Values>
void addRows(const char* name, const Values&... values)
{
    for (const Kind kind : allKinds) {
        QTestData& row = QTest::newRow(qPrintable(QStringLiteral("%1: %2").arg(QLatin1String(kindNames[kind]),
                                                                                QString::fromUtf8(name))))
            << int(kind);
        ((row << values), ...);
    }
}

} // namespace

class TestZCBuscarReemplazarEditor : public QObject
{
    Q_OBJECT

private slots:
    void findSelectsTheMatchOrKeepsTheCursor_data();
    void findSelectsTheMatchOrKeepsTheCursor();
    void expressionsAndWrappingFollowTheOptions_data();
    void expressionsAndWrappingFollowTheOptions();
    void replaceAllWithAnExpression_data();
    void replaceAllWithAnExpression();
    void replaceReplacesOnlyARematchedSelection_data();
    void replaceReplacesOnlyARematchedSelection();
    void replaceAllCountsAndUndoesInOneStep_data();
    void replaceAllCountsAndUndoesInOneStep();
    void currentWordIsTheSelectionOrTheWordUnderTheCursor_data();
    void currentWordIsTheSelectionOrTheWordUnderTheCursor();
    void aDeletedEditorIsLeftAlone_data();
    void aDeletedEditorIsLeftAlone();
};

void TestZCBuscarReemplazarEditor::findSelectsTheMatchOrKeepsTheCursor_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("document");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("caseSensitive");
    QTest::addColumn<bool>("wholeWords");
    QTest::addColumn<bool>("backwards");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("state");

    using E = ZCBuscarReemplazarEditor;
    addRows("forwards the next match is selected", "|uno dos uno dos", "dos", false, false, false,
            "uno [dos] uno dos", int(E::Encontrado));
    addRows("forwards from a match the one after it is selected", "uno [dos] uno dos", "dos", false, false, false,
            "uno dos uno [dos]", int(E::Encontrado));
    addRows("forwards past the last match the first one from the top is selected", "uno dos [uno] dos", "uno",
            false, false, false, "[uno] dos uno dos", int(E::VueltaPorElFinal));
    addRows("backwards the previous match is selected", "uno dos [uno] dos", "uno", false, false, true,
            "[uno] dos uno dos", int(E::Encontrado));
    addRows("backwards past the first match the last one is selected", "[uno] dos uno dos", "dos", false, false,
            true, "uno dos uno [dos]", int(E::VueltaPorElPrincipio));
    addRows("a text that does not occur keeps the cursor and the selection", "uno ]dos[ uno", "tres", false, false,
            false, "uno ]dos[ uno", int(E::NoEncontrado));
    addRows("a match selected from right to left is not found again", "uno ]dos[ uno dos", "dos", false, false,
            false, "uno dos uno [dos]", int(E::Encontrado));
    addRows("a case-sensitive search skips other cases", "|Uno uno", "uno", true, false, false, "Uno [uno]",
            int(E::Encontrado));
    addRows("a search ignoring case finds other cases", "|Uno uno", "uno", false, false, false, "[Uno] uno",
            int(E::Encontrado));
    addRows("whole words skip parts of words", "|unos uno", "uno", false, true, false, "unos [uno]",
            int(E::Encontrado));
    addRows("a dot is searched as a dot", "|axb a.b", "a.b", false, false, false, "axb [a.b]", int(E::Encontrado));
    addRows("brackets and stars are searched as they are", "|x (x)* y", "(x)*", false, false, false,
            "x [(x)*] y", int(E::Encontrado));
    addRows("a match on a later line is found", "|uno\ndos", "dos", false, false, false, "uno\n[dos]",
            int(E::Encontrado));
    addRows("an empty text finds nothing", "uno| dos", "", false, false, false, "uno| dos", int(E::NoEncontrado));
    addRows("a character the document cannot hold is not found in its stand-in", "|precio ?", "€", false, false,
            false, "|precio ?", int(E::NoEncontrado));
}

void TestZCBuscarReemplazarEditor::findSelectsTheMatchOrKeepsTheCursor()
{
    QFETCH(int, kind);
    QFETCH(QString, document);
    QFETCH(QString, text);
    QFETCH(bool, caseSensitive);
    QFETCH(bool, wholeWords);
    QFETCH(bool, backwards);
    QFETCH(QString, expected);
    QFETCH(int, state);

    Editor editor(kind, document);
    editor.adapter().Buscar(text, caseSensitive, wholeWords, backwards);
    QCOMPARE(editor.marked(), expected);
    QCOMPARE(int(editor.adapter().GetEstadoVuelta()), state);
}

void TestZCBuscarReemplazarEditor::expressionsAndWrappingFollowTheOptions_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("document");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("regular");
    QTest::addColumn<bool>("wrap");
    QTest::addColumn<bool>("caseSensitive");
    QTest::addColumn<bool>("wholeWords");
    QTest::addColumn<bool>("backwards");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("state");

    using E = ZCBuscarReemplazarEditor;
    addRows("an expression selects its first match", "|uno d1s d22s", "d\\d+s", true, true, false, false, false,
            "uno [d1s] d22s", int(E::Encontrado));
    addRows("an expression ignoring case finds other cases", "|UNO", "u.o", true, true, false, false, false,
            "[UNO]", int(E::Encontrado));
    addRows("a case-sensitive expression skips other cases", "|UNO uno", "u.o", true, true, true, false, false,
            "UNO [uno]", int(E::Encontrado));
    addRows("whole words bound an expression", "|unos uno", "un.", true, true, false, true, false, "unos [uno]",
            int(E::Encontrado));
    addRows("an expression searched backwards selects the previous match", "d1s d2s |", "d\\ds", true, true, false,
            false, true, "d1s [d2s] ", int(E::Encontrado));
    addRows("an expression goes round the end", "x1 [y] z", "x\\d", true, true, false, false, false, "[x1] y z",
            int(E::VueltaPorElFinal));
    addRows("a broken expression finds nothing", "|uno (", "(", true, true, false, false, false, "|uno (",
            int(E::NoEncontrado));
    addRows("without wrapping a search stops at the end", "uno dos [uno]", "uno", false, false, false, false,
            false, "uno dos [uno]", int(E::NoEncontrado));
    addRows("without wrapping a backward search stops at the beginning", "[uno] dos", "dos", false, false, false,
            false, true, "[uno] dos", int(E::NoEncontrado));
    addRows("without wrapping a match ahead is still found", "|uno dos", "dos", true, false, false, false, false,
            "uno [dos]", int(E::Encontrado));
}

void TestZCBuscarReemplazarEditor::expressionsAndWrappingFollowTheOptions()
{
    QFETCH(int, kind);
    QFETCH(QString, document);
    QFETCH(QString, text);
    QFETCH(bool, regular);
    QFETCH(bool, wrap);
    QFETCH(bool, caseSensitive);
    QFETCH(bool, wholeWords);
    QFETCH(bool, backwards);
    QFETCH(QString, expected);
    QFETCH(int, state);

    Editor editor(kind, document);
    editor.adapter().SetExpresionRegular(regular);
    editor.adapter().SetDarLaVuelta(wrap);
    editor.adapter().Buscar(text, caseSensitive, wholeWords, backwards);
    QCOMPARE(editor.marked(), expected);
    QCOMPARE(int(editor.adapter().GetEstadoVuelta()), state);
}

void TestZCBuscarReemplazarEditor::replaceAllWithAnExpression_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("document");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<bool>("wholeWords");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("count");

    addRows("every match of an expression is replaced, the replacement as written", "a1 b22| c", "\\d+", false,
            "a$1 b$1 c", 2);
    addRows("an expression whole-word pass leaves longer words alone", "uno unos| una", "un.", true, "$1 unos $1",
            2);
}

void TestZCBuscarReemplazarEditor::replaceAllWithAnExpression()
{
    QFETCH(int, kind);
    QFETCH(QString, document);
    QFETCH(QString, pattern);
    QFETCH(bool, wholeWords);
    QFETCH(QString, expected);
    QFETCH(int, count);

    Editor editor(kind, document);
    editor.adapter().SetExpresionRegular(true);
    QCOMPARE(editor.adapter().ReemplazarTodos(pattern, false, wholeWords, false, QStringLiteral("$1")), count);
    QCOMPARE(editor.text(), expected);
}

void TestZCBuscarReemplazarEditor::replaceReplacesOnlyARematchedSelection_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("document");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("replacement");
    QTest::addColumn<bool>("backwards");
    QTest::addColumn<bool>("evenIfWrapped");
    QTest::addColumn<bool>("readOnly");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<bool>("replaced");

    addRows("a selected match is replaced and the next one selected", "[uno] dos uno", "uno", "tres", false, true,
            false, "tres dos [uno]", true);
    addRows("a selection that is no match gives way to the match after it", "uno [dos] uno", "uno", "x", false,
            true, false, "[uno] dos x", true);
    addRows("without a selection the match is only selected", "|uno dos", "uno", "x", false, true, false,
            "[uno] dos", false);
    addRows("a match round the end is left alone when wrapping is not allowed", "uno [dos]", "uno", "x", false,
            false, false, "[uno] dos", false);
    addRows("a match round the end is replaced when wrapping is allowed", "uno [dos]", "uno", "x", false, true,
            false, "x| dos", true);
    addRows("replacing backwards goes on before the replacement", "a a [a]", "a", "aa", true, true, false,
            "a [a] aa", true);
    addRows("a read-only editor keeps its text", "[uno] dos uno", "uno", "x", false, true, true,
            "uno dos [uno]", false);
}

void TestZCBuscarReemplazarEditor::replaceReplacesOnlyARematchedSelection()
{
    QFETCH(int, kind);
    QFETCH(QString, document);
    QFETCH(QString, text);
    QFETCH(QString, replacement);
    QFETCH(bool, backwards);
    QFETCH(bool, evenIfWrapped);
    QFETCH(bool, readOnly);
    QFETCH(QString, expected);
    QFETCH(bool, replaced);

    Editor editor(kind, document);
    editor.setReadOnly(readOnly);
    QCOMPARE(editor.adapter().Reemplazar(text, false, false, backwards, replacement, evenIfWrapped), replaced);
    QCOMPARE(editor.marked(), expected);
}

void TestZCBuscarReemplazarEditor::replaceAllCountsAndUndoesInOneStep_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("document");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("replacement");
    QTest::addColumn<bool>("caseSensitive");
    QTest::addColumn<bool>("wholeWords");
    QTest::addColumn<bool>("backwards");
    QTest::addColumn<bool>("readOnly");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("count");

    addRows("a word that occurs three times is replaced three times", "uno| dos uno tres uno", "uno", "x", false,
            false, false, false, "x dos x tres x", 3);
    addRows("a replacement that contains the search text ends after one pass", "|a b a", "a", "aa", false, false,
            false, false, "aa b aa", 2);
    addRows("a case-sensitive pass replaces only the same case", "Uno uno| UNO", "uno", "x", true, false, false,
            false, "Uno x UNO", 1);
    addRows("a whole-word pass leaves longer words alone", "uno unos| uno", "uno", "x", false, true, false, false,
            "x unos x", 2);
    addRows("dots are replaced only where they are dots", "a.b axb| a.b", "a.b", "c", false, false, false, false,
            "c axb c", 2);
    addRows("the backward option still replaces from the top", "uno uno| uno", "uno", "x", false, false, true,
            false, "x x x", 3);
    addRows("matches on every line are replaced", "uno\ndos\n|uno", "uno", "x", false, false, false, false,
            "x\ndos\nx", 2);
    addRows("a text that does not occur changes nothing", "uno |dos", "tres", "x", false, false, false, false,
            "uno dos", 0);
    addRows("a read-only editor keeps its text", "uno |dos uno", "uno", "x", false, false, false, true,
            "uno dos uno", 0);
}

void TestZCBuscarReemplazarEditor::replaceAllCountsAndUndoesInOneStep()
{
    QFETCH(int, kind);
    QFETCH(QString, document);
    QFETCH(QString, text);
    QFETCH(QString, replacement);
    QFETCH(bool, caseSensitive);
    QFETCH(bool, wholeWords);
    QFETCH(bool, backwards);
    QFETCH(bool, readOnly);
    QFETCH(QString, expected);
    QFETCH(int, count);

    Editor editor(kind, document);
    editor.setReadOnly(readOnly);
    const QString original = editor.text();
    QCOMPARE(editor.adapter().ReemplazarTodos(text, caseSensitive, wholeWords, backwards, replacement), count);
    QCOMPARE(editor.text(), expected);
    if (count == 0) {
        QVERIFY(!editor.isUndoAvailable());
        return;
    }
    editor.undo();
    QCOMPARE(editor.text(), original);
    QVERIFY(!editor.isUndoAvailable());
}

void TestZCBuscarReemplazarEditor::currentWordIsTheSelectionOrTheWordUnderTheCursor_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("document");
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("expected");

    addRows("a selection is taken as it is", "uno [dos tr]es", "dos tr", "uno [dos tr]es");
    addRows("the word under the cursor becomes selected", "uno d|os tres", "dos", "uno [dos] tres");
    addRows("the word just before the cursor is taken", "uno dos|", "dos", "uno [dos]");
    addRows("a word with accents is read whole", "la canc|ión sigue", "canción", "la [canción] sigue");
    addRows("eñes and diaereses belong to the word", "el pingü|ino del año", "pingüino", "el [pingüino] del año");
    addRows("a selection with accents is read whole", "[Ávila y León]", "Ávila y León", "[Ávila y León]");
}

void TestZCBuscarReemplazarEditor::currentWordIsTheSelectionOrTheWordUnderTheCursor()
{
    QFETCH(int, kind);
    QFETCH(QString, document);
    QFETCH(QString, word);
    QFETCH(QString, expected);

    Editor editor(kind, document);
    QString current;
    editor.adapter().GetPalabraActual(current);
    QCOMPARE(current, word);
    QCOMPARE(editor.marked(), expected);
}

void TestZCBuscarReemplazarEditor::aDeletedEditorIsLeftAlone_data()
{
    QTest::addColumn<int>("kind");
    addRows("every operation does nothing");
}

void TestZCBuscarReemplazarEditor::aDeletedEditorIsLeftAlone()
{
    QFETCH(int, kind);
    Editor editor(kind, QStringLiteral("uno [dos]"));
    editor.deleteEditor();
    ZCBuscarReemplazarEditor& adapter = editor.adapter();
    QCOMPARE(adapter.GetEditor(), nullptr);
    adapter.Buscar(QStringLiteral("dos"), false, false, false);
    QCOMPARE(adapter.GetEstadoVuelta(), ZCBuscarReemplazarEditor::NoEncontrado);
    QVERIFY(!adapter.Reemplazar(QStringLiteral("dos"), false, false, false, QStringLiteral("x"), true));
    QCOMPARE(adapter.ReemplazarTodos(QStringLiteral("dos"), false, false, false, QStringLiteral("x")), 0);
    QString word = QStringLiteral("previous");
    adapter.GetPalabraActual(word);
    QVERIFY(word.isEmpty());
}

MIROKIT_TEST_MAIN(TestZCBuscarReemplazarEditor)
#include "tst_zcbuscarreemplazareditor.moc"
