#include "zctableview.h"

#include "zcitemviewkeys_p.h"

ZCTableView::ZCTableView(QWidget* parent)
    : QTableView(parent)
{
}

ZCTableView::~ZCTableView() = default;

QModelIndexList ZCTableView::GetSelectedIndexes() const
{
    return selectedIndexes();
}

void ZCTableView::keyPressEvent(QKeyEvent* event)
{
    if (!ZCItemViewKeys::activateOnSpace(this, state() == EditingState, event))
        QTableView::keyPressEvent(event);
}
