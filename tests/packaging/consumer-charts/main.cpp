// A host that draws charts: the Charts component through its own umbrella header, the core
// through the component.
#include <Mirokit/MirokitCharts.h>
#include <Mirokit/ZApplication.h>

#include <cstdio>

int main(int argc, char** argv)
{
    ZApplication application(argc, argv);
    ZCGeneradorSeriesChart generador(QtCharts::QAbstractSeries::SeriesTypeBar);
    generador.AddDato(QStringLiteral("A"), QStringLiteral("A"), 2, QStringLiteral("s"), QStringLiteral("Serie"));
    generador.AddDato(QStringLiteral("A"), QStringLiteral("A"), 3, QStringLiteral("s"), QStringLiteral("Serie"));
    ZCChart* chart = new ZCChart;
    ZCChartView view(chart);
    chart->RepresentaGeneradoresSeries({&generador});
    if (chart->series().size() != 1 || view.chart() != chart
        || generador.GetSeries(QStringLiteral("s"))->GetValorTotal() != 5.0) {
        std::fputs("the Charts component did not work as expected\n", stderr);
        return 1;
    }
    return 0;
}
