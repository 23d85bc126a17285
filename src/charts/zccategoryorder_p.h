// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QVariant>

#include <cmath>

namespace ZCCategoryOrder {

inline bool isText(const QVariant& categoria)
{
    return categoria.userType() == QMetaType::QString;
}

inline bool isDateTime(const QVariant& categoria)
{
    const int type = categoria.userType();
    return type == QMetaType::QDateTime || type == QMetaType::QDate;
}

inline bool isNumber(const QVariant& categoria)
{
    switch (categoria.userType()) {
    case QMetaType::Int: case QMetaType::UInt: case QMetaType::LongLong: case QMetaType::ULongLong:
    case QMetaType::Double: case QMetaType::Float: case QMetaType::Long: case QMetaType::ULong:
    case QMetaType::Short: case QMetaType::UShort:
        return true;
    default:
        return false;
    }
}

// Numbers before date-times before everything else; within a kind, in its natural order
// (everything else by its text).
inline int rank(const QVariant& categoria)
{
    return isNumber(categoria) ? 0 : isDateTime(categoria) ? 1 : 2;
}

inline bool less(const QVariant& a, const QVariant& b)
{
    const int rankA = rank(a);
    const int rankB = rank(b);
    if (rankA != rankB)
        return rankA < rankB;
    switch (rankA) {
    case 0: {
        // NaN is ordered after every number: compared as it is, it would be equal to all of them
        // and leave the numbers around it out of order.
        const double x = a.toDouble();
        const double y = b.toDouble();
        if (std::isnan(x) || std::isnan(y))
            return !std::isnan(x);
        return x < y;
    }
    case 1:
        return a.toDateTime() < b.toDateTime();
    default:
        return a.toString() < b.toString();
    }
}

} // namespace ZCCategoryOrder
