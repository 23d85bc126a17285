#pragma once

#include "mirokit_global.h"

#include <QMainWindow>
#include <QTextCharFormat>

class QActionGroup;
class QComboBox;
class QFontComboBox;
class QToolBar;
class ZCTextEdit;

/*!
    The library's text editor: a text box with tool bars, a context menu and keyboard commands
    for editing, character style, colour, font, alignment and lists. In plain-text mode the
    formatting tools are hidden and the text is read and written as plain text.
*/
class MIROKIT_EXPORT ZTextEdit : public QMainWindow
{
    Q_OBJECT
    Q_PROPERTY(bool readOnly READ IsReadOnly WRITE SetReadOnly)
    Q_PROPERTY(bool modified READ IsModified WRITE SetModified)
    Q_PROPERTY(bool acceptRichText READ aceptaTextoEnriquecido)
    Q_PROPERTY(bool focus READ textBoxHasFocus)

public:
    explicit ZTextEdit(QWidget* parent = nullptr);
    ~ZTextEdit() override;

    QString GetText() const;
    void SetText(const QString& text);

    void SetAceptaTextoEnriquecido(bool accept);
    bool aceptaTextoEnriquecido() const;
    void SetReadOnly(bool readOnly);
    bool IsReadOnly() const;
    void SetModified(bool modified);
    bool IsModified() const;

    void ShowMenuPopup(bool enabled);
    void ShowToolBars(bool show);
    void ShowToolbarEstilo(bool show);
    void ShowToolbarFormato(bool show);
    void ShowToolbarAlineacion(bool show);
    void ShowToolbarLista(bool show);

    ZCTextEdit* GetTextEdit() const;

signals:
    void textChanged();

private slots:
    void OnTextNegrita();
    void OnTextSubrayado();
    void OnTextCursiva();
    void OnTextFamily(const QString& f);
    void OnTextSize(const QString& p);
    void OnTextLista(QAction* pAction);
    void OnTextColor();
    void OnTextAlign(QAction* pAction);
    void currentCharFormatChanged(const QTextCharFormat& format);
    void cursorPositionChanged();
    void clipboardDataChanged();
    void onCopyAvailable(bool bAvail);

public slots:
    QString text() const;
    void setText(const QString& szText);
    void append(const QString& szText);
    void clear();
    void selectAll();
    void zoomIn(int nRange = 1);
    void zoomOut(int nRange = 1);
    void cut();
    void copy();
    void paste();
    void redo();
    void undo();
    bool canPaste() const;
    void setContextMenuEnabled(bool bEnabled);
    void showAllToolBars();
    void hideAllToolBars();
    void showStyleToolBar();
    void hideStyleToolBar();
    void showFormatToolBar();
    void hideFormatToolBar();
    void showAlignToolBar();
    void hideAlignToolBar();
    void showListToolBar();
    void hideListToolBar();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Below the width of one row the tool bars wrap onto further rows, so that every command
    // stays one click away.
    void resizeEvent(QResizeEvent* event) override;

private:
    QAction* createAction(const QString& text, const QString& icon, const QKeySequence& shortcut,
                          bool checkable);
    void createActions();
    void createContextMenu();
    void createToolBars();
    void connectTextBox();
    void mergeFormatOnWordOrSelection(const QTextCharFormat& format);
    void applyFontFamilies(const QStringList& families);
    void fontChanged(const QFont& font);
    void colorChanged(const QColor& color);
    void alignmentChanged(Qt::Alignment alignment);
    void updateListActions();
    void showGroupedToolBar(QToolBar* toolBar, QActionGroup* group, bool show);
    void updateFormattingVisibility();
    void wrapToolBars();
    bool canPasteText() const;
    bool textBoxHasFocus() const;

    ZCTextEdit* m_textEdit;
    QToolBar* m_styleToolBar = nullptr;
    QToolBar* m_formatToolBar = nullptr;
    QToolBar* m_editToolBar = nullptr;
    QToolBar* m_alignToolBar = nullptr;
    QToolBar* m_listToolBar = nullptr;
    bool m_toolBarsShown = true;
    bool m_contextMenuEnabled = true;
    QFontComboBox* m_fontFamilyBox = nullptr;
    QComboBox* m_fontSizeBox = nullptr;

    QAction* m_boldAction = nullptr;
    QAction* m_underlineAction = nullptr;
    QAction* m_italicAction = nullptr;
    QAction* m_colorAction = nullptr;
    QAction* m_alignLeftAction = nullptr;
    QAction* m_alignCenterAction = nullptr;
    QAction* m_alignRightAction = nullptr;
    QAction* m_justifyAction = nullptr;
    QAction* m_numberingAction = nullptr;
    QAction* m_bulletsAction = nullptr;
    QAction* m_undoAction = nullptr;
    QAction* m_redoAction = nullptr;
    QAction* m_cutAction = nullptr;
    QAction* m_copyAction = nullptr;
    QAction* m_pasteAction = nullptr;

    QActionGroup* m_styleGroup = nullptr;
    QActionGroup* m_alignGroup = nullptr;
    QActionGroup* m_listGroup = nullptr;
};
