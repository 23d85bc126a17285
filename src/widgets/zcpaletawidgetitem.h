#pragma once

#include "mirokit_global.h"

#include <QColor>
#include <QFrame>

class ZCPaletaWidget;

/*!
    One swatch of a ZCPaletaWidget: a square of its colour over a checkerboard, so that
    translucent colours show, framed three times over while it has the palette's focus.
*/
class MIROKIT_EXPORT ZCPaletaWidgetItem : public QFrame
{
    Q_OBJECT

public:
    ZCPaletaWidgetItem(ZCPaletaWidget* palette, const QColor& color);
    ~ZCPaletaWidgetItem() override;

    QColor getColor() const;
    void setColor(const QColor& color);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
    void enterEvent(QEvent* event) override;
#else
    void enterEvent(QEnterEvent* event) override;
#endif

private:
    ZCPaletaWidget* m_palette;
    QColor m_color;
};
