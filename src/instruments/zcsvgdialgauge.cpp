#include "zcsvgdialgauge.h"

#include "zcsvgpixmapcache.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

ZCSvgDialGauge::ZCSvgDialGauge(QWidget* parent)
    : QWidget(parent)
    , m_dial(new ZCSvgPixmapCache(this))
    , m_shadow(new ZCSvgPixmapCache(this))
    , m_needle(new ZCSvgPixmapCache(this))
    , m_overlay(new ZCSvgPixmapCache(this))
{
    setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Maximum);
}

ZCSvgDialGauge::~ZCSvgDialGauge() = default;

void ZCSvgDialGauge::SetSvg(const QByteArray& dial, const QByteArray& shadow, const QByteArray& needle,
                            const QByteArray& overlay)
{
    m_dial->load(dial);
    m_shadow->load(shadow);
    m_needle->load(needle);
    m_overlay->load(overlay);
    updateGeometry();
    update();
}

void ZCSvgDialGauge::setMinimo(int minimo)
{
    m_minimo = minimo;
    clampValor();
    update();
}

void ZCSvgDialGauge::setMaximo(int maximo)
{
    m_maximo = maximo;
    clampValor();
    update();
}

void ZCSvgDialGauge::setValor(int valor)
{
    m_valor = valor;
    clampValor();
    update();
}

// A minimum set above the maximum (on the way to a new range) must not turn the clamp inside
// out: the value stays between the two bounds, whichever is lower.
void ZCSvgDialGauge::clampValor()
{
    m_valor = std::clamp(m_valor, std::min(m_minimo, m_maximo), std::max(m_minimo, m_maximo));
}

void ZCSvgDialGauge::setAnguloInicio(double angle)
{
    m_anguloInicio = angle;
}

void ZCSvgDialGauge::setAnguloFin(double angle)
{
    m_anguloFin = angle;
}

void ZCSvgDialGauge::setOrigen(double x, double y)
{
    m_origenX = std::clamp(x, 0.0, 1.0);
    m_origenY = std::clamp(y, 0.0, 1.0);
}

void ZCSvgDialGauge::setShowOverlay(bool show)
{
    m_showOverlay = show;
    update();
}

double ZCSvgDialGauge::angulo() const
{
    // An empty range has no travel: the needle rests at the start angle.
    if (m_maximo == m_minimo)
        return m_anguloInicio;
    const double fraction = (double(m_valor) - m_minimo) / (double(m_maximo) - m_minimo);
    return fraction * (m_anguloFin - m_anguloInicio) + m_anguloInicio;
}

QSize ZCSvgDialGauge::sizeHint() const
{
    return QSize(400, 400);
}

QSize ZCSvgDialGauge::minimumSizeHint() const
{
    return QSize(100, 100);
}

void ZCSvgDialGauge::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const double angle = angulo();

    const QSize dialSize = m_dial->defaultSize().scaled(size(), Qt::KeepAspectRatio);
    painter.translate((width() - dialSize.width()) / 2.0, (height() - dialSize.height()) / 2.0);
    painter.save();
    m_dial->draw(&painter, QRectF(QPointF(0, 0), dialSize));

    const QSize needleSize = m_needle->defaultSize().scaled(size(), Qt::KeepAspectRatio);
    const double w = needleSize.width();
    const double h = needleSize.height();
    const QRectF needleRect(std::trunc(-w * m_origenX), std::trunc(-h * m_origenY), w, h);
    painter.translate(w * m_origenX, h * m_origenY);

    painter.save();
    painter.translate(2, 4);
    painter.rotate(angle);
    m_shadow->draw(&painter, needleRect);
    painter.restore();

    painter.rotate(angle);
    m_needle->draw(&painter, needleRect);
    painter.restore();

    if (m_showOverlay)
        m_overlay->draw(&painter, QRectF(QPointF(0, 0), m_overlay->defaultSize().scaled(size(), Qt::KeepAspectRatio)));
}
