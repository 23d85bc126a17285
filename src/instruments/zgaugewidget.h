#pragma once

#include "zcmedidorwidget.h"
// Complete for the font property: a meta-object needs the whole type of a pointer property.
#include "zfont.h"

#include <QColor>

/*!
    A round pressure gauge: a 240° scale running clockwise from the lower left through the top,
    a green zone from the nominal value and a red zone from the critical value, 33 ticks, nine
    labels, a black needle and the value text below the hub.
*/
class MIROKIT_EXPORT ZGaugeWidget : public ZCMedidorWidget
{
    Q_OBJECT
    Q_PROPERTY(ZFont* font READ GetFont WRITE SetFont)

public:
    explicit ZGaugeWidget(QWidget* parent = nullptr);
    ~ZGaugeWidget() override;

    const QColor& GetColorBase() const { return m_colorBase; }
    void SetColorBase(const QColor& color);

    ZFont* GetFont();
    void SetFont(ZFont* font);

protected:
    void InitCoordinateSystem(QPainter& painter);
    void paintBackground(QPainter& painter) override;
    void paintForeground(QPainter& painter) override;

private:
    void paintBezel(QPainter& painter);
    void paintZone(QPainter& painter, double from, const QColor& color);
    void paintTicks(QPainter& painter);
    void paintLabels(QPainter& painter);
    void paintNeedle(QPainter& painter);
    void paintValueText(QPainter& painter);

    QColor m_colorBase = QColor(128, 128, 128);
};
