// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QPair>
#include <QPointF>
#include <QVector>

class QObject;
class ZCItemSeriesChart;
class ZCSeriesChart;

/*!
    What each Qt object a chart made stands for in the caller's model: the series behind every
    series, bar set, box set and pie slice, and the item behind every point, bar and slice. Clicks
    find their way back through it in constant time, whether the objects carry dynamic
    properties for the host or not.

    Items are kept by position (a bar's index, a point's place in its series, 0 for a slice).
    Points are found by their coordinates through a hash that is made at the first question about
    a series, so building a chart of many points pays only for a vector.
*/
class ZCChartItemTable
{
public:
    void clear() { m_entries.clear(); }

    void setSeries(const QObject* object, ZCSeriesChart* series) { m_entries[object].series = series; }
    ZCSeriesChart* series(const QObject* object) const;

    // The item at a position; the items in between stay null.
    void setItem(const QObject* object, int index, ZCItemSeriesChart* item);
    ZCItemSeriesChart* item(const QObject* object, int index) const;

    // The points of a point series and, in the same order, the items they were made from.
    void setPoints(const QObject* object, const QVector<QPointF>& points, QVector<ZCItemSeriesChart*> items);
    // The item of the point with exactly these coordinates (the last one, when several share them).
    ZCItemSeriesChart* itemAt(const QObject* object, const QPointF& point) const;

private:
    struct Entry {
        ZCSeriesChart* series = nullptr;
        QVector<ZCItemSeriesChart*> items;
        QVector<QPointF> points;
        // Exact coordinates (QPointF's own comparison is fuzzy); made on the first itemAt().
        mutable QHash<QPair<double, double>, int> byPoint;
    };

    QHash<const QObject*, Entry> m_entries;
};
