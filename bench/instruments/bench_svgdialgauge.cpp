// Repainting an SVG dial gauge after a value change, against drawing the same four layer pixmaps
// with plain QPainter calls under the same transforms.
#include "benchmark.h"

#include <Mirokit/ZCSvgDialGauge.h>

#include <QApplication>
#include <QPainter>
#include <QSvgRenderer>

namespace {

QByteArray dialSvg()
{
    QString svg = QStringLiteral("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"400\" height=\"400\">"
                                 "<circle cx=\"200\" cy=\"200\" r=\"195\" fill=\"#eeeeee\" stroke=\"#333\" stroke-width=\"6\"/>");
    for (int i = 0; i <= 100; ++i)
        svg += QStringLiteral("<line x1=\"200\" y1=\"20\" x2=\"200\" y2=\"%1\" stroke=\"#222\" stroke-width=\"2\" "
                              "transform=\"rotate(%2 200 200)\"/>").arg(i % 10 ? 32 : 45).arg(-135 + i * 2.7);
    return (svg + QStringLiteral("</svg>")).toUtf8();
}

const QByteArray needleSvg = "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"20\" height=\"200\">"
                             "<path d=\"M10 0 L18 180 Q10 200 2 180 Z\" fill=\"#c62828\"/></svg>";
const QByteArray shadowSvg = "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"20\" height=\"200\">"
                             "<path d=\"M10 0 L18 180 Q10 200 2 180 Z\" fill=\"#000\" fill-opacity=\"0.3\"/></svg>";
const QByteArray overlaySvg = "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"400\" height=\"400\">"
                              "<ellipse cx=\"200\" cy=\"120\" rx=\"150\" ry=\"80\" fill=\"#fff\" fill-opacity=\"0.25\"/></svg>";

QPixmap rendered(const QByteArray& svg, const QSize& size)
{
    QSvgRenderer renderer(svg);
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    renderer.render(&painter);
    return pixmap;
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);

    ZCSvgDialGauge gauge;
    gauge.SetSvg(dialSvg(), shadowSvg, needleSvg, overlaySvg);
    gauge.setAnguloInicio(-135);
    gauge.setAnguloFin(135);
    gauge.setOrigen(0.5, 0.95);
    const QSize size(400, 400);
    gauge.resize(size);
    QImage target(size, QImage::Format_ARGB32_Premultiplied);

    const QPixmap dial = rendered(dialSvg(), size);
    const QPixmap shadow = rendered(shadowSvg, QSize(40, 400));
    const QPixmap needle = rendered(needleSvg, QSize(40, 400));
    const QPixmap overlay = rendered(overlaySvg, size);

    int value = 0;
    bench::compare(QStringLiteral("svg dial gauge repaint after setValor 400x400"),
        [&] {
            gauge.setValor(++value % 100);
            gauge.render(&target);
        },
        [&] {
            const double angle = (++value % 100) * 2.7 - 135;
            target.fill(gauge.palette().window().color());
            QPainter painter(&target);
            painter.setRenderHint(QPainter::SmoothPixmapTransform);
            painter.drawPixmap(0, 0, dial);
            painter.save();
            painter.translate(20, 380);
            painter.save();
            painter.translate(2, 4);
            painter.rotate(angle);
            painter.drawPixmap(-20, -380, shadow);
            painter.restore();
            painter.rotate(angle);
            painter.drawPixmap(-20, -380, needle);
            painter.restore();
            painter.drawPixmap(0, 0, overlay);
        },
        200);
    return 0;
}
