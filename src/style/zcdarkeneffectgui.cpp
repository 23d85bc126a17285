#include "zcdarkeneffectgui.h"

#include "zcoverlayshadowgui.h"

#include <QPainter>

ZCDarkenEffectGui::ZCDarkenEffectGui(QObject* parent)
    : QGraphicsEffect(parent)
{
}

ZCDarkenEffectGui::~ZCDarkenEffectGui() = default;

void ZCDarkenEffectGui::draw(QPainter* painter)
{
    painter->fillRect(boundingRect(), ZCOverlayShadowGui::GetColor());
    // Straight onto the painter: the overlay paints nothing itself, so an off-screen copy of
    // it would only cost a screen-sized transparent pixmap per frame.
    drawSource(painter);
}
