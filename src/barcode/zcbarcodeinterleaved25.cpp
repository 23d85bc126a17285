#include "zcbarcodeinterleaved25.h"

namespace {

// The standard digit patterns: five widths from the most significant bit, a set bit is wide.
const quint8 digitPatterns[10] = {0x06, 0x11, 0x09, 0x18, 0x05, 0x14, 0x0C, 0x03, 0x12, 0x0A};

} // namespace

ZCBarCodeInterleaved25::ZCBarCodeInterleaved25()
    : ZCBarCode(BarCodeInterleaved25, 0)
{
}

bool ZCBarCodeInterleaved25::IsDatoOK() const
{
    if (dato.isEmpty())
        return false;
    for (const QChar ch : dato) {
        if (DigitValue(ch) < 0)
            return false;
    }
    return true;
}

void ZCBarCodeInterleaved25::Draw(QPainter* painter, const QRect& rect)
{
    if (!painter || !IsDatoOK())
        return;
    if (dato.size() % 2)
        dato.prepend(QLatin1Char('0'));
    const DrawScope scope(this, painter, rect);
    DrawWidths(painter, "1111", true);
    for (int i = 0; i < dato.size(); i += 2)
        DrawPair(painter, DigitValue(dato.at(i)), DigitValue(dato.at(i + 1)));
    DrawWidths(painter, "311", true);
}

void ZCBarCodeInterleaved25::DrawPair(QPainter* painter, int barDigit, int spaceDigit)
{
    const int bars = digitPatterns[barDigit];
    const int spaces = digitPatterns[spaceDigit];
    for (int bit = 4; bit >= 0; --bit) {
        DrawElement(painter, (bars >> bit) & 1 ? 3 : 1, true, true);
        DrawElement(painter, (spaces >> bit) & 1 ? 3 : 1, false, true);
    }
}
