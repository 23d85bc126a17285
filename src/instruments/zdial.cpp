#include "zdial.h"

#include "zfont.h"

ZDial::ZDial(QWidget* parent)
    : QDial(parent)
{
}

ZDial::~ZDial() = default;

ZFont* ZDial::GetFont()
{
    return ZFont::CreateFor(this);
}

void ZDial::SetFont(ZFont* font)
{
    ZFont::ApplyTo(this, font);
}
