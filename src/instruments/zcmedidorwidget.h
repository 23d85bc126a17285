#pragma once

#include "zcdoscapaswidget.h"

#include <QFont>

/*!
    The abstract meter: a value shown on a scale of eight units that widens the requested range
    [minimum, maximum] to round numbers, a green zone from the nominal value, a red zone from the
    critical value, and a value text made of prefix, value and suffix.

    Painters draw with scaleMinimum() and scaleMaximum(), never with the requested bounds. The
    value is never clamped; a value outside the scale is drawn past its ends. A NaN value is
    ignored; non-finite bounds and offsets are refused with a warning.
*/
class MIROKIT_EXPORT ZCMedidorWidget : public ZCDosCapasWidget
{
    Q_OBJECT
    Q_PROPERTY(double maximum READ maximum WRITE setMaximum)
    Q_PROPERTY(double minimum READ minimum WRITE setMinimum)
    Q_PROPERTY(double nominal READ nominal WRITE setNominal)
    Q_PROPERTY(double critical READ critical WRITE setCritical)
    Q_PROPERTY(double value READ value WRITE setValue)
    Q_PROPERTY(QString prefix READ prefix WRITE setPrefix)
    Q_PROPERTY(QString suffix READ suffix WRITE setSuffix)

public:
    explicit ZCMedidorWidget(QWidget* parent = nullptr);
    ~ZCMedidorWidget() override;

    double maximum() const { return m_maximum; }
    double minimum() const { return m_minimum; }
    double value() const { return m_value; }
    double nominal() const { return m_nominal; }
    double critical() const { return m_critical; }
    double digitOffset() const { return m_digitOffset; }
    double valueOffset() const { return m_valueOffset; }
    const QString& prefix() const { return m_prefix; }
    const QString& suffix() const { return m_suffix; }
    const QFont& GetFontValue() const { return m_fontValue; }
    const QFont& GetFontDigit() const { return m_fontDigit; }

    void setMaximum(double v);
    void setMinimum(double v);
    void setNominal(double v);
    void setCritical(double v);
    void setDigitOffset(double v);
    void setValueOffset(double v);
    void setPrefix(const QString& prefix);
    void setSuffix(const QString& suffix);
    void SetFontDigit(const QFont& font);
    void SetFontValue(const QFont& font);

signals:
    void valueChanged(int nVal);
    void valueChanged(double dVal);

public slots:
    void setValue(int nVal);
    void setValue(double dVal);

protected:
    bool calcMaxMin();

    double scaleMinimum() const { return m_scaleMinimum; }
    double scaleMaximum() const { return m_scaleMaximum; }
    // Label i of the nine, from the scale minimum (0) to the scale maximum (8).
    double scaleLabelValue(int i) const;
    // Its text; the rounding noise of a label at zero (1e-16 and the like) prints as 0.
    QString scaleLabelText(int i) const;
    // Where v lies on the drawn scale: 0 at its minimum, 1 at its maximum.
    double scaleFraction(double v) const;
    QString valueText() const;
    // The painters' starting fonts: the default family at their own sizes.
    void setFontPointSizes(int digitPointSize, int valuePointSize);

private:
    bool acceptsFinite(double v, const char* property) const;
    void applyBounds();
    void storeValue(double v);

    double m_scaleMinimum = 0.0;
    double m_scaleMaximum = 1.0;
    double m_minimum = 0.0;
    double m_maximum = 1.0;
    double m_value = 0.0;
    double m_nominal = 0.25;
    double m_critical = 0.75;
    double m_valueOffset = 0.0;
    double m_digitOffset = 1.0;
    QFont m_fontValue;
    QFont m_fontDigit;
    QString m_prefix;
    QString m_suffix;
};
