// Theme icons: drawing an icon again must cost no more than a plain PNG icon, and the first
// drawing (read, recolour, render) no more than a bare QSvgRenderer over the same file.
#include "benchmark.h"
#include "benchtheme.h"

#include <Mirokit/ZCSVGIconEngine.h>

#include <QApplication>
#include <QPainter>
#include <QSvgRenderer>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QTemporaryDir dir;
    benchtheme::writeFile(QDir(dir.path()).filePath(QStringLiteral("main.qss")), "QWidget {}");
    ZCGestorTemasEstilo* manager = GetGestorTemasEstilo();
    manager->SetTema(benchtheme::addTheme(dir, QStringLiteral("Bench"), QColor(30, 120, 200), 1));

    const QString name = benchtheme::iconName(0);
    const QString svgPath = manager->GetPathFromTheme(name);
    const QString pngPath = QDir(dir.path()).filePath(QStringLiteral("icon.png"));
    manager->FromTheme(name, ZCGestorTemasEstilo::EstadoHover).pixmap(24).save(pngPath);
    const QIcon pngIcon(pngPath);

    bench::compare(QStringLiteral("theme icon drawn again, 24 px"),
                   [&] { manager->FromTheme(name, ZCGestorTemasEstilo::EstadoHover).pixmap(24); },
                   [&] { pngIcon.pixmap(24); }, 20000);

    bench::compare(QStringLiteral("theme icon drawn the first time, 24 px"),
                   [&] { QIcon(new ZCSVGIconEngine(name, ZCGestorTemasEstilo::EstadoHover)).pixmap(24); },
                   [&] {
                       QSvgRenderer renderer(svgPath);
                       QImage image(24, 24, QImage::Format_ARGB32_Premultiplied);
                       image.fill(0);
                       QPainter painter(&image);
                       renderer.render(&painter);
                       painter.end();
                       QPixmap::fromImage(std::move(image));
                   },
                   2000);
    return 0;
}
