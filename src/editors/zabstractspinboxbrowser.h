#pragma once

#include "zabstractbrowser.h"

#include <QAbstractSpinBox>

/*!
    The part the spin-box browsers share: the properties and slots common to every spin box,
    forwarded to the inner editor. A concrete browser creates its editor and hands it to
    SetSpinBox once, from its constructor.
*/
class MIROKIT_EXPORT ZAbstractSpinBoxBrowser : public ZAbstractBrowser
{
    Q_OBJECT
    Q_PROPERTY(bool wrapping READ wrapping WRITE setWrapping)
    Q_PROPERTY(bool frame READ hasFrame WRITE setFrame)
    Q_PROPERTY(Qt::Alignment alignment READ alignment WRITE setAlignment)
    Q_PROPERTY(bool readOnly READ isReadOnly WRITE setReadOnly)
    Q_PROPERTY(QAbstractSpinBox::ButtonSymbols buttonSymbols READ buttonSymbols WRITE setButtonSymbols)
    Q_PROPERTY(QString specialValueText READ specialValueText WRITE setSpecialValueText)
    Q_PROPERTY(QString text READ text)
    Q_PROPERTY(bool accelerated READ isAccelerated WRITE setAccelerated)
    Q_PROPERTY(QAbstractSpinBox::CorrectionMode correctionMode READ correctionMode WRITE setCorrectionMode)
    Q_PROPERTY(bool acceptableInput READ hasAcceptableInput)
    Q_PROPERTY(bool keyboardTracking READ keyboardTracking WRITE setKeyboardTracking)
    Q_PROPERTY(bool focus READ editorHasFocus)

public:
    ~ZAbstractSpinBoxBrowser() override;

    bool wrapping() const;
    void setWrapping(bool wrapping);
    bool hasFrame() const;
    void setFrame(bool frame);
    Qt::Alignment alignment() const;
    void setAlignment(Qt::Alignment alignment);
    bool isReadOnly() const;
    // The pick button stays enabled; the menu follows (ZAbstractBrowser::setBotonMenuReadOnly).
    void setReadOnly(bool readOnly);
    QAbstractSpinBox::ButtonSymbols buttonSymbols() const;
    void setButtonSymbols(QAbstractSpinBox::ButtonSymbols symbols);
    QString specialValueText() const;
    void setSpecialValueText(const QString& text);
    QString text() const;
    bool isAccelerated() const;
    void setAccelerated(bool accelerated);
    QAbstractSpinBox::CorrectionMode correctionMode() const;
    void setCorrectionMode(QAbstractSpinBox::CorrectionMode mode);
    bool hasAcceptableInput() const;
    bool keyboardTracking() const;
    void setKeyboardTracking(bool tracking);

    using ZAbstractBrowser::setRebotarEventos;
    using ZAbstractBrowser::setSizePolicyFullExpanding;

public slots:
    void clear();
    void selectAll();
    void stepDown();
    void stepUp();

protected:
    explicit ZAbstractSpinBoxBrowser(QWidget* parent);
    void SetSpinBox(QAbstractSpinBox* spinBox, bool focusOnButton);

private:
    bool editorHasFocus() const;

    QAbstractSpinBox* m_spinBox = nullptr;
};
