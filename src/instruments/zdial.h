#pragma once

#include "mirokit_global.h"
// Complete for the font property: a meta-object needs the whole type of a pointer property.
#include "zfont.h"

#include <QDial>

/*!
    A QDial that publishes its font to scripts as the property \c font.
*/
class MIROKIT_EXPORT ZDial : public QDial
{
    Q_OBJECT
    Q_PROPERTY(ZFont* font READ GetFont WRITE SetFont)

public:
    explicit ZDial(QWidget* parent = nullptr);
    ~ZDial() override;

    ZFont* GetFont();
    void SetFont(ZFont* font);
};
