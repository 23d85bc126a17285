// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "mirokitcharts_global.h"

#include <QColor>
#include <QCoreApplication>
#include <QHash>
#include <QList>
#include <QString>
#include <QVariant>

class ZCItemSeriesChart;

/*!
    One named series of a chart layer: its items in order, the text shown in the legend (the
    description) and the running total, minimum and maximum of its values.

    A text category added again is merged into the item that already has it; numeric and date-time
    categories are never merged. Values that are not finite stay in their items but are left out
    of the total and the range, with a warning.

    The series owns its items; a copy copies them, so original and copy can be destroyed apart.
*/
class MIROKIT_CHARTS_EXPORT ZCSeriesChart
{
    Q_DECLARE_TR_FUNCTIONS(ZCSeriesChart)

public:
    ZCSeriesChart();
    ZCSeriesChart(const QString& nombre, const QString& descripcion);
    ZCSeriesChart(const ZCSeriesChart& other);
    ZCSeriesChart& operator=(const ZCSeriesChart& other);
    virtual ~ZCSeriesChart();

    const QList<ZCItemSeriesChart*>& GetItems() const { return m_items; }

    ZCItemSeriesChart* AddDato(const QVariant& categoria, const QString& textoCategoria, double valor,
                               const QColor& color = QColor(), void* data = nullptr);

    void OrdenarPorCategoria(bool ascendente);
    void OrdenarPorValor(bool ascendente);

    const QString& GetNombre() const { return m_nombre; }
    void SetNombre(const QString& nombre) { m_nombre = nombre; }
    const QString& GetDescripcion() const { return m_descripcion; }
    void SetDescripcion(const QString& descripcion) { m_descripcion = descripcion; }

    double GetValorTotal() const { return m_valorTotal; }
    void SetValorTotal(double valor) { m_valorTotal = valor; }
    double GetValorMin() const { return m_valorMin; }
    void SetValorMin(double valor) { m_valorMin = valor; }
    double GetValorMax() const { return m_valorMax; }
    void SetValorMax(double valor) { m_valorMax = valor; }

private:
    friend class ZCItemSeriesChart;

    void copyItemsFrom(const ZCSeriesChart& other);
    void addToTotal(double valor);
    void widenRange(double valor);
    void categoryChanged(ZCItemSeriesChart* item, const QVariant& before);

    QList<ZCItemSeriesChart*> m_items;
    // Text categories only, keyed by their text.
    QHash<QString, ZCItemSeriesChart*> m_indiceCategorias;
    QString m_nombre;
    QString m_descripcion;
    double m_valorTotal = 0;
    double m_valorMin = 0;
    double m_valorMax = 0;
    bool m_primerValor = true;
};

Q_DECLARE_METATYPE(ZCSeriesChart*)
