#pragma once

#include "mirokit_global.h"

#include <QFrame>
#include <QList>

class ZCNotificacion;

/*!
    The frame inside the notification window: lays the live notifications out one under the
    other, in arrival order, and asks for the window to be refreshed (requestRefresGUI()) when
    one comes or goes. A burst of changes asks once, on the next turn of the event loop, so a
    stack of hundreds is laid out once instead of once per notification.
*/
class MIROKIT_EXPORT ZCContenedorNotificaciones : public QFrame
{
    Q_OBJECT

public:
    explicit ZCContenedorNotificaciones(QWidget* parent = nullptr);
    ~ZCContenedorNotificaciones() override;

    void AddNotificacion(ZCNotificacion* notificacion);
    //! The live notifications, oldest first.
    QList<QWidget*> GetNotificaciones() const;

signals:
    void requestRefresGUI();

public slots:
    void OnDestroyedNotificacion(QObject* pObj);

private:
    void scheduleRefresh();

    // Not owning: each notification deletes itself when closed. Kept as QObject pointers
    // because OnDestroyedNotificacion sees them when only their QObject part is left.
    QList<QObject*> m_notificaciones;
    bool m_refreshPending = false;
};
