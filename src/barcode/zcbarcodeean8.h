#pragma once

#include "zcbarcodeeanupc.h"

/*!
    EAN-8: eight digits, four on each side of the centre guard.
*/
class MIROKIT_EXPORT ZCBarCodeEan8 : public ZCBarCodeEanUpc
{
public:
    ZCBarCodeEan8();
    ZCBarCodeEan8(const ZCBarCodeEan8& other) = default;
    ZCBarCodeEan8& operator=(const ZCBarCodeEan8& other) = default;

    void Draw(QPainter* painter, const QRect& rect) override;
};
