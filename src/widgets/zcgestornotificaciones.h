#pragma once

#include "mirokit_global.h"

#include <QIcon>
#include <QObject>
#include <QPointer>

#include <mutex>

class ZCContenedorNotificacionesDlg;

/*!
    The process-wide notification manager, reached through GetGestorNotificaciones().
    AddNotificacion() may be called from any thread: it only emits signals, and the window and
    the notification are created on the GUI thread, the manager's own. The manager is ready from
    its construction: Init() has nothing left to do and IsInit() is always true. The stack
    window is created with the first notification, as a child of the then current main window,
    and again with the next notification if that main window has been destroyed.
*/
class MIROKIT_EXPORT ZCGestorNotificaciones : public QObject
{
    Q_OBJECT

public:
    //! How much a notification matters; each level has its icon in the theme ("info",
    //! "warning", "error"), which the default theme draws.
    enum ENivelNotificacion {
        NivelInformacion,
        NivelAviso,
        NivelError
    };
    Q_ENUM(ENivelNotificacion)

    ZCGestorNotificaciones();
    ~ZCGestorNotificaciones() override;

    void Init();
    bool IsInit() const;

    //! From any thread; the icons, though, must be made on the GUI thread, as every QIcon.
    void AddNotificacion(const QString& szTexto, const QIcon& iconoTexto, const QIcon& iconoCierre,
                         int nSecsDuracion);
    //! From any thread: a notification with the theme's icon of its level and the theme's close
    //! icon, both made on the GUI thread and following the theme while it is shown.
    void AddNotificacion(const QString& szTexto, ENivelNotificacion nivel, int nSecsDuracion);

signals:
    void notificacionAdded(const QString& szTexto, const QIcon& iconoTexto, const QIcon& iconoCierre,
                           int nSecsDuracion);
    void requestInitContenedor(const QString& szTexto, const QIcon& iconoTexto,
                               const QIcon& iconoCierre, int nSecsDuracion);

protected slots:
    void OnRequestInitContenedor(const QString& szTexto, const QIcon& iconoTexto,
                                 const QIcon& iconoCierre, int nSecsDuracion);

private:
    bool hasContenedor() const;

    // Guards m_contenedor, written on the GUI thread and read by AddNotificacion on any thread.
    // A std::mutex rather than QMutex: ThreadSanitizer sees its locking, not a futex inside Qt.
    mutable std::mutex m_mutex;
    QPointer<ZCContenedorNotificacionesDlg> m_contenedor;
};

MIROKIT_EXPORT ZCGestorNotificaciones* GetGestorNotificaciones();
