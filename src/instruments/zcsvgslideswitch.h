#pragma once

#include "mirokit_global.h"

#include <QAbstractButton>

class QTimeLine;
class ZCSvgPixmapCache;

/*!
    An on/off switch drawn from SVG images whose knob slides over a background. The knob can be
    dragged; reaching an end switches at once, and a knob let go half-way runs on to the other
    end in 150 ms and switches there. A plain click does not toggle; the keyboard does, as on any
    checkable button. Emits QAbstractButton's clicked() once for every change made by the
    pointer, and toggled() for every change.
*/
class MIROKIT_EXPORT ZCSvgSlideSwitch : public QAbstractButton
{
    Q_OBJECT

public:
    explicit ZCSvgSlideSwitch(QWidget* parent = nullptr);
    ~ZCSvgSlideSwitch() override;

    // The knob images come off before on.
    void SetSvg(const QByteArray& background, const QByteArray& backgroundHover,
                const QByteArray& knobOff, const QByteArray& knobOn);
    QSize sizeHint() const override;

protected:
    bool hitButton(const QPoint& pos) const override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private slots:
    void setSwitchPosition(int nPosition);
    void updateSwitchPosition(bool bChecked);

private:
    QRectF backgroundRect() const;
    QRectF knobRect() const;
    int travel() const;
    void switchFromPointer(bool on);

    ZCSvgPixmapCache* m_background;
    ZCSvgPixmapCache* m_backgroundHover;
    ZCSvgPixmapCache* m_knobOn;
    ZCSvgPixmapCache* m_knobOff;
    QTimeLine* m_timeLine;
    QPoint m_pressPoint;
    int m_dragDistance = 0;
    bool m_dragging = false;
    bool m_checkedAtPress = false;
    int m_position = 0;
};
