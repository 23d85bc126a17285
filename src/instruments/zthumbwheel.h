#pragma once

#include "mirokit_global.h"
// Complete for the font property: a meta-object needs the whole type of a pointer property.
#include "zfont.h"

#include <QAbstractSlider>

#include <memory>

class ZThumbWheelPrivate;

/*!
    A ribbed wheel seen edge-on that sets an integer value by dragging, the mouse wheel or keys.

    Dragging across the whole wheel turns it half a revolution, which covers the value range
    divided by transmissionRatio(). With wrapsAround() a drag past one end continues from the
    other; with limitedDrag() the pointer beyond the wheel counts as its nearest end, otherwise
    the value keeps following the pointer at the rate it had on the wheel. Wheel deltas are
    accumulated, so a touchpad turns it as steadily as a notched wheel.
*/
class MIROKIT_EXPORT ZThumbWheel : public QAbstractSlider
{
    Q_OBJECT
    Q_PROPERTY(double transmissionRatio READ transmissionRatio WRITE setTransmissionRatio)
    Q_PROPERTY(bool wrapsAround READ wrapsAround WRITE setWrapsAround)
    Q_PROPERTY(int cogCount READ cogCount WRITE setCogCount)
    Q_PROPERTY(bool limitedDrag READ limitedDrag WRITE setLimitedDrag)
    Q_PROPERTY(ZFont* font READ GetFont WRITE SetFont)

public:
    explicit ZThumbWheel(QWidget* parent = nullptr);
    ZThumbWheel(int minValue, int maxValue, int pageStep, int value, Qt::Orientation orientation,
                QWidget* parent = nullptr);
    ~ZThumbWheel() override;

    int cogCount() const;
    void setCogCount(int count);
    bool wrapsAround() const;
    void setWrapsAround(bool wraps);
    bool limitedDrag() const;
    void setLimitedDrag(bool limited);
    double transmissionRatio() const;
    virtual void setTransmissionRatio(double ratio);

    QSize sizeHint() const override;

    ZFont* GetFont();
    void SetFont(ZFont* font);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    std::unique_ptr<ZThumbWheelPrivate> d;
};
