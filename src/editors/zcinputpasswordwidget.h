#pragma once

#include "mirokit_global.h"

#include <QWidget>

class QLabel;
class QLineEdit;

/*!
    A password entry panel to embed in a form: a centred group box with the password field, a
    message line shown with SetTextoAlAceptar() (for instance after a wrong password) and a
    default "Aceptar" button. Return or keypad Enter presses the button.
*/
class MIROKIT_EXPORT ZCInputPasswordWidget : public QWidget
{
    Q_OBJECT

public:
    explicit ZCInputPasswordWidget(const QString& title, QWidget* parent = nullptr);

    QString GetPassword() const;
    void SetTextoAlAceptar(const QString& text);

signals:
    void accepted();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QLineEdit* m_password;
    QLabel* m_message;
};
