#pragma once

#include "mirokit_global.h"

#include <QFontDialog>
#include <QPointer>

class ZCOverlayShadowGui;

/*!
    QFontDialog that darkens its parent window while it is open, as do its static functions.
*/
class MIROKIT_EXPORT ZCFontDialog : public QFontDialog
{
    Q_OBJECT

public:
    explicit ZCFontDialog(QWidget* parent = nullptr);
    explicit ZCFontDialog(const QFont& initial, QWidget* parent = nullptr);
    ~ZCFontDialog() override;

    static QFont getFont(bool* ok, const QFont& initial, QWidget* parent = nullptr,
                         const QString& title = QString(),
                         QFontDialog::FontDialogOptions options = QFontDialog::FontDialogOptions());
    static QFont getFont(bool* ok, QWidget* parent = nullptr);

    // Opens window-modal; the dialog deletes itself once closed.
    void OpenAndDelete();

private:
    QPointer<ZCOverlayShadowGui> m_overlay;
};
