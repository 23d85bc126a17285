#pragma once

#include "mirokit_global.h"

#include <QTimeEdit>

class ZFont;

/*!
    A time editor whose wheel steps only while it has the focus, so that over an unfocused
    editor the wheel scrolls the form around it.
*/
class MIROKIT_EXPORT ZTimeEdit : public QTimeEdit
{
    Q_OBJECT
    Q_PROPERTY(ZFont* font READ GetFont WRITE SetFont)

public:
    explicit ZTimeEdit(QWidget* parent = nullptr);
    ZTimeEdit(const QTime& time, QWidget* parent);
    ~ZTimeEdit() override;

protected:
    void wheelEvent(QWheelEvent* event) override;

private:
    ZFont* GetFont();
    void SetFont(ZFont* font);
};
