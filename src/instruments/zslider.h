#pragma once

#include "mirokit_global.h"
// Complete for the font property: a meta-object needs the whole type of a pointer property.
#include "zfont.h"

#include <QSlider>

/*!
    A QSlider that publishes its font to scripts as the property \c font.
*/
class MIROKIT_EXPORT ZSlider : public QSlider
{
    Q_OBJECT
    Q_PROPERTY(ZFont* font READ GetFont WRITE SetFont)

public:
    explicit ZSlider(QWidget* parent = nullptr);
    explicit ZSlider(Qt::Orientation orientation, QWidget* parent = nullptr);
    ~ZSlider() override;

    ZFont* GetFont();
    void SetFont(ZFont* font);
};
