#include "generadorclientes.h"

#include <QCollator>
#include <QLocale>
#include <QRandomGenerator>

#include <algorithm>

namespace {

const char* const nombres[] = {"José", "María", "Íñigo", "Lucía", "Ángel", "Begoña", "Jesús", "Inés",
                               "Ramón", "Sofía", "Óscar", "Adrián", "Nuria", "Raúl", "Marta", "Andrés"};
const char* const apellidos[] = {"Ibáñez", "Muñoz", "Núñez", "Martínez", "López", "Gómez", "Sánchez",
                                 "Fernández", "Pérez", "Díaz", "Álvarez", "Jiménez", "Ruiz", "Hernández",
                                 "Peña", "Gil", "Ortiz", "Castaño", "Rodríguez", "García"};
const char* const ciudades[] = {"Ávila", "Cádiz", "León", "Málaga", "Córdoba", "Logroño",
                                "Jaén", "Cáceres", "Burgos", "Soria", "A Coruña", "Almería"};

template<std::size_t N>
QString pick(QRandomGenerator& random, const char* const (&words)[N])
{
    return QString::fromUtf8(words[random.bounded(int(N))]);
}

} // namespace

QVector<Cliente> GenerarClientes(int count, quint32 seed)
{
    QRandomGenerator random(seed);
    QVector<Cliente> clientes;
    clientes.reserve(count);
    const QDate primera(2015, 1, 1);
    for (int i = 0; i < count; ++i) {
        Cliente cliente;
        cliente.codigo = 10001 + i;
        cliente.nombre = pick(random, nombres) + QLatin1Char(' ') + pick(random, apellidos) + QLatin1Char(' ')
                         + pick(random, apellidos);
        cliente.ciudad = pick(random, ciudades);
        // One customer in ten has no known date of joining.
        if (random.bounded(10) != 0)
            cliente.alta = primera.addDays(random.bounded(4000));
        cliente.saldo = random.bounded(500000) / 100.0;
        clientes.append(cliente);
    }
    return clientes;
}

QStringList Ciudades()
{
    QStringList list;
    for (const char* ciudad : ciudades)
        list.append(QString::fromUtf8(ciudad));
    // In Spanish order: Ávila comes before Burgos.
    const QCollator collator(QLocale(QLocale::Spanish, QLocale::Spain));
    std::sort(list.begin(), list.end(), collator);
    return list;
}
