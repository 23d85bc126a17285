#pragma once

#include "cliente.h"

#include <QStringList>
#include <QVector>

// Made-up customers with Spanish names (accents and ñ included), the same ones for the same seed.
QVector<Cliente> GenerarClientes(int count, quint32 seed);

// The cities the customers live in, as the city browser offers them.
QStringList Ciudades();
