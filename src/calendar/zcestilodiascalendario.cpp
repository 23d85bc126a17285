#include "zcestilodiascalendario.h"

namespace {

// Bit of day `day` (1-based) in a month mask.
constexpr quint32 dayBit(int day)
{
    return quint32(1) << (day - 1);
}

} // namespace

ZCEstiloDiasCalendario::Mes::Mes(int year, int month, const QDate& fechaHoy, const QDate& fechaSeleccionada)
{
    const QDate first(year, month, 1);
    if (!first.isValid())
        return;
    this->month = month;
    days = first.daysInMonth();
    firstDayOfWeek = first.dayOfWeek();
    firstJulianDay = first.toJulianDay();
    hoy = bitOf(fechaHoy);
    seleccionado = bitOf(fechaSeleccionada);
}

quint32 ZCEstiloDiasCalendario::Mes::bitOf(const QDate& fecha) const
{
    if (!fecha.isValid())
        return 0;
    // Julian days compare without taking the date apart into year, month and day.
    const qint64 offset = fecha.toJulianDay() - firstJulianDay;
    return offset >= 0 && offset < days ? dayBit(int(offset) + 1) : 0;
}

ZCEstiloDiasCalendario::ZCEstiloDiasCalendario(const QList<Qt::DayOfWeek>& diasSemana)
    : m_tipo(DiasSemana)
    , m_diasSemana(diasSemana)
{
}

ZCEstiloDiasCalendario::ZCEstiloDiasCalendario(const QList<QPair<int, int>>& diasMes)
    : m_tipo(DiasMes)
    , m_diasMes(diasMes)
{
}

ZCEstiloDiasCalendario::ZCEstiloDiasCalendario(const QList<QDate>& fechas)
    : m_tipo(Fechas)
    , m_fechas(fechas)
{
}

ZCEstiloDiasCalendario::ZCEstiloDiasCalendario(const QList<QChar>& diasEspeciales)
    : m_tipo(DiasEspeciales)
    , m_diasEspeciales(diasEspeciales)
{
}

ZCEstiloDiasCalendario::~ZCEstiloDiasCalendario() = default;

bool ZCEstiloDiasCalendario::Check(const QDate& fecha, bool bHoy, bool bSeleccionado) const
{
    switch (m_tipo) {
    case DiasSemana:
        return CheckDiaSemana(fecha);
    case DiasMes:
        return CheckDiaMes(fecha);
    case Fechas:
        return CheckFechas(fecha);
    case DiasEspeciales:
        return CheckDiasEspeciales(bHoy, bSeleccionado);
    }
    return false;
}

quint32 ZCEstiloDiasCalendario::CheckMes(int year, int month, const QDate& hoy,
                                         const QDate& seleccionado) const
{
    return CheckMes(Mes(year, month, hoy, seleccionado));
}

quint32 ZCEstiloDiasCalendario::CheckMes(const Mes& mes) const
{
    if (!mes.isValid())
        return 0;
    quint32 mask = 0;
    switch (m_tipo) {
    case DiasSemana:
        for (const Qt::DayOfWeek weekday : m_diasSemana) {
            if (weekday < Qt::Monday || weekday > Qt::Sunday)
                continue; // a day of week no date has
            // The first day of the month with that weekday, then every seventh day.
            for (int day = 1 + (weekday - mes.firstDayOfWeek + 7) % 7; day <= mes.days; day += 7)
                mask |= dayBit(day);
        }
        break;
    case DiasMes:
        for (const QPair<int, int>& diaMes : m_diasMes) {
            if (diaMes.second == mes.month && diaMes.first >= 1 && diaMes.first <= mes.days)
                mask |= dayBit(diaMes.first);
        }
        break;
    case Fechas:
        for (const QDate& fecha : m_fechas)
            mask |= mes.bitOf(fecha);
        break;
    case DiasEspeciales:
        if (namesToday())
            mask |= mes.hoy;
        if (namesSelected())
            mask |= mes.seleccionado;
        break;
    }
    return mask;
}

bool ZCEstiloDiasCalendario::CheckDiaSemana(const QDate& fecha) const
{
    return fecha.isValid() && m_diasSemana.contains(Qt::DayOfWeek(fecha.dayOfWeek()));
}

bool ZCEstiloDiasCalendario::CheckDiaMes(const QDate& fecha) const
{
    return fecha.isValid() && m_diasMes.contains(qMakePair(fecha.day(), fecha.month()));
}

bool ZCEstiloDiasCalendario::CheckFechas(const QDate& fecha) const
{
    return fecha.isValid() && m_fechas.contains(fecha);
}

bool ZCEstiloDiasCalendario::CheckDiasEspeciales(bool bHoy, bool bSeleccionado) const
{
    return (bHoy && namesToday()) || (bSeleccionado && namesSelected());
}

bool ZCEstiloDiasCalendario::namesToday() const
{
    return m_diasEspeciales.contains(QLatin1Char('T')) || m_diasEspeciales.contains(QLatin1Char('H'));
}

bool ZCEstiloDiasCalendario::namesSelected() const
{
    return m_diasEspeciales.contains(QLatin1Char('S'));
}
