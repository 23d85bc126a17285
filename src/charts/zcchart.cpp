// SPDX-License-Identifier: GPL-3.0-or-later
#include "zcchart.h"

#include "zcchartitemtable_p.h"
#include "zcgeneradorserieschart.h"
#include "zcitemserieschart.h"
#include "zcserieschart.h"

#include <QCursor>
#include <QDateTime>
#include <QDebug>
#include <QLocale>
#include <QSet>
#include <QToolTip>
#include <QtCharts/QAreaSeries>
#include <QtCharts/QBarCategoryAxis>
#include <QtCharts/QBarLegendMarker>
#include <QtCharts/QBarSeries>
#include <QtCharts/QBarSet>
#include <QtCharts/QBoxPlotSeries>
#include <QtCharts/QBoxSet>
#include <QtCharts/QCategoryAxis>
#include <QtCharts/QDateTimeAxis>
#include <QtCharts/QHorizontalBarSeries>
#include <QtCharts/QHorizontalPercentBarSeries>
#include <QtCharts/QHorizontalStackedBarSeries>
#include <QtCharts/QLegendMarker>
#include <QtCharts/QLineSeries>
#include <QtCharts/QLogValueAxis>
#include <QtCharts/QPercentBarSeries>
#include <QtCharts/QPieLegendMarker>
#include <QtCharts/QPieSeries>
#include <QtCharts/QPieSlice>
#include <QtCharts/QScatterSeries>
#include <QtCharts/QSplineSeries>
#include <QtCharts/QStackedBarSeries>
#include <QtCharts/QValueAxis>

#include <algorithm>
#include <cmath>
#include <map>

using namespace QtCharts;

namespace {

const char seriesProperty[] = "seriesChart";
const char itemProperty[] = "itemSeriesChart";
constexpr int tooltipMsecs = 10000;
// How far from a point, in pixels, a click on a line still means that point: a marker's reach.
constexpr qreal clickReach = 8;

QVariant pointerVariant(const void* pointer)
{
    return QVariant::fromValue(const_cast<void*>(pointer));
}

QString shortest(double value)
{
    return QString::number(value, 'g', QLocale::FloatingPointShortest);
}

// The x of a numeric category. QVariant's general conversion costs more than all the rest of a
// point, so the types numbers come in are read directly.
double numberOf(const QVariant& categoria, int type)
{
    switch (type) {
    case QMetaType::Double: return *static_cast<const double*>(categoria.constData());
    case QMetaType::Int: return *static_cast<const int*>(categoria.constData());
    case QMetaType::LongLong: return double(*static_cast<const qlonglong*>(categoria.constData()));
    default: return categoria.canConvert<double>() ? categoria.toDouble() : 0;
    }
}

QByteArray pointPropertyName(const QPointF& point)
{
    return (QLatin1String(itemProperty) + shortest(point.x()) + QLatin1Char(',') + shortest(point.y())).toLatin1();
}

QByteArray barPropertyName(int index)
{
    return QByteArray(itemProperty) + QByteArray::number(index);
}

bool isPointType(int tipo)
{
    return tipo == QAbstractSeries::SeriesTypeLine || tipo == QAbstractSeries::SeriesTypeArea
           || tipo == QAbstractSeries::SeriesTypeScatter || tipo == QAbstractSeries::SeriesTypeSpline;
}

bool isBarType(int tipo)
{
    switch (tipo) {
    case QAbstractSeries::SeriesTypeBar:
    case QAbstractSeries::SeriesTypeStackedBar:
    case QAbstractSeries::SeriesTypePercentBar:
    case QAbstractSeries::SeriesTypeHorizontalBar:
    case QAbstractSeries::SeriesTypeHorizontalStackedBar:
    case QAbstractSeries::SeriesTypeHorizontalPercentBar:
        return true;
    default:
        return false;
    }
}

bool isHorizontalBarType(int tipo)
{
    return tipo == QAbstractSeries::SeriesTypeHorizontalBar || tipo == QAbstractSeries::SeriesTypeHorizontalStackedBar
           || tipo == QAbstractSeries::SeriesTypeHorizontalPercentBar;
}

bool isPlainBarType(int tipo)
{
    return tipo == QAbstractSeries::SeriesTypeBar || tipo == QAbstractSeries::SeriesTypeHorizontalBar;
}

bool isStackedBarType(int tipo)
{
    return tipo == QAbstractSeries::SeriesTypeStackedBar || tipo == QAbstractSeries::SeriesTypeHorizontalStackedBar;
}

// The type of axis createDefaultAxes() gives a series of this type in this orientation.
int defaultAxisType(int tipo, Qt::Orientation orientation)
{
    if (tipo == QAbstractSeries::SeriesTypePie)
        return QAbstractAxis::AxisTypeNoAxis;
    if (isBarType(tipo) || tipo == QAbstractSeries::SeriesTypeBoxPlot) {
        const bool categoriesAcross = !isHorizontalBarType(tipo);
        return (orientation == Qt::Horizontal) == categoriesAcross ? QAbstractAxis::AxisTypeBarCategory
                                                                    : QAbstractAxis::AxisTypeValue;
    }
    return QAbstractAxis::AxisTypeValue;
}

QAbstractAxis* newAxis(int type)
{
    if (type == QAbstractAxis::AxisTypeBarCategory)
        return new QBarCategoryAxis;
    return new QValueAxis;
}

Qt::Alignment alignmentFor(Qt::Orientation orientation)
{
    return orientation == Qt::Horizontal ? Qt::AlignBottom : Qt::AlignLeft;
}

// The highest stack of positive values and the lowest of negative ones over the categories.
struct StackExtent {
    double top = 0;
    double bottom = 0;
};

StackExtent stackExtent(const QAbstractBarSeries* bars)
{
    StackExtent extent;
    const QList<QBarSet*> sets = bars->barSets();
    int categories = 0;
    for (const QBarSet* set : sets)
        categories = std::max(categories, set->count());
    for (int i = 0; i < categories; ++i) {
        double up = 0;
        double down = 0;
        for (const QBarSet* set : sets) {
            const double value = i < set->count() ? set->at(i) : 0;
            (value >= 0 ? up : down) += value;
        }
        extent.top = std::max(extent.top, up);
        extent.bottom = std::min(extent.bottom, down);
    }
    return extent;
}

QColor withAlpha(QColor color, qreal alpha)
{
    color.setAlphaF(alpha);
    return color;
}

// The same settings reach QXYSeries and QAreaSeries through functions of the same names.
template <typename Series>
void configurePointLabels(Series* series, const ZCGeneradorSeriesChart& generador)
{
    series->setPointLabelsVisible(generador.IsLabelsVisible());
    if (!generador.IsLabelsVisible())
        return;
    series->setPointLabelsFont(generador.GetLabelsFont());
    if (generador.GetLabelsColor().isValid())
        series->setPointLabelsColor(generador.GetLabelsColor());
    series->setPointsVisible(true);
    const QString x = generador.GetTipoCategoria() == ZCGeneradorSeriesChart::CategoriaNumero
                          ? QStringLiteral("@xPoint, ") : QString();
    series->setPointLabelsFormat(generador.GetLabelsPrefijo() + x + QStringLiteral("@yPoint")
                                 + generador.GetLabelsSufijo());
}

template <typename Series>
void connectPointSignals(Series* series, ZCChart* chart)
{
    QObject::connect(series, &Series::clicked, chart, &ZCChart::onXYClicked);
    QObject::connect(series, &Series::doubleClicked, chart, &ZCChart::onXYDoubleClicked);
    QObject::connect(series, &Series::hovered, chart, &ZCChart::onXYHovered);
}

// Lower extreme, quartiles and upper extreme of the finite values, by linear interpolation.
QList<qreal> fiveNumbers(const ZCSeriesChart& series)
{
    std::vector<double> values;
    values.reserve(size_t(series.GetItems().size()));
    for (const ZCItemSeriesChart* item : series.GetItems()) {
        if (std::isfinite(item->GetValor()))
            values.push_back(item->GetValor());
    }
    if (values.empty())
        return {};
    std::sort(values.begin(), values.end());
    const auto quantile = [&values](double q) {
        const double position = q * double(values.size() - 1);
        const size_t below = size_t(std::floor(position));
        const size_t above = std::min(below + 1, values.size() - 1);
        return values[below] + (values[above] - values[below]) * (position - double(below));
    };
    return {values.front(), quantile(0.25), quantile(0.5), quantile(0.75), values.back()};
}

} // namespace

