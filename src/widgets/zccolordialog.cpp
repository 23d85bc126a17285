#include "zccolordialog.h"

#include "zcdialogoverlay_p.h"

ZCColorDialog::ZCColorDialog(QWidget* parent)
    : QColorDialog(parent)
    , m_overlay(ZCOverlayShadowGui::newOverlay(this, parent))
{
}

ZCColorDialog::ZCColorDialog(const QColor& initial, QWidget* parent)
    : QColorDialog(initial, parent)
    , m_overlay(ZCOverlayShadowGui::newOverlay(this, parent))
{
}

ZCColorDialog::~ZCColorDialog()
{
    delete m_overlay.data();
}

QColor ZCColorDialog::getColor(const QColor& initial, QWidget* parent, const QString& title,
                               QColorDialog::ColorDialogOptions options)
{
    return ZCDialogOverlay::runDarkened(parent, [&] {
        return QColorDialog::getColor(initial, parent, title, options);
    });
}
