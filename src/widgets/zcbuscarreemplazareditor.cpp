#include "zcbuscarreemplazareditor.h"

ZCBuscarReemplazarEditor::ZCBuscarReemplazarEditor(QObject* parent)
    : QObject(parent)
{
}

ZCBuscarReemplazarEditor::EEstadoVuelta ZCBuscarReemplazarEditor::GetEstadoVuelta() const
{
    return m_estadoVuelta;
}

void ZCBuscarReemplazarEditor::SetEstadoVuelta(EEstadoVuelta estado)
{
    m_estadoVuelta = estado;
}

bool ZCBuscarReemplazarEditor::Reemplazar(const QString& text, bool caseSensitive, bool wholeWords,
                                          bool backwards, const QString& replacement, bool evenIfWrapped)
{
    if (!GetEditor()) {
        SetEstadoVuelta(NoEncontrado);
        return false;
    }
    bool replaced = false;
    if (hasSelection()) {
        // Searching again from the selection's near edge re-matches it under the current
        // options: a selection that is no match gives way to the match that follows it.
        collapseSelection(!backwards);
        Buscar(text, caseSensitive, wholeWords, backwards);
        if (hasSelection() && (evenIfWrapped || m_estadoVuelta == Encontrado))
            replaced = replaceSelection(replacement, backwards);
    }
    Buscar(text, caseSensitive, wholeWords, backwards);
    return replaced;
}

int ZCBuscarReemplazarEditor::ReemplazarTodos(const QString& text, bool caseSensitive, bool wholeWords,
                                              bool /*backwards*/, const QString& replacement)
{
    if (!GetEditor()) {
        SetEstadoVuelta(NoEncontrado);
        return 0;
    }
    beginUndoStep();
    moveToStart();
    Buscar(text, caseSensitive, wholeWords, false);
    // Every selection here is a match that the last forward search made under the same options,
    // so the re-match of Reemplazar() would select it again: it is replaced straight away. The
    // first search that has to go round the end (or finds nothing) ends the pass.
    int count = 0;
    while (m_estadoVuelta == Encontrado && hasSelection() && replaceSelection(replacement, false)) {
        ++count;
        Buscar(text, caseSensitive, wholeWords, false);
    }
    endUndoStep();
    return count;
}
