#include "zapplication.h"

ZApplication::ZApplication(int& argc, char** argv)
    : QApplication(argc, argv)
{
}

ZApplication::~ZApplication() = default;

bool ZApplication::event(QEvent* event)
{
    return QApplication::event(event);
}
