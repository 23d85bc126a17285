#include "zcbuscarreemplazareditor.h"

#include <QRegularExpression>

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

void ZCBuscarReemplazarEditor::SetExpresionRegular(bool regular)
{
    m_expresionRegular = regular;
}

bool ZCBuscarReemplazarEditor::EsExpresionRegular() const
{
    return m_expresionRegular;
}

void ZCBuscarReemplazarEditor::SetDarLaVuelta(bool wrap)
{
    m_darLaVuelta = wrap;
}

bool ZCBuscarReemplazarEditor::DaLaVuelta() const
{
    return m_darLaVuelta;
}

bool ZCBuscarReemplazarEditor::EsBuscable(const QString& text, QString* error) const
{
    if (text.isEmpty())
        return false;
    if (!m_expresionRegular)
        return true;
    const QRegularExpression expression(text);
    if (error)
        *error = expression.errorString();
    return expression.isValid();
}

QString ZCBuscarReemplazarEditor::regexPattern(const QString& text, bool wholeWords) const
{
    return wholeWords ? QStringLiteral("\\b(?:%1)\\b").arg(text) : text;
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
