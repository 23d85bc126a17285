// A host that draws charts: the Charts component through its own umbrella header.
#include <Mirokit/MirokitCharts.h>

#include <cstdio>

int main()
{
    ZCGeneradorSeriesChart generador(QtCharts::QAbstractSeries::SeriesTypeBar);
    generador.AddDato(QStringLiteral("A"), QStringLiteral("A"), 2, QStringLiteral("s"), QStringLiteral("Serie"));
    generador.AddDato(QStringLiteral("A"), QStringLiteral("A"), 3, QStringLiteral("s"), QStringLiteral("Serie"));
    const ZCSeriesChart* series = generador.GetSeries(QStringLiteral("s"));
    if (!series || series->GetItems().size() != 1 || series->GetValorTotal() != 5.0) {
        std::fputs("the Charts component did not work as expected\n", stderr);
        return 1;
    }
    return 0;
}
