#include "zclistview.h"

#include "zcitemviewkeys_p.h"

ZCListView::ZCListView(QWidget* parent)
    : QListView(parent)
{
}

ZCListView::~ZCListView() = default;

void ZCListView::keyPressEvent(QKeyEvent* event)
{
    if (!ZCItemViewKeys::activateOnSpace(this, state() == EditingState, event))
        QListView::keyPressEvent(event);
}