// What a rebuild collects before it reaches the axes: the categories of each bar-category axis
// (looked up by text in constant time) and the span of the values on each value or date-time axis.
struct ZCChart::Rebuild {
    struct Categories {
        QStringList texts;
        QHash<QString, int> index;
        int onAxis = 0;   // how many of texts the axis holds already

        int find(const QString& text) const { return index.value(text, -1); }
        int add(const QString& text)
        {
            index.insert(text, int(texts.size()));
            texts.append(text);
            return int(texts.size()) - 1;
        }
    };
    struct Range {
        double min = 0;
        double max = 0;
        bool empty = true;

        void widen(double value)
        {
            min = empty ? value : std::min(min, value);
            max = empty ? value : std::max(max, value);
            empty = false;
        }
    };

    Categories& categories(QBarCategoryAxis* axis)
    {
        auto found = categoriesByAxis.find(axis);
        if (found == categoriesByAxis.end()) {
            found = categoriesByAxis.insert(axis, Categories());
            for (const QString& text : axis->categories())
                found->add(text);
            found->onAxis = int(found->texts.size());
        }
        return *found;
    }

    // Appends the categories found since the last call to the axis.
    void flush(QBarCategoryAxis* axis)
    {
        Categories& list = categories(axis);
        if (list.onAxis < list.texts.size())
            axis->append(list.texts.mid(list.onAxis));
        list.onAxis = int(list.texts.size());
    }

    QHash<QBarCategoryAxis*, Categories> categoriesByAxis;
    QHash<QAbstractAxis*, Range> ranges;
};

namespace {

// An axis whose minimum equals its maximum shows nothing; give it room around the value.
void applyRange(QAbstractAxis* axis, double min, double max)
{
    if (auto* dates = qobject_cast<QDateTimeAxis*>(axis)) {
        constexpr double day = 24 * 3600 * 1000.0;
        if (min == max) {
            min -= day;
            max += day;
        }
        dates->setRange(QDateTime::fromMSecsSinceEpoch(qint64(min)), QDateTime::fromMSecsSinceEpoch(qint64(max)));
    } else if (auto* values = qobject_cast<QValueAxis*>(axis)) {
        if (min == max) {
            const double room = std::max(1.0, std::abs(min) * 0.1);
            min -= room;
            max += room;
        }
        values->setRange(min, max);
    }
}

// Ticks at 1, 2 or 5 times a power of ten, labelled with the decimals that step needs and no
// more (Qt's own labels carry one decimal more than the step, whatever it is).
void applyNiceTicks(QValueAxis* axis)
{
    const double span = axis->max() - axis->min();
    if (!(span > 0) || !std::isfinite(span))
        return;
    axis->applyNiceNumbers();
    const double step = (axis->max() - axis->min()) / std::max(1, axis->tickCount() - 1);
    // The step is a power of ten times 1, 2 or 5, give or take the rounding of the division.
    const int decimals = std::clamp(int(std::ceil(-std::log10(step) - 1e-9)), 0, 15);
    axis->setLabelFormat(QStringLiteral("%.%1f").arg(decimals));
}

} // namespace

// Axis labels in the chart's locale, the application's (the default QLocale) unless the host
// sets another, with its decimal point and digit grouping.
ZCChart::ZCChart(QGraphicsItem* parent)
    : QChart(parent)
    , m_items(new ZCChartItemTable)
{
    setLocalizeNumbers(true);
}

ZCChart::~ZCChart() = default;

