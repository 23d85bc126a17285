#include "zcoverlayshadowgui.h"

#include "zcdarkeneffectgui.h"

#include <QEvent>
#include <QScreen>

namespace {

bool overlaysEnabled = true;

QColor& overlayColor()
{
    static QColor color(29, 30, 32, 183);
    return color;
}

} // namespace

ZCOverlayShadowGui::ZCOverlayShadowGui(QWidget* target)
    : QWidget(target->window())
{
    setWindowState(Qt::WindowFullScreen);
    setGraphicsEffect(new ZCDarkenEffectGui(this));
    if (const QScreen* screen = target->screen())
        resize(screen->size());
    hide();
}

ZCOverlayShadowGui::~ZCOverlayShadowGui() = default;

ZCOverlayShadowGui* ZCOverlayShadowGui::newOverlay(QObject* watched, QWidget* target)
{
    if (!overlaysEnabled || !target)
        return nullptr;
    auto* overlay = new ZCOverlayShadowGui(target);
    if (watched)
        watched->installEventFilter(overlay);
    return overlay;
}

void ZCOverlayShadowGui::SetEnabled(bool enabled)
{
    overlaysEnabled = enabled;
}

bool ZCOverlayShadowGui::IsEnabled()
{
    return overlaysEnabled;
}

void ZCOverlayShadowGui::SetColor(const QColor& color)
{
    overlayColor() = color;
}

const QColor& ZCOverlayShadowGui::GetColor()
{
    return overlayColor();
}

bool ZCOverlayShadowGui::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::Show:
        // Above any sibling made after the overlay, such as a later dock or pop-up frame.
        raise();
        show();
        break;
    case QEvent::Hide:
        hide();
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}
