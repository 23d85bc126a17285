// SPDX-License-Identifier: GPL-3.0-or-later
// Building a chart from generators, against plain Qt Charts building the same chart (the same
// series, axes and labels, without the dynamic properties that lead back to the model). Each job
// makes a chart, fills it and deletes it; the caller's data is made once, outside the timing.
// Charts of real sizes are built without the per-element properties, as a host showing them
// would; a rebuild of the same chart is measured against its first build.
#include "benchmark.h"

#include <Mirokit/ZCChart.h>
#include <Mirokit/ZCGeneradorSeriesChart.h>

#include <QApplication>
#include <QtCharts>

#include <memory>

using namespace QtCharts;

namespace {

QString categoryText(int i)
{
    return QStringLiteral("Categoría %1").arg(i);
}

double valueOf(int series, int i)
{
    return double((i * 37 + series * 11) % 101) + 1;
}

// --- bars: categories x series ----------------------------------------------------------------

std::unique_ptr<ZCGeneradorSeriesChart> barLayer(int categories, int seriesCount)
{
    auto generador = std::make_unique<ZCGeneradorSeriesChart>(QAbstractSeries::SeriesTypeBar);
    for (int s = 0; s < seriesCount; ++s) {
        const QString name = QStringLiteral("Serie %1").arg(s);
        for (int i = 0; i < categories; ++i)
            generador->AddDato(categoryText(i), categoryText(i), valueOf(s, i), name, name);
    }
    return generador;
}

void plainBars(int categories, int seriesCount)
{
    QChart chart;
    auto* bars = new QBarSeries(&chart);
    bars->setLabelsPrecision(15);
    QList<QBarSet*> sets;
    for (int s = 0; s < seriesCount; ++s) {
        auto* set = new QBarSet(QStringLiteral("Serie %1").arg(s));
        set->setLabelColor(Qt::black);
        QList<qreal> values;
        values.reserve(categories);
        for (int i = 0; i < categories; ++i)
            values.append(valueOf(s, i));
        set->append(values);
        sets.append(set);
    }
    bars->append(sets);
    QStringList texts;
    for (int i = 0; i < categories; ++i)
        texts.append(categoryText(i));
    chart.addSeries(bars);
    auto* axis = new QBarCategoryAxis(&chart);
    axis->append(texts);
    chart.addAxis(axis, Qt::AlignBottom);
    bars->attachAxis(axis);
    auto* values = new QValueAxis(&chart);
    chart.addAxis(values, Qt::AlignLeft);
    bars->attachAxis(values);
}

// --- pie --------------------------------------------------------------------------------------

std::unique_ptr<ZCGeneradorSeriesChart> pieLayer(int slices)
{
    auto generador = std::make_unique<ZCGeneradorSeriesChart>(QAbstractSeries::SeriesTypePie);
    for (int i = 0; i < slices; ++i)
        generador->AddDato(categoryText(i), categoryText(i), valueOf(0, i), QStringLiteral("s"), QStringLiteral("Tarta"));
    return generador;
}

void plainPie(int sliceCount)
{
    QChart chart;
    auto* pie = new QPieSeries(&chart);
    pie->setName(QStringLiteral("Tarta"));
    pie->setPieSize(0.7);
    pie->setHorizontalPosition(0.5);
    pie->setVerticalPosition(0.5);
    QList<QPieSlice*> slices;
    for (int i = 0; i < sliceCount; ++i) {
        auto* slice = new QPieSlice(categoryText(i), valueOf(0, i));
        slice->setLabelVisible(false);
        slice->setLabelPosition(QPieSlice::LabelOutside);
        slices.append(slice);
    }
    pie->append(slices);
    chart.addSeries(pie);
}

// --- points with numeric categories ------------------------------------------------------------

std::unique_ptr<ZCGeneradorSeriesChart> pointLayer(QAbstractSeries::SeriesType tipo, int points)
{
    auto generador = std::make_unique<ZCGeneradorSeriesChart>(tipo);
    generador->SetTipoCategoria(ZCGeneradorSeriesChart::CategoriaNumero);
    for (int i = 0; i < points; ++i)
        generador->AddDato(i, QString(), valueOf(0, i), QStringLiteral("s"), QStringLiteral("Línea"));
    return generador;
}

template <typename Series>
void plainPoints(int count)
{
    QChart chart;
    auto* line = new Series(&chart);
    line->setName(QStringLiteral("Línea"));
    QVector<QPointF> points;
    points.reserve(count);
    for (int i = 0; i < count; ++i)
        points.append(QPointF(i, valueOf(0, i)));
    line->replace(points);
    chart.addSeries(line);
    auto* axis = new QValueAxis(&chart);
    axis->setRange(0, count - 1);
    chart.addAxis(axis, Qt::AlignBottom);
    line->attachAxis(axis);
    auto* values = new QValueAxis(&chart);
    chart.addAxis(values, Qt::AlignLeft);
    line->attachAxis(values);
}

void ours(ZCGeneradorSeriesChart* generador, bool propiedades = true)
{
    ZCChart chart;
    chart.SetPropiedadesPorElemento(propiedades);
    chart.RepresentaGeneradoresSeries({generador});
}

// The same chart drawn again: the series it replaces are deleted within the job.
void compareRebuild(const QString& name, ZCGeneradorSeriesChart* generador)
{
    ZCChart chart;
    chart.SetPropiedadesPorElemento(false);
    bench::compare(name + QStringLiteral(", rebuild vs first build"),
                   [&] {
                       chart.RepresentaGeneradoresSeries({generador});
                       QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
                   },
                   [&] { ours(generador, false); }, 1);
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);

