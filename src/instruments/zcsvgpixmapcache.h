#pragma once

#include "mirokit_global.h"

#include <QObject>
#include <QPixmap>
#include <QRectF>

#include <memory>

class QPainter;
class QSvgRenderer;

/*!
    One SVG image and the pixmap last rendered from it. Drawing into a rectangle of the same
    size again only copies the pixmap; the SVG is rendered again when the size changes or new
    data is loaded.
*/
class MIROKIT_EXPORT ZCSvgPixmapCache : public QObject
{
    Q_OBJECT

public:
    explicit ZCSvgPixmapCache(QObject* parent = nullptr);
    ~ZCSvgPixmapCache() override;

    // Loads new data and drops the rendered pixmap; tells whether there was none to drop.
    bool load(const QByteArray& svg);
    QSize defaultSize() const;
    bool isValid() const;
    // Draws nothing while the SVG is not valid.
    void draw(QPainter* painter, const QRectF& rect);

protected:
    // Renders the SVG over the whole of `pixmap` (already transparent); called only when the
    // pixmap must be made again.
    virtual void render(QPixmap& pixmap);

private:
    std::unique_ptr<QSvgRenderer> m_renderer;
    QPixmap m_pixmap;
};
