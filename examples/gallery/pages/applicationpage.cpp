// "Aplicación": the widget style chosen through ZCApplication, the application colours and the
// disabled look of icons that the library's proxy style gives.
#include "gallerypage.h"

#include <Mirokit/ZCApplication.h>

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyleFactory>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QString currentStyle()
{
    QString name;
    GetApplication()->GetNombreCurrentEstilo(name);
    return name;
}

QWidget* styleBox()
{
    auto* box = new QGroupBox(QStringLiteral("Estilo"));
    auto* chooser = new QComboBox;
    chooser->addItems(QStyleFactory::keys());
    chooser->setCurrentText(currentStyle());
    auto* systemButton = new QPushButton(QStringLiteral("Usar el estilo del sistema"));
    auto* state = new QLabel;

    const auto showState = [state] {
        state->setText(QStringLiteral("En uso: %1 — del sistema: %2 (%3)")
                           .arg(currentStyle(), GetApplication()->GetNombreEstiloSistema(),
                                GetApplication()->IsCurrentEstiloSistema() ? QStringLiteral("sí")
                                                                           : QStringLiteral("no")));
    };
    QObject::connect(chooser, &QComboBox::textActivated, state, [showState](const QString& key) {
        GetApplication()->SetCurrentEstilo(key, true);
        showState();
    });
    QObject::connect(systemButton, &QPushButton::clicked, state, [chooser, showState] {
        GetApplication()->SetCurrentEstiloSistema();
        chooser->setCurrentText(currentStyle());
        showState();
    });
    showState();

    auto* layout = new QFormLayout(box);
    layout->addRow(QStringLiteral("Estilo de la aplicación:"), chooser);
    layout->addRow(QString(), systemButton);
    layout->addRow(QString(), state);
    return box;
}

QWidget* colourBox()
{
    static const char* const roles[] = {"Primario", "Texto", "Fondo", "Borde", "Resaltado",
                                        "Texto resaltado"};
    auto* box = new QGroupBox(QStringLiteral("Colores de la aplicación (EColorApp)"));
    auto* layout = new QHBoxLayout(box);
    for (int role = 1; role <= 6; ++role) {
        const QColor colour = GetApplication()->GetColorApp(static_cast<EColorApp>(role));
        auto* swatch = new QLabel(QStringLiteral("%1\n%2").arg(QLatin1String(roles[role - 1]), colour.name()));
        swatch->setAlignment(Qt::AlignCenter);
        swatch->setMinimumSize(110, 56);
        const QColor text = colour.lightness() > 128 ? Qt::black : Qt::white;
        swatch->setStyleSheet(QStringLiteral("background: %1; color: %2; border: 1px solid #888;")
                                  .arg(colour.name(), text.name()));
        layout->addWidget(swatch);
    }
    layout->addStretch();
    return box;
}

QWidget* iconBox()
{
    auto* box = new QGroupBox(QStringLiteral("Iconos habilitados y deshabilitados"));
    auto* layout = new QHBoxLayout(box);
    const QStringList icons{QStringLiteral(":/Resources/tv_pantalla.png"),
                            QStringLiteral(":/Resources/tg_autohide.png"),
                            QStringLiteral(":/Resources/tg_cerrar.png")};
    for (const QString& path : icons) {
        for (const bool enabled : {true, false}) {
            auto* button = new QToolButton;
            button->setIcon(QIcon(path));
            button->setIconSize(QSize(16, 16));
            button->setEnabled(enabled);
            button->setToolTip(enabled ? QStringLiteral("Habilitado") : QStringLiteral("Deshabilitado"));
            layout->addWidget(button);
        }
        layout->addSpacing(16);
    }
    layout->addStretch();
    return box;
}

QWidget* createApplicationPage()
{
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(styleBox());
    layout->addWidget(colourBox());
    layout->addWidget(iconBox());
    layout->addStretch();
    return page;
}

} // namespace

MIROKIT_GALLERY_PAGE(10, "Aplicación", createApplicationPage);
