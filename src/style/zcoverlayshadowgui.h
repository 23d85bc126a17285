#pragma once

#include "mirokit_global.h"

#include <QColor>
#include <QWidget>

/*!
    A translucent dark layer over a whole window, shown while the object it watches (usually a
    dialog over that window) is visible. The darkening itself is the ZCDarkenEffectGui graphics
    effect; the layer paints nothing of its own. Overlays can be switched off, and their colour
    changed, for the whole application.
*/
class MIROKIT_EXPORT ZCOverlayShadowGui : public QWidget
{
    Q_OBJECT

public:
    ~ZCOverlayShadowGui() override;

    // An overlay over `target`'s window that follows `watched` (when given) as it is shown and
    // hidden; null when overlays are disabled or there is no target. The overlay is a child of
    // that window.
    static ZCOverlayShadowGui* newOverlay(QObject* watched, QWidget* target);

    static void SetEnabled(bool enabled);
    static bool IsEnabled();
    static void SetColor(const QColor& color);
    static const QColor& GetColor();

    bool eventFilter(QObject* watched, QEvent* event) override;

protected:
    explicit ZCOverlayShadowGui(QWidget* target);
};
