// SPDX-License-Identifier: GPL-3.0-or-later
#include "zcserieschart.h"

#include "zccategoryorder_p.h"
#include "zcitemserieschart.h"

#include <QDebug>

#include <algorithm>
#include <cmath>

namespace {

// The order of equal keys follows the order in which the data came.
template <typename Iterator, typename Less>
void sortItems(Iterator begin, Iterator end, bool ascendente, Less less)
{
    if (ascendente)
        std::stable_sort(begin, end, less);
    else
        std::stable_sort(begin, end,
                         [&less](const ZCItemSeriesChart* a, const ZCItemSeriesChart* b) { return less(b, a); });
}

} // namespace

ZCSeriesChart::ZCSeriesChart() = default;

ZCSeriesChart::ZCSeriesChart(const QString& nombre, const QString& descripcion)
    : m_nombre(nombre)
    , m_descripcion(descripcion)
{
}

ZCSeriesChart::ZCSeriesChart(const ZCSeriesChart& other)
    : m_nombre(other.m_nombre)
    , m_descripcion(other.m_descripcion)
    , m_valorTotal(other.m_valorTotal)
    , m_valorMin(other.m_valorMin)
    , m_valorMax(other.m_valorMax)
    , m_primerValor(other.m_primerValor)
{
    copyItemsFrom(other);
}

ZCSeriesChart& ZCSeriesChart::operator=(const ZCSeriesChart& other)
{
    if (this == &other)
        return *this;
    qDeleteAll(m_items);
    m_items.clear();
    m_indiceCategorias.clear();
    copyItemsFrom(other);
    m_nombre = other.m_nombre;
    m_descripcion = other.m_descripcion;
    m_valorTotal = other.m_valorTotal;
    m_valorMin = other.m_valorMin;
    m_valorMax = other.m_valorMax;
    m_primerValor = other.m_primerValor;
    return *this;
}

ZCSeriesChart::~ZCSeriesChart()
{
    qDeleteAll(m_items);
}

void ZCSeriesChart::copyItemsFrom(const ZCSeriesChart& other)
{
    m_items.reserve(other.m_items.size());
    for (const ZCItemSeriesChart* item : other.m_items) {
        auto* copy = new ZCItemSeriesChart(*item);
        copy->m_series = this;
        m_items.append(copy);
        if (ZCCategoryOrder::isText(copy->m_categoria))
            m_indiceCategorias.insert(copy->m_categoria.toString(), copy);
    }
}

ZCItemSeriesChart* ZCSeriesChart::AddDato(const QVariant& categoria, const QString& textoCategoria,
                                          double valor, const QColor& color, void* data)
{
    const bool text = ZCCategoryOrder::isText(categoria);
    ZCItemSeriesChart* item = text ? m_indiceCategorias.value(categoria.toString()) : nullptr;
    if (item) {
        item->m_valor += valor;
        addToTotal(valor);
        widenRange(item->m_valor);
    } else {
        item = new ZCItemSeriesChart(this);
        item->m_categoria = categoria;
        item->m_valor = valor;
        m_items.append(item);
        if (text)
            m_indiceCategorias.insert(categoria.toString(), item);
        addToTotal(valor);
        widenRange(valor);
    }
    item->m_textoCategoria = textoCategoria;
    item->m_color = color;
    if (data)
        item->m_data = data;
    return item;
}

void ZCSeriesChart::addToTotal(double valor)
{
    if (!std::isfinite(valor)) {
        qWarning().noquote() << tr("La serie «%1» tiene un valor no numérico; queda fuera del total y "
                                   "del rango").arg(m_nombre);
        return;
    }
    m_valorTotal += valor;
}

void ZCSeriesChart::widenRange(double valor)
{
    if (!std::isfinite(valor))
        return;
    if (m_primerValor) {
        m_primerValor = false;
        m_valorMin = valor;
        m_valorMax = valor;
        return;
    }
    m_valorMin = std::min(m_valorMin, valor);
    m_valorMax = std::max(m_valorMax, valor);
}

void ZCSeriesChart::categoryChanged(ZCItemSeriesChart* item, const QVariant& before)
{
    if (ZCCategoryOrder::isText(before)) {
        const auto found = m_indiceCategorias.find(before.toString());
        if (found != m_indiceCategorias.end() && found.value() == item)
            m_indiceCategorias.erase(found);
    }
    if (ZCCategoryOrder::isText(item->m_categoria))
        m_indiceCategorias.insert(item->m_categoria.toString(), item);
}

void ZCSeriesChart::OrdenarPorCategoria(bool ascendente)
{
    sortItems(m_items.begin(), m_items.end(), ascendente, [](const ZCItemSeriesChart* a, const ZCItemSeriesChart* b) {
        return ZCCategoryOrder::less(a->GetCategoria(), b->GetCategoria());
    });
}

void ZCSeriesChart::OrdenarPorValor(bool ascendente)
{
    // NaN is neither less nor greater than anything: sorted among the numbers it would leave
    // them out of order. Missing values go last, whichever the direction.
    const auto missing = std::stable_partition(m_items.begin(), m_items.end(), [](const ZCItemSeriesChart* item) {
        return !std::isnan(item->GetValor());
    });
    sortItems(m_items.begin(), missing, ascendente, [](const ZCItemSeriesChart* a, const ZCItemSeriesChart* b) {
        return a->GetValor() < b->GetValor();
    });
}
