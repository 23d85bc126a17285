// Arbitrary bytes as the dock record of a window with three docks. The reader must never crash
// nor take more names than the bytes can hold, and whatever it accepted must save and restore
// again to the same record.
#include "fuzzapplication.h"

#include <Mirokit/ZCDockWidget.h>

#include <QApplication>
#include <QMainWindow>

#include <cstdint>
#include <cstdlib>

namespace {

QMainWindow* windowWithDocks()
{
    ensureFuzzApplication();
    static QMainWindow* window = [] {
        auto* built = new QMainWindow;
        const Qt::DockWidgetArea areas[] = {Qt::LeftDockWidgetArea, Qt::LeftDockWidgetArea,
                                            Qt::BottomDockWidgetArea};
        for (int i = 0; i < 3; ++i) {
            auto* dock = new ZCDockWidget(QStringLiteral("Dock %1").arg(i));
            dock->setObjectName(QStringLiteral("dock%1").arg(i));
            built->addDockWidget(areas[i], dock);
        }
        built->show();
        return built;
    }();
    return window;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    QMainWindow* window = windowWithDocks();
    for (ZCDockWidget* dock : window->findChildren<ZCDockWidget*>())
        dock->SetAutoOcultable(false, false);

    const QByteArray bytes(reinterpret_cast<const char*>(data), int(size));
    QStringList names;
    ZCDockWidget::RestoreMainWindowState(window, bytes, &names);
    if (quint64(names.size()) > size / 4)
        std::abort();

    const QByteArray saved = ZCDockWidget::SaveMainWindowState(window);
    ZCDockWidget::RestoreMainWindowState(window, saved, nullptr);
    if (ZCDockWidget::SaveMainWindowState(window) != saved)
        std::abort();
    return 0;
}
