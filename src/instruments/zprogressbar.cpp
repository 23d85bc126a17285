#include "zprogressbar.h"

#include "zfont.h"

ZProgressBar::ZProgressBar(QWidget* parent)
    : QProgressBar(parent)
{
}

ZProgressBar::~ZProgressBar() = default;

ZFont* ZProgressBar::GetFont()
{
    return ZFont::CreateFor(this);
}

void ZProgressBar::SetFont(ZFont* font)
{
    ZFont::ApplyTo(this, font);
}
