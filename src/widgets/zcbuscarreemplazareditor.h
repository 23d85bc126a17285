#pragma once

#include "mirokit_global.h"

#include <QObject>

/*!
    What the find-and-replace form needs of an editor: find, replace, replace everything and
    the word under the cursor. Each subclass drives one kind of editor, which it does not own;
    once that editor is gone every operation does nothing.

    After each search GetEstadoVuelta() tells whether the match was found straight away, only
    after going round the beginning or the end of the document, or not at all.
*/
class MIROKIT_EXPORT ZCBuscarReemplazarEditor : public QObject
{
    Q_OBJECT

public:
    enum EEstadoVuelta {
        Encontrado = 0,             // found without going round the document
        VueltaPorElPrincipio = 1,   // a backward search passed the beginning and went on from the end
        VueltaPorElFinal = 2,       // a forward search passed the end and went on from the beginning
        NoEncontrado = 3            // not found; the cursor and selection are as they were
    };
    Q_ENUM(EEstadoVuelta)

    explicit ZCBuscarReemplazarEditor(QObject* parent = nullptr);

    EEstadoVuelta GetEstadoVuelta() const;

    // Two options that hold for every later Buscar(), Reemplazar() and ReemplazarTodos(), besides
    // their arguments. With a regular expression the search text is a pattern in the syntax of
    // QRegularExpression (whole words: the match begins and ends at a word boundary); the
    // replacement is still inserted as it is written. False at construction.
    void SetExpresionRegular(bool regular);
    bool EsExpresionRegular() const;
    // Whether a search that reaches the end of the document (the beginning, backwards) goes on
    // from the other end; without it such a search ends NoEncontrado, the cursor as it was. True
    // at construction.
    void SetDarLaVuelta(bool wrap);
    bool DaLaVuelta() const;
    // Whether \a text, as the options take it, can be searched for: not empty and, as a regular
    // expression, well formed (\a error then says what is wrong).
    bool EsBuscable(const QString& text, QString* error = nullptr) const;

public slots:
    // The editor driven; null once it has been deleted.
    virtual QWidget* GetEditor() = 0;
    // Selects the next match of \a text from the cursor (or the previous one, \a backwards),
    // going round the document once when needed. The text is searched literally.
    virtual void Buscar(const QString& text, bool caseSensitive, bool wholeWords, bool backwards) = 0;
    // Replaces the selection when a search from its near edge matches it (or replaces the match
    // that search finds instead); \a evenIfWrapped allows that match to lie round the document's
    // end. Then selects the next match. Returns whether something was replaced.
    virtual bool Reemplazar(const QString& text, bool caseSensitive, bool wholeWords, bool backwards,
                            const QString& replacement, bool evenIfWrapped);
    // Replaces every match from the beginning of the document to its end, in one undo step, and
    // returns how many were replaced. Text that a replacement inserts is not searched again, so a
    // replacement that contains \a text ends too. The pass always runs forwards.
    virtual int ReemplazarTodos(const QString& text, bool caseSensitive, bool wholeWords, bool backwards,
                                const QString& replacement);
    // The selected text or, without a selection, the word under the cursor, which becomes
    // selected.
    virtual void GetPalabraActual(QString& word) = 0;

protected:
    void SetEstadoVuelta(EEstadoVuelta estado);
    // The search text of a regular-expression search as the pattern to run: for whole words,
    // between word boundaries.
    QString regexPattern(const QString& text, bool wholeWords) const;

    // The steps Reemplazar() and ReemplazarTodos() are made of; called only while the editor
    // exists.
    virtual bool hasSelection() const = 0;
    // Leaves the cursor at the selection's start (or end) without a selection.
    virtual void collapseSelection(bool toStart) = 0;
    // Puts \a replacement in place of the selection and the cursor after it (before it when
    // \a backwards, so that the next backward search does not find the replacement itself).
    // Returns false, changing nothing, when the editor is read-only.
    virtual bool replaceSelection(const QString& replacement, bool backwards) = 0;
    virtual void moveToStart() = 0;
    // Brackets ReemplazarTodos(): everything in between is undone in one step.
    virtual void beginUndoStep() = 0;
    virtual void endUndoStep() = 0;

private:
    EEstadoVuelta m_estadoVuelta = Encontrado;
    bool m_expresionRegular = false;
    bool m_darLaVuelta = true;
};
