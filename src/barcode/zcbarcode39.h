#pragma once

#include "zcbarcode.h"

/*!
    Code 39: digits, upper-case letters (lower case is read as upper case) and "-. $/+%" between
    two "*" characters, nine elements each of which three are wide, and no check character.
*/
class MIROKIT_EXPORT ZCBarCode39 : public ZCBarCode
{
public:
    ZCBarCode39();
    ZCBarCode39(const ZCBarCode39& other) = default;
    ZCBarCode39& operator=(const ZCBarCode39& other) = default;

    // Non-empty data of characters that Code 39 has.
    bool IsDatoOK() const override;
    void Draw(QPainter* painter, const QRect& rect) override;

    // The symbol value of a character (0 to 42), or -1 when Code 39 lacks it.
    static int AsciiToCode39(char ch);

protected:
    ZCBarCode39(int tipo);

    // Start character, `text` (known to be all Code 39 characters), stop character.
    void DrawText(QPainter* painter, const QRect& rect, const QString& text);
    // A character's pattern followed by the one-module gap between characters.
    void DrawChar(QPainter* painter, char ch);
    void DrawPatron(QPainter* painter, int pattern);
};
