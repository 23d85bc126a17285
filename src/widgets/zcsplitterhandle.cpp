#include "zcsplitterhandle.h"

#include <QEvent>
#include <QPainter>
#include <QStyleOption>

ZCSplitterHandle::ZCSplitterHandle(Qt::Orientation orientation, QSplitter* parent)
    : QSplitterHandle(orientation, parent)
{
    setAttribute(Qt::WA_Hover);
}

ZCSplitterHandle::~ZCSplitterHandle() = default;

void ZCSplitterHandle::SetSizeHandle(int size)
{
    size = std::max(size, -1);
    if (size == m_sizeHandle)
        return;
    m_sizeHandle = size;
    update();
}

int ZCSplitterHandle::GetSizeHandle() const
{
    return m_sizeHandle;
}

bool ZCSplitterHandle::event(QEvent* event)
{
    if (event->type() == QEvent::HoverEnter || event->type() == QEvent::HoverLeave) {
        m_hovered = event->type() == QEvent::HoverEnter;
        update();
    }
    return QSplitterHandle::event(event);
}

// The grip runs across the splitter's orientation: a horizontal splitter has upright handles.
QRect ZCSplitterHandle::gripRect() const
{
    QRect grip = contentsRect();
    if (orientation() == Qt::Horizontal) {
        const int length = std::min(m_sizeHandle, grip.height());
        grip = QRect(grip.left(), grip.top() + (grip.height() - length) / 2, grip.width(), length);
    } else {
        const int length = std::min(m_sizeHandle, grip.width());
        grip = QRect(grip.left() + (grip.width() - length) / 2, grip.top(), length, grip.height());
    }
    return grip;
}

void ZCSplitterHandle::paintEvent(QPaintEvent* event)
{
    if (m_sizeHandle < 0 || !parentWidget())
        return QSplitterHandle::paintEvent(event);
    QStyleOption option;
    option.initFrom(this);
    option.rect = gripRect();
    option.state = QStyle::State_None;
    if (orientation() == Qt::Horizontal)
        option.state |= QStyle::State_Horizontal;
    if (m_hovered)
        option.state |= QStyle::State_MouseOver;
    if (isEnabled())
        option.state |= QStyle::State_Enabled;
    QPainter painter(this);
    parentWidget()->style()->drawControl(QStyle::CE_Splitter, &option, &painter, this);
}
