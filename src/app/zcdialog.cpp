#include "zcdialog.h"

#include "zcestilodunmar.h"
#include "zcheaderbox.h"
#include "zcoverlayshadowgui.h"
#include "zcsettings.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QStyle>

namespace {
const QString keySize = QStringLiteral("Size");
} // namespace

ZCDialog::ZCDialog(const QString& title, QWidget* parent, const QString& settingsName,
                   Qt::WindowFlags flags, bool overlay)
    : QDialog(parent, flags)
    , m_settingsName(settingsName)
{
    if (!title.isEmpty())
        setWindowTitle(title);
    initialize(flags, overlay);
}

ZCDialog::ZCDialog(QWidget* parent, Qt::WindowFlags flags, bool overlay)
    : QDialog(parent, flags)
{
    initialize(flags, overlay);
}

void ZCDialog::initialize(Qt::WindowFlags flags, bool overlay)
{
    // The host's explicit flags are its business; by default there is no "?" button.
    if (!flags)
        setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    if (overlay)
        m_overlay = ZCOverlayShadowGui::newOverlay(this, parentWidget());
}

ZCDialog::~ZCDialog()
{
    SaveSettings();
    // The overlay belongs to the parent window, which may already have deleted it.
    delete m_overlay.data();
}

void ZCDialog::AseguraMainLayout()
{
    if (m_mainLayout)
        return;
    m_mainLayout = new QVBoxLayout(this);
    m_mainLayout->setSpacing(0);
    m_mainLayout->setContentsMargins(0, 0, 0, 0);
}

QVBoxLayout* ZCDialog::GetMainLayout()
{
    AseguraMainLayout();
    return m_mainLayout;
}

void ZCDialog::AddWidget(QWidget* widget, int stretch)
{
    GetMainLayout()->addWidget(widget, stretch);
}

void ZCDialog::AddLayout(QLayout* layout, int stretch)
{
    GetMainLayout()->addLayout(layout, stretch);
}

void ZCDialog::SetHeaderBox(ZCHeaderBox* headerBox)
{
    GetMainLayout()->insertWidget(0, headerBox);
}

QPushButton* ZCDialog::createButton(const QString& text, bool isDefault)
{
    auto* button = new QPushButton(text, this);
    button->setDefault(isDefault);
    return button;
}

void ZCDialog::AddBotonAceptar()
{
    m_okButton = createButton(tr("Aceptar"), true);
    connect(m_okButton, &QPushButton::clicked, this, &QDialog::accept);
    AddWidget(m_okButton);
}

void ZCDialog::AddBotonesAceptarCancelar()
{
    m_okButton = createButton(tr("Aceptar"), true);
    m_cancelButton = createButton(tr("Cancelar"), false);
    connect(m_okButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_cancelButton, &QPushButton::clicked, this, &QDialog::reject);

    m_buttonsLayout = new QHBoxLayout;
    const QStyle* dialogStyle = style();
    m_buttonsLayout->setContentsMargins(dialogStyle->pixelMetric(QStyle::PM_LayoutLeftMargin),
                                        dialogStyle->pixelMetric(QStyle::PM_LayoutTopMargin),
                                        dialogStyle->pixelMetric(QStyle::PM_LayoutRightMargin),
                                        dialogStyle->pixelMetric(QStyle::PM_LayoutBottomMargin));
    m_buttonsLayout->addStretch();
    ZCEstiloDunmar::SetHorizontalSpacing(m_buttonsLayout);
    m_buttonsLayout->addWidget(m_okButton);
    m_buttonsLayout->addWidget(m_cancelButton);
    AddLayout(m_buttonsLayout);
}

void ZCDialog::setEnabledBotonOK(bool enabled)
{
    if (m_okButton)
        m_okButton->setEnabled(enabled);
}

void ZCDialog::setEnabledBotonCancel(bool enabled)
{
    if (m_cancelButton)
        m_cancelButton->setEnabled(enabled);
}

void ZCDialog::resetSpacingMargins()
{
    AseguraMainLayout();
    m_mainLayout->setSpacing(-1);
    m_mainLayout->setContentsMargins(-1, -1, -1, -1);
}

void ZCDialog::LoadSettings()
{
    if (m_settingsName.isEmpty())
        return;
    const QSize size = ZCSettings(m_settingsName).value(keySize).toSize();
    if (!size.isEmpty())
        resize(size);
}

void ZCDialog::SaveSettings()
{
    // Without a name the size would land at the application's root, among unrelated keys.
    if (m_settingsName.isEmpty())
        return;
    ZCSettings(m_settingsName).setValue(keySize, size());
}

void ZCDialog::EjecutaYBorra()
{
    // exec() may already have deleted the dialog: itself under Qt::WA_DeleteOnClose, or with a
    // window closed while it ran.
    const QPointer<ZCDialog> self(this);
    exec();
    delete self.data();
}

void ZCDialog::OpenAndDelete()
{
    setAttribute(Qt::WA_DeleteOnClose);
    open();
}
