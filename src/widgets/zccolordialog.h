#pragma once

#include "mirokit_global.h"

#include <QColorDialog>
#include <QPointer>

class ZCOverlayShadowGui;

/*!
    QColorDialog that darkens its parent window while it is open, as does getColor().
*/
class MIROKIT_EXPORT ZCColorDialog : public QColorDialog
{
    Q_OBJECT

public:
    explicit ZCColorDialog(QWidget* parent = nullptr);
    explicit ZCColorDialog(const QColor& initial, QWidget* parent = nullptr);
    ~ZCColorDialog() override;

    static QColor getColor(const QColor& initial = Qt::white, QWidget* parent = nullptr,
                           const QString& title = QString(),
                           QColorDialog::ColorDialogOptions options = QColorDialog::ColorDialogOptions());

private:
    QPointer<ZCOverlayShadowGui> m_overlay;
};
