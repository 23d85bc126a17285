#include "zcinputpasswordwidget.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

bool isAcceptKey(const QKeyEvent* event)
{
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    if (event->key() == Qt::Key_Enter)
        return modifiers == Qt::NoModifier || modifiers == Qt::KeypadModifier;
    return event->key() == Qt::Key_Return && modifiers == Qt::NoModifier;
}

} // namespace

ZCInputPasswordWidget::ZCInputPasswordWidget(const QString& title, QWidget* parent)
    : QWidget(parent)
    , m_password(new QLineEdit)
    , m_message(new QLabel)
{
    auto* group = new QGroupBox(title);
    auto* groupLayout = new QVBoxLayout(group);
    groupLayout->addWidget(new QLabel(tr("Introduzca contraseña")));
    m_password->setEchoMode(QLineEdit::Password);
    groupLayout->addWidget(m_password);
    m_message->hide();
    groupLayout->addWidget(m_message);
    auto* acceptButton = new QPushButton(tr("Aceptar"));
    acceptButton->setDefault(true);
    groupLayout->addWidget(acceptButton);
    connect(acceptButton, &QPushButton::clicked, this, &ZCInputPasswordWidget::accepted);

    auto* layout = new QHBoxLayout(this);
    layout->addStretch();
    layout->addWidget(group, 0, Qt::AlignCenter);
    layout->addStretch();
}

QString ZCInputPasswordWidget::GetPassword() const
{
    return m_password->text();
}

void ZCInputPasswordWidget::SetTextoAlAceptar(const QString& text)
{
    m_message->setText(text);
    m_message->show();
}

void ZCInputPasswordWidget::keyPressEvent(QKeyEvent* event)
{
    if (!isAcceptKey(event)) {
        QWidget::keyPressEvent(event);
        return;
    }
    // The panel is no dialog, so nothing else presses its default button.
    for (QPushButton* button : findChildren<QPushButton*>()) {
        if (button->isDefault() && button->isVisible()) {
            if (button->isEnabled())
                button->click();
            return;
        }
    }
}
