#include "zcsvgbutton.h"

#include <QPainter>
#include <QSvgRenderer>

namespace {

// The image in the unit square, to be scaled by the painter at paint time.
QPicture unitPicture(QSvgRenderer& renderer)
{
    QPicture picture;
    if (renderer.isValid()) {
        QPainter painter(&picture);
        renderer.render(&painter, QRectF(0, 0, 1, 1));
    }
    return picture;
}

} // namespace

ZCSvgButton::ZCSvgButton(QWidget* parent)
    : QPushButton(parent)
{
    setAttribute(Qt::WA_Hover);
}

void ZCSvgButton::SetSvg(const QByteArray& normal, const QByteArray& pressed, const QByteArray& hover)
{
    QSvgRenderer renderer(normal);
    m_normal = unitPicture(renderer);
    m_svgSize = renderer.isValid() ? renderer.defaultSize() : QSize();
    renderer.load(pressed);
    m_pressed = unitPicture(renderer);
    renderer.load(hover);
    m_hover = unitPicture(renderer);
    updateGeometry();
    update();
}

QSize ZCSvgButton::sizeHint() const
{
    return m_svgSize.isEmpty() ? QSize(100, 24) : m_svgSize;
}

void ZCSvgButton::paintEvent(QPaintEvent*)
{
    if (m_svgSize.isEmpty())
        return;
    const QSize size = m_svgSize.scaled(this->size(), Qt::KeepAspectRatio);
    QPainter painter(this);
    painter.scale(size.width(), size.height());
    if (isDown())
        painter.drawPicture(0, 0, m_pressed);
    else if (underMouse())
        painter.drawPicture(0, 0, m_hover);
    else
        painter.drawPicture(0, 0, m_normal);
}
