#pragma once

#include "zcbarcodeeanupc.h"

/*!
    UPC-A: twelve digits, six on each side of the centre guard, all with short bars.
*/
class MIROKIT_EXPORT ZCBarCodeUPC : public ZCBarCodeEanUpc
{
public:
    ZCBarCodeUPC();
    ZCBarCodeUPC(const ZCBarCodeUPC& other) = default;
    ZCBarCodeUPC& operator=(const ZCBarCodeUPC& other) = default;

    void Draw(QPainter* painter, const QRect& rect) override;
};
