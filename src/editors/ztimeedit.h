#pragma once

#include "mirokit_global.h"
// Complete for the font property: a meta-object needs the whole type of a pointer property.
#include "zfont.h"

#include <QTimeEdit>

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
