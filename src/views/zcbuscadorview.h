#pragma once

#include "mirokit_global.h"

#include <QFrame>
#include <QPointer>
#include <QTimer>

class QLineEdit;
class ZCSortFilterProxyModel;

/*!
    A search box for the views: half a second after the last key it hands its text to a
    ZCSortFilterProxyModel as the filter pattern and emits searchChanged(). Escape and the clear
    button empty it and search at once; Ctrl+B anywhere in the window puts the cursor in it.

    The dynamic property "focused" is true while the box has the keyboard focus, so style
    sheets can select on it.
*/
class MIROKIT_EXPORT ZCBuscadorView : public QFrame
{
    Q_OBJECT

public:
    explicit ZCBuscadorView(QWidget* parent = nullptr);
    ~ZCBuscadorView() override;

    //! The proxy is not owned; the box forgets it when it is destroyed.
    void SetProxyModel(ZCSortFilterProxyModel* proxy);

    bool eventFilter(QObject* watched, QEvent* event) override;

signals:
    void searchChanged(QString szTexto);

protected slots:
    void onTextChanged(QString szText);
    void onLimpiarBusqueda();

protected:
    void RefresGUI();

private:
    void buscar();
    void setFocused(bool focused);
    void attachClearButton();

    QLineEdit* m_lineEdit;
    QTimer m_delay;
    QPointer<ZCSortFilterProxyModel> m_proxy;
};
