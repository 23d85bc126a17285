#pragma once

#include "mirokit_global.h"
#include "zcestilodiascalendario.h"

#include <QHash>
#include <QVector>

#include <memory>

class QObject;
class QString;
class QWidget;
class ZCGestorEstiloCalendarioWatcher;

/*!
    The process-wide holder of calendar day-style rules (GetGestorEstiloCalendario()).

    Rules are attached to a widget, newest first. A widget is classified by its class: a
    QMainWindow holds main-window rules, a QFrame that inherits the class named "ZCPVControl"
    (the host's control frames) holds control rules, any other widget (a calendar) its own rules.
    A calendar's day takes its colours from the calendar's own rules, then from the control
    frames and main windows among its ancestors, nearest first; background and text are looked
    up independently.

    An entry lives from the first call that names the widget until SaleWidget() or the widget's
    destruction, whichever comes first, so a later widget at the same address starts clean.
    Calls with a null widget do nothing and find no colour.
*/
class MIROKIT_EXPORT ZCGestorEstiloCalendario
{
public:
    // The colours of one day; invalid where no rule gives one.
    struct ColoresDia {
        QColor fondo;
        QColor texto;
    };

    ZCGestorEstiloCalendario();
    ZCGestorEstiloCalendario(const ZCGestorEstiloCalendario& other);
    ZCGestorEstiloCalendario& operator=(const ZCGestorEstiloCalendario& other);
    virtual ~ZCGestorEstiloCalendario();

    // Registers the widget with no rules, discarding any it had.
    void EntraWidget(const QWidget* widget);
    void SaleWidget(const QWidget* widget);
    // Puts a copy of the rule in front of the widget's rules.
    void AddEstiloDias(const QWidget* widget, const ZCEstiloDiasCalendario& estilo);
    void ResetEstiloDias(const QWidget* widget);

    /*!
        Adds rules from their text form. `szDaysOfWeek` is a comma-separated list whose items
        name weekdays by number (1 Monday to 7 Sunday) or special days by their first letter
        (T or H today, S the selected day); `szDayMonths` lists day/month pairs ("25/12,1/1");
        `aDates` lists particular dates. A call with no colour, no text and no date clears the
        widget's own rules instead.
    */
    void LoadEstiloFromParams(const QWidget* widget, const QColor& bgColor, const QColor& fgColor,
                              const QString& szDaysOfWeek, const QString& szDayMonths,
                              const QList<QDate>& aDates);

    QColor GetColorFondoControl(const QWidget* widget, const QDate& fecha, bool bHoy,
                                bool bSeleccionado) const;
    QColor GetColorTextoControl(const QWidget* widget, const QDate& fecha, bool bHoy,
                                bool bSeleccionado) const;

    /*!
        The colours of every day of a month in `widget` (index day - 1), as the two functions
        above give them day by day with `hoy` as today and `seleccionado` as the selected date,
        found in one pass over the rules. Empty for an invalid month.
    */
    QVector<ColoresDia> GetColoresMes(const QWidget* widget, int year, int month, const QDate& hoy,
                                      const QDate& seleccionado) const;

private:
    friend class ZCGestorEstiloCalendarioWatcher;
    using Reglas = QList<ZCEstiloDiasCalendario>;
    using Mapa = QHash<const QObject*, Reglas>;

    Mapa& mapFor(const QWidget* widget);
    Reglas& entryFor(const QWidget* widget);
    void forget(const QObject* object);
    void watch(const QObject* object);
    void watchAll();
    template<typename Visit>
    void visitRuleLists(const QWidget* widget, Visit visit) const;
    QColor colorFor(const QWidget* widget, const QDate& fecha, bool bHoy, bool bSeleccionado,
                    QColor (ZCEstiloDiasCalendario::*color)() const) const;

    Mapa m_mainWindows;
    Mapa m_controles;
    Mapa m_widgets;
    // Drops the entries of destroyed widgets; made when the first widget is registered.
    std::unique_ptr<ZCGestorEstiloCalendarioWatcher> m_watcher;
};

MIROKIT_EXPORT ZCGestorEstiloCalendario* GetGestorEstiloCalendario();
