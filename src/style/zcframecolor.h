#pragma once

#include "mirokit_global.h"

#include <QFont>
#include <QFrame>

/*!
    A colour swatch with a caption along its top edge or up its left side. The swatch colour is
    the palette colour of the background role, the caption colour that of the foreground role.
*/
class MIROKIT_EXPORT ZCFrameColor : public QFrame
{
    Q_OBJECT

public:
    explicit ZCFrameColor(QWidget* parent = nullptr);
    ~ZCFrameColor() override;

    void setColorFondo(const QColor& color);
    QColor getColorFondo() const;
    void setColorTexto(const QColor& color);
    QColor getColorTexto() const;
    void setTexto(const QString& texto, Qt::Orientation orientation);
    void setFont(const QFont& font);

    int heightForWidth(int width) const override;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void setRoleColor(QPalette::ColorRole role, const QColor& color);
    void restoreChosenColors();
    QString fittedCaption(int room, int digitWidth) const;

    QString m_texto;
    Qt::Orientation m_orientation = Qt::Horizontal;
    QFont m_font;
    // What the caller chose: a style sheet's polish rewrites the palette, and these win again.
    QColor m_colorFondo;
    QColor m_colorTexto;
};
