#include "zimagewidget.h"

#include "zfont.h"

#include <QPainter>
#include <QStyleOptionFocusRect>

ZImageWidget::ZImageWidget(QWidget* parent)
    : QFrame(parent)
{
    setAutoFillBackground(true);
    setFrameShadow(QFrame::Sunken);
}

void ZImageWidget::SetImagenFondo(const QImage* image, ZCDrawer::EMIAspectoDibujoGeneric aspecto)
{
    m_image = image;
    m_aspecto = aspecto;
}

void ZImageWidget::setViewMode(int aspecto)
{
    m_aspecto = aspecto;
}

void ZImageWidget::SetAspectoDibujo(ZCDrawer::EMIAspectoDibujoGeneric aspecto)
{
    m_aspecto = aspecto;
}

int ZImageWidget::viewMode() const
{
    return m_aspecto;
}

void ZImageWidget::ShowFoco(bool show)
{
    m_showFocus = show;
}

QSize ZImageWidget::sizeHint() const
{
    return m_image && !m_image->isNull() ? m_image->size() : QFrame::sizeHint();
}

void ZImageWidget::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    if (m_image && !m_image->isNull()) {
        ZCDrawer::DrawPixmapHdpi(&painter, contentsRect(), ZCDrawer::EMIAspectoDibujoGeneric(m_aspecto),
                                 QPixmap::fromImage(*m_image));
    }
    if (m_showFocus && hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.backgroundColor = palette().color(QPalette::Active, QPalette::Highlight);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }
}

ZFont* ZImageWidget::GetFont()
{
    return ZFont::CreateFor(this);
}

void ZImageWidget::SetFont(ZFont* font)
{
    ZFont::ApplyTo(this, font);
}
