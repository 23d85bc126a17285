#pragma once

#include "mirokit_global.h"

#include <QChar>
#include <QColor>
#include <QDate>
#include <QList>
#include <QPair>

/*!
    A calendar day-style rule: a set of days and the background and text colours to give them.

    A rule is built from exactly one list, which fixes the kind of days it names: weekdays
    (Monday 1 to Sunday 7), day/month pairs that recur every year, particular dates, or the
    special days named by a letter (T or H today, S the selected day; other letters never match).
    Colours are invalid until set; an invalid colour gives nothing to the day.
*/
class MIROKIT_EXPORT ZCEstiloDiasCalendario
{
public:
    explicit ZCEstiloDiasCalendario(const QList<Qt::DayOfWeek>& diasSemana);
    explicit ZCEstiloDiasCalendario(const QList<QPair<int, int>>& diasMes);
    explicit ZCEstiloDiasCalendario(const QList<QDate>& fechas);
    explicit ZCEstiloDiasCalendario(const QList<QChar>& diasEspeciales);
    virtual ~ZCEstiloDiasCalendario();

    ZCEstiloDiasCalendario(const ZCEstiloDiasCalendario&) = default;
    ZCEstiloDiasCalendario& operator=(const ZCEstiloDiasCalendario&) = default;

    // Whether the rule covers `fecha`; the flags say whether it is today and the selected day.
    bool Check(const QDate& fecha, bool bHoy, bool bSeleccionado) const;

    /*!
        Check() for every day of a month at once: bit d - 1 is set when the rule covers day d.
        `hoy` and `seleccionado` are today's and the selected date (either may lie elsewhere).
    */
    quint32 CheckMes(int year, int month, const QDate& hoy, const QDate& seleccionado) const;

    QColor GetColorFondo() const { return m_colorFondo; }
    void SetColorFondo(const QColor& color) { m_colorFondo = color; }
    QColor GetColorTexto() const { return m_colorTexto; }
    void SetColorTexto(const QColor& color) { m_colorTexto = color; }

protected:
    bool CheckDiaSemana(const QDate& fecha) const;
    bool CheckDiaMes(const QDate& fecha) const;
    bool CheckFechas(const QDate& fecha) const;
    bool CheckDiasEspeciales(bool bHoy, bool bSeleccionado) const;

private:
    friend class ZCGestorEstiloCalendario;
    enum Tipo { DiasSemana = 0, DiasMes = 1, Fechas = 2, DiasEspeciales = 3 };

    // A month worked out once for all the rules tested against it.
    struct Mes {
        Mes(int year, int month, const QDate& fechaHoy, const QDate& fechaSeleccionada);
        bool isValid() const { return days > 0; }
        // The day's bit when `fecha` lies in the month, else 0.
        quint32 bitOf(const QDate& fecha) const;
        int month = 0;
        int days = 0;
        int firstDayOfWeek = 0;
        qint64 firstJulianDay = 0;
        quint32 hoy = 0;          // today's bit, when today lies in the month
        quint32 seleccionado = 0; // the selected day's bit, likewise
    };
    quint32 CheckMes(const Mes& mes) const;

    bool namesToday() const;
    bool namesSelected() const;

    int m_tipo;
    QList<QDate> m_fechas;
    QList<QPair<int, int>> m_diasMes;
    QList<Qt::DayOfWeek> m_diasSemana;
    QList<QChar> m_diasEspeciales;
    QColor m_colorFondo;
    QColor m_colorTexto;
};
