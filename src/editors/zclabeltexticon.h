#pragma once

#include "mirokit_global.h"

#include <QPixmap>
#include <QWidget>

class QLabel;

/*!
    An icon beside a text. The icon is scaled into a square as high as the text's line, in
    steps of 24 pixels (at least 24).
*/
class MIROKIT_EXPORT ZCLabelTextIcon : public QWidget
{
    Q_OBJECT

public:
    explicit ZCLabelTextIcon(QWidget* parent = nullptr);

    void setTexto(const QString& text);
    QString getTexto() const;
    void setIcono(const QPixmap& pixmap);
    QPixmap getIcono() const;
    void setBold(bool bold);

private:
    QLabel* m_textLabel;
    QLabel* m_iconLabel;
};
