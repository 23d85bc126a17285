// A window with 40 docks, 10 of them auto-hidden: its layout saved and restored with the dock
// record added, against Qt's own saveState/restoreState of the same window.
#include "benchmark.h"

#include <Mirokit/ZCDockWidget.h>

#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QMainWindow window;
    window.setCentralWidget(new QWidget);
    const Qt::DockWidgetArea areas[] = {Qt::LeftDockWidgetArea, Qt::RightDockWidgetArea,
                                        Qt::TopDockWidgetArea, Qt::BottomDockWidgetArea};
    QList<ZCDockWidget*> docks;
    for (int i = 0; i < 40; ++i) {
        auto* dock = new ZCDockWidget(QStringLiteral("Dock %1").arg(i));
        dock->setObjectName(QStringLiteral("dock%1").arg(i));
        dock->setWidget(new QWidget);
        window.addDockWidget(areas[i % 4], dock);
        docks.append(dock);
    }
    window.resize(1200, 900);
    window.show();
    // The ten docks of the right area.
    for (int i = 1; i < 40; i += 4)
        docks.at(i)->SetAutoOcultable(true, false);
    QCoreApplication::processEvents();

    bench::compare(QStringLiteral("save and restore 40 docks, 10 auto-hidden"),
                   [&] {
                       const QByteArray state = window.saveState(0);
                       const QByteArray record = ZCDockWidget::SaveMainWindowState(&window);
                       window.restoreState(state, 0);
                       ZCDockWidget::RestoreMainWindowState(&window, record, nullptr);
                   },
                   [&] { window.restoreState(window.saveState(0), 0); }, 200);
    return 0;
}
