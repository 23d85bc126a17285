#pragma once

#include "mirokit_global.h"

#include <QWidget>

/*!
    A size grip that can live inside any widget: it sits in its parent's bottom-right corner and
    resizes the parent with the mouse, or with the arrow keys while the parent has focus
    (1 pixel a step, 5 with Ctrl).
*/
class MIROKIT_EXPORT ZCSizeGrip : public QWidget
{
    Q_OBJECT

public:
    explicit ZCSizeGrip(QWidget* parent = nullptr);
    ~ZCSizeGrip() override;

    QSize sizeHint() const override;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void moveToCorner();
    void resizeParentByKey(int key, Qt::KeyboardModifiers modifiers);

    QRect m_startGeometry;
    QPoint m_pressPosition;
    int m_gripSize;
};
