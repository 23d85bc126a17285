#pragma once

#include "mirokit_global.h"

#include <QIcon>
#include <QVariant>

/*!
    The library's icon for resource images. Subclasses look images up through GetPixmapCache,
    which loads each file once per process through QPixmapCache.
*/
class MIROKIT_EXPORT ZCIcon : public QIcon
{
public:
    ZCIcon();
    ZCIcon(const QPixmap& pixmap);
    explicit ZCIcon(const QString& fileName);
    explicit ZCIcon(QIconEngine* engine);
    ~ZCIcon();

    ZCIcon& operator=(const QPixmap& pixmap);
    operator QVariant() const;

protected:
    QPixmap GetPixmapCache(const QString& fileName) const;
};
