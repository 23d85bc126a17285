#pragma once

#include "zcmedidorwidget.h"
// Complete for the font property: a meta-object needs the whole type of a pointer property.
#include "zfont.h"

/*!
    A vertical thermometer: a glass tube on a bulb with 33 ticks and nine labels, and a liquid
    column that is blue below the nominal value, green from it and red from the critical value.
    The column stays between a 5-unit stub and the full tube whatever the value.
*/
class MIROKIT_EXPORT ZThermometerWidget : public ZCMedidorWidget
{
    Q_OBJECT
    Q_PROPERTY(ZFont* font READ GetFont WRITE SetFont)

public:
    explicit ZThermometerWidget(QWidget* parent = nullptr);
    ~ZThermometerWidget() override;

    ZFont* GetFont();
    void SetFont(ZFont* font);

protected:
    void InitCoordinateSystem(QPainter& painter);
    void paintBackground(QPainter& painter) override;
    void paintForeground(QPainter& painter) override;

private:
    void paintGlass(QPainter& painter);
    void paintTicks(QPainter& painter);
    void paintLabels(QPainter& painter);
    void paintValueText(QPainter& painter);
    void paintLiquid(QPainter& painter, const QColor& color);
    double columnHeight() const;
};
