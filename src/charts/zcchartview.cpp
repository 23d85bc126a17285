// SPDX-License-Identifier: GPL-3.0-or-later
#include "zcchartview.h"

#include "zcchart.h"
#include "zcitemserieschart.h"

ZCChartView::ZCChartView(ZCChart* chart, QWidget* parent)
    : QChartView(chart, parent)
{
    if (chart) {
        connect(chart, &ZCChart::itemClicked, this, &ZCChartView::onItemClicked);
        connect(chart, &ZCChart::seriesClicked, this, &ZCChartView::onSeriesClicked);
    }
}

ZCChartView::~ZCChartView() = default;

void ZCChartView::onItemClicked(ZCItemSeriesChart* item)
{
    m_item = item;
    m_series = item ? item->GetSeries() : nullptr;
}

void ZCChartView::onSeriesClicked(ZCSeriesChart* series)
{
    m_series = series;
}

void ZCChartView::mouseReleaseEvent(QMouseEvent* event)
{
    // The chart's click signals come from inside the base class's release handling; what they do
    // not select stays cleared.
    m_series = nullptr;
    m_item = nullptr;
    QChartView::mouseReleaseEvent(event);
    emit seriesSelectionChanged(m_series);
    emit itemSelectionChanged(m_item);
}
