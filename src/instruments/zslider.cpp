#include "zslider.h"

#include "zfont.h"

ZSlider::ZSlider(QWidget* parent)
    : QSlider(parent)
{
}

ZSlider::ZSlider(Qt::Orientation orientation, QWidget* parent)
    : QSlider(orientation, parent)
{
}

ZSlider::~ZSlider() = default;

ZFont* ZSlider::GetFont()
{
    return ZFont::CreateFor(this);
}

void ZSlider::SetFont(ZFont* font)
{
    ZFont::ApplyTo(this, font);
}
