// Random text forms through LoadEstiloFromParams: the first byte picks the month, the rest is
// UTF-8 with the weekday list before the first newline and the day/month list after it. The
// colours of the whole month found in one pass must equal those found day by day.
#include "fuzzapplication.h"

#include <Mirokit/ZCGestorEstiloCalendario.h>

#include <QApplication>
#include <QMainWindow>

#include <cstdint>
#include <cstdlib>

namespace {

QWidget* calendarInWindow()
{
    ensureFuzzApplication();
    static QMainWindow window;
    static QWidget* calendar = new QWidget(&window);
    return calendar;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    QWidget* calendar = calendarInWindow();
    const int month = 1 + data[0] % 12;
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data + 1), int(size - 1));
    const QString daysOfWeek = text.section(QLatin1Char('\n'), 0, 0);
    const QString dayMonths = text.section(QLatin1Char('\n'), 1);

    ZCGestorEstiloCalendario gestor;
    gestor.LoadEstiloFromParams(calendar->window(), Qt::red, QColor(), daysOfWeek, QString(), {});
    gestor.LoadEstiloFromParams(calendar, QColor(), Qt::blue, daysOfWeek, dayMonths, {QDate(2024, month, 1)});

    const QDate hoy(2024, month, 3);
    const QDate seleccionado(2024, month, 9);
    const QVector<ZCGestorEstiloCalendario::ColoresDia> colores =
        gestor.GetColoresMes(calendar, 2024, month, hoy, seleccionado);
    if (colores.size() != QDate(2024, month, 1).daysInMonth())
        std::abort();
    for (int day = 1; day <= colores.size(); ++day) {
        const QDate date(2024, month, day);
        const bool isHoy = date == hoy;
        const bool isSeleccionado = date == seleccionado;
        const ZCGestorEstiloCalendario::ColoresDia& colorDia = colores.at(day - 1);
        if (colorDia.fondo != gestor.GetColorFondoControl(calendar, date, isHoy, isSeleccionado)
            || colorDia.texto != gestor.GetColorTextoControl(calendar, date, isHoy, isSeleccionado))
            std::abort();
    }
    // The dates rule always names the 1st.
    if (colores.at(0).texto != QColor(Qt::blue))
        std::abort();
    return 0;
}
