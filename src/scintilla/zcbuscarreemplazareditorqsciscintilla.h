// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "mirokitscintilla_global.h"
#include "zcbuscarreemplazareditor.h"

#include <QPointer>

class QsciScintilla;

/*!
    Find and replace in a QsciScintilla code editor. Text is read and searched in the editor's
    own encoding, UTF-8 or Latin-1.
*/
class MIROKIT_SCINTILLA_EXPORT ZCBuscarReemplazarEditorQsciScintilla : public ZCBuscarReemplazarEditor
{
    Q_OBJECT

public:
    explicit ZCBuscarReemplazarEditorQsciScintilla(QsciScintilla* editor, QObject* parent = nullptr);

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
    long send(unsigned int message, long wParam = 0, long lParam = 0) const;
    long selectionStart() const;
    long selectionEnd() const;
    void moveCaret(long position);
    bool findFrom(long position, const QString& text, bool caseSensitive, bool wholeWords, bool backwards);
    bool canHold(const QString& text) const;
    QString textRange(long start, long end) const;

    QPointer<QsciScintilla> m_editor;
};
