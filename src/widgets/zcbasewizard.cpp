#include "zcbasewizard.h"

#include "zcestilodunmar.h"
#include "zcheaderbox.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

ZCBaseWizard::ZCBaseWizard(QWidget* parent, const QString& title, const QString& settingsName)
    : ZCDialog(title, parent, settingsName)
    , m_cancel(new QPushButton(tr("Cancelar"), this))
    , m_back(new QPushButton(tr("< &Retroceder"), this))
    , m_next(new QPushButton(tr("Siguiente >"), this))
    , m_finish(new QPushButton(tr("&Finalizar"), this))
    , m_buttonRow(new QHBoxLayout)
    , m_pageColumn(new QVBoxLayout)
{
    m_next->setDefault(true);
    // No page has been shown yet, so there is none to go back to.
    m_back->setEnabled(false);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_back, &QPushButton::clicked, this, &ZCBaseWizard::backButtonClicked);
    connect(m_next, &QPushButton::clicked, this, &ZCBaseWizard::nextButtonClicked);
    connect(m_finish, &QPushButton::clicked, this, &QDialog::accept);

    const QStyle* dialogStyle = style();
    m_buttonRow->setContentsMargins(dialogStyle->pixelMetric(QStyle::PM_LayoutLeftMargin),
                                    dialogStyle->pixelMetric(QStyle::PM_LayoutTopMargin),
                                    dialogStyle->pixelMetric(QStyle::PM_LayoutRightMargin),
                                    dialogStyle->pixelMetric(QStyle::PM_LayoutBottomMargin));
    m_buttonRow->addStretch();
    ZCEstiloDunmar::SetHorizontalSpacing(m_buttonRow);
    for (QPushButton* button : {m_cancel, m_back, m_next, m_finish})
        m_buttonRow->addWidget(button);

    m_pageColumn->setContentsMargins(0, 0, 0, 0);
    m_pageColumn->addLayout(m_buttonRow);
    AddLayout(m_pageColumn, 1);
}

ZCBaseWizard::~ZCBaseWizard() = default;

void ZCBaseWizard::SetTextoBotonCancel(const QString& text) { m_cancel->setText(text); }
void ZCBaseWizard::SetTextoBotonBack(const QString& text) { m_back->setText(text); }
void ZCBaseWizard::SetTextoBotonNext(const QString& text) { m_next->setText(text); }
void ZCBaseWizard::SetTextoBotonFin(const QString& text) { m_finish->setText(text); }

void ZCBaseWizard::SetDefaultTextoBotonCancel() { m_cancel->setText(tr("Cancelar")); }
void ZCBaseWizard::SetDefaultTextoBotonBack() { m_back->setText(tr("< &Retroceder")); }
void ZCBaseWizard::SetDefaultTextoBotonNext() { m_next->setText(tr("Siguiente >")); }
void ZCBaseWizard::SetDefaultTextoBotonFin() { m_finish->setText(tr("&Finalizar")); }

void ZCBaseWizard::SetVisibleBotonCancel(bool visible) { m_cancel->setVisible(visible); }
void ZCBaseWizard::SetVisibleBotonBack(bool visible) { m_back->setVisible(visible); }
void ZCBaseWizard::SetVisibleBotonNext(bool visible) { m_next->setVisible(visible); }
void ZCBaseWizard::SetVisibleBotonFin(bool visible) { m_finish->setVisible(visible); }

void ZCBaseWizard::SetTextoHeaderBox(const QString& text)
{
    if (m_header) {
        m_header->SetTexto(text);
        return;
    }
    m_header = new ZCHeaderBox(Qt::white, QColor(66, 66, 66), text, 1.6, QString(), false);
    m_pageColumn->insertWidget(0, m_header);
}

bool ZCBaseWizard::HayHeaderBox() const
{
    return m_header != nullptr;
}

void ZCBaseWizard::replacePage(QWidget* previous, QWidget* current)
{
    if (previous) {
        previous->hide();
        m_pageColumn->removeWidget(previous);
    }
    m_pageColumn->insertWidget(m_header ? 1 : 0, current, 1);
}

void ZCBaseWizard::updateButtons(bool canGoBack, bool lastPage, bool complete)
{
    m_back->setEnabled(canGoBack);
    m_next->setDefault(!lastPage);
    m_next->setEnabled(!lastPage && complete);
    m_finish->setDefault(lastPage);
    m_finish->setEnabled(lastPage && complete);
}

void ZCBaseWizard::focusFirstControl(bool lastPage)
{
    focusNextChild();
    if (m_cancel->hasFocus())
        (lastPage ? m_finish : m_next)->setFocus(Qt::OtherFocusReason);
}
