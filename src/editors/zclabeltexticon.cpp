#include "zclabeltexticon.h"

#include <QHBoxLayout>
#include <QLabel>

ZCLabelTextIcon::ZCLabelTextIcon(QWidget* parent)
    : QWidget(parent)
    , m_textLabel(new QLabel(this))
    , m_iconLabel(new QLabel(this))
{
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_iconLabel);
    layout->addWidget(m_textLabel);
    layout->addStretch();
}

void ZCLabelTextIcon::setTexto(const QString& text)
{
    m_textLabel->setText(text);
}

QString ZCLabelTextIcon::getTexto() const
{
    return m_textLabel->text();
}

void ZCLabelTextIcon::setIcono(const QPixmap& pixmap)
{
    m_iconLabel->setPixmap(pixmap);
    m_iconLabel->setScaledContents(true);
    const int lineHeight = m_textLabel->fontMetrics().height();
    const int side = lineHeight / 24 * 24;
    m_iconLabel->setMaximumSize(QSize(side, side).expandedTo(QSize(24, 24)));
}

QPixmap ZCLabelTextIcon::getIcono() const
{
    return m_iconLabel->pixmap(Qt::ReturnByValue);
}

void ZCLabelTextIcon::setBold(bool bold)
{
    QFont font = m_textLabel->font();
    font.setBold(bold);
    m_textLabel->setFont(font);
}
