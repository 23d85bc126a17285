#include "znumberspinbox.h"

#include "zcfocusedwheel_p.h"
#include "zfont.h"

#include "ncreportnumbertext_p.h"

#include <QDebug>
#include <QKeyEvent>
#include <QLineEdit>

#include <cmath>

ZNumberSpinBox::ZNumberSpinBox(QWidget* parent)
    : QDoubleSpinBox(parent)
{
    setFocusPolicy(Qt::StrongFocus);
}

ZNumberSpinBox::~ZNumberSpinBox() = default;

bool ZNumberSpinBox::isFinite(double value) const
{
    if (std::isfinite(value))
        return true;
    qWarning().noquote() << tr("ZNumberSpinBox: se rechaza un valor que no es un número finito");
    return false;
}

void ZNumberSpinBox::setValue(double value)
{
    if (isFinite(value))
        QDoubleSpinBox::setValue(value);
}

void ZNumberSpinBox::setMinimum(double minimum)
{
    if (isFinite(minimum))
        QDoubleSpinBox::setMinimum(minimum);
}

void ZNumberSpinBox::setMaximum(double maximum)
{
    if (isFinite(maximum))
        QDoubleSpinBox::setMaximum(maximum);
}

void ZNumberSpinBox::setRange(double minimum, double maximum)
{
    if (isFinite(minimum) && isFinite(maximum))
        QDoubleSpinBox::setRange(minimum, maximum);
}

void ZNumberSpinBox::setSingleStep(double step)
{
    if (isFinite(step))
        QDoubleSpinBox::setSingleStep(step);
}

void ZNumberSpinBox::setNumericFormat(int nNumericFormat)
{
    m_numericFormat = nNumericFormat;
}

int ZNumberSpinBox::numericFormat() const
{
    return m_numericFormat;
}

// The widget's locale throughout, the one valueFromText reads the text back with.
QString ZNumberSpinBox::textFromValue(double value) const
{
    switch (m_numericFormat) {
    case NFormatNone:
        return QDoubleSpinBox::textFromValue(value);
    case NFormatLocal:
        return NCReportNumberText::number(locale(), value, decimals());
    case NFormatLocalCurrency:
        // A blank symbol, trimmed: the currency layout without the currency, and with the
        // currency's own decimals (the editor keeps its own for the value and the bare number).
        return NCReportNumberText::currency(locale(), value, QStringLiteral(" ")).trimmed();
    default:
        return QString();
    }
}

QValidator::State ZNumberSpinBox::validate(QString& input, int& pos) const
{
    if (m_keypadPoint && pos > 0 && pos <= input.size() && input.at(pos - 1) == QLatin1Char('.')) {
        // A character under Qt 5, a text under Qt 6 (which allows a point of several).
        const QString point(locale().decimalPoint());
        input.replace(pos - 1, 1, point);
        pos += int(point.size()) - 1;
    }
    return QDoubleSpinBox::validate(input, pos);
}

void ZNumberSpinBox::fixup(QString& input) const
{
    if (input.simplified().isEmpty())
        input = textFromValue(0.0);
    QDoubleSpinBox::fixup(input);
}

void ZNumberSpinBox::keyPressEvent(QKeyEvent* event)
{
    // Only the validation of the text this key makes may translate the point: a point pasted
    // or typed later stays what it is.
    m_keypadPoint = event->key() == Qt::Key_Period && event->modifiers() & Qt::KeypadModifier;
    QDoubleSpinBox::keyPressEvent(event);
    m_keypadPoint = false;
}

void ZNumberSpinBox::focusInEvent(QFocusEvent* event)
{
    if (m_numericFormat != NFormatNone)
        showBareNumber();
    QDoubleSpinBox::focusInEvent(event);
}

// The number to edit, with the editor's own decimals so that the value does not change, and
// no digit grouping or currency layout; the selection covers exactly the number.
void ZNumberSpinBox::showBareNumber()
{
    QLocale bare = locale();
    bare.setNumberOptions(bare.numberOptions() | QLocale::OmitGroupSeparator);
    const QString number = bare.toString(value(), 'f', decimals());
    const QString text = prefix() + number + suffix();
    if (lineEdit()->text() == text)
        return;
    lineEdit()->setText(text);
    lineEdit()->setSelection(prefix().size(), number.size());
}

void ZNumberSpinBox::wheelEvent(QWheelEvent* event)
{
    if (ZCFocusedWheel::steps(this, event))
        QDoubleSpinBox::wheelEvent(event);
}

ZFont* ZNumberSpinBox::GetFont()
{
    return ZFont::CreateFor(this);
}

void ZNumberSpinBox::SetFont(ZFont* font)
{
    ZFont::ApplyTo(this, font);
}
