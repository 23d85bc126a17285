// "Instrumentos": the gauge, the thermometer, the clock, the thumb wheel and the thin dial,
// slider and progress bar, animated by a timer; sliders and spin boxes change values and ranges.
#include "gallerypage.h"

#include <Mirokit/ZClockWidget.h>
#include <Mirokit/ZDial.h>
#include <Mirokit/ZGaugeWidget.h>
#include <Mirokit/ZProgressBar.h>
#include <Mirokit/ZSlider.h>
#include <Mirokit/ZThermometerWidget.h>
#include <Mirokit/ZThumbWheel.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <QtMath>

namespace {

QGroupBox* box(const QString& title, QWidget* content)
{
    auto* group = new QGroupBox(title);
    auto* layout = new QVBoxLayout(group);
    layout->addWidget(content);
    return group;
}

QDoubleSpinBox* boundBox(double value)
{
    auto* spin = new QDoubleSpinBox;
    spin->setRange(-100000, 100000);
    spin->setDecimals(1);
    spin->setValue(value);
    return spin;
}

// The two meters share a value and a requested range; the slider, the thumb wheel and the
// progress bar show the value as a percentage of that range.
class MeterPanel : public QWidget
{
public:
    MeterPanel()
    {
        m_gauge->setMinimumSize(220, 220);
        m_thermometer->setMinimumSize(170, 220);
        QFont digits = m_thermometer->GetFontDigit();
        digits.setPointSize(11);
        m_thermometer->SetFontDigit(digits);
        auto* meterRow = new QHBoxLayout;
        meterRow->addWidget(box(QStringLiteral("Manómetro"), m_gauge), 2);
        meterRow->addWidget(box(QStringLiteral("Termómetro"), m_thermometer), 1);

        m_slider->setRange(0, 100);
        m_wheel->setRange(0, 100);
        m_wheel->setWrapsAround(true);
        m_dial->setRange(0, 100);
        m_dial->setNotchesVisible(true);
        m_dial->setFixedSize(70, 70);
        auto* animate = new QCheckBox(QStringLiteral("Animar"));
        animate->setChecked(true);

        auto* controls = new QFormLayout;
        controls->addRow(QStringLiteral("Valor (%):"), m_slider);
        controls->addRow(QStringLiteral("Rueda:"), m_wheel);
        controls->addRow(QStringLiteral("Progreso:"), m_progress);
        controls->addRow(QStringLiteral("Mínimo:"), m_minimum);
        controls->addRow(QStringLiteral("Máximo:"), m_maximum);
        controls->addRow(QStringLiteral("Zona verde (%):"), m_dial);
        controls->addRow(QString(), animate);

        auto* layout = new QHBoxLayout(this);
        layout->addLayout(meterRow, 2);
        layout->addLayout(controls, 1);

        connect(m_slider, &QSlider::valueChanged, this, &MeterPanel::setPercent);
        connect(m_wheel, &QAbstractSlider::valueChanged, this, &MeterPanel::setPercent);
        connect(m_dial, &QDial::valueChanged, this, &MeterPanel::applyZones);
        const auto applyRange = [this] {
            for (ZCMedidorWidget* meter : meters()) {
                // In the order that never passes through an empty range, which a meter ignores.
                if (m_minimum->value() < meter->maximum()) {
                    meter->setMinimum(m_minimum->value());
                    meter->setMaximum(m_maximum->value());
                } else {
                    meter->setMaximum(m_maximum->value());
                    meter->setMinimum(m_minimum->value());
                }
            }
            applyZones();
            setPercent(m_slider->value());
        };
        connect(m_minimum, QOverload<double>::of(&QDoubleSpinBox::valueChanged), this, applyRange);
        connect(m_maximum, QOverload<double>::of(&QDoubleSpinBox::valueChanged), this, applyRange);
        connect(animate, &QCheckBox::toggled, this, [this](bool on) { on ? m_timer->start() : m_timer->stop(); });
        connect(m_timer, &QTimer::timeout, this, [this] {
            m_phase += 0.03;
            m_slider->setValue(qRound(50 + 45 * qSin(m_phase)));
        });
        applyRange();
        m_dial->setValue(27);
        m_timer->start(40);
        setPercent(60);
    }

private:
    QVector<ZCMedidorWidget*> meters() const { return {m_gauge, m_thermometer}; }

    void applyZones()
    {
        for (ZCMedidorWidget* meter : meters()) {
            meter->setNominal(valueAt(m_dial->value()));
            meter->setCritical(valueAt(75));
        }
    }

    double valueAt(int percent) const
    {
        return m_minimum->value() + (m_maximum->value() - m_minimum->value()) * percent / 100.0;
    }

    void setPercent(int percent)
    {
        m_slider->setValue(percent);
        m_wheel->setValue(percent);
        m_progress->setValue(percent);
        m_gauge->setValue(valueAt(percent));
        m_thermometer->setValue(valueAt(percent));
    }

    ZGaugeWidget* m_gauge = new ZGaugeWidget;
    ZThermometerWidget* m_thermometer = new ZThermometerWidget;
    ZSlider* m_slider = new ZSlider(Qt::Horizontal);
    ZThumbWheel* m_wheel = new ZThumbWheel;
    ZProgressBar* m_progress = new ZProgressBar;
    ZDial* m_dial = new ZDial;
    QDoubleSpinBox* m_minimum = boundBox(0);
    QDoubleSpinBox* m_maximum = boundBox(300);
    QTimer* m_timer = new QTimer(this);
    double m_phase = 0;
};

QWidget* clockPanel()
{
    auto* clock = new ZClockWidget;
    clock->setMinimumSize(200, 200);
    QFont time = clock->GetFontHora();
    time.setPointSize(18);
    clock->SetFontHora(time);
    QFont date = clock->GetFontFecha();
    date.setPointSize(11);
    clock->SetFontFecha(date);
    clock->setTimeOffset(18);
    clock->setDateOffset(28);
    auto* zone = new QComboBox;
    zone->addItems({QStringLiteral("Hora local"), QStringLiteral("UTC"), QStringLiteral("UTC + 2")});
    QObject::connect(zone, QOverload<int>::of(&QComboBox::currentIndexChanged), clock, [clock](int index) {
        if (index == 0)
            clock->setLocal();
        else
            clock->setUTC(index == 2 ? 2 : 0);
        clock->start();
        QMetaObject::invokeMethod(clock, "updateTime");  // show the new zone without waiting a tick
    });
    auto* freeze = new QPushButton(QStringLiteral("Fijar las 10:10:30"));
    QObject::connect(freeze, &QPushButton::clicked, clock, [clock] { clock->setTime(QTime(10, 10, 30)); });
    auto* run = new QPushButton(QStringLiteral("Seguir el reloj del sistema"));
    QObject::connect(run, &QPushButton::clicked, clock, &ZClockWidget::start);

    auto* panel = new QWidget;
    auto* layout = new QVBoxLayout(panel);
    layout->addWidget(clock, 1);
    layout->addWidget(zone);
    layout->addWidget(freeze);
    layout->addWidget(run);
    return box(QStringLiteral("Reloj"), panel);
}

QWidget* createInstrumentsPage()
{
    auto* page = new QWidget;
    auto* layout = new QHBoxLayout(page);
    layout->addWidget(new MeterPanel, 3);
    layout->addWidget(clockPanel(), 1);
    return page;
}

} // namespace

MIROKIT_GALLERY_PAGE(35, "Instrumentos", createInstrumentsPage);
