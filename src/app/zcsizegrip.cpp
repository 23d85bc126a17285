#include "zcsizegrip.h"

#include "zceventposition_p.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyleOptionSizeGrip>
#include <QStylePainter>

ZCSizeGrip::ZCSizeGrip(QWidget* parent)
    : QWidget(parent)
    , m_gripSize(style()->pixelMetric(QStyle::PM_SizeGripSize, nullptr, this))
{
    resize(sizeHint());
    setCursor(Qt::SizeFDiagCursor);
    if (parent) {
        moveToCorner();
        parent->installEventFilter(this);
    }
}

ZCSizeGrip::~ZCSizeGrip() = default;

QSize ZCSizeGrip::sizeHint() const
{
    QStyleOption option;
    option.initFrom(this);
    return style()->sizeFromContents(QStyle::CT_SizeGrip, &option, QSize(m_gripSize, m_gripSize), this);
}

void ZCSizeGrip::mousePressEvent(QMouseEvent* event)
{
    m_pressPosition = ZCEventPosition::globalPosition(event).toPoint();
    if (parentWidget())
        m_startGeometry = parentWidget()->geometry();
}

void ZCSizeGrip::mouseReleaseEvent(QMouseEvent* event)
{
    m_pressPosition = ZCEventPosition::globalPosition(event).toPoint();
}

void ZCSizeGrip::mouseMoveEvent(QMouseEvent* event)
{
    QWidget* parent = parentWidget();
    if (!parent || !(event->buttons() & Qt::LeftButton))
        return;
    const QPoint corner = parent->mapFromGlobal(ZCEventPosition::globalPosition(event).toPoint());
    parent->resize(corner.x(), corner.y());
    moveToCorner();
}

void ZCSizeGrip::paintEvent(QPaintEvent* event)
{
    Q_UNUSED(event)
    QStylePainter painter(this);
    QStyleOptionSizeGrip option;
    option.initFrom(this);
    option.corner = Qt::BottomRightCorner;
    painter.drawControl(QStyle::CE_SizeGrip, option);
}

bool ZCSizeGrip::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == parentWidget()) {
        if (event->type() == QEvent::Resize) {
            moveToCorner();
        } else if (event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<QKeyEvent*>(event);
            resizeParentByKey(key->key(), key->modifiers());
        }
    }
    // The grip only watches: its parent still gets every event.
    return QWidget::eventFilter(watched, event);
}

void ZCSizeGrip::moveToCorner()
{
    if (const QWidget* parent = parentWidget())
        move(parent->rect().bottomRight() - QPoint(m_gripSize, m_gripSize));
}

void ZCSizeGrip::resizeParentByKey(int key, Qt::KeyboardModifiers modifiers)
{
    QWidget* parent = parentWidget();
    const int step = modifiers & Qt::ControlModifier ? 5 : 1;
    QSize size = parent->size();
    switch (key) {
    case Qt::Key_Left:
        size.rwidth() -= step;
        break;
    case Qt::Key_Right:
        size.rwidth() += step;
        break;
    case Qt::Key_Up:
        size.rheight() -= step;
        break;
    case Qt::Key_Down:
        size.rheight() += step;
        break;
    default:
        return;
    }
    parent->resize(size);
}
