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

    A host drives it as the user does: setText() types a search (run after the pause),
    search() runs it now, clear() empties the box and searches at once, and searchDelay is
    the pause in milliseconds (0 searches at every keystroke).
*/
class MIROKIT_EXPORT ZCBuscadorView : public QFrame
{
    Q_OBJECT
    Q_PROPERTY(QString text READ text WRITE setText)
    Q_PROPERTY(int searchDelay READ searchDelay WRITE setSearchDelay)

public:
    explicit ZCBuscadorView(QWidget* parent = nullptr);
    ~ZCBuscadorView() override;

    //! The proxy is not owned; the box forgets it when it is destroyed.
    void SetProxyModel(ZCSortFilterProxyModel* proxy);

    QString text() const;
    int searchDelay() const;
    //! A negative pause counts as 0.
    void setSearchDelay(int milliseconds);

    bool eventFilter(QObject* watched, QEvent* event) override;

public slots:
    void setText(const QString& szTexto);
    void search();
    void clear();

signals:
    void searchChanged(QString szTexto);

protected slots:
    void onTextChanged(QString szText);
    void onLimpiarBusqueda();

protected:
    void RefresGUI();

private:
    void setFocused(bool focused);
    void attachClearButton();

    QLineEdit* m_lineEdit;
    QTimer m_delay;
    QPointer<ZCSortFilterProxyModel> m_proxy;
};
