#include "zcicon.h"

#include <QPixmapCache>

ZCIcon::ZCIcon() = default;

ZCIcon::ZCIcon(const QPixmap& pixmap)
    : QIcon(pixmap)
{
}

ZCIcon::ZCIcon(const QString& fileName)
    : QIcon(fileName)
{
}

ZCIcon::ZCIcon(QIconEngine* engine)
    : QIcon(engine)
{
}

ZCIcon::~ZCIcon() = default;

ZCIcon& ZCIcon::operator=(const QPixmap& pixmap)
{
    QIcon::operator=(QIcon(pixmap));
    return *this;
}

ZCIcon::operator QVariant() const
{
    return QVariant::fromValue(static_cast<const QIcon&>(*this));
}

QPixmap ZCIcon::GetPixmapCache(const QString& fileName) const
{
    QPixmap pixmap;
    if (QPixmapCache::find(fileName, &pixmap))
        return pixmap;
    pixmap = QPixmap(fileName);
    QPixmapCache::insert(fileName, pixmap);
    return pixmap;
}
