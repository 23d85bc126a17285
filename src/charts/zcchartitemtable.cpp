// SPDX-License-Identifier: GPL-3.0-or-later
#include "zcchartitemtable_p.h"

ZCSeriesChart* ZCChartItemTable::series(const QObject* object) const
{
    const auto found = m_entries.constFind(object);
    return found == m_entries.cend() ? nullptr : found->series;
}

void ZCChartItemTable::setItem(const QObject* object, int index, ZCItemSeriesChart* item)
{
    if (index < 0)
        return;
    QVector<ZCItemSeriesChart*>& items = m_entries[object].items;
    if (items.size() <= index)
        items.resize(index + 1);
    items[index] = item;
}

ZCItemSeriesChart* ZCChartItemTable::item(const QObject* object, int index) const
{
    const auto found = m_entries.constFind(object);
    return found == m_entries.cend() ? nullptr : found->items.value(index);
}

void ZCChartItemTable::setPoints(const QObject* object, const QVector<QPointF>& points,
                                 QVector<ZCItemSeriesChart*> items)
{
    Entry& entry = m_entries[object];
    entry.points = points;
    entry.items = std::move(items);
    entry.byPoint.clear();
}

ZCItemSeriesChart* ZCChartItemTable::itemAt(const QObject* object, const QPointF& point) const
{
    const auto found = m_entries.constFind(object);
    if (found == m_entries.cend() || found->points.isEmpty())
        return nullptr;
    QHash<QPair<double, double>, int>& byPoint = found->byPoint;
    if (byPoint.isEmpty()) {
        byPoint.reserve(found->points.size());
        for (int i = 0; i < found->points.size(); ++i)
            byPoint.insert({found->points.at(i).x(), found->points.at(i).y()}, i);
    }
    const int index = byPoint.value({point.x(), point.y()}, -1);
    return index < 0 ? nullptr : found->items.value(index);
}
