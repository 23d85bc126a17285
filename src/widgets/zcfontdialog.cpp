#include "zcfontdialog.h"

#include "zcdialogoverlay_p.h"

ZCFontDialog::ZCFontDialog(QWidget* parent)
    : QFontDialog(parent)
    , m_overlay(ZCOverlayShadowGui::newOverlay(this, parent))
{
}

ZCFontDialog::ZCFontDialog(const QFont& initial, QWidget* parent)
    : QFontDialog(initial, parent)
    , m_overlay(ZCOverlayShadowGui::newOverlay(this, parent))
{
}

ZCFontDialog::~ZCFontDialog()
{
    delete m_overlay.data();
}

QFont ZCFontDialog::getFont(bool* ok, const QFont& initial, QWidget* parent, const QString& title,
                            QFontDialog::FontDialogOptions options)
{
    return ZCDialogOverlay::runDarkened(parent, [&] {
        return QFontDialog::getFont(ok, initial, parent, title, options);
    });
}

QFont ZCFontDialog::getFont(bool* ok, QWidget* parent)
{
    return ZCDialogOverlay::runDarkened(parent, [&] { return QFontDialog::getFont(ok, parent); });
}

void ZCFontDialog::OpenAndDelete()
{
    setAttribute(Qt::WA_DeleteOnClose);
    open();
}
