#include "zcbarcode39.h"

#include <cstring>

namespace {

// The standard Code 39 patterns: nine elements from the most significant bit, bar first,
// a set bit is wide. Symbol values 0-9, A-Z, then "-. $/+%".
const quint16 patterns[43] = {
    0x034, 0x121, 0x061, 0x160, 0x031, 0x130, 0x070, 0x025, 0x124, 0x064, // 0-9
    0x109, 0x049, 0x148, 0x019, 0x118, 0x058, 0x00D, 0x10C, 0x04C, 0x01C, // A-J
    0x103, 0x043, 0x142, 0x013, 0x112, 0x052, 0x007, 0x106, 0x046, 0x016, // K-T
    0x181, 0x0C1, 0x1C0, 0x091, 0x190, 0x0D0,                             // U-Z
    0x085, 0x184, 0x0C4, 0x0A8, 0x0A2, 0x08A, 0x02A};                     // - . space $ / + %
const quint16 startStopPattern = 0x094;
const char symbols[] = "-. $/+%";

} // namespace

ZCBarCode39::ZCBarCode39()
    : ZCBarCode39(BarCode39)
{
}

ZCBarCode39::ZCBarCode39(int tipo)
    : ZCBarCode(tipo, 0)
{
}

bool ZCBarCode39::IsDatoOK() const
{
    if (dato.isEmpty())
        return false;
    for (const QChar ch : dato) {
        if (ch.unicode() > 0xFF || AsciiToCode39(ch.toLatin1()) < 0)
            return false;
    }
    return true;
}

int ZCBarCode39::AsciiToCode39(char ch)
{
    if (ch >= '0' && ch <= '9')
        return ch - '0';
    if (ch >= 'a' && ch <= 'z')
        ch = char(ch - 'a' + 'A');
    if (ch >= 'A' && ch <= 'Z')
        return ch - 'A' + 10;
    const char* symbol = ch ? std::strchr(symbols, ch) : nullptr;
    return symbol ? int(symbol - symbols) + 36 : -1;
}

void ZCBarCode39::Draw(QPainter* painter, const QRect& rect)
{
    if (IsDatoOK())
        DrawText(painter, rect, dato);
}

void ZCBarCode39::DrawText(QPainter* painter, const QRect& rect, const QString& text)
{
    if (!painter)
        return;
    const DrawScope scope(this, painter, rect);
    DrawPatron(painter, startStopPattern);
    DesplazaOrigenOneBar();
    for (const QChar ch : text)
        DrawChar(painter, ch.toLatin1());
    DrawPatron(painter, startStopPattern);
    DesplazaOrigenOneBar();
}

void ZCBarCode39::DrawChar(QPainter* painter, char ch)
{
    const int value = AsciiToCode39(ch);
    if (value >= 0)
        DrawPatron(painter, patterns[value]);
    DesplazaOrigenOneBar();
}

void ZCBarCode39::DrawPatron(QPainter* painter, int pattern)
{
    DrawWideNarrow(painter, pattern, 9, true);
}
