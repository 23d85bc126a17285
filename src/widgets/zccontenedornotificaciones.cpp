#include "zccontenedornotificaciones.h"

#include "zcnotificacion.h"

#include <QVBoxLayout>

ZCContenedorNotificaciones::ZCContenedorNotificaciones(QWidget* parent)
    : QFrame(parent)
{
    setAutoFillBackground(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

ZCContenedorNotificaciones::~ZCContenedorNotificaciones()
{
    // QWidget deletes the notifications after this object's members are gone; their destroyed()
    // must not reach OnDestroyedNotificacion then.
    for (QObject* notificacion : qAsConst(m_notificaciones))
        disconnect(notificacion, nullptr, this, nullptr);
}

void ZCContenedorNotificaciones::AddNotificacion(ZCNotificacion* notificacion)
{
    if (!notificacion)
        return;
    m_notificaciones.append(notificacion);
    layout()->addWidget(notificacion);
    scheduleRefresh();
    connect(notificacion, &QObject::destroyed, this, &ZCContenedorNotificaciones::OnDestroyedNotificacion);
}

QList<QWidget*> ZCContenedorNotificaciones::GetNotificaciones() const
{
    QList<QWidget*> widgets;
    widgets.reserve(m_notificaciones.size());
    for (QObject* notificacion : m_notificaciones)
        widgets.append(static_cast<QWidget*>(notificacion));
    return widgets;
}

void ZCContenedorNotificaciones::OnDestroyedNotificacion(QObject* pObj)
{
    if (!pObj)
        return;
    m_notificaciones.removeOne(pObj);
    scheduleRefresh();
}

void ZCContenedorNotificaciones::scheduleRefresh()
{
    if (m_refreshPending)
        return;
    m_refreshPending = true;
    // Queued, so the refresh also sees a closed notification already out of the layout.
    QMetaObject::invokeMethod(this, [this] {
        m_refreshPending = false;
        emit requestRefresGUI();
    }, Qt::QueuedConnection);
}
