#include "zcwaitcursor.h"

#include <QCursor>
#include <QGuiApplication>

ZCWaitCursor::ZCWaitCursor()
{
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
}

ZCWaitCursor::~ZCWaitCursor()
{
    QGuiApplication::restoreOverrideCursor();
}
