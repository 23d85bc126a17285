#include "zcprogresswidget.h"

#include <QLabel>
#include <QProgressBar>
#include <QTimer>
#include <QVBoxLayout>

namespace {

constexpr qint64 longOperationMs = 4000;

} // namespace

ZCProgressWidget::ZCProgressWidget(QWidget* parent)
    : QWidget(parent)
    , m_label(new QLabel(this))
    , m_bar(new QProgressBar(this))
{
    m_bar->setTextVisible(false);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->setSpacing(10);
    layout->addStretch();
    layout->addWidget(m_label);
    layout->addWidget(m_bar);
    layout->addStretch();
}

QLabel* ZCProgressWidget::GetLabelProgreso() const
{
    return m_label;
}

QProgressBar* ZCProgressWidget::GetProgressBar() const
{
    return m_bar;
}

void ZCProgressWidget::SetWidgetOcultar(QWidget* widget)
{
    m_widgetOcultar = widget;
}

QWidget* ZCProgressWidget::GetWidgetOcultar() const
{
    return m_widgetOcultar;
}

void ZCProgressWidget::onProgressChanged(int state)
{
    if (state == 0)
        startWatching();
    else if (state == 5)
        finish();
    const QString text = stateText(state);
    if (!text.isNull())
        m_label->setText(text);
}

QString ZCProgressWidget::stateText(int state)
{
    switch (state) {
    case 0: return tr("Iniciando...");
    case 1: return tr("Calculando...");
    case 2: return tr("Cargando...");
    case 3: return tr("Cancelando...");
    case 4: return tr("Finalizando...");
    default: return QString();
    }
}

// Once a second, onTimerShow() decides from the progress so far whether the panel is worth showing.
void ZCProgressWidget::startWatching()
{
    if (m_shown) {
        if (m_timer)
            m_timer->stop();
        return;
    }
    if (!m_timer) {
        m_timer = new QTimer(this);
        connect(m_timer, &QTimer::timeout, this, &ZCProgressWidget::onTimerShow);
    }
    m_timer->start(1000);
    m_elapsed.start();
}

void ZCProgressWidget::finish()
{
    if (m_timer)
        m_timer->stop();
    if (!m_shown)
        return;
    hide();
    if (m_widgetOcultar)
        m_widgetOcultar->show();
    m_shown = false;
}

void ZCProgressWidget::onTimerShow()
{
    const qint64 elapsed = elapsedMilliseconds();
    const qint64 done = qint64(m_bar->value()) - m_bar->minimum();
    if (done > 0) {
        const qint64 range = qint64(m_bar->maximum()) - m_bar->minimum();
        m_shown = elapsed * range / done >= longOperationMs;
    } else {
        m_shown = elapsed >= longOperationMs;
    }
    if (!m_shown)
        return;
    if (m_timer)
        m_timer->stop();
    show();
    if (m_widgetOcultar)
        m_widgetOcultar->hide();
}

qint64 ZCProgressWidget::elapsedMilliseconds() const
{
    return m_elapsed.isValid() ? m_elapsed.elapsed() : 0;
}
