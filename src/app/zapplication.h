#pragma once

#include "mirokit_global.h"

#include <QApplication>

/*!
    The host's QApplication. Hosts construct it before ZCApplication, with the arguments that
    ZCApplication::OnInitMain() and ZCApplication::GetArgsFromUri() have prepared.
*/
class MIROKIT_EXPORT ZApplication : public QApplication
{
    Q_OBJECT

public:
    ZApplication(int& argc, char** argv);
    ~ZApplication() override;

    bool event(QEvent* event) override;
};
