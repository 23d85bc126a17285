#pragma once

#include "mirokit_global.h"

#include <QColor>
#include <QFrame>

class ZCCalendar;

/*!
    One day cell of a ZCCalendar. It paints its day number in the calendar's scaled font,
    red on Sundays, between hyphens today (orange when today is a Sunday, else blue) and in
    the highlight colours when selected; colours given by the day-style rules win over all of
    these. An empty cell (day 0) paints nothing. Releasing the mouse on a cell picks its day.
*/
class MIROKIT_EXPORT ZCCalendarItem : public QFrame
{
    Q_OBJECT

public:
    explicit ZCCalendarItem(ZCCalendar* calendar);
    ~ZCCalendarItem() override;

    int GetDia() const { return m_dia; }
    bool IsDomingo() const { return m_domingo; }
    bool IsHoy() const { return m_hoy; }
    bool IsSeleccionado() const { return m_seleccionado; }
    // The colours the day-style rules give the day; invalid where they give none.
    QColor GetColorFondo() const { return m_colorFondo; }
    QColor GetColorTexto() const { return m_colorTexto; }

    void SetDia(int dia, bool domingo, bool hoy, bool seleccionado, const QColor& colorFondo,
                const QColor& colorTexto);
    // Day 0 and no flags; the colours stay, as an empty cell paints nothing.
    void Clear();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    ZCCalendar* const m_calendar;
    int m_dia = 0;
    bool m_domingo = false;
    bool m_hoy = false;
    bool m_seleccionado = false;
    QColor m_colorFondo;
    QColor m_colorTexto;
};
