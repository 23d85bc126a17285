#include "galleryapplication.h"

GalleryApplication::GalleryApplication()
    : ZCApplication(QStringLiteral("MirokitGallery"), nullptr)
{
    LoadSettings();
}

GalleryApplication::~GalleryApplication()
{
    SaveSettings();
}
