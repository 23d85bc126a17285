#pragma once

#include "zcbuscarreemplazareditor.h"

#include <QPointer>
#include <QTextCursor>

class QTextEdit;

/*!
    Find and replace in a QTextEdit (or a subclass such as ZTextEdit), through its document's
    own search.
*/
class MIROKIT_EXPORT ZCBuscarReemplazarEditorTextEdit : public ZCBuscarReemplazarEditor
{
    Q_OBJECT

public:
    explicit ZCBuscarReemplazarEditorTextEdit(QTextEdit* editor, QObject* parent = nullptr);

    QWidget* GetEditor() override;
    void Buscar(const QString& text, bool caseSensitive, bool wholeWords, bool backwards) override;
    void GetPalabraActual(QString& word) override;

protected:
    bool hasSelection() const override;
    void collapseSelection(bool toStart) override;
    bool replaceSelection(const QString& replacement, bool backwards) override;
    void moveToStart() override;
    void beginUndoStep() override;
    void endUndoStep() override;

private:
    QTextCursor cursor() const;
    void setCursor(const QTextCursor& cursor);

    QPointer<QTextEdit> m_editor;
    // While a replace-all runs it works on this cursor and hands it to the editor at the end:
    // moving the editor's own cursor would lay out and scroll the document at every match.
    QTextCursor m_batchCursor;
};
