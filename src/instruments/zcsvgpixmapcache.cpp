#include "zcsvgpixmapcache.h"

#include <QPainter>
#include <QSvgRenderer>

ZCSvgPixmapCache::ZCSvgPixmapCache(QObject* parent)
    : QObject(parent)
    , m_renderer(std::make_unique<QSvgRenderer>())
{
}

ZCSvgPixmapCache::~ZCSvgPixmapCache() = default;

bool ZCSvgPixmapCache::load(const QByteArray& svg)
{
    m_renderer->load(svg);
    const bool hadNoPixmap = m_pixmap.isNull();
    m_pixmap = QPixmap();
    return hadNoPixmap;
}

QSize ZCSvgPixmapCache::defaultSize() const
{
    return m_renderer->defaultSize();
}

bool ZCSvgPixmapCache::isValid() const
{
    return m_renderer->isValid();
}

void ZCSvgPixmapCache::draw(QPainter* painter, const QRectF& rect)
{
    if (!m_renderer->isValid())
        return;
    const QSize size = rect.size().toSize();
    if (m_pixmap.isNull() || m_pixmap.size() != size) {
        m_pixmap = QPixmap(size);
        m_pixmap.fill(Qt::transparent);
        if (!m_pixmap.isNull())
            render(m_pixmap);
    }
    painter->drawPixmap(rect.topLeft(), m_pixmap);
}

void ZCSvgPixmapCache::render(QPixmap& pixmap)
{
    QPainter painter(&pixmap);
    m_renderer->render(&painter);
}
