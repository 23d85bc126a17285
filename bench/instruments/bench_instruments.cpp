// A new value on a gauge repaints only the foreground over the cached dial. Measured against a
// repaint that rebuilds the dial (what every value would cost without the cache) and against
// plain Qt blitting a pixmap of the same size and filling one path, the least a two-layer
// widget can do.
#include "benchmark.h"

#include <Mirokit/ZGaugeWidget.h>

#include <QApplication>
#include <QPainter>
#include <QPainterPath>

namespace {

void compareAt(int side)
{
    const QSize size(side, side);
    ZGaugeWidget gauge;
    gauge.resize(size);
    QImage target(size, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&target);
    double value = 0;
    const auto valueRepaint = [&] {
        gauge.setValue(value = 300 - value);
        gauge.render(&painter);
    };
    const auto fullRepaint = [&] {
        gauge.setNominal(gauge.nominal() == 80 ? 81 : 80);
        valueRepaint();
    };
    const QString label = QStringLiteral("gauge %1x%1 value repaint").arg(side);
    const double ratio = bench::compare(label + QStringLiteral(" vs dial rebuilt"), valueRepaint, fullRepaint, 20);
    if (ratio > 0.25)
        QTextStream(stdout) << "  above the 0.25 budget" << Qt::endl;

    QPixmap layer(size);
    layer.fill(Qt::transparent);
    QPainterPath needle;
    needle.addRect(-4, 0, 8, side / 2.5);
    bench::compare(label + QStringLiteral(" vs plain pixmap and path"), valueRepaint,
                   [&] {
                       painter.drawPixmap(0, 0, layer);
                       painter.save();
                       painter.setRenderHint(QPainter::Antialiasing);
                       painter.translate(side / 2, side / 2);
                       painter.rotate(value = 300 - value);
                       painter.fillPath(needle, Qt::black);
                       painter.restore();
                   },
                   20);
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    compareAt(311);
    compareAt(1000);
    return 0;
}
