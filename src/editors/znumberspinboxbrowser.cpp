#include "znumberspinboxbrowser.h"

#include "zcthemeicon_p.h"
#include "znumberspinbox.h"

ZNumberSpinBoxBrowser::ZNumberSpinBoxBrowser(QWidget* parent, bool focusOnButton)
    : ZAbstractSpinBoxBrowser(parent)
    , m_spinBox(new ZNumberSpinBox(this))
{
    connect(m_spinBox, QOverload<double>::of(&QDoubleSpinBox::valueChanged), this,
            &ZNumberSpinBoxBrowser::valueChanged);
    SetSpinBox(m_spinBox, focusOnButton);
    SetIcono(themeIcon(QStringLiteral("calculator")));
}

ZNumberSpinBoxBrowser::~ZNumberSpinBoxBrowser() = default;

QString ZNumberSpinBoxBrowser::prefix() const { return m_spinBox->prefix(); }
void ZNumberSpinBoxBrowser::setPrefix(const QString& prefix) { m_spinBox->setPrefix(prefix); }
QString ZNumberSpinBoxBrowser::suffix() const { return m_spinBox->suffix(); }
void ZNumberSpinBoxBrowser::setSuffix(const QString& suffix) { m_spinBox->setSuffix(suffix); }
QString ZNumberSpinBoxBrowser::cleanText() const { return m_spinBox->cleanText(); }
int ZNumberSpinBoxBrowser::decimals() const { return m_spinBox->decimals(); }
void ZNumberSpinBoxBrowser::setDecimals(int decimals) { m_spinBox->setDecimals(decimals); }
double ZNumberSpinBoxBrowser::minimum() const { return m_spinBox->minimum(); }
void ZNumberSpinBoxBrowser::setMinimum(double minimum) { m_spinBox->setMinimum(minimum); }
double ZNumberSpinBoxBrowser::maximum() const { return m_spinBox->maximum(); }
void ZNumberSpinBoxBrowser::setMaximum(double maximum) { m_spinBox->setMaximum(maximum); }
double ZNumberSpinBoxBrowser::singleStep() const { return m_spinBox->singleStep(); }
void ZNumberSpinBoxBrowser::setSingleStep(double step) { m_spinBox->setSingleStep(step); }
double ZNumberSpinBoxBrowser::value() const { return m_spinBox->value(); }
void ZNumberSpinBoxBrowser::setValue(double value) { m_spinBox->setValue(value); }
void ZNumberSpinBoxBrowser::setNumericFormat(int nNumericFormat) { m_spinBox->setNumericFormat(nNumericFormat); }
int ZNumberSpinBoxBrowser::numericFormat() const { return m_spinBox->numericFormat(); }
void ZNumberSpinBoxBrowser::setRange(double minimum, double maximum) { m_spinBox->setRange(minimum, maximum); }
