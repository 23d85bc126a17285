#include "zcbarcodeean8.h"

ZCBarCodeEan8::ZCBarCodeEan8()
    : ZCBarCodeEanUpc(BarCodeEan8, 8)
{
}

void ZCBarCodeEan8::Draw(QPainter* painter, const QRect& rect)
{
    if (IsDatoOK())
        DrawSymbol(painter, rect, 0, nullptr);
}
