#include "zcbarcodeupc.h"

ZCBarCodeUPC::ZCBarCodeUPC()
    : ZCBarCodeEanUpc(BarCodeUPC, 12)
{
}

void ZCBarCodeUPC::Draw(QPainter* painter, const QRect& rect)
{
    if (IsDatoOK())
        DrawSymbol(painter, rect, 0, nullptr);
}
