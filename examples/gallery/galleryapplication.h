#pragma once

#include <Mirokit/ZCApplication.h>

// The gallery's application object: it makes Spanish (es_ES) the default locale, as a program
// for Spain does, restores the style the user chose last time and saves it again on exit, as a
// host's subclass of ZCApplication does.
class GalleryApplication : public ZCApplication
{
    Q_OBJECT

public:
    GalleryApplication();
    ~GalleryApplication() override;
};
