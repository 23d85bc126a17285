// The overlay darkening a 1920 x 1080 window, against filling the same area and drawing a
// pixmap of that size directly.
#include "benchmark.h"

#include <Mirokit/ZCOverlayShadowGui.h>

#include <QApplication>
#include <QPainter>
#include <QPixmap>
#include <QTextStream>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const QSize size(1920, 1080);

    QWidget window;
    window.resize(size);
    window.show();
    ZCOverlayShadowGui* overlay = ZCOverlayShadowGui::newOverlay(nullptr, &window);
    overlay->resize(size);
    overlay->show();

    QImage screen(size, QImage::Format_ARGB32_Premultiplied);
    screen.fill(Qt::white);
    // Make sure the effect really paints through render(), or the timing means nothing.
    overlay->render(&screen);
    if (screen.pixelColor(960, 540) == QColor(Qt::white)) {
        QTextStream(stderr) << "the overlay painted nothing" << Qt::endl;
        return 1;
    }
    QPainter painter(&screen);
    QPixmap layer(size);
    layer.fill(Qt::transparent);

    bench::compare(QStringLiteral("overlay darkening 1920x1080"),
                   [&] { overlay->render(&painter, QPoint(), QRegion(), QWidget::RenderFlags()); },
                   [&] {
                       painter.fillRect(QRect(QPoint(), size), ZCOverlayShadowGui::GetColor());
                       painter.drawPixmap(0, 0, layer);
                   },
                   50);
    return 0;
}
