// DrawImage of a 12-megapixel photo into 800 x 600 in the scaling fit modes, against
// QImage::scaled plus QPainter::drawImage doing the same job.
#include "benchmark.h"

#include <Mirokit/ZCDrawer.h>

#include <QApplication>
#include <QLinearGradient>
#include <QPainter>

namespace {

QImage photo()
{
    QImage image(4000, 3000, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    QLinearGradient gradient(0, 0, 4000, 3000);
    gradient.setColorAt(0, QColor(20, 60, 140));
    gradient.setColorAt(1, QColor(240, 200, 120));
    painter.fillRect(image.rect(), gradient);
    return image;
}

struct Mode {
    ZCDrawer::EMIAspectoDibujoGeneric aspecto;
    Qt::AspectRatioMode aspect;
    const char* name;
};

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    const QImage source = photo();
    QImage target(800, 600, QImage::Format_ARGB32_Premultiplied);
    const QRect rect = target.rect();

    const Mode modes[] = {{ZCDrawer::AspectoEstirado, Qt::IgnoreAspectRatio, "stretched"},
                          {ZCDrawer::AspectoReducido, Qt::KeepAspectRatio, "reduced"},
                          {ZCDrawer::AspectoProporcional, Qt::KeepAspectRatio, "proportional"}};
    for (const Mode& mode : modes) {
        QPainter painter(&target);
        bench::compare(QStringLiteral("DrawImage 4000x3000 into 800x600, mode %1 (%2)")
                           .arg(int(mode.aspecto)).arg(QLatin1String(mode.name)),
                       [&] { ZCDrawer::DrawImage(&painter, rect, mode.aspecto, source); },
                       [&] {
                           const QImage scaled = source.scaled(rect.size(), mode.aspect, Qt::SmoothTransformation);
                           painter.drawImage(rect.topLeft(), scaled);
                       },
                       4);
    }
    return 0;
}
