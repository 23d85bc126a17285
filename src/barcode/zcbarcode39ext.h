#pragma once

#include "zcbarcode39.h"

/*!
    Code 39 full ASCII: every character from 0 to 127, each written as one or two Code 39
    characters; the stored data keeps the original text.
*/
class MIROKIT_EXPORT ZCBarCode39Ext : public ZCBarCode39
{
public:
    ZCBarCode39Ext();
    ZCBarCode39Ext(const ZCBarCode39Ext& other) = default;
    ZCBarCode39Ext& operator=(const ZCBarCode39Ext& other) = default;

    // Non-empty data of ASCII characters (0 to 127).
    bool IsDatoOK() const override;
    void Draw(QPainter* painter, const QRect& rect) override;

    // The data spelt in plain Code 39 characters.
    QString CovertirDatoExt() const;
};
