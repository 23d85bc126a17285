#include "zcgestornotificaciones.h"

#include "zccontenedornotificacionesdlg.h"

#include "app/zcmainwindow.h"
#include "style/zcgestortemasestilo.h"

#include <QDebug>

#include <iterator>

namespace {

// The one manager of the process, alive from library load to unload.
ZCGestorNotificaciones manager;

} // namespace

ZCGestorNotificaciones* GetGestorNotificaciones()
{
    return &manager;
}

// The connection is made here, on the manager's own thread, and never again: made by the first
// thread to ask for a notification, a worker's, it would reach the GUI thread only through
// Qt's event queue, an ordering that thread checkers cannot see.
ZCGestorNotificaciones::ZCGestorNotificaciones()
{
    connect(this, &ZCGestorNotificaciones::requestInitContenedor,
            this, &ZCGestorNotificaciones::OnRequestInitContenedor);
}

ZCGestorNotificaciones::~ZCGestorNotificaciones() = default;

// Kept for callers that initialise the manager themselves: the constructor has done it.
void ZCGestorNotificaciones::Init()
{
}

bool ZCGestorNotificaciones::IsInit() const
{
    return true;
}

bool ZCGestorNotificaciones::hasContenedor() const
{
    const std::lock_guard<std::mutex> locker(m_mutex);
    return !m_contenedor.isNull();
}

void ZCGestorNotificaciones::AddNotificacion(const QString& szTexto, const QIcon& iconoTexto,
                                             const QIcon& iconoCierre, int nSecsDuracion)
{
    if (hasContenedor())
        emit notificacionAdded(szTexto, iconoTexto, iconoCierre, nSecsDuracion);
    else
        emit requestInitContenedor(szTexto, iconoTexto, iconoCierre, nSecsDuracion);
}

void ZCGestorNotificaciones::AddNotificacion(const QString& szTexto, ENivelNotificacion nivel, int nSecsDuracion)
{
    // Icons are made on the GUI thread, where the theme manager lives: called there, at once.
    QMetaObject::invokeMethod(this, [this, szTexto, nivel, nSecsDuracion] {
        static const QLatin1String names[] = {QLatin1String("info"), QLatin1String("warning"),
                                              QLatin1String("error")};
        const int level = qBound(0, int(nivel), int(std::size(names)) - 1);
        ZCGestorTemasEstilo* temas = GetGestorTemasEstilo();
        const QIcon icon = temas->GetIconoTema(names[level], nivel == NivelInformacion
                                                                 ? ZCGestorTemasEstilo::EstadoNormal
                                                                 : ZCGestorTemasEstilo::EstadoNotify);
        AddNotificacion(szTexto, icon, temas->GetIconoTema(QStringLiteral("close"), ZCGestorTemasEstilo::EstadoNotify),
                        nSecsDuracion);
    });
}

void ZCGestorNotificaciones::OnRequestInitContenedor(const QString& szTexto, const QIcon& iconoTexto,
                                                     const QIcon& iconoCierre, int nSecsDuracion)
{
    // Threads that called before the window existed each asked for it; the first request
    // creates it, the later ones find it and only add their notification.
    if (!hasContenedor()) {
        ZCMainWindow* mainWindow = GetMainWindow();
        if (!mainWindow) {
            qWarning().noquote() << tr("No hay ninguna ventana principal; se descarta la notificación \"%1\"")
                                        .arg(szTexto);
            return;
        }
        auto* contenedor = new ZCContenedorNotificacionesDlg(mainWindow);
        connect(this, &ZCGestorNotificaciones::notificacionAdded,
                contenedor, &ZCContenedorNotificacionesDlg::OnNotificacionAdded);
        const std::lock_guard<std::mutex> locker(m_mutex);
        m_contenedor = contenedor;
    }
    emit notificacionAdded(szTexto, iconoTexto, iconoCierre, nSecsDuracion);
}
