#include "qtitangrid.h"

#include <QHeaderView>
#include <QTableView>

namespace Qtitan {

Grid::Grid(QWidget* parent)
    : GridBase(parent)
{
    QTableView* table = view();
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setAlternatingRowColors(true);
    table->horizontalHeader()->setStretchLastSection(true);
    table->verticalHeader()->setVisible(false);
}

Grid::~Grid() = default;

void Grid::setModel(QAbstractItemModel* model)
{
    view()->setModel(model);
}

QAbstractItemModel* Grid::model() const
{
    return view()->model();
}

} // namespace Qtitan
