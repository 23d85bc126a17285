#pragma once

#include "mirokit_global.h"

#include <QPointer>
#include <QWidget>

class QCheckBox;
class QDialog;
class QHBoxLayout;
class QLineEdit;
class QPushButton;
class QStatusBar;
class ZCBuscarReemplazarEditor;

/*!
    The find-and-replace form: search text, replacement, the case, whole-word and backward
    options, the Buscar, Reemplazar and Reemplazar todos buttons and a status bar for the
    outcome. It works on an editor through a ZCBuscarReemplazarEditor adapter, which it does not
    own, and hides and shows again with that editor (its dialog with it, when it has one).
*/
class MIROKIT_EXPORT ZCBuscarReemplazarWidget : public QWidget
{
    Q_OBJECT

public:
    explicit ZCBuscarReemplazarWidget(QWidget* parent = nullptr);

    void SetEditor(ZCBuscarReemplazarEditor* editor);
    ZCBuscarReemplazarEditor* GetEditor() const;
    // The dialog that shows this form; it is what hides and shows again with the editor.
    void SetDlgBuscarReemplazar(QDialog* dialog);
    // The row of buttons, to which callers may add their own.
    QHBoxLayout* GetLayoutBotones() const;
    // Prepares a new search: the selection or the word under the editor's cursor becomes the
    // search text, selected and focused, and Buscar the default button.
    void ReIniciar();

public slots:
    void onBuscarSiguiente();
    void onBuscarAnterior();

signals:
    // Before every search or replacement, and from ReIniciar().
    void preBuscarReemplazar();

protected slots:
    void onBuscar();
    void onReemplazar();
    void onReemplazarTodos();

protected:
    void CheckShowBuscarHaDadoLaVuelta();
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool hasEditor() const;
    bool announce();
    void buscar(bool backwards);
    void followEditorVisibility(bool editorShown);
    // The dialog when the form has one, the form itself otherwise.
    QWidget* shownWindow();

    QLineEdit* m_textoBuscar;
    QLineEdit* m_textoReemplazar;
    QCheckBox* m_mayusculas;
    QCheckBox* m_palabrasCompletas;
    QCheckBox* m_haciaAtras;
    QPushButton* m_botonBuscar;
    QPushButton* m_botonReemplazar;
    QPushButton* m_botonReemplazarTodos;
    QHBoxLayout* m_layoutBotones;
    QStatusBar* m_statusBar;
    QPointer<ZCBuscarReemplazarEditor> m_editor;
    // The widget this form filters, kept apart from the adapter so that the filter can be
    // removed even after the adapter is gone.
    QPointer<QWidget> m_editorWidget;
    QPointer<QDialog> m_dialog;
    bool m_wasVisible = false;
};
