#include "zccacheiconos.h"

ZCCacheIconos::ZCCacheIconos() = default;

ZCCacheIconos::~ZCCacheIconos() = default;

bool ZCCacheIconos::Contains(const QString& iconName, ZCGestorTemasEstilo::EEstadoIcono state) const
{
    return m_iconos.contains(Key(iconName, state));
}

QIcon ZCCacheIconos::GetIcon(const QString& iconName, ZCGestorTemasEstilo::EEstadoIcono state) const
{
    return m_iconos.value(Key(iconName, state));
}

void ZCCacheIconos::SetIcon(const QString& iconName, ZCGestorTemasEstilo::EEstadoIcono state,
                            const QIcon& icon)
{
    m_iconos.insert(Key(iconName, state), icon);
}

int ZCCacheIconos::Count() const
{
    return m_iconos.size();
}
