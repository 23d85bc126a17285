// "Notificaciones": messages stacked over the top edge of the main window, closing themselves
// after their duration; one of them is raised from a worker thread.
#include "gallerypage.h"

#include <Mirokit/ZCGestorNotificaciones.h>
#include <Mirokit/ZCGestorTemasEstilo.h>

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QThread>
#include <QVBoxLayout>

namespace {

struct Icons {
    QIcon texto;
    QIcon cierre;
};

// Theme icons are looked up on the GUI thread; the copies may then travel to any thread.
Icons themeIcons()
{
    ZCGestorTemasEstilo* themes = GetGestorTemasEstilo();
    return {themes->FromTheme(QStringLiteral("bell"), ZCGestorTemasEstilo::EstadoNotify),
            themes->FromTheme(QStringLiteral("close"), ZCGestorTemasEstilo::EstadoNotify)};
}

QPushButton* notifyButton(const QString& caption, const QString& message, int seconds)
{
    auto* button = new QPushButton(caption);
    QObject::connect(button, &QPushButton::clicked, [message, seconds] {
        const Icons icons = themeIcons();
        GetGestorNotificaciones()->AddNotificacion(message, icons.texto, icons.cierre, seconds);
    });
    return button;
}

// A notification of a level: its icons come from the theme, the host gives none.
QPushButton* levelButton(const QString& caption, const QString& message, ZCGestorNotificaciones::ENivelNotificacion level)
{
    auto* button = new QPushButton(caption);
    QObject::connect(button, &QPushButton::clicked,
                     [message, level] { GetGestorNotificaciones()->AddNotificacion(message, level, 4); });
    return button;
}

QPushButton* workerButton()
{
    auto* button = new QPushButton(QStringLiteral("Desde un hilo de trabajo (4 s)"));
    QObject::connect(button, &QPushButton::clicked, [] {
        const Icons icons = themeIcons();
        QThread* worker = QThread::create([icons] {
            QThread::msleep(300); // some work before reporting
            GetGestorNotificaciones()->AddNotificacion(
                QStringLiteral("Terminado el cálculo en segundo plano (hilo %1)")
                    .arg(quintptr(QThread::currentThreadId())),
                icons.texto, icons.cierre, 4);
        });
        QObject::connect(worker, &QThread::finished, worker, &QObject::deleteLater);
        worker->start();
    });
    return button;
}

QWidget* createNotificationsPage()
{
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    auto* intro = new QLabel(QStringLiteral(
        "Las notificaciones se apilan centradas sobre el borde superior de la ventana principal; "
        "cada una se cierra sola al cumplir su plazo o con su botón de cierre. Escape no las cierra."));
    intro->setWordWrap(true);
    layout->addWidget(intro);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(notifyButton(QStringLiteral("2 segundos"),
                                    QStringLiteral("Documento guardado"), 2));
    buttons->addWidget(notifyButton(QStringLiteral("5 segundos"),
                                    QStringLiteral("Se han importado 128 registros del fichero de clientes; "
                                                   "revise los 3 avisos en el registro de la importación."), 5));
    buttons->addWidget(notifyButton(QStringLiteral("Sin plazo"),
                                    QStringLiteral("Esta notificación sigue aquí hasta que la cierre"), 0));
    buttons->addWidget(workerButton());
    buttons->addStretch();
    layout->addLayout(buttons);

    auto* levels = new QHBoxLayout;
    levels->addWidget(levelButton(QStringLiteral("Información"), QStringLiteral("Hay una versión nueva del programa"),
                                  ZCGestorNotificaciones::NivelInformacion));
    levels->addWidget(levelButton(QStringLiteral("Aviso"), QStringLiteral("Quedan 3 días para cerrar el trimestre"),
                                  ZCGestorNotificaciones::NivelAviso));
    levels->addWidget(levelButton(QStringLiteral("Error"), QStringLiteral("No se ha podido conectar con el servidor"),
                                  ZCGestorNotificaciones::NivelError));
    levels->addStretch();
    layout->addLayout(levels);
    layout->addStretch();
    return page;
}

} // namespace

MIROKIT_GALLERY_PAGE(87, "Notificaciones", createNotificationsPage);
