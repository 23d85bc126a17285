#pragma once

#include "mirokit_global.h"

#include <QAbstractButton>

class QSvgRenderer;

/*!
    An on/off switch that shows one of two SVG images, stretched over the whole widget.
*/
class MIROKIT_EXPORT ZCSvgToggleSwitch : public QAbstractButton
{
    Q_OBJECT

public:
    explicit ZCSvgToggleSwitch(QWidget* parent = nullptr);

    void SetSvg(const QByteArray& off, const QByteArray& on);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QSvgRenderer* m_off;
    QSvgRenderer* m_on;
};
