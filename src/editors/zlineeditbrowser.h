#pragma once

#include "zabstractbrowser.h"

#include <QLineEdit>

class ZLineEdit;

/*!
    A browser whose inner editor is a ZLineEdit, the base of the text-based browsers. The line
    edit's signals are re-emitted by the browser and its properties are the browser's.
*/
class MIROKIT_EXPORT ZLineEditBrowser : public ZAbstractBrowser
{
    Q_OBJECT
    Q_PROPERTY(QString inputMask READ inputMask WRITE setInputMask)
    Q_PROPERTY(QString text READ text WRITE setText NOTIFY textChanged USER true)
    Q_PROPERTY(int maxLength READ maxLength WRITE setMaxLength)
    Q_PROPERTY(bool frame READ hasFrame WRITE setFrame)
    Q_PROPERTY(QLineEdit::EchoMode echoMode READ echoMode WRITE setEchoMode)
    Q_PROPERTY(QString displayText READ displayText)
    Q_PROPERTY(int cursorPosition READ cursorPosition WRITE setCursorPosition)
    Q_PROPERTY(Qt::Alignment alignment READ alignment WRITE setAlignment)
    Q_PROPERTY(bool modified READ isModified WRITE setModified)
    Q_PROPERTY(bool hasSelectedText READ hasSelectedText)
    Q_PROPERTY(QString selectedText READ selectedText)
    Q_PROPERTY(bool dragEnabled READ dragEnabled WRITE setDragEnabled)
    Q_PROPERTY(bool readOnly READ isReadOnly WRITE setReadOnly)
    Q_PROPERTY(bool undoAvailable READ isUndoAvailable)
    Q_PROPERTY(bool redoAvailable READ isRedoAvailable)
    Q_PROPERTY(bool acceptableInput READ hasAcceptableInput)
    Q_PROPERTY(QString placeholderText READ placeholderText WRITE setPlaceholderText)
    Q_PROPERTY(Qt::CursorMoveStyle cursorMoveStyle READ cursorMoveStyle WRITE setCursorMoveStyle)
    Q_PROPERTY(bool focus READ lineEditHasFocus)

public:
    //! focusOnButton: Tab stops at the pick button, so typing needs a click into the line edit first.
    explicit ZLineEditBrowser(QWidget* parent = nullptr, bool focusOnButton = true);
    ~ZLineEditBrowser() override;

    Q_INVOKABLE ZLineEdit* getLineEdit() const;

    QString inputMask() const;
    void setInputMask(const QString& inputMask);
    QString text() const;
    void setText(const QString& text);
    int maxLength() const;
    void setMaxLength(int length);
    bool hasFrame() const;
    void setFrame(bool frame);
    QLineEdit::EchoMode echoMode() const;
    void setEchoMode(QLineEdit::EchoMode mode);
    QString displayText() const;
    int cursorPosition() const;
    void setCursorPosition(int position);
    Qt::Alignment alignment() const;
    void setAlignment(Qt::Alignment alignment);
    bool isModified() const;
    void setModified(bool modified);
    bool hasSelectedText() const;
    QString selectedText() const;
    bool dragEnabled() const;
    void setDragEnabled(bool enabled);
    bool isReadOnly() const;
    void setReadOnly(bool readOnly);
    bool isUndoAvailable() const;
    bool isRedoAvailable() const;
    bool hasAcceptableInput() const;
    QString placeholderText() const;
    void setPlaceholderText(const QString& text);
    Qt::CursorMoveStyle cursorMoveStyle() const;
    void setCursorMoveStyle(Qt::CursorMoveStyle style);

    using ZAbstractBrowser::setRebotarEventos;
    using ZAbstractBrowser::setSizePolicyFullExpanding;

signals:
    void cursorPositionChanged(int nOld, int nNuevo);
    void editingFinished();
    void returnPressed();
    void selectionChanged();
    void textChanged(QString text);
    void textEdited(QString text);

public slots:
    void backspace();
    void del();
    void deselect();
    void home(bool bMark);
    void end(bool bMark);
    void insert(QString szNewText);

private:
    bool lineEditHasFocus() const;

    ZLineEdit* m_lineEdit;
};
