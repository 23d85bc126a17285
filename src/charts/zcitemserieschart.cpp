// SPDX-License-Identifier: GPL-3.0-or-later
#include "zcitemserieschart.h"

#include "zcserieschart.h"

#include <cmath>

ZCItemSeriesChart::ZCItemSeriesChart(ZCSeriesChart* series)
    : m_series(series)
{
}

ZCItemSeriesChart::~ZCItemSeriesChart() = default;

void ZCItemSeriesChart::SetCategoria(const QVariant& categoria)
{
    const QVariant before = m_categoria;
    m_categoria = categoria;
    if (m_series)
        m_series->categoryChanged(this, before);
}

void ZCItemSeriesChart::SetValor(double valor)
{
    const double before = m_valor;
    m_valor = valor;
    if (!m_series)
        return;
    // Non-finite values never entered the total, so only finite ones leave or join it.
    if (std::isfinite(before))
        m_series->m_valorTotal -= before;
    m_series->addToTotal(valor);
    m_series->widenRange(valor);
}
