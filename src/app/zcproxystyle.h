#pragma once

#include "mirokit_global.h"

#include <QProxyStyle>

/*!
    The proxy every style chosen through ZCApplication is wrapped in. Widgets under a style
    sheet get no focus rectangle, and disabled icons are Qt's disabled icon at 35 % opacity.
*/
class MIROKIT_EXPORT ZCProxyStyle : public QProxyStyle
{
    Q_OBJECT

public:
    ZCProxyStyle();
    explicit ZCProxyStyle(QStyle* baseStyle);
    ~ZCProxyStyle() override;

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
    QPixmap generatedIconPixmap(QIcon::Mode mode, const QPixmap& pixmap,
                                const QStyleOption* option) const override;
};
