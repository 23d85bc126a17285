#include "zcfootview.h"

ZCFootView::ZCFootView(Qt::Orientation orientation, QWidget* parent)
    : QHeaderView(orientation, parent)
{
    setMinimumSectionSize(0);
}

ZCFootView::~ZCFootView() = default;
