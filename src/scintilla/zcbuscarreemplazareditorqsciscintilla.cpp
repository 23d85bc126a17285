// SPDX-License-Identifier: GPL-3.0-or-later
#include "zcbuscarreemplazareditorqsciscintilla.h"

#include <Qsci/qsciscintilla.h>

#include <algorithm>

ZCBuscarReemplazarEditorQsciScintilla::ZCBuscarReemplazarEditorQsciScintilla(QsciScintilla* editor,
                                                                             QObject* parent)
    : ZCBuscarReemplazarEditor(parent)
    , m_editor(editor)
{
}

QWidget* ZCBuscarReemplazarEditorQsciScintilla::GetEditor()
{
    return m_editor;
}

long ZCBuscarReemplazarEditorQsciScintilla::send(unsigned int message, long wParam, long lParam) const
{
    return m_editor->SendScintilla(message, static_cast<unsigned long>(wParam), lParam);
}

long ZCBuscarReemplazarEditorQsciScintilla::selectionStart() const
{
    return send(QsciScintillaBase::SCI_GETSELECTIONSTART);
}

long ZCBuscarReemplazarEditorQsciScintilla::selectionEnd() const
{
    return send(QsciScintillaBase::SCI_GETSELECTIONEND);
}

// An empty selection at \a position; unlike setCursorPosition() it does not scroll, so a search
// that finds nothing leaves the view where it was.
void ZCBuscarReemplazarEditorQsciScintilla::moveCaret(long position)
{
    send(QsciScintillaBase::SCI_SETEMPTYSELECTION, position);
}

bool ZCBuscarReemplazarEditorQsciScintilla::findFrom(long position, const QString& text, bool caseSensitive,
                                                     bool wholeWords, bool backwards)
{
    moveCaret(position);
    if (!EsExpresionRegular())
        return m_editor->findFirst(text, false, caseSensitive, wholeWords, false, !backwards);
    // The C++11 (ECMAScript) syntax is the one closest to QRegularExpression's; Scintilla's
    // whole-word flag does not apply to expressions, the pattern's word boundaries do.
    return m_editor->findFirst(regexPattern(text, wholeWords), true, caseSensitive, false, false, !backwards, -1, -1,
                               true, false, true);
}

// A Latin-1 document holds no character above U+00FF: QScintilla would search for the '?' it
// converts such a character to.
bool ZCBuscarReemplazarEditorQsciScintilla::canHold(const QString& text) const
{
    return m_editor->isUtf8()
        || std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() <= 0xff; });
}

void ZCBuscarReemplazarEditorQsciScintilla::Buscar(const QString& text, bool caseSensitive, bool wholeWords,
                                                   bool backwards)
{
    if (!m_editor || !EsBuscable(text) || !canHold(text)) {
        SetEstadoVuelta(NoEncontrado);
        return;
    }
    const long anchor = send(QsciScintillaBase::SCI_GETANCHOR);
    const long caret = send(QsciScintillaBase::SCI_GETCURRENTPOS);
    // Forwards from the selection's end and backwards from its start, so that the current match
    // is not found again whichever way it was selected.
    const long from = backwards ? selectionStart() : selectionEnd();
    SetEstadoVuelta(Encontrado);
    bool found = findFrom(from, text, caseSensitive, wholeWords, backwards);
    if (!found && DaLaVuelta()) {
        SetEstadoVuelta(backwards ? VueltaPorElPrincipio : VueltaPorElFinal);
        const long restart = backwards ? send(QsciScintillaBase::SCI_GETLENGTH) : 0;
        found = findFrom(restart, text, caseSensitive, wholeWords, backwards);
    }
    if (!found) {
        SetEstadoVuelta(NoEncontrado);
        send(QsciScintillaBase::SCI_SETSELECTION, caret, anchor);
    }
}

QString ZCBuscarReemplazarEditorQsciScintilla::textRange(long start, long end) const
{
    QByteArray bytes(int(end - start) + 1, '\0');
    m_editor->SendScintilla(QsciScintillaBase::SCI_GETTEXTRANGE, start, end, bytes.data());
    bytes.chop(1);
    return send(QsciScintillaBase::SCI_GETCODEPAGE) == QsciScintillaBase::SC_CP_UTF8
        ? QString::fromUtf8(bytes)
        : QString::fromLatin1(bytes);
}

void ZCBuscarReemplazarEditorQsciScintilla::GetPalabraActual(QString& word)
{
    word.clear();
    if (!m_editor)
        return;
    if (hasSelection()) {
        word = textRange(selectionStart(), selectionEnd());
        return;
    }
    const long caret = send(QsciScintillaBase::SCI_GETCURRENTPOS);
    const long start = send(QsciScintillaBase::SCI_WORDSTARTPOSITION, caret, true);
    const long end = send(QsciScintillaBase::SCI_WORDENDPOSITION, caret, true);
    word = textRange(start, end);
    send(QsciScintillaBase::SCI_SETSEL, start, end);
}

bool ZCBuscarReemplazarEditorQsciScintilla::hasSelection() const
{
    return selectionStart() != selectionEnd();
}

void ZCBuscarReemplazarEditorQsciScintilla::collapseSelection(bool toStart)
{
    moveCaret(toStart ? selectionStart() : selectionEnd());
}

bool ZCBuscarReemplazarEditorQsciScintilla::replaceSelection(const QString& replacement, bool backwards)
{
    if (m_editor->isReadOnly())
        return false;
    const long start = selectionStart();
    m_editor->replaceSelectedText(replacement);
    if (backwards)
        moveCaret(start);
    return true;
}

void ZCBuscarReemplazarEditorQsciScintilla::moveToStart()
{
    moveCaret(0);
}

void ZCBuscarReemplazarEditorQsciScintilla::beginUndoStep()
{
    m_editor->beginUndoAction();
}

void ZCBuscarReemplazarEditorQsciScintilla::endUndoStep()
{
    m_editor->endUndoAction();
}
