#pragma once

#include "mirokit_global.h"

#include <QPointer>
#include <QWidget>

class QPushButton;
class QShortcut;
class QSizeGrip;
class QVBoxLayout;

/*!
    A frameless pop-up editor that opens under its anchor (the keep-focus widget, or else the
    parent) and reports acceptance.

    Return, Enter and the "Aceptar" button accept it (onAceptar(), then accepted()); "Cancelar"
    cancels it (onCancelar()). Without buttons, a click outside the pop-up or Escape also
    accepts it, through onAceptar() alone. With a keep-focus widget (a line edit completing its
    text, say) that widget keeps its caret and receives the typing while the pop-up is open.
*/
class MIROKIT_EXPORT ZCEditorPopup : public QWidget
{
    Q_OBJECT

public:
    explicit ZCEditorPopup(QWidget* parent = nullptr);
    ~ZCEditorPopup() override;

    // Replaces the content; the previous content widget is deleted.
    void setEditor(QWidget* editor);
    QWidget* editor() const;

    void SetVerBotones(bool show);
    bool GetVerBotones() const;
    void SetSizeGripEnabled(bool enabled);
    void SetWidgetMantenerFoco(QWidget* widget);

signals:
    void accepted();

protected:
    virtual void onAceptar();
    virtual void onCancelar();

    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private slots:
    void onClickAceptar();
    void onClickCancelar();
    void onIncrementaAncho();
    void onIncrementaAlto();
    void onDecrementaAncho();
    void onDecrementaAlto();

private:
    QVBoxLayout* ensureLayout();
    void createButtons();
    void accept();
    void fitToAnchor(QWidget* anchor);
    void watchKeepFocusWidget(bool watch);
    bool forwardToKeepFocusWidget(QEvent* event);

    QVBoxLayout* m_layout = nullptr;
    QPointer<QWidget> m_editor;
    QPushButton* m_acceptButton = nullptr;
    QPushButton* m_cancelButton = nullptr;
    bool m_showButtons = false;
    QPointer<QSizeGrip> m_sizeGrip;
    QList<QShortcut*> m_resizeShortcuts;
    QPointer<QWidget> m_keepFocusWidget;
    bool m_keepFocusActive = false;
};
