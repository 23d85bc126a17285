// A new value on a gauge repaints only the foreground over the cached dial. Measured against a
// repaint that rebuilds the dial (what every value would cost without the cache) and against
// plain Qt blitting a pixmap of the same size and drawing the same needle and value text over it,
// the least a two-layer widget can do. QWidget::render also fills a window's background first
// (the gauge is a window here); the last line leaves that fill out.
#include "benchmark.h"

#include <Mirokit/ZGaugeWidget.h>

#include <QApplication>
#include <QPainter>

namespace {

// Lends the gauge's own needle and value text to the plain baseline.
class Gauge : public ZGaugeWidget
{
public:
    using ZGaugeWidget::paintForeground;
};

void compareAt(int side)
{
    const QSize size(side, side);
    Gauge gauge;
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
    const auto plainNeedleAndText = [&] {
        gauge.setValue(value = 300 - value);
        painter.drawPixmap(0, 0, layer);
        painter.save();
        gauge.paintForeground(painter);
        painter.restore();
    };
    bench::compare(label + QStringLiteral(" vs plain pixmap, needle and text"), valueRepaint, plainNeedleAndText, 20);
    bench::compare(label + QStringLiteral(" without the window background vs plain pixmap, needle and text"),
                   [&] {
                       gauge.setValue(value = 300 - value);
                       gauge.render(&painter, QPoint(), QRegion(), QWidget::DrawChildren);
                   },
                   plainNeedleAndText, 20);
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