    // Each bar set carries one property per bar, found by the same linear search as the points'
    // ones: a set's cost grows with the square of the category count, its count of sets linearly.
    // The sizes show which of the two a ratio comes from.
    const QList<QPair<int, int>> barSizes{{1000, 10}, {500, 10}, {250, 10}, {100, 100}};
    for (const auto& size : barSizes) {
        const auto bars = barLayer(size.first, size.second);
        bench::compare(QStringLiteral("bar chart, %1 categories x %2 series").arg(size.first).arg(size.second),
                       [&] { ours(bars.get()); }, [&] { plainBars(size.first, size.second); }, 1);
    }
    {
        const auto bars = barLayer(1000, 10);
        const QString name = QStringLiteral("bar chart, 1,000 categories x 10 series, no properties");
        bench::compare(name, [&] { ours(bars.get(), false); }, [] { plainBars(1000, 10); }, 1);
        compareRebuild(name, bars.get());
    }

    const auto pie = pieLayer(1000);
    bench::compare(QStringLiteral("pie chart, 1,000 slices"), [&] { ours(pie.get()); }, [] { plainPie(1000); }, 1);

    // Every point carries a property of its own, and Qt finds dynamic properties by a linear
    // search: point series grow with the square of their size. The two sizes show it.
    for (int points : {10000, 20000}) {
        const auto line = pointLayer(QAbstractSeries::SeriesTypeLine, points);
        bench::compare(QStringLiteral("line chart, %1 points").arg(points), [&] { ours(line.get()); },
                       [points] { plainPoints<QLineSeries>(points); }, 1);
    }
    constexpr int manyPoints = 100000;
    const auto line = pointLayer(QAbstractSeries::SeriesTypeLine, manyPoints);
    const QString lineName = QStringLiteral("line chart, 100,000 points, no properties");
    bench::compare(lineName, [&] { ours(line.get(), false); }, [] { plainPoints<QLineSeries>(manyPoints); }, 3);
    compareRebuild(lineName, line.get());
    const auto scatter = pointLayer(QAbstractSeries::SeriesTypeScatter, manyPoints);
    const QString scatterName = QStringLiteral("scatter chart, 100,000 points, no properties");
    bench::compare(scatterName, [&] { ours(scatter.get(), false); },
                   [] { plainPoints<QScatterSeries>(manyPoints); }, 3);
    compareRebuild(scatterName, scatter.get());
    return 0;
}
