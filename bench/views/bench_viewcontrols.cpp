// The controls beside the views, against the plain Qt widgets nearest to them: a page change
// of the paginator (field, slider and four buttons refreshed) against a spin box with a slider
// kept in step, and the grid's hit test against the table view's own indexAt().
#include "benchmark.h"

#include <Mirokit/ZCPaginadorToolbar.h>
#include <Mirokit/ZCTitanGrid.h>

#include <QApplication>
#include <QSlider>
#include <QSpinBox>
#include <QStandardItemModel>
#include <QTableView>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);

    constexpr unsigned pages = 1000;
    ZCPaginadorToolbar paginator(pages);
    QSpinBox spin;
    QSlider slider;
    spin.setRange(1, pages);
    slider.setRange(1, pages);
    QObject::connect(&spin, qOverload<int>(&QSpinBox::valueChanged), &slider, &QSlider::setValue);
    unsigned page = 0;
    bench::compare(QStringLiteral("paginator page change vs QSpinBox with a QSlider"),
                   [&] { paginator.SetPaginaActual(++page % pages + 1); },
                   [&] { spin.setValue(int(++page % pages + 1)); }, 20000);

    QStandardItemModel model(200, 6);
    ZCTitanGrid grid;
    grid.setModel(&model);
    grid.resize(800, 600);
    grid.show();
    QTableView* table = grid.view();
    const QPoint inViewport = table->visualRect(model.index(5, 3)).center();
    const QPoint inGrid = table->viewport()->mapTo(&grid, inViewport);
    bench::compare(QStringLiteral("grid hit test vs QTableView::indexAt"),
                   [&] { grid.hitInfo(inGrid).modelIndex(); },
                   [&] { table->indexAt(inViewport); }, 200000);
    return 0;
}
