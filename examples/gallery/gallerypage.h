#pragma once

#include <QString>
#include <QVector>

#include <functional>

class QWidget;

/*!
    A page of the gallery. Each page file registers itself with MIROKIT_GALLERY_PAGE; the
    navigation list shows pages in ascending order.
*/
struct GalleryPage {
    int order;
    QString title;
    std::function<QWidget*()> create;
};

class GalleryPages
{
public:
    static bool add(int order, const QString& title, std::function<QWidget*()> create);
    static QVector<GalleryPage> all();
};

#define MIROKIT_GALLERY_PAGE(order, title, factory) \
    static const bool galleryPageRegistered = GalleryPages::add(order, QStringLiteral(title), factory)
