// The disabled look of icons: our 35 % alpha pass on top of Qt's own disabled pixmap.
#include "benchmark.h"

#include <Mirokit/ZCProxyStyle.h>

#include <QApplication>
#include <QPainter>
#include <QStyleFactory>
#include <QStyleOption>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    ZCProxyStyle proxy(QStyleFactory::create(QStringLiteral("Fusion")));
    QStyle* plain = QStyleFactory::create(QStringLiteral("Fusion"));
    QStyleOption option;

    QPixmap icon(48, 48);
    icon.fill(Qt::transparent);
    {
        QPainter painter(&icon);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setBrush(QColor(30, 120, 200));
        painter.drawEllipse(icon.rect().adjusted(4, 4, -4, -4));
    }

    bench::compare(QStringLiteral("disabled icon 48x48"),
                   [&] { proxy.generatedIconPixmap(QIcon::Disabled, icon, &option); },
                   [&] { plain->generatedIconPixmap(QIcon::Disabled, icon, &option); }, 2000);
    delete plain;
    return 0;
}
