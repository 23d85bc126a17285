#include "zcbuscarreemplazareditortextedit.h"

#include <QRegularExpression>
#include <QTextDocument>
#include <QTextEdit>

#include <functional>

ZCBuscarReemplazarEditorTextEdit::ZCBuscarReemplazarEditorTextEdit(QTextEdit* editor, QObject* parent)
    : ZCBuscarReemplazarEditor(parent)
    , m_editor(editor)
{
}

QWidget* ZCBuscarReemplazarEditorTextEdit::GetEditor()
{
    return m_editor;
}

QTextCursor ZCBuscarReemplazarEditorTextEdit::cursor() const
{
    return m_batchCursor.isNull() ? m_editor->textCursor() : m_batchCursor;
}

void ZCBuscarReemplazarEditorTextEdit::setCursor(const QTextCursor& cursor)
{
    if (m_batchCursor.isNull())
        m_editor->setTextCursor(cursor);
    else
        m_batchCursor = cursor;
}

void ZCBuscarReemplazarEditorTextEdit::Buscar(const QString& text, bool caseSensitive, bool wholeWords,
                                              bool backwards)
{
    if (!m_editor || !EsBuscable(text)) {
        SetEstadoVuelta(NoEncontrado);
        return;
    }
    QTextDocument::FindFlags flags;
    flags.setFlag(QTextDocument::FindBackward, backwards);
    // The document sets an expression's case option from this flag.
    flags.setFlag(QTextDocument::FindCaseSensitively, caseSensitive);
    const QTextDocument* document = m_editor->document();
    std::function<QTextCursor(int)> findFrom;
    if (EsExpresionRegular()) {
        const QRegularExpression expression(regexPattern(text, wholeWords));
        findFrom = [=](int position) { return document->find(expression, position, flags); };
    } else {
        QTextDocument::FindFlags textFlags = flags;
        textFlags.setFlag(QTextDocument::FindWholeWords, wholeWords);
        findFrom = [=](int position) { return document->find(text, position, textFlags); };
    }

    const QTextCursor current = cursor();
    SetEstadoVuelta(Encontrado);
    QTextCursor found = findFrom(backwards ? current.selectionStart() : current.selectionEnd());
    if (found.isNull() && DaLaVuelta()) {
        SetEstadoVuelta(backwards ? VueltaPorElPrincipio : VueltaPorElFinal);
        found = findFrom(backwards ? document->characterCount() - 1 : 0);
    }
    // Not found: the cursor and its selection stay as they were.
    if (found.isNull())
        SetEstadoVuelta(NoEncontrado);
    else
        setCursor(found);
}

void ZCBuscarReemplazarEditorTextEdit::GetPalabraActual(QString& word)
{
    word.clear();
    if (!m_editor)
        return;
    QTextCursor current = m_editor->textCursor();
    if (!current.hasSelection()) {
        current.select(QTextCursor::WordUnderCursor);
        m_editor->setTextCursor(current);
    }
    word = current.selectedText();
}

bool ZCBuscarReemplazarEditorTextEdit::hasSelection() const
{
    return cursor().hasSelection();
}

void ZCBuscarReemplazarEditorTextEdit::collapseSelection(bool toStart)
{
    QTextCursor collapsed = cursor();
    collapsed.setPosition(toStart ? collapsed.selectionStart() : collapsed.selectionEnd());
    setCursor(collapsed);
}

bool ZCBuscarReemplazarEditorTextEdit::replaceSelection(const QString& replacement, bool backwards)
{
    if (m_editor->isReadOnly())
        return false;
    QTextCursor replacing = cursor();
    const int start = replacing.selectionStart();
    replacing.insertText(replacement);
    if (backwards)
        replacing.setPosition(start);
    setCursor(replacing);
    return true;
}

void ZCBuscarReemplazarEditorTextEdit::moveToStart()
{
    QTextCursor start = cursor();
    start.movePosition(QTextCursor::Start);
    setCursor(start);
}

void ZCBuscarReemplazarEditorTextEdit::beginUndoStep()
{
    m_batchCursor = m_editor->textCursor();
    m_batchCursor.beginEditBlock();
}

void ZCBuscarReemplazarEditorTextEdit::endUndoStep()
{
    const QTextCursor last = m_batchCursor;
    m_batchCursor.endEditBlock();
    m_batchCursor = QTextCursor();
    m_editor->setTextCursor(last);
}
