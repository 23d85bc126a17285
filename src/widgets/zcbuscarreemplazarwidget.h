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
    options (and the regular-expression and wrap options), the Buscar, Reemplazar and Reemplazar
    todos buttons and a status bar for the outcome. It works on an editor through a
    ZCBuscarReemplazarEditor adapter, which it does not own, and hides and shows again with the
    editor it serves (its dialog with it, when it has one).

    A host drives it from code as the user does: SetTextoBuscar(), SetTextoReemplazar() and
    SetOpciones() fill the fields, and Buscar(), BuscarSiguiente(), BuscarAnterior(),
    Reemplazar() and ReemplazarTodos() do what the buttons and F3/Shift+F3 do, status message
    included; encontrado() and reemplazados() tell the outcome, whoever gave the command. The
    fields carry object names (textoBuscar, textoReemplazar, mayusculas, palabrasCompletas,
    haciaAtras, expresionRegular, darLaVuelta, botonBuscar, botonReemplazar,
    botonReemplazarTodos, estado) for style sheets and tests.
*/
class MIROKIT_EXPORT ZCBuscarReemplazarWidget : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QString textoBuscar READ GetTextoBuscar WRITE SetTextoBuscar)
    Q_PROPERTY(QString textoReemplazar READ GetTextoReemplazar WRITE SetTextoReemplazar)
    Q_PROPERTY(EOpcionesBuscar opciones READ GetOpciones WRITE SetOpciones)

public:
    //! The options of a search, each a check box of the form.
    enum EOpcionBuscar {
        CoincidirMayusculas = 0x01,  // "Coincidir minúsculas y mayúsculas"
        PalabrasCompletas = 0x02,    // "Palabras completas"
        HaciaAtras = 0x04,           // "Hacia atras": the direction of Buscar() and Reemplazar()
        ExpresionRegular = 0x08,     // the search text is a regular expression
        DarLaVuelta = 0x10           // past the end (or beginning) go on from the other end; on at first
    };
    Q_DECLARE_FLAGS(EOpcionesBuscar, EOpcionBuscar)
    Q_FLAG(EOpcionesBuscar)

    explicit ZCBuscarReemplazarWidget(QWidget* parent = nullptr);

    void SetTextoBuscar(const QString& text);
    QString GetTextoBuscar() const;
    void SetTextoReemplazar(const QString& text);
    QString GetTextoReemplazar() const;
    void SetOpciones(EOpcionesBuscar options);
    EOpcionesBuscar GetOpciones() const;
    void SetOpcion(EOpcionBuscar option, bool on);

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

    // The commands of the form, for code. Each returns what encontrado() or reemplazados()
    // reports; without an editor they do nothing and return false or 0.
    // Buscar: in the direction of HaciaAtras; BuscarSiguiente/BuscarAnterior: forwards/backwards.
    bool Buscar();
    bool BuscarSiguiente();
    bool BuscarAnterior();
    // Replaces the selected match and selects the next one; whether something was replaced.
    bool Reemplazar();
    // Replaces every match from the top of the document in one undo step; how many.
    int ReemplazarTodos();

signals:
    // Before every search or replacement, and from ReIniciar().
    void preBuscarReemplazar();
    // After every search, the one that ends Reemplazar() included: whether a match is selected.
    void encontrado(bool found);
    // After Reemplazar() (0 or 1) and ReemplazarTodos(): how many matches were replaced.
    void reemplazados(int count);

protected slots:
    void onBuscar();
    void onReemplazar();
    void onReemplazarTodos();

protected:
    void CheckShowBuscarHaDadoLaVuelta();
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool hasEditor() const;
    QCheckBox* optionBox(EOpcionBuscar option) const;
    bool announce();
    bool buscar(bool backwards);
    // Hands the regular-expression and wrap options to the adapter; false, saying so in the
    // status bar, when the search text cannot be searched for as it stands.
    bool prepareSearch();
    bool reportSearch();
    void showNotFound();
    void followEditorVisibility(bool editorShown);
    // The dialog when the form has one, the form itself otherwise.
    QWidget* shownWindow();

    QLineEdit* m_textoBuscar;
    QLineEdit* m_textoReemplazar;
    QCheckBox* m_mayusculas;
    QCheckBox* m_palabrasCompletas;
    QCheckBox* m_haciaAtras;
    QCheckBox* m_expresionRegular;
    QCheckBox* m_darLaVuelta;
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

Q_DECLARE_OPERATORS_FOR_FLAGS(ZCBuscarReemplazarWidget::EOpcionesBuscar)
