#include "galleryapplication.h"

#include <QLocale>

GalleryApplication::GalleryApplication()
    : ZCApplication(QStringLiteral("MirokitGallery"), nullptr)
{
    // A program for Spain, whatever the machine's own locale: numbers, money and dates in
    // Spanish formats, in the pages and in the library's widgets they hold.
    QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
    LoadSettings();
}

GalleryApplication::~GalleryApplication()
{
    SaveSettings();
}
