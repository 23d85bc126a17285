#include "zlineedit.h"

#include "zfont.h"

ZLineEdit::ZLineEdit(QWidget* parent)
    : QLineEdit(parent)
{
}

ZLineEdit::ZLineEdit(const QString& text, QWidget* parent)
    : QLineEdit(text, parent)
{
}

ZLineEdit::~ZLineEdit() = default;

void ZLineEdit::emitTextEdited(const QString& text)
{
    emit textEdited(text);
}

void ZLineEdit::backspace() { QLineEdit::backspace(); }
void ZLineEdit::del() { QLineEdit::del(); }
void ZLineEdit::deselect() { QLineEdit::deselect(); }
void ZLineEdit::home(bool bMark) { QLineEdit::home(bMark); }
void ZLineEdit::end(bool bMark) { QLineEdit::end(bMark); }
void ZLineEdit::insert(QString szNewText) { QLineEdit::insert(szNewText); }

ZFont* ZLineEdit::GetFont()
{
    return ZFont::CreateFor(this);
}

void ZLineEdit::SetFont(ZFont* font)
{
    ZFont::ApplyTo(this, font);
}
