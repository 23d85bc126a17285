#pragma once

#include "zabstractspinboxbrowser.h"

class ZNumberSpinBox;

/*!
    A number editor (ZNumberSpinBox) with a pick button. The button browses for nothing until
    a subclass overrides onPressBrowser.
*/
class MIROKIT_EXPORT ZNumberSpinBoxBrowser : public ZAbstractSpinBoxBrowser
{
    Q_OBJECT
    Q_PROPERTY(QString prefix READ prefix WRITE setPrefix)
    Q_PROPERTY(QString suffix READ suffix WRITE setSuffix)
    Q_PROPERTY(QString cleanText READ cleanText)
    Q_PROPERTY(int decimals READ decimals WRITE setDecimals)
    Q_PROPERTY(double minimum READ minimum WRITE setMinimum)
    Q_PROPERTY(double maximum READ maximum WRITE setMaximum)
    Q_PROPERTY(double singleStep READ singleStep WRITE setSingleStep)
    Q_PROPERTY(double value READ value WRITE setValue NOTIFY valueChanged USER true)

public:
    //! focusOnButton: Tab stops at the pick button, so typing needs a click into the editor first.
    explicit ZNumberSpinBoxBrowser(QWidget* parent = nullptr, bool focusOnButton = true);
    ~ZNumberSpinBoxBrowser() override;

    ZNumberSpinBox* GetNumberSpinBox() const { return m_spinBox; }

    QString prefix() const;
    void setPrefix(const QString& prefix);
    QString suffix() const;
    void setSuffix(const QString& suffix);
    QString cleanText() const;
    int decimals() const;
    void setDecimals(int decimals);
    double minimum() const;
    void setMinimum(double minimum);
    double maximum() const;
    void setMaximum(double maximum);
    double singleStep() const;
    void setSingleStep(double step);
    double value() const;
    void setValue(double value);

signals:
    void valueChanged(double d);

public slots:
    void setNumericFormat(int nNumericFormat);
    int numericFormat() const;
    void setRange(double minimum, double maximum);

private:
    ZNumberSpinBox* m_spinBox;
};
