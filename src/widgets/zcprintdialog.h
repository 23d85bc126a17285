#pragma once

#include "mirokit_global.h"

#include <QPointer>
#include <QPrintDialog>

class ZCOverlayShadowGui;

/*!
    QPrintDialog that darkens its parent window while it is open.
*/
class MIROKIT_EXPORT ZCPrintDialog : public QPrintDialog
{
    Q_OBJECT

public:
    explicit ZCPrintDialog(QPrinter* printer, QWidget* parent = nullptr);
    ~ZCPrintDialog() override;

private:
    QPointer<ZCOverlayShadowGui> m_overlay;
};
