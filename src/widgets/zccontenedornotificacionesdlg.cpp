#include "zccontenedornotificacionesdlg.h"

#include "zccontenedornotificaciones.h"
#include "zcnotificacion.h"

#include <QCloseEvent>
#include <QVBoxLayout>

ZCContenedorNotificacionesDlg::ZCContenedorNotificacionesDlg(QWidget* parent)
    : QDialog(parent)
    , m_contenedor(new ZCContenedorNotificaciones(this))
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    setWindowFlags(windowFlags() | Qt::Tool | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_TranslucentBackground);
    connect(m_contenedor, &ZCContenedorNotificaciones::requestRefresGUI,
            this, &ZCContenedorNotificacionesDlg::OnUpdateGUI);
    layout->addWidget(m_contenedor);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

ZCContenedorNotificaciones* ZCContenedorNotificacionesDlg::GetContenedor() const
{
    return m_contenedor;
}

void ZCContenedorNotificacionesDlg::reject()
{
    // Escape must not close or hide the stack; only its notifications close themselves.
}

void ZCContenedorNotificacionesDlg::OnNotificacionAdded(const QString& szTexto, const QIcon& iconoTexto,
                                                        const QIcon& iconoCierre, int nSecsDuracion)
{
    m_contenedor->AddNotificacion(
        new ZCNotificacion(szTexto, iconoTexto, iconoCierre, nSecsDuracion, m_contenedor));
}

void ZCContenedorNotificacionesDlg::OnUpdateGUI()
{
    if (m_contenedor->GetNotificaciones().isEmpty()) {
        hide();
        return;
    }
    show();
    adjustSize();
}

void ZCContenedorNotificacionesDlg::closeEvent(QCloseEvent* event)
{
    // QDialog turns a close into reject(), which ignores it here: a refused close would stop
    // the application from quitting while a notification shows.
    event->accept();
}

void ZCContenedorNotificacionesDlg::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    placeOverParent();
}

void ZCContenedorNotificacionesDlg::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // The main window may have moved while the stack was hidden.
    placeOverParent();
}

void ZCContenedorNotificacionesDlg::placeOverParent()
{
    const QWidget* owner = parentWidget();
    if (!owner)
        return;
    // mapToGlobal rather than mapToParent: the same point for a top-level main window, and the
    // right one for a main window embedded in another widget.
    move(owner->mapToGlobal(QPoint(owner->width() / 2 - width() / 2, 0)));
}
