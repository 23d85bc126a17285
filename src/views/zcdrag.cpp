#include "zcdrag.h"

#include <QWidget>

ZCDrag::ZCDrag(QWidget* source)
    : QDrag(source)
{
}

ZCDrag::~ZCDrag() = default;
