#pragma once

#include "mirokit_global.h"

#include <QComboBox>

#include <memory>

class ZCDragStartTracker;

/*!
    A combo box that is a drag source.
    It does not build a drag itself: once the pointer has moved the start-drag distance with the
    left button held, it emits iniciarDrag() (once per press) and the caller runs a ZCDrag with
    its own data.
*/
class MIROKIT_EXPORT ZCDragComboBox : public QComboBox
{
    Q_OBJECT

public:
    explicit ZCDragComboBox(QWidget* parent = nullptr);
    ~ZCDragComboBox() override;

    // Where the left button was last pressed, (0,0) before any press.
    QPoint pressPosition() const;

signals:
    void iniciarDrag(QWidget* pWidgetSource);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    std::unique_ptr<ZCDragStartTracker> m_dragStart;
};
