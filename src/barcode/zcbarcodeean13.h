#pragma once

#include "zcbarcodeeanupc.h"

/*!
    EAN-13: thirteen digits, the first carried only by the parities of the next six.
*/
class MIROKIT_EXPORT ZCBarCodeEan13 : public ZCBarCodeEanUpc
{
public:
    ZCBarCodeEan13();
    ZCBarCodeEan13(const ZCBarCodeEan13& other) = default;
    ZCBarCodeEan13& operator=(const ZCBarCodeEan13& other) = default;

    void Draw(QPainter* painter, const QRect& rect) override;
};