void ZCChart::SetLeyendaInteractiva(bool interactiva)
{
    m_leyendaInteractiva = interactiva;
    legend()->setCursor(interactiva ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

// --- building ---------------------------------------------------------------------------------

void ZCChart::RepresentaGeneradoresSeries(const QList<ZCGeneradorSeriesChart*>& generadores)
{
    DestruyeEjes();
    DestruyeAllSeries();
    m_rebuild.reset(new Rebuild);
    representaCategoriasComunes(generadores);
    for (const ZCGeneradorSeriesChart* generador : generadores) {
        if (!generador)
            continue;
        const int tipo = generador->GetTipoSerie();
        if (isPointType(tipo))
            representaPuntos(*generador);
        else if (isPlainBarType(tipo) || (isBarType(tipo) && generador->GetSeries().size() != 1))
            representaBarrasPorSerie(*generador);
        else if (isBarType(tipo))
            representaBarrasPorCategoria(*generador);
        else if (tipo == QAbstractSeries::SeriesTypePie)
            representaTartas(*generador);
        else if (tipo == QAbstractSeries::SeriesTypeBoxPlot)
            representaCajas(*generador);
    }
    for (auto range = m_rebuild->ranges.cbegin(); range != m_rebuild->ranges.cend(); ++range)
        applyRange(range.key(), range->min, range->max);
    m_rebuild.reset();
    AddAllSeries();
    AddEjes();
    if (m_ajustarEjeValor) {
        for (QAbstractAxis* axis : axes()) {
            if (auto* values = qobject_cast<QValueAxis*>(axis))
                applyNiceTicks(values);
        }
    }
    connectLegendMarkers();
    update();
}

void ZCChart::representaCategoriasComunes(const QList<ZCGeneradorSeriesChart*>& generadores)
{
    struct Total {
        QString text;
        double sum = 0;
        int first = -1;   // position of the category's first appearance
    };
    std::map<QString, Total> totals;   // by category key, which is also the category order
    int seriesCount = 0;
    int firstSeen = 0;
    int limit = 0;
    const ZCGeneradorSeriesChart* last = nullptr;
    for (const ZCGeneradorSeriesChart* generador : generadores) {
        if (!generador || generador->GetTipoOrdenacion() == ZCGeneradorSeriesChart::SinOrden
            || generador->GetTipoCategoria() != ZCGeneradorSeriesChart::CategoriaTexto
            || generador->GetTipoSerie() == QAbstractSeries::SeriesTypePie)
            continue;
        last = generador;
        limit = std::max(limit, generador->GetMaxItems());
        seriesCount += generador->GetSeries().size();
        for (const ZCSeriesChart* series : generador->GetSeries()) {
            for (const ZCItemSeriesChart* item : series->GetItems()) {
                Total& total = totals[item->GetCategoria().toString()];
                if (total.first < 0)
                    total = {item->GetTextoCategoria(), 0, firstSeen++};
                if (std::isfinite(item->GetValor()))
                    total.sum += item->GetValor();
            }
        }
    }
    if (seriesCount < 2)
        return;

    std::vector<const Total*> order;
    order.reserve(totals.size());
    for (const auto& entry : totals)
        order.push_back(&entry.second);
    const bool ascending = last->EsOrdenAscendiente();
    if (last->GetTipoOrdenacion() == ZCGeneradorSeriesChart::OrdenValor) {
        std::sort(order.begin(), order.end(), [ascending](const Total* a, const Total* b) {
            if (a->sum != b->sum)
                return ascending ? a->sum < b->sum : a->sum > b->sum;
            return a->first < b->first;
        });
    } else if (!ascending) {
        std::reverse(order.begin(), order.end());
    }
    QBarCategoryAxis* axis = ejeCategorias(last->GetTipoSerie());
    Rebuild::Categories& categories = m_rebuild->categories(axis);
    for (const Total* total : order) {
        if (limit > 0 && categories.texts.size() >= limit)
            break;
        if (categories.find(total->text) < 0)
            categories.add(total->text);
    }
    m_rebuild->flush(axis);
}

QBarCategoryAxis* ZCChart::ejeCategorias(int tipoSerie)
{
    const Qt::Orientation orientation = isHorizontalBarType(tipoSerie) ? Qt::Vertical : Qt::Horizontal;
    return static_cast<QBarCategoryAxis*>(AseguraEje(QAbstractAxis::AxisTypeBarCategory, orientation));
}

void ZCChart::representaPuntos(const ZCGeneradorSeriesChart& generador)
{
    const int tipoCategoria = generador.GetTipoCategoria();
    QAbstractAxis* axisX = nullptr;
    QBarCategoryAxis* categoryAxis = nullptr;
    if (tipoCategoria == ZCGeneradorSeriesChart::CategoriaNumero) {
        axisX = AseguraEje(QAbstractAxis::AxisTypeValue, Qt::Horizontal);
    } else if (tipoCategoria == ZCGeneradorSeriesChart::CategoriaFecha) {
        axisX = AseguraEje(QAbstractAxis::AxisTypeDateTime, Qt::Horizontal);
    } else {
        categoryAxis = static_cast<QBarCategoryAxis*>(AseguraEje(QAbstractAxis::AxisTypeBarCategory, Qt::Horizontal));
        axisX = categoryAxis;
    }
    Rebuild::Categories* categories = categoryAxis ? &m_rebuild->categories(categoryAxis) : nullptr;
    Rebuild::Range* range = categoryAxis ? nullptr : &m_rebuild->ranges[axisX];
    const int maxItems = generador.GetMaxItems();

    for (ZCSeriesChart* model : generador.GetSeries()) {
        QAbstractSeries* series = CreaSeries(generador.GetTipoSerie());
        QXYSeries* points = qobject_cast<QXYSeries*>(series);
        auto* area = qobject_cast<QAreaSeries*>(series);
        if (area) {
            auto* upper = new QLineSeries(area);
            area->setUpperSeries(upper);
            points = upper;
            configurePointLabels(area, generador);
            connectPointSignals(area, this);
        } else {
            configurePointLabels(points, generador);
            connectPointSignals(points, this);
        }
        series->setName(model->GetDescripcion());
        tagSeries(series, model);
        m_ejeSerie.insert(series, axisX);
        const QList<ZCItemSeriesChart*>& items = model->GetItems();
        if (!items.isEmpty() && items.constFirst()->GetColor().isValid()) {
            if (area)
                area->setColor(items.constFirst()->GetColor());
            else
                points->setColor(items.constFirst()->GetColor());
        }

        int count = int(items.size());
        if (maxItems > 0 && tipoCategoria != ZCGeneradorSeriesChart::CategoriaTexto)
            count = std::min(count, maxItems);
        QVector<QPointF> values;
        QVector<ZCItemSeriesChart*> pointItems;
        values.reserve(count);
        pointItems.reserve(count);
        for (int i = 0; i < count; ++i) {
            ZCItemSeriesChart* item = items.at(i);
            const double y = item->GetValor();
            if (!std::isfinite(y))
                continue;
            const QVariant& categoria = item->GetCategoria();
            const int type = categoria.userType();
            double x = 0;
            if (type == QMetaType::QString) {
                if (!categories)
                    continue;
                int index = categories->find(item->GetTextoCategoria());
                if (index < 0) {
                    if (maxItems > 0 && categories->texts.size() >= maxItems)
                        continue;
                    index = categories->add(item->GetTextoCategoria());
                }
                x = index;
            } else if (type == QMetaType::QDateTime || type == QMetaType::QDate) {
                x = double(categoria.toDateTime().toMSecsSinceEpoch());
            } else {
                x = numberOf(categoria, type);
            }
            if (!std::isfinite(x))
                continue;
            if (range)
                range->widen(x);
            values.append(QPointF(x, y));
            pointItems.append(item);
            if (m_propiedadesPorElemento)
                series->setProperty(pointPropertyName(values.constLast()), pointerVariant(item));
        }
        points->replace(values);
        m_items->setPoints(series, values, std::move(pointItems));
    }
    if (categoryAxis)
        m_rebuild->flush(categoryAxis);
}

QAbstractBarSeries* ZCChart::creaSerieBarras(const ZCGeneradorSeriesChart& generador)
{
    auto* bars = static_cast<QAbstractBarSeries*>(CreaSeries(generador.GetTipoSerie()));
    bars->setLabelsVisible(generador.IsLabelsVisible());
    bars->setLabelsPosition(generador.GetBarLabelsPos());
    bars->setLabelsAngle(generador.GetLabelsAngle());
    if (generador.GetBarWidth() != 0)
        bars->setBarWidth(generador.GetBarWidth());
    if (!generador.GetLabelsPrefijo().isEmpty() || !generador.GetLabelsSufijo().isEmpty())
        bars->setLabelsFormat(generador.GetLabelsPrefijo() + QStringLiteral("@value") + generador.GetLabelsSufijo());
    bars->setLabelsPrecision(15);
    connect(bars, &QAbstractBarSeries::clicked, this, &ZCChart::onBarSetClicked);
    connect(bars, &QAbstractBarSeries::doubleClicked, this, &ZCChart::onBarSetDoubleClicked);
    connect(bars, &QAbstractBarSeries::hovered, this, &ZCChart::onBarSetHovered);
    QBarCategoryAxis* axis = ejeCategorias(generador.GetTipoSerie());
    m_ejeSerie.insert(bars, axis);
    return bars;
}

void ZCChart::representaBarrasPorSerie(const ZCGeneradorSeriesChart& generador)
{
    QAbstractBarSeries* bars = creaSerieBarras(generador);
    QBarCategoryAxis* axis = static_cast<QBarCategoryAxis*>(m_ejeSerie.value(bars));
    Rebuild::Categories& categories = m_rebuild->categories(axis);
    const int maxItems = generador.GetMaxItems();
    QColor labelColor = generador.GetLabelsColor();
    if (!labelColor.isValid() && isPlainBarType(generador.GetTipoSerie()))
        labelColor = Qt::black;

    QList<QBarSet*> sets;
    for (ZCSeriesChart* model : generador.GetSeries()) {
        auto* set = new QBarSet(model->GetDescripcion());
        set->setLabelFont(generador.GetLabelsFont());
        if (labelColor.isValid())
            set->setLabelColor(labelColor);
        const QList<ZCItemSeriesChart*>& items = model->GetItems();
        if (!items.isEmpty() && items.constFirst()->GetColor().isValid())
            set->setColor(items.constFirst()->GetColor());
        tagSeries(set, model);

        QList<qreal> values;
        for (ZCItemSeriesChart* item : items) {
            int index = categories.find(item->GetTextoCategoria());
            if (index < 0) {
                if (maxItems > 0 && categories.texts.size() >= maxItems)
                    continue;
                index = categories.add(item->GetTextoCategoria());
            }
            while (values.size() <= index)
                values.append(0);
            values[index] = std::isfinite(item->GetValor()) ? item->GetValor() : 0;
            tagItem(set, index, item);
        }
        set->append(values);
        sets.append(set);
    }
    bars->append(sets);
    tagSeries(bars, generador.GetSeries().value(0));
    m_rebuild->flush(axis);
}

void ZCChart::representaBarrasPorCategoria(const ZCGeneradorSeriesChart& generador)
{
    QAbstractBarSeries* bars = creaSerieBarras(generador);
    QBarCategoryAxis* axis = static_cast<QBarCategoryAxis*>(m_ejeSerie.value(bars));
    Rebuild::Categories& categories = m_rebuild->categories(axis);
    ZCSeriesChart* model = generador.GetSeries().constFirst();
    tagSeries(bars, model);
    int index = categories.find(model->GetDescripcion());
    if (index < 0)
        index = categories.add(model->GetDescripcion());
    const int maxItems = generador.GetMaxItems();

    QHash<QString, QBarSet*> setsByText;
    QList<QBarSet*> sets;
    for (ZCItemSeriesChart* item : model->GetItems()) {
        const double value = std::isfinite(item->GetValor()) ? item->GetValor() : 0;
        QBarSet* set = setsByText.value(item->GetTextoCategoria());
        if (set) {
            set->replace(index, set->at(index) + value);
            continue;
        }
        if (maxItems > 0 && sets.size() >= maxItems)
            continue;
        set = new QBarSet(item->GetTextoCategoria());
        if (item->GetColor().isValid())
            set->setColor(item->GetColor());
        set->setLabelFont(generador.GetLabelsFont());
        if (generador.GetLabelsColor().isValid())
            set->setLabelColor(generador.GetLabelsColor());
        tagSeries(set, model);
        tagItem(set, index, item);
        QList<qreal> values;
        for (int i = 0; i < index; ++i)
            values.append(0);
        values.append(value);
        set->append(values);
        setsByText.insert(item->GetTextoCategoria(), set);
        sets.append(set);
    }
    bars->append(sets);
    m_rebuild->flush(axis);
}

void ZCChart::representaTartas(const ZCGeneradorSeriesChart& generador)
{
    const QList<ZCSeriesChart*>& models = generador.GetSeries();
    const int n = int(models.size());
    if (n == 0)
        return;
    const bool inside = generador.GetPieLabelsPos() != QPieSlice::LabelOutside;
    const qreal size = (inside ? 0.95 : 0.7) / n;
    const int maxItems = generador.GetMaxItems();
    for (int i = 0; i < n; ++i) {
        ZCSeriesChart* model = models.at(i);
        auto* pie = static_cast<QPieSeries*>(CreaSeries(QAbstractSeries::SeriesTypePie));
        pie->setName(model->GetDescripcion());
        pie->setPieSize(size);
        pie->setHorizontalPosition(qreal(i) / n + 0.5 / n);
        pie->setVerticalPosition(0.5);
        pie->setHoleSize(size * generador.GetHoleSize());
        tagSeries(pie, model);
        connect(pie, &QPieSeries::clicked, this, &ZCChart::onSliceClicked);
        connect(pie, &QPieSeries::doubleClicked, this, &ZCChart::onSliceDoubleClicked);
        connect(pie, &QPieSeries::hovered, this, &ZCChart::onSliceHovered);

        const QList<ZCItemSeriesChart*>& items = model->GetItems();
        const int count = maxItems > 0 ? std::min(maxItems, int(items.size())) : int(items.size());
        QList<QPieSlice*> slices;
        slices.reserve(count);
        for (int j = 0; j < count; ++j) {
            ZCItemSeriesChart* item = items.at(j);
            // A pie shows shares of a whole: a negative or missing value has no slice to show.
            const double value = std::isfinite(item->GetValor()) ? std::max(0.0, item->GetValor()) : 0;
            auto* slice = new QPieSlice(generador.GetLabelsPrefijo() + item->GetTextoCategoria()
                                            + generador.GetLabelsSufijo(), value);
            if (item->GetColor().isValid())
                slice->setColor(item->GetColor());
            slice->setLabelVisible(generador.IsLabelsVisible());
            slice->setLabelPosition(generador.GetPieLabelsPos());
            slice->setLabelFont(generador.GetLabelsFont());
            if (generador.GetLabelsColor().isValid())
                slice->setLabelColor(generador.GetLabelsColor());
            tagSeries(slice, model);
            tagItem(slice, 0, item);
            slices.append(slice);
        }
        pie->append(slices);
    }
}

// A box plot shows how the values of each series spread: one box per series, from its lowest
// value to its highest, with the quartiles in between.
void ZCChart::representaCajas(const ZCGeneradorSeriesChart& generador)
{
    auto* boxes = static_cast<QBoxPlotSeries*>(CreaSeries(QAbstractSeries::SeriesTypeBoxPlot));
    QBarCategoryAxis* axis = ejeCategorias(QAbstractSeries::SeriesTypeBoxPlot);
    m_ejeSerie.insert(boxes, axis);
    Rebuild::Categories& categories = m_rebuild->categories(axis);
    for (ZCSeriesChart* model : generador.GetSeries()) {
        const QList<qreal> numbers = fiveNumbers(*model);
        if (numbers.isEmpty())
            continue;
        auto* set = new QBoxSet(model->GetDescripcion());
        set->append(numbers);
        if (!model->GetItems().isEmpty() && model->GetItems().constFirst()->GetColor().isValid())
            set->setBrush(model->GetItems().constFirst()->GetColor());
        tagSeries(set, model);
        boxes->append(set);
        if (categories.find(model->GetDescripcion()) < 0)
            categories.add(model->GetDescripcion());
    }
    tagSeries(boxes, generador.GetSeries().value(0));
    connect(boxes, &QBoxPlotSeries::clicked, this, [this](QBoxSet* set) {
        emit seriesClicked(m_items->series(set));
    });
    connect(boxes, &QBoxPlotSeries::doubleClicked, this, [this](QBoxSet* set) {
        emit seriesDoubleClicked(m_items->series(set));
    });
    m_rebuild->flush(axis);
}

QAbstractSeries* ZCChart::CreaSeries(int tipo)
{
    QAbstractSeries* series = nullptr;
    switch (tipo) {
    case QAbstractSeries::SeriesTypeLine: series = new QLineSeries(this); break;
    case QAbstractSeries::SeriesTypeArea: series = new QAreaSeries(this); break;
    case QAbstractSeries::SeriesTypeBar: series = new QBarSeries(this); break;
    case QAbstractSeries::SeriesTypeStackedBar: series = new QStackedBarSeries(this); break;
    case QAbstractSeries::SeriesTypePercentBar: series = new QPercentBarSeries(this); break;
    case QAbstractSeries::SeriesTypePie: series = new QPieSeries(this); break;
    case QAbstractSeries::SeriesTypeScatter: series = new QScatterSeries(this); break;
    case QAbstractSeries::SeriesTypeSpline: series = new QSplineSeries(this); break;
    case QAbstractSeries::SeriesTypeHorizontalBar: series = new QHorizontalBarSeries(this); break;
    case QAbstractSeries::SeriesTypeHorizontalStackedBar: series = new QHorizontalStackedBarSeries(this); break;
    case QAbstractSeries::SeriesTypeHorizontalPercentBar: series = new QHorizontalPercentBarSeries(this); break;
    case QAbstractSeries::SeriesTypeBoxPlot: series = new QBoxPlotSeries(this); break;
    default: return nullptr;
    }
    m_series.append(series);
    return series;
}

QAbstractAxis* ZCChart::AseguraEje(int tipo, Qt::Orientation orientation)
{
    for (const auto& eje : qAsConst(m_ejes)) {
        if (eje.second == orientation && eje.first->type() == tipo)
            return eje.first;
    }
    return CreaEje(tipo, orientation);
}

QAbstractAxis* ZCChart::CreaEje(int tipo, Qt::Orientation orientation)
{
    QAbstractAxis* axis = nullptr;
    switch (tipo) {
    case QAbstractAxis::AxisTypeValue: axis = new QValueAxis(this); break;
    case QAbstractAxis::AxisTypeBarCategory: axis = new QBarCategoryAxis(this); break;
    case QAbstractAxis::AxisTypeCategory: axis = new QCategoryAxis(this); break;
    case QAbstractAxis::AxisTypeDateTime: axis = new QDateTimeAxis(this); break;
    case QAbstractAxis::AxisTypeLogValue: axis = new QLogValueAxis(this); break;
    default: return nullptr;
    }
    m_ejes.append({axis, orientation});
    return axis;
}

void ZCChart::AddAllSeries()
{
    for (QAbstractSeries* series : qAsConst(m_series))
        addSeries(series);
}

// Qt's createDefaultAxes() would make an axis of each orientation for every series, and fill a
// default category axis with a label per category (by a search that is quadratic in them) only
// for it to be replaced by the recorded one: most of the time a large bar chart takes. So the
// recorded axes go first, and Qt's defaults are made only for the orientations they leave open.
void ZCChart::AddEjes()
{
    for (QAbstractSeries* series : qAsConst(m_series)) {
        QAbstractAxis* axis = m_ejeSerie.value(series);
        if (!axis)
            continue;
        if (!axes().contains(axis))
            addAxis(axis, alignmentFor(recordedOrientation(axis)));
        if (!series->attachedAxes().contains(axis))
            series->attachAxis(axis);
    }
    addDefaultAxes(Qt::Horizontal);
    addDefaultAxes(Qt::Vertical);
}

Qt::Orientation ZCChart::recordedOrientation(const QAbstractAxis* axis) const
{
    const bool horizontal = std::any_of(m_ejes.cbegin(), m_ejes.cend(), [axis](const auto& eje) {
        return eje.first == axis && eje.second == Qt::Horizontal;
    });
    return horizontal ? Qt::Horizontal : Qt::Vertical;
}

// As createDefaultAxes() makes them: one axis shared by every series when all of them would have
// the same type of axis in this orientation, spanning all of them; otherwise one for each series.
void ZCChart::addDefaultAxes(Qt::Orientation orientation)
{
    QList<QAbstractSeries*> open;
    QSet<int> types;
    for (QAbstractSeries* series : qAsConst(m_series)) {
        const int type = defaultAxisType(series->type(), orientation);
        if (type == QAbstractAxis::AxisTypeNoAxis)
            continue;
        types.insert(type);
        const QList<QAbstractAxis*> attached = series->attachedAxes();
        if (std::none_of(attached.cbegin(), attached.cend(),
                         [orientation](const QAbstractAxis* axis) { return axis->orientation() == orientation; }))
            open.append(series);
    }
    if (open.isEmpty())
        return;
    if (types.size() > 1) {
        for (QAbstractSeries* series : qAsConst(open)) {
            QAbstractAxis* axis = newAxis(defaultAxisType(series->type(), orientation));
            addAxis(axis, alignmentFor(orientation));
            series->attachAxis(axis);
        }
        return;
    }
    QAbstractAxis* axis = newAxis(*types.cbegin());
    addAxis(axis, alignmentFor(orientation));
    auto* values = qobject_cast<QValueAxis*>(axis);
    Rebuild::Range span;
    for (QAbstractSeries* series : qAsConst(open)) {
        // An axis without a range takes the range of the series it is attached to; collapsed
        // before each series, it tells each one's range in turn.
        if (values)
            values->setRange(0, 0);
        series->attachAxis(axis);
        if (values) {
            span.widen(values->min());
            span.widen(values->max());
        }
    }
    if (values)
        values->setRange(span.min, span.max);
}

void ZCChart::DestruyeAllSeries()
{
    // Later, not now: this may run inside a handler of a click that one of them reported.
    for (QAbstractSeries* series : qAsConst(m_series)) {
        removeSeries(series);
        series->deleteLater();
    }
    m_series.clear();
    m_ejeSerie.clear();
    m_items->clear();
}

void ZCChart::DestruyeEjes()
{
    // The chart's axes, and the recorded ones that never reached it; each deleted once.
    QSet<QAbstractAxis*> doomed;
    for (QAbstractAxis* axis : axes(Qt::Horizontal | Qt::Vertical)) {
        removeAxis(axis);
        doomed.insert(axis);
    }
    for (const auto& eje : qAsConst(m_ejes))
        doomed.insert(eje.first);
    qDeleteAll(doomed);
    m_ejes.clear();
}

void ZCChart::tagSeries(QObject* object, ZCSeriesChart* model)
{
    m_items->setSeries(object, model);
    object->setProperty(seriesProperty, pointerVariant(model));
}

void ZCChart::tagItem(QObject* object, int index, ZCItemSeriesChart* item)
{
    m_items->setItem(object, index, item);
    if (!m_propiedadesPorElemento)
        return;
    // A slice is a single element; the bars of a set are told apart by their index.
    const QByteArray name = qobject_cast<QPieSlice*>(object) ? QByteArray(itemProperty) : barPropertyName(index);
    object->setProperty(name, pointerVariant(item));
}

void ZCChart::connectLegendMarkers()
{
    for (QLegendMarker* marker : legend()->markers()) {
        disconnect(marker, &QLegendMarker::clicked, this, &ZCChart::onLegendMarkerClicked);
        connect(marker, &QLegendMarker::clicked, this, &ZCChart::onLegendMarkerClicked);
    }
}

// --- from Qt objects back to the model --------------------------------------------------------

ZCSeriesChart* ZCChart::GetSeries(QAbstractSeries* series) const
{
    return m_items->series(series);
}

QPointF ZCChart::nearestPoint(QAbstractSeries* series, const QPointF& position, bool* found) const
{
    *found = false;
    QXYSeries* points = qobject_cast<QXYSeries*>(series);
    if (auto* area = qobject_cast<QAreaSeries*>(series))
        points = area->upperSeries();
    // Before the chart is laid out every point maps to the same place: none is nearer.
    if (!points || plotArea().isEmpty())
        return QPointF();
    // QChart::mapToPosition changes nothing, but is not declared const.
    auto* self = const_cast<ZCChart*>(this);
    const QPointF target = self->mapToPosition(position, series);
    qreal best = clickReach * clickReach;
    QPointF nearest;
    const QList<QPointF> values = points->points();
    for (const QPointF& value : values) {
        const QPointF offset = self->mapToPosition(value, series) - target;
        const qreal distance = QPointF::dotProduct(offset, offset);
        if (distance <= best) {
            best = distance;
            nearest = value;
            *found = true;
        }
    }
    return nearest;
}

ZCItemSeriesChart* ZCChart::GetItemSeries(QAbstractSeries* series, const QPointF& point, ZCSeriesChart** pSeries) const
{
    if (pSeries)
        *pSeries = GetSeries(series);
    if (!series)
        return nullptr;
    if (ZCItemSeriesChart* item = m_items->itemAt(series, point))
        return item;
    // Lines, splines and areas report where on the line the click fell, not a point.
    bool found = false;
    const QPointF nearest = nearestPoint(series, point, &found);
    return found ? m_items->itemAt(series, nearest) : nullptr;
}

ZCItemSeriesChart* ZCChart::GetItemSeries(QBarSet* set, int index, ZCSeriesChart** pSeries) const
{
    if (pSeries)
        *pSeries = m_items->series(set);
    return m_items->item(set, index);
}

ZCItemSeriesChart* ZCChart::GetItemSeries(QPieSlice* slice, ZCSeriesChart** pSeries) const
{
    if (pSeries)
        *pSeries = m_items->series(slice);
    return m_items->item(slice, 0);
}

// --- clicks and hovering ----------------------------------------------------------------------

// Nothing is touched after the signal: its handler may rebuild the chart.
void ZCChart::emitClick(ZCItemSeriesChart* item, ZCSeriesChart* series, bool doble)
{
    if (item && doble)
        emit itemDoubleClicked(item);
    else if (item)
        emit itemClicked(item);
    else if (doble)
        emit seriesDoubleClicked(series);
    else
        emit seriesClicked(series);
}

void ZCChart::onSliceClicked(QPieSlice* slice)
{
    ZCSeriesChart* series = nullptr;
    ZCItemSeriesChart* item = GetItemSeries(slice, &series);
    emitClick(item, series, false);
}

void ZCChart::onSliceDoubleClicked(QPieSlice* slice)
{
    ZCSeriesChart* series = nullptr;
    ZCItemSeriesChart* item = GetItemSeries(slice, &series);
    emitClick(item, series, true);
}

void ZCChart::onBarSetClicked(int index, QBarSet* set)
{
    ZCSeriesChart* series = nullptr;
    ZCItemSeriesChart* item = GetItemSeries(set, index, &series);
    emitClick(item, series, false);
}

void ZCChart::onBarSetDoubleClicked(int index, QBarSet* set)
{
    ZCSeriesChart* series = nullptr;
    ZCItemSeriesChart* item = GetItemSeries(set, index, &series);
    emitClick(item, series, true);
}

void ZCChart::onXYClicked(const QPointF& point)
{
    ZCSeriesChart* series = nullptr;
    ZCItemSeriesChart* item = GetItemSeries(qobject_cast<QAbstractSeries*>(sender()), point, &series);
    emitClick(item, series, false);
}

void ZCChart::onXYDoubleClicked(const QPointF& point)
{
    ZCSeriesChart* series = nullptr;
    ZCItemSeriesChart* item = GetItemSeries(qobject_cast<QAbstractSeries*>(sender()), point, &series);
    emitClick(item, series, true);
}

void ZCChart::onSliceHovered(QPieSlice* slice, bool state)
{
    if (m_tooltipsVisible && state && slice)
        QToolTip::showText(QCursor::pos(), slice->label(), nullptr, QRect(), tooltipMsecs);
    if (m_changeCursorOnHovered)
        setCursor(state ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

void ZCChart::onBarSetHovered(bool state, int index, QBarSet* set)
{
    if (m_tooltipsVisible && state && set)
        QToolTip::showText(QCursor::pos(), QString::number(set->at(index), 'g', 6), nullptr, QRect(), tooltipMsecs);
    if (m_changeCursorOnHovered)
        setCursor(state ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

void ZCChart::onXYHovered(const QPointF& point, bool state)
{
    if (m_tooltipsVisible && state) {
        const QString text = tr("x: %1\ny: %2 ").arg(shortest(point.x()), shortest(point.y()));
        QToolTip::showText(QCursor::pos(), text, nullptr, QRect(), tooltipMsecs);
    }
    if (m_changeCursorOnHovered)
        setCursor(state ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

// --- legend -----------------------------------------------------------------------------------

void ZCChart::onLegendMarkerClicked()
{
    auto* marker = qobject_cast<QLegendMarker*>(sender());
    if (!marker)
        return;
    if (m_leyendaInteractiva)
        EncenderMarker(marker, marker->pen().color().alphaF() < 1.0);

    const bool several = m_series.size() > 1;
    switch (marker->type()) {
    case QLegendMarker::LegendMarkerTypeBar: {
        // The entry stands for one bar set, whose series is the one meant, however many there are.
        QBarSet* set = static_cast<QBarLegendMarker*>(marker)->barset();
        emit seriesClicked(m_items->series(set));
        break;
    }
    case QLegendMarker::LegendMarkerTypePie: {
        auto* pieMarker = static_cast<QPieLegendMarker*>(marker);
        if (several)
            emit seriesClicked(GetSeries(pieMarker->series()));
        else
            emit itemClicked(GetItemSeries(pieMarker->slice()));
        break;
    }
    default:
        emit seriesClicked(GetSeries(marker->series()));
        break;
    }
}

void ZCChart::EncenderMarker(QLegendMarker* marker, bool encender, bool aplicarASerie)
{
    if (!marker)
        return;
    if (aplicarASerie) {
        switch (marker->type()) {
        case QLegendMarker::LegendMarkerTypeBar: {
            auto* bars = static_cast<QAbstractBarSeries*>(marker->series());
            if (m_series.size() > 1)
                SetSeriesVisible(bars, encender);
            else
                switchBars(static_cast<QBarLegendMarker*>(marker)->barset(), bars, encender);
            break;
        }
        case QLegendMarker::LegendMarkerTypePie: {
            if (m_series.size() > 1) {
                SetSeriesVisible(marker->series(), encender);
                break;
            }
            QPieSlice* slice = static_cast<QPieLegendMarker*>(marker)->slice();
            const ZCItemSeriesChart* item = GetItemSeries(slice);
            QBrush brush = slice->brush();   // the style goes, the colour stays for the way back
            brush.setStyle(encender ? Qt::SolidPattern : Qt::NoBrush);
            slice->setBrush(brush);
            slice->setLabelColor(withAlpha(slice->labelColor(), encender ? 1.0 : 0.0));
            slice->setValue(encender && item && std::isfinite(item->GetValor()) ? std::max(0.0, item->GetValor()) : 0);
            break;
        }
        default:
            marker->series()->setVisible(encender);
            marker->setVisible(true);
            if (m_ajustarEjeValor)
                AjustaEjeValor();
            break;
        }
    }
    // Last, so that the look is not replaced by the one the series' change gave the marker.
    const qreal alpha = encender ? 1.0 : 0.5;
    marker->setLabelBrush(QBrush(withAlpha(marker->labelBrush().color(), alpha)));
    QBrush brush = marker->brush();
    brush.setColor(withAlpha(brush.color(), alpha));
    marker->setBrush(brush);
    QPen pen = marker->pen();
    pen.setColor(withAlpha(pen.color(), alpha));
    marker->setPen(pen);
}

// One bar set of the chart's only series: plain bars fade out, stacked and percent bars lose
// their values (and a stacked value axis the room they took).
void ZCChart::switchBars(QBarSet* set, QAbstractBarSeries* bars, bool on)
{
    const int tipo = bars->type();
    if (isPlainBarType(tipo)) {
        const qreal alpha = on ? 1.0 : 0.0;
        set->setColor(withAlpha(set->color(), alpha));
        set->setLabelColor(withAlpha(set->labelColor(), alpha));
        set->setBorderColor(withAlpha(set->borderColor(), alpha));
        if (m_ajustarEjeValor)
            AjustaEjeValor();
        return;
    }
    const Qt::Orientation valueOrientation = tipo == QAbstractSeries::SeriesTypeHorizontalStackedBar
                                                 ? Qt::Horizontal : Qt::Vertical;
    QValueAxis* axis = nullptr;
    if (isStackedBarType(tipo)) {
        const QList<QAbstractAxis*> candidates = axes(valueOrientation, bars);
        axis = candidates.isEmpty() ? nullptr : qobject_cast<QValueAxis*>(candidates.constFirst());
    }
    const StackExtent before = stackExtent(bars);
    for (int i = 0; i < set->count(); ++i) {
        const ZCItemSeriesChart* item = GetItemSeries(set, i);
        if (item && std::isfinite(item->GetValor()))
            set->replace(i, on ? item->GetValor() : 0);
    }
    if (!axis)
        return;
    // The axis moves as far as the highest and the lowest stack did: by the set's own values
    // only where its bars stand in one category, not by their sum over every category.
    const StackExtent after = stackExtent(bars);
    axis->setMax(axis->max() + after.top - before.top);
    axis->setMin(axis->min() + after.bottom - before.bottom);
}

void ZCChart::SetSeriesVisible(QAbstractSeries* series, bool visible)
{
    if (!series)
        return;
    series->setVisible(visible);
    if (auto* bars = qobject_cast<QAbstractBarSeries*>(series)) {
        const qreal alpha = visible ? 1.0 : 0.0;
        for (QBarSet* set : bars->barSets()) {
            set->setColor(withAlpha(set->color(), alpha));
            set->setLabelColor(withAlpha(set->labelColor(), alpha));
        }
    }
    for (QLegendMarker* marker : legend()->markers(series)) {
        marker->setVisible(true);
        EncenderMarker(marker, visible, false);
    }
}

// --- axes and theme ---------------------------------------------------------------------------

void ZCChart::AjustaEjeValor()
{
    QList<const ZCSeriesChart*> fitted;
    bool horizontal = false;
    for (QAbstractSeries* series : qAsConst(m_series)) {
        if (!series->isVisible())
            continue;
        const int tipo = series->type();
        if (isPointType(tipo)) {
            if (const ZCSeriesChart* model = GetSeries(series))
                fitted.append(model);
        } else if (isBarType(tipo)) {
            horizontal = horizontal || isHorizontalBarType(tipo);
            for (QBarSet* set : static_cast<QAbstractBarSeries*>(series)->barSets()) {
                const ZCSeriesChart* model = m_items->series(set);
                if (model && set->color().alpha() != 0)
                    fitted.append(model);
            }
        } else if (tipo == QAbstractSeries::SeriesTypeBoxPlot) {
            for (QBoxSet* set : static_cast<QBoxPlotSeries*>(series)->boxSets()) {
                if (const ZCSeriesChart* model = m_items->series(set))
                    fitted.append(model);
            }
        }
    }
    if (fitted.isEmpty())
        return;
    double min = fitted.constFirst()->GetValorMin();
    double max = fitted.constFirst()->GetValorMax();
    for (const ZCSeriesChart* model : qAsConst(fitted)) {
        min = std::min(min, model->GetValorMin());
        max = std::max(max, model->GetValorMax());
    }
    const QList<QAbstractAxis*> candidates = axes(horizontal ? Qt::Horizontal : Qt::Vertical);
    auto* axis = candidates.isEmpty() ? nullptr : qobject_cast<QValueAxis*>(candidates.constFirst());
    if (!axis)
        return;
    applyRange(axis, min, max);
    applyNiceTicks(axis);
}

void ZCChart::AplicaTemaPorDefecto()
{
    const QChart fresh;
    setBackgroundBrush(fresh.backgroundBrush());
    setTitleFont(fresh.titleFont());
    setTitleBrush(fresh.titleBrush());
    legend()->setFont(fresh.legend()->font());
    legend()->setLabelColor(fresh.legend()->labelColor());
    setTheme(QChart::ChartThemeLight);
}
