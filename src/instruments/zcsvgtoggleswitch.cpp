#include "zcsvgtoggleswitch.h"

#include <QPainter>
#include <QSvgRenderer>

ZCSvgToggleSwitch::ZCSvgToggleSwitch(QWidget* parent)
    : QAbstractButton(parent)
    , m_off(new QSvgRenderer(this))
    , m_on(new QSvgRenderer(this))
{
    setCheckable(true);
}

void ZCSvgToggleSwitch::SetSvg(const QByteArray& off, const QByteArray& on)
{
    m_off->load(off);
    m_on->load(on);
    updateGeometry();
    update();
}

QSize ZCSvgToggleSwitch::sizeHint() const
{
    return m_on->isValid() ? m_on->defaultSize() : QWidget::sizeHint();
}

void ZCSvgToggleSwitch::paintEvent(QPaintEvent*)
{
    QSvgRenderer* image = isChecked() ? m_on : m_off;
    if (!image->isValid())
        return;
    QPainter painter(this);
    image->render(&painter, QRectF(rect()));
}
