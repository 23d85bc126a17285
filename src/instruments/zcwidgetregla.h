#pragma once

#include "mirokit_global.h"

#include <QWidget>

class QRubberBand;

/*!
    A ruler along the top or the side of a drawing: a tick every 6 pixels, longer every 4th and
    8th, and a number every 16th (every 96 pixels). MarcaRect() marks a rectangle's extent
    along the ruler.
*/
class MIROKIT_EXPORT ZCWidgetRegla : public QWidget
{
    Q_OBJECT

public:
    explicit ZCWidgetRegla(QWidget* parent = nullptr);
    explicit ZCWidgetRegla(Qt::Orientation orientation, QWidget* parent = nullptr);

    void MarcaRect(const QRect& rect);
    void LimpiaMarcas();

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void drawNumber(QPainter& painter, int position, int number, int digitHeight) const;

    Qt::Orientation m_orientation;
    QRubberBand* m_mark = nullptr;
};
