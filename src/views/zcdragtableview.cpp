#include "zcdragtableview.h"

ZCDragTableView::ZCDragTableView(QWidget* parent)
    : ZCTableView(parent)
{
    setDragEnabled(true);
}

ZCDragTableView::~ZCDragTableView() = default;

void ZCDragTableView::startDrag(Qt::DropActions)
{
    emit iniciarDrag(this);
}
