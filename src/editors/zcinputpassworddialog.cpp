#include "zcinputpassworddialog.h"

ZCInputPasswordDialog::ZCInputPasswordDialog(QWidget* parent, Qt::WindowFlags flags)
    : ZCInputDialog(parent, flags)
{
}

void ZCInputPasswordDialog::OpenAndDelete(const QString& title, const QString& label)
{
    setTextEchoMode(QLineEdit::Password);
    ZCInputDialog::OpenAndDelete(title, label);
}

void ZCInputPasswordDialog::OpenAndDelete()
{
    OpenAndDelete(tr("Proyecto protegido"), tr("Introduzca contraseña"));
}
