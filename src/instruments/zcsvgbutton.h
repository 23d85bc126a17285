#pragma once

#include "mirokit_global.h"

#include <QPicture>
#include <QPushButton>

/*!
    A push button drawn from three SVG images: normal, pressed, and under the mouse. The image
    keeps its aspect ratio and fills as much of the button as it can from the top-left corner.
*/
class MIROKIT_EXPORT ZCSvgButton : public QPushButton
{
    Q_OBJECT

public:
    explicit ZCSvgButton(QWidget* parent = nullptr);

    void SetSvg(const QByteArray& normal, const QByteArray& pressed, const QByteArray& hover);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPicture m_normal;
    QPicture m_pressed;
    QPicture m_hover;
    QSize m_svgSize;
};
