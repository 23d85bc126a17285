#include "zcbarcodeean13.h"

namespace {

// Sets of digits 2 to 7 chosen by the leading digit (the standard EAN-13 parity table).
const char* const leadingParities[10] = {"AAAAAA", "AABABB", "AABBAB", "AABBBA", "ABAABB",
                                         "ABBAAB", "ABBBAA", "ABABAB", "ABABBA", "ABBABA"};

} // namespace

ZCBarCodeEan13::ZCBarCodeEan13()
    : ZCBarCodeEanUpc(BarCodeEan13, 13)
{
}

void ZCBarCodeEan13::Draw(QPainter* painter, const QRect& rect)
{
    if (IsDatoOK())
        DrawSymbol(painter, rect, 1, leadingParities[DigitValue(dato.at(0))]);
}
