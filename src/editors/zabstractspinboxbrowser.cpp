#include "zabstractspinboxbrowser.h"

ZAbstractSpinBoxBrowser::ZAbstractSpinBoxBrowser(QWidget* parent)
    : ZAbstractBrowser(parent)
{
}

ZAbstractSpinBoxBrowser::~ZAbstractSpinBoxBrowser() = default;

void ZAbstractSpinBoxBrowser::SetSpinBox(QAbstractSpinBox* spinBox, bool focusOnButton)
{
    m_spinBox = spinBox;
    SetWidget(spinBox, focusOnButton);
}

bool ZAbstractSpinBoxBrowser::wrapping() const { return m_spinBox->wrapping(); }
void ZAbstractSpinBoxBrowser::setWrapping(bool wrapping) { m_spinBox->setWrapping(wrapping); }
bool ZAbstractSpinBoxBrowser::hasFrame() const { return m_spinBox->hasFrame(); }
void ZAbstractSpinBoxBrowser::setFrame(bool frame) { m_spinBox->setFrame(frame); }
Qt::Alignment ZAbstractSpinBoxBrowser::alignment() const { return m_spinBox->alignment(); }
void ZAbstractSpinBoxBrowser::setAlignment(Qt::Alignment alignment) { m_spinBox->setAlignment(alignment); }
bool ZAbstractSpinBoxBrowser::isReadOnly() const { return m_spinBox->isReadOnly(); }
QAbstractSpinBox::ButtonSymbols ZAbstractSpinBoxBrowser::buttonSymbols() const { return m_spinBox->buttonSymbols(); }
void ZAbstractSpinBoxBrowser::setButtonSymbols(QAbstractSpinBox::ButtonSymbols symbols) { m_spinBox->setButtonSymbols(symbols); }
QString ZAbstractSpinBoxBrowser::specialValueText() const { return m_spinBox->specialValueText(); }
void ZAbstractSpinBoxBrowser::setSpecialValueText(const QString& text) { m_spinBox->setSpecialValueText(text); }
QString ZAbstractSpinBoxBrowser::text() const { return m_spinBox->text(); }
bool ZAbstractSpinBoxBrowser::isAccelerated() const { return m_spinBox->isAccelerated(); }
void ZAbstractSpinBoxBrowser::setAccelerated(bool accelerated) { m_spinBox->setAccelerated(accelerated); }
QAbstractSpinBox::CorrectionMode ZAbstractSpinBoxBrowser::correctionMode() const { return m_spinBox->correctionMode(); }
void ZAbstractSpinBoxBrowser::setCorrectionMode(QAbstractSpinBox::CorrectionMode mode) { m_spinBox->setCorrectionMode(mode); }
bool ZAbstractSpinBoxBrowser::hasAcceptableInput() const { return m_spinBox->hasAcceptableInput(); }
bool ZAbstractSpinBoxBrowser::keyboardTracking() const { return m_spinBox->keyboardTracking(); }
void ZAbstractSpinBoxBrowser::setKeyboardTracking(bool tracking) { m_spinBox->setKeyboardTracking(tracking); }
bool ZAbstractSpinBoxBrowser::editorHasFocus() const { return m_spinBox->hasFocus(); }

void ZAbstractSpinBoxBrowser::setReadOnly(bool readOnly)
{
    m_spinBox->setReadOnly(readOnly);
    setBotonMenuReadOnly(readOnly);
}

void ZAbstractSpinBoxBrowser::clear() { m_spinBox->clear(); }
void ZAbstractSpinBoxBrowser::selectAll() { m_spinBox->selectAll(); }
void ZAbstractSpinBoxBrowser::stepDown() { m_spinBox->stepDown(); }
void ZAbstractSpinBoxBrowser::stepUp() { m_spinBox->stepUp(); }
