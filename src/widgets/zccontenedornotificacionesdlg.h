#pragma once

#include "mirokit_global.h"

#include <QDialog>

class QIcon;
class ZCContenedorNotificaciones;

/*!
    The frameless, translucent tool window that holds the notification stack, centred on the top
    edge of its parent main window. It shows itself with the first notification, hides with the
    last one and re-centres whenever its size changes. Escape leaves it alone; a close request
    (the application quitting) hides it.
*/
class MIROKIT_EXPORT ZCContenedorNotificacionesDlg : public QDialog
{
    Q_OBJECT

public:
    explicit ZCContenedorNotificacionesDlg(QWidget* parent = nullptr);

    ZCContenedorNotificaciones* GetContenedor() const;

public slots:
    void reject() override;
    void OnNotificacionAdded(const QString& szTexto, const QIcon& iconoTexto,
                             const QIcon& iconoCierre, int nSecsDuracion);
    void OnUpdateGUI();

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void placeOverParent();

    ZCContenedorNotificaciones* m_contenedor = nullptr;
};
