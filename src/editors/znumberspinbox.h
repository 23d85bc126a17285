#pragma once

#include "mirokit_global.h"
// Complete for the font property: a meta-object needs the whole type of a pointer property.
#include "zfont.h"

#include <QDoubleSpinBox>

/*!
    A decimal number editor with a display mode of its own: as Qt shows it, in the locale's
    layout with digit grouping, or in the locale's currency layout without a symbol. While it
    has the focus the number is shown bare (no grouping, no symbol) for editing. The keypad's
    point types the locale's decimal separator, and the wheel steps only a focused editor.
    Values that are not finite are refused with a warning.
*/
class MIROKIT_EXPORT ZNumberSpinBox : public QDoubleSpinBox
{
    Q_OBJECT
    // Redeclared so that scripts go through the checks of this class.
    Q_PROPERTY(double minimum READ minimum WRITE setMinimum)
    Q_PROPERTY(double maximum READ maximum WRITE setMaximum)
    Q_PROPERTY(double singleStep READ singleStep WRITE setSingleStep)
    Q_PROPERTY(double value READ value WRITE setValue USER true)
    Q_PROPERTY(ZFont* font READ GetFont WRITE SetFont)

public:
    enum NumericFormat { NFormatNone = 0, NFormatLocal = 1, NFormatLocalCurrency = 2 };
    Q_ENUM(NumericFormat)

    explicit ZNumberSpinBox(QWidget* parent = nullptr);
    ~ZNumberSpinBox() override;

    void setMinimum(double minimum);
    void setMaximum(double maximum);
    void setRange(double minimum, double maximum);
    void setSingleStep(double step);

    QString textFromValue(double value) const override;
    QValidator::State validate(QString& input, int& pos) const override;
    void fixup(QString& input) const override;

public slots:
    void setValue(double value);
    // Takes effect the next time the value is shown.
    void setNumericFormat(int nNumericFormat);
    int numericFormat() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    ZFont* GetFont();
    void SetFont(ZFont* font);
    bool isFinite(double value) const;
    void showBareNumber();

    int m_numericFormat = NFormatNone;
    bool m_keypadPoint = false;
};
