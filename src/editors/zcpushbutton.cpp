#include "zcpushbutton.h"

#include "zcgestortemasestilo.h"

#include <QVariant>

ZCPushButton::ZCPushButton(QWidget* parent, const QString& iconName, bool themedIcon)
    : QPushButton(parent)
    , m_themedIcon(themedIcon)
{
    if (!m_themedIcon || iconName.isEmpty())
        return;
    setIcon(GetGestorTemasEstilo()->FromTheme(iconName, ZCGestorTemasEstilo::EstadoNormal));
    setProperty("cssClass", QVariant(QStringLiteral("icon")));
    setObjectName(iconName);
}

#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
void ZCPushButton::enterEvent(QEvent* event)
#else
void ZCPushButton::enterEvent(QEnterEvent* event)
#endif
{
    QPushButton::enterEvent(event);
    showIconState(ZCGestorTemasEstilo::EstadoHover);
}

void ZCPushButton::leaveEvent(QEvent* event)
{
    QPushButton::leaveEvent(event);
    showIconState(ZCGestorTemasEstilo::EstadoNormal);
}

void ZCPushButton::mousePressEvent(QMouseEvent* event)
{
    QPushButton::mousePressEvent(event);
    showIconState(ZCGestorTemasEstilo::EstadoPressed);
}

void ZCPushButton::mouseReleaseEvent(QMouseEvent* event)
{
    QPushButton::mouseReleaseEvent(event);
    showIconState(ZCGestorTemasEstilo::EstadoNormal);
}

void ZCPushButton::showIconState(int state)
{
    // An icon the theme could not supply has no name to fetch again: it is kept as it is.
    const QString name = icon().name();
    if (!m_themedIcon || name.isEmpty())
        return;
    setIcon(GetGestorTemasEstilo()->FromTheme(name, ZCGestorTemasEstilo::EEstadoIcono(state)));
}
