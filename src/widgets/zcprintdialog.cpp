#include "zcprintdialog.h"

#include "zcoverlayshadowgui.h"

ZCPrintDialog::ZCPrintDialog(QPrinter* printer, QWidget* parent)
    : QPrintDialog(printer, parent)
    , m_overlay(ZCOverlayShadowGui::newOverlay(this, parent))
{
}

ZCPrintDialog::~ZCPrintDialog()
{
    delete m_overlay.data();
}
