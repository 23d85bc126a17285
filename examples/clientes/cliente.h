#pragma once

#include <QDate>
#include <QString>

// One customer: what the list shows, the form edits and the report prints.
struct Cliente {
    int codigo = 0;
    QString nombre;
    QString ciudad;
    QDate alta; // a null date: not known
    double saldo = 0;
};
