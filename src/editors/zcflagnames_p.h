#pragma once

// Style flags shown as names, one bit per name (not part of the public headers).

#include <QCoreApplication>
#include <QDebug>
#include <QStringList>

namespace ZCFlagNames {

// A flag word has 32 bits; a name past them would need a bit that does not exist.
constexpr int maximumNames = 32;

// Whether \a names fit in a flag word; a longer list is refused with a warning.
inline bool fitInFlags(const QStringList& names)
{
    if (names.size() <= maximumNames)
        return true;
    qWarning().noquote() << QCoreApplication::translate(
                                "ZCFlagNames", "Una lista de estilos admite como mucho %1 nombres y esta tiene %2; se rechaza")
                                .arg(maximumNames)
                                .arg(names.size());
    return false;
}

inline bool isSet(uint flags, int bit)
{
    return bit >= 0 && bit < maximumNames && (flags >> bit) & 1u;
}

} // namespace ZCFlagNames
