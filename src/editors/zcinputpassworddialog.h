#pragma once

#include "zcinputdialog.h"

/*!
    Non-modal password prompt; without arguments it asks for a protected project's password.
*/
class MIROKIT_EXPORT ZCInputPasswordDialog : public ZCInputDialog
{
    Q_OBJECT

public:
    explicit ZCInputPasswordDialog(QWidget* parent = nullptr, Qt::WindowFlags flags = {});

    void OpenAndDelete(const QString& title, const QString& label);
    void OpenAndDelete();
};
