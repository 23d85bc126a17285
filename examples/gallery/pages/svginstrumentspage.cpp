// "Instrumentos SVG": the SVG button, dial gauge and switches with the gallery's own skins, the
// image widget with its drawing aspects, the rulers and the progress panel.
#include "gallerypage.h"

#include <Mirokit/ZCProgressWidget.h>
#include <Mirokit/ZCSvgButton.h>
#include <Mirokit/ZCSvgDialGauge.h>
#include <Mirokit/ZCSvgSlideSwitch.h>
#include <Mirokit/ZCSvgToggleSwitch.h>
#include <Mirokit/ZCWidgetRegla.h>
#include <Mirokit/ZImageWidget.h>

#include <QComboBox>
#include <QFile>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QSlider>
#include <QTimer>
#include <QVBoxLayout>

namespace {

QByteArray skin(const char* name)
{
    QFile file(QStringLiteral(":/skins/%1.svg").arg(QLatin1String(name)));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QWidget* svgBox()
{
    auto* box = new QGroupBox(QStringLiteral("Instrumentos SVG"));
    auto* layout = new QGridLayout(box);

    auto* dial = new ZCSvgDialGauge;
    dial->SetSvg(skin("dial_fondo"), skin("dial_sombra"), skin("dial_aguja"), skin("dial_cristal"));
    dial->setAnguloInicio(-135);
    dial->setAnguloFin(135);
    dial->setValor(62);
    dial->setFixedSize(240, 240);
    auto* value = new QSlider(Qt::Horizontal);
    value->setRange(0, 100);
    value->setValue(62);
    QObject::connect(value, &QSlider::valueChanged, dial, &ZCSvgDialGauge::setValor);
    layout->addWidget(dial, 0, 0, 4, 1);
    layout->addWidget(value, 4, 0);

    auto* button = new ZCSvgButton;
    button->SetSvg(skin("boton_normal"), skin("boton_pulsado"), skin("boton_encima"));
    auto* slide = new ZCSvgSlideSwitch;
    slide->SetSvg(skin("deslizador_fondo"), skin("deslizador_fondo_encima"),
                  skin("deslizador_boton_apagado"), skin("deslizador_boton_encendido"));
    auto* toggle = new ZCSvgToggleSwitch;
    toggle->SetSvg(skin("interruptor_apagado"), skin("interruptor_encendido"));
    toggle->setChecked(true);
    auto* state = new QLabel(QStringLiteral("Arrastre el deslizador o púlselo con la barra espaciadora"));
    QObject::connect(slide, &QAbstractButton::toggled, state, [state](bool on) {
        state->setText(on ? QStringLiteral("Deslizador: sí") : QStringLiteral("Deslizador: no"));
    });
    // The switches stretch their images over the whole widget: keep the skins' own proportions.
    for (QWidget* control : {static_cast<QWidget*>(button), static_cast<QWidget*>(slide), static_cast<QWidget*>(toggle)})
        control->setFixedSize(control->sizeHint());
    layout->addWidget(button, 0, 1);
    layout->addWidget(slide, 1, 1);
    layout->addWidget(toggle, 2, 1);
    layout->addWidget(state, 3, 1);
    return box;
}

QImage sampleImage()
{
    QImage image(320, 200, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    QLinearGradient sky(0, 0, 0, 200);
    sky.setColorAt(0, QColor(0x90caf9));
    sky.setColorAt(1, QColor(0xfff3e0));
    painter.fillRect(image.rect(), sky);
    painter.setBrush(QColor(0xffb300));
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(QPoint(240, 60), 30, 30);
    painter.setBrush(QColor(0x558b2f));
    painter.drawPolygon(QPolygon({QPoint(0, 200), QPoint(90, 90), QPoint(170, 200)}));
    painter.setBrush(QColor(0x33691e));
    painter.drawPolygon(QPolygon({QPoint(110, 200), QPoint(210, 110), QPoint(320, 200)}));
    return image;
}

QWidget* imageBox()
{
    static const QImage image = sampleImage();  // the widget only points at it
    auto* box = new QGroupBox(QStringLiteral("Imagen, regla y marca"));
    auto* layout = new QGridLayout(box);
    auto* picture = new ZImageWidget;
    picture->setFrameShape(QFrame::StyledPanel);
    picture->SetImagenFondo(&image, ZCDrawer::AspectoProporcional);
    picture->setFocusPolicy(Qt::StrongFocus);
    picture->setMinimumSize(240, 150);
    auto* aspect = new QComboBox;
    aspect->addItems({QStringLiteral("Natural"), QStringLiteral("Estirado"), QStringLiteral("Reducido"),
                      QStringLiteral("Proporcional"), QStringLiteral("Mosaico"), QStringLiteral("Arriba a la izquierda")});
    aspect->setCurrentIndex(ZCDrawer::AspectoProporcional);
    QObject::connect(aspect, qOverload<int>(&QComboBox::currentIndexChanged), picture, [picture](int index) {
        picture->setViewMode(index);
        picture->update();
    });

    auto* top = new ZCWidgetRegla(Qt::Horizontal);
    auto* side = new ZCWidgetRegla(Qt::Vertical);
    top->MarcaRect(QRect(60, 0, 90, 10));
    side->MarcaRect(QRect(0, 40, 10, 60));
    layout->addWidget(top, 0, 1);
    layout->addWidget(side, 1, 0);
    layout->addWidget(picture, 1, 1);
    layout->addWidget(aspect, 2, 1);
    return box;
}

// A simulated operation: the panel shows itself only when the estimate reaches 4 seconds.
QWidget* progressBox()
{
    auto* box = new QGroupBox(QStringLiteral("Panel de progreso (solo para operaciones de 4 s o más)"));
    auto* layout = new QVBoxLayout(box);
    auto* panel = new ZCProgressWidget;
    auto* idle = new QLabel(QStringLiteral("Sin operación en curso"));
    panel->SetWidgetOcultar(idle);
    panel->hide();
    auto* buttons = new QHBoxLayout;
    auto* timer = new QTimer(box);
    timer->setInterval(100);
    auto* step = new int(0);
    QObject::connect(box, &QObject::destroyed, [step] { delete step; });
    QObject::connect(timer, &QTimer::timeout, panel, [panel, timer, step] {
        QProgressBar* bar = panel->GetProgressBar();
        bar->setValue(bar->value() + *step);
        if (bar->value() >= bar->maximum()) {
            timer->stop();
            panel->onProgressChanged(5);
        } else if (bar->value() > bar->maximum() / 2) {
            panel->onProgressChanged(2);
        }
    });
    for (const auto& [text, seconds] : {std::pair<const char*, int>{"Operación de 2 s", 2}, {"Operación de 8 s", 8}}) {
        auto* button = new QPushButton(QString::fromUtf8(text));
        QObject::connect(button, &QPushButton::clicked, panel, [panel, timer, step, seconds = seconds] {
            panel->GetProgressBar()->setRange(0, 1000);
            panel->GetProgressBar()->setValue(0);
            *step = 1000 / (seconds * 10);
            panel->onProgressChanged(0);
            timer->start();
        });
        buttons->addWidget(button);
    }
    buttons->addStretch();
    layout->addLayout(buttons);
    layout->addWidget(idle);
    layout->addWidget(panel);
    return box;
}

QWidget* createSvgInstrumentsPage()
{
    auto* page = new QWidget;
    auto* layout = new QGridLayout(page);
    layout->addWidget(svgBox(), 0, 0);
    layout->addWidget(imageBox(), 0, 1);
    layout->addWidget(progressBox(), 1, 0, 1, 2);
    layout->setRowStretch(2, 1);
    return page;
}

} // namespace

MIROKIT_GALLERY_PAGE(75, "Instrumentos SVG", createSvgInstrumentsPage);
