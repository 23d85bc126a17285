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
    // Each round replaces the selected match and selects the next one after the replacement;
    // the first search that has to go round the end (or finds nothing) ends the pass.
    int count = 0;
    do {
        if (Reemplazar(text, caseSensitive, wholeWords, false, replacement, false))
            ++count;
    } while (m_estadoVuelta == Encontrado && hasSelection());
    endUndoStep();
    return count;
}
