#include "zcsvgslideswitch.h"

#include "zcsvgpixmapcache.h"

#include <QMouseEvent>
#include <QPainter>
#include <QTimeLine>

#include <algorithm>

ZCSvgSlideSwitch::ZCSvgSlideSwitch(QWidget* parent)
    : QAbstractButton(parent)
    , m_background(new ZCSvgPixmapCache(this))
    , m_backgroundHover(new ZCSvgPixmapCache(this))
    , m_knobOn(new ZCSvgPixmapCache(this))
    , m_knobOff(new ZCSvgPixmapCache(this))
    , m_timeLine(new QTimeLine(150, this))
{
    setCheckable(true);
    setAttribute(Qt::WA_Hover);
    m_timeLine->setEasingCurve(QEasingCurve::Linear);
    connect(m_timeLine, &QTimeLine::frameChanged, this, &ZCSvgSlideSwitch::setSwitchPosition);
    connect(this, &QAbstractButton::toggled, this, &ZCSvgSlideSwitch::updateSwitchPosition);
}

// A handler of clicked() may delete the switch from inside a frame of the running time line,
// which goes on once the signal returns: that time line is deleted later, not with the switch.
ZCSvgSlideSwitch::~ZCSvgSlideSwitch()
{
    if (m_timeLine->state() == QTimeLine::Running) {
        m_timeLine->stop();
        m_timeLine->setParent(nullptr);
        m_timeLine->deleteLater();
    }
}

void ZCSvgSlideSwitch::SetSvg(const QByteArray& background, const QByteArray& backgroundHover,
                              const QByteArray& knobOff, const QByteArray& knobOn)
{
    m_background->load(background);
    m_backgroundHover->load(backgroundHover);
    m_knobOff->load(knobOff);
    m_knobOn->load(knobOn);
    updateGeometry();
    update();
}

QSize ZCSvgSlideSwitch::sizeHint() const
{
    return m_background->isValid() ? m_background->defaultSize() : QSize(100, 24);
}

QRectF ZCSvgSlideSwitch::backgroundRect() const
{
    return QRectF(rect());
}

QRectF ZCSvgSlideSwitch::knobRect() const
{
    const QRectF background = backgroundRect();
    const QSizeF knob = QSizeF(m_knobOn->defaultSize()).scaled(background.size(), Qt::KeepAspectRatio);
    const double left = background.left() + m_position * (background.width() - knob.width()) / 100;
    const double clamped = std::max(background.left(), std::min(left, background.right() - knob.width()));
    return QRectF(QPointF(clamped, background.top()), knob);
}

// How far the knob's left edge can move, in whole pixels; 0 or less for a knob as wide as the
// track, which then cannot be dragged.
int ZCSvgSlideSwitch::travel() const
{
    return int(backgroundRect().width() - knobRect().width());
}

bool ZCSvgSlideSwitch::hitButton(const QPoint& pos) const
{
    return backgroundRect().contains(pos);
}

void ZCSvgSlideSwitch::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    ZCSvgPixmapCache* background = underMouse() ? m_backgroundHover : m_background;
    background->draw(&painter, backgroundRect());
    (isChecked() ? m_knobOn : m_knobOff)->draw(&painter, knobRect());
}

// Only a press on the knob starts a drag; a click anywhere else leaves the switch alone.
void ZCSvgSlideSwitch::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !knobRect().contains(event->pos())) {
        event->ignore();
        return;
    }
    m_dragging = true;
    m_checkedAtPress = isChecked();
    m_pressPoint = event->pos();
}

void ZCSvgSlideSwitch::mouseMoveEvent(QMouseEvent* event)
{
    const int span = travel();
    if (!m_dragging || span <= 0)
        return;
    m_dragDistance = event->pos().x() - m_pressPoint.x();
    // Measured from where the knob stood at the press, so the knob keeps following the pointer
    // after the switch has changed state during this drag.
    const int start = m_checkedAtPress ? span : 0;
    m_position = int((qint64(m_dragDistance) + start) * 100 / span);
    if (m_position >= 100)
        m_position = 100;
    else if (m_position < 1)
        m_position = 0;
    update();
    // Last: a handler may delete the switch.
    if (m_position == 100)
        switchFromPointer(true);
    else if (m_position == 0)
        switchFromPointer(false);
}

void ZCSvgSlideSwitch::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    if (m_dragging && m_dragDistance != 0) {
        if (m_position >= 100)
            m_timeLine->setFrameRange(0, 100);
        else
            m_timeLine->setFrameRange(isChecked() ? 100 - m_position : m_position, 100);
        if (m_position != 0 && m_position != 100)
            m_timeLine->start();
    }
    m_dragDistance = 0;
    m_dragging = false;
}

void ZCSvgSlideSwitch::setSwitchPosition(int nPosition)
{
    m_position = isChecked() ? 100 - nPosition : nPosition;
    update();
    if (m_position == 100)
        switchFromPointer(true);
    else if (m_position == 0)
        switchFromPointer(false);
}

void ZCSvgSlideSwitch::updateSwitchPosition(bool bChecked)
{
    m_position = bChecked ? 100 : 0;
    update();
}

// One clicked() per change of state, however often the pointer passes an end.
void ZCSvgSlideSwitch::switchFromPointer(bool on)
{
    if (isChecked() == on)
        return;
    setChecked(on);
    emit clicked(on);
}
