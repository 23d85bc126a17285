#include "ztimeedit.h"

#include "zcfocusedwheel_p.h"
#include "zfont.h"

ZTimeEdit::ZTimeEdit(QWidget* parent)
    : QTimeEdit(parent)
{
    setFocusPolicy(Qt::StrongFocus);
}

ZTimeEdit::ZTimeEdit(const QTime& time, QWidget* parent)
    : QTimeEdit(time, parent)
{
}

ZTimeEdit::~ZTimeEdit() = default;

void ZTimeEdit::wheelEvent(QWheelEvent* event)
{
    if (ZCFocusedWheel::steps(this, event))
        QTimeEdit::wheelEvent(event);
}

ZFont* ZTimeEdit::GetFont()
{
    return ZFont::CreateFor(this);
}

void ZTimeEdit::SetFont(ZFont* font)
{
    ZFont::ApplyTo(this, font);
}
