#include "zcdoscapaswidget.h"

#include <QPainter>

ZCDosCapasWidget::ZCDosCapasWidget(QWidget* parent)
    : QWidget(parent)
{
}

ZCDosCapasWidget::~ZCDosCapasWidget() = default;

void ZCDosCapasWidget::updateAllCapas()
{
    m_dirty = true;
    update();
}

// The layer is rendered at device pixels so that a high-DPI screen gets a sharp dial.
static QSize devicePixelSize(const QWidget* widget)
{
    return (QSizeF(widget->size()) * widget->devicePixelRatioF()).toSize();
}

bool ZCDosCapasWidget::backgroundFits() const
{
    return m_background.size() == devicePixelSize(this)
        && qFuzzyCompare(m_background.devicePixelRatioF(), devicePixelRatioF());
}

void ZCDosCapasWidget::createPixmapBackground()
{
    m_background = QPixmap(devicePixelSize(this));
    m_background.setDevicePixelRatio(devicePixelRatioF());
    m_background.fill(Qt::transparent);
    m_dirty = true;
    if (!m_background.isNull()) {
        QPainter painter(&m_background);
        paintBackground(painter);
    }
    m_dirty = false;
}

void ZCDosCapasWidget::drawBackground(QPainter& painter)
{
    if (m_dirty || !backgroundFits())
        createPixmapBackground();
    painter.drawPixmap(0, 0, m_background);
}

void ZCDosCapasWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    drawBackground(painter);
    paintForeground(painter);
}
