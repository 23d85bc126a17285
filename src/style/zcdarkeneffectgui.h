#pragma once

#include "mirokit_global.h"

#include <QGraphicsEffect>

/*!
    Covers its source's area with the overlay colour of ZCOverlayShadowGui (translucent dark
    gray by default) and draws the source on top.
*/
class MIROKIT_EXPORT ZCDarkenEffectGui : public QGraphicsEffect
{
    Q_OBJECT

public:
    explicit ZCDarkenEffectGui(QObject* parent = nullptr);
    ~ZCDarkenEffectGui() override;

protected:
    void draw(QPainter* painter) override;
};
