#pragma once

#include "zcdialog.h"

class ZCAction;
class ZCBuscarReemplazarEditor;
class ZCBuscarReemplazarWidget;

/*!
    The find-and-replace form in a dialog of its own, with a Cancelar button that hides it. The
    host opens it with the action from CreateAccion() or with the shortcuts CreateShortcuts()
    puts on its editor's window: Find (Ctrl+F) opens it, F3 and Shift+F3 find the next and the
    previous match without it.
*/
class MIROKIT_EXPORT ZCBuscarReemplazarWidgetDlg : public ZCDialog
{
    Q_OBJECT

public:
    explicit ZCBuscarReemplazarWidgetDlg(QWidget* parent = nullptr);

    ZCBuscarReemplazarWidget* GetWidgetBuscarReemplazar() const;
    void SetEditor(ZCBuscarReemplazarEditor* editor);
    // An action "Buscar / Reemplazar" with the Find shortcut that opens the dialog; it belongs to
    // the dialog.
    ZCAction* CreateAccion();
    // Find, F3 and Shift+F3 on \a widget and its children; the shortcuts belong to \a widget.
    void CreateShortcuts(QWidget* widget);

public slots:
    void onActivaFind();

signals:
    void findActivado();

private:
    ZCBuscarReemplazarWidget* m_widget;
};
