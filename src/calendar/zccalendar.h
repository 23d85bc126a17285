#pragma once

#include "mirokit_global.h"
#include "zcdrawer.h"

#include <QDate>
#include <QFont>
#include <QFrame>
#include <QList>
#include <QPixmap>

class QComboBox;
class QGridLayout;
class QHBoxLayout;
class QLabel;
class QSpinBox;
class QVBoxLayout;
class ZCCalendarItem;

/*!
    A one-month calendar: month and year selectors over a row of weekday names and a 6 x 7
    grid of day cells (ZCCalendarItem). The days take their colours from the day-style rules
    of GetGestorEstiloCalendario(), with which every calendar registers itself; the calendar
    adds its own emphasis for Sundays, today and the selected day.

    Inside a form the user picks a day with the mouse or moves with the arrow keys; Space and
    Enter announce the selected day again. As a pop-up (`bPopup`) it opens under its parent,
    or above it when there is no room below, and closes once a day is picked with the mouse,
    Space, Enter or Return.

    Years run from 1 to 4000; dates outside them are not taken.
*/
class MIROKIT_EXPORT ZCCalendar : public QFrame
{
    Q_OBJECT
    Q_PROPERTY(QDate fecha READ getFecha WRITE setFecha)
    Q_PROPERTY(bool domingoFirst READ getDomingoFirst WRITE setDomingoFirst)
    Q_PROPERTY(bool autoescalaFont READ getAutoescalaFont WRITE setAutoescalaFont)

public:
    //! bPopup: a pop-up window under the parent that closes once a day is picked.
    explicit ZCCalendar(QWidget* parent = nullptr, QDate fecha = QDate::currentDate(), bool bPopup = false);
    ~ZCCalendar() override;

    QDate getFecha() const { return m_fecha; }
    // Shows the date's month with the date selected; invalid dates and years out of range are
    // ignored. Does not emit fechaSelected().
    void setFecha(const QDate& fecha);
    // Selects a day of the month shown and emits fechaSelected(); a day the month has not is ignored.
    void selectDia(int dia);

    QFont getFont() const { return m_font; }
    // The base font, grown with the widget's size while auto-scaling is on; cells draw with it.
    QFont getFontAutoescalable() const { return m_fontAutoescalable; }
    void setFont(const QFont& font);
    bool getAutoescalaFont() const { return m_autoescalaFont; }
    void setAutoescalaFont(bool autoescala);
    bool getDomingoFirst() const { return m_domingoFirst; }
    void setDomingoFirst(bool domingoFirst);

    // The first colour is the calendar's, the second the weekday row's.
    void setColorFondo(const QColor& colorCalendario, const QColor& colorDiasSemana);
    void setColorTexto(const QColor& colorCalendario, const QColor& colorDiasSemana);
    QColor getColorTextoItem() const;
    void SetImagenFondo(const QPixmap& imagen, ZCDrawer::EMIAspectoDibujoGeneric aspecto);

    // Fills the month shown again, after the day-style rules changed.
    void RePaint();

    QSize sizeHint() const override;
    void setVisible(bool visible) override;

signals:
    void fechaSelected(const QDate& fechaSeleccionada);

public slots:
    void show();
    // Puts rules in their text form (ZCGestorEstiloCalendario::LoadEstiloFromParams) in front
    // of the calendar's own rules; with no argument, clears the calendar's own rules.
    void setCalendarStyle(const QColor& bgColor = QColor(), const QColor& fgColor = QColor(),
                          const QString& szDaysOfWeek = QString(), const QString& szDayMonths = QString(),
                          const QList<QDate>& aDates = QList<QDate>());

protected slots:
    // The month or year selector changed: show that month; the selected date stays.
    void onChangeFecha();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    friend class ZCCalendarItem;

    void initControles();
    void labelWeekdays();
    void fillPaginaMes(int year, int month);
    void refill();
    void showMonthOf(const QDate& fecha);
    void announce(const QDate& fecha);
    void pickDia(int dia);
    void updateScaledFont();
    void updateItems();
    bool isPopup() const;
    static bool isInRange(const QDate& fecha);

    QVBoxLayout* m_layout;
    QHBoxLayout* m_selectorsLayout;
    QHBoxLayout* m_weekdaysLayout;
    QGridLayout* m_daysLayout;
    QFrame* m_weekdaysFrame;
    QComboBox* m_mes;
    QSpinBox* m_anyo;
    QDate m_fecha;
    QFont m_font;
    QFont m_fontAutoescalable;
    QList<ZCCalendarItem*> m_items;
    QList<QLabel*> m_weekdayLabels;
    bool m_autoescalaFont = false;
    bool m_domingoFirst = false;
    ZCDrawer::EMIAspectoDibujoGeneric m_aspectoImagenFondo = ZCDrawer::AspectoEstirado;
    QPixmap m_imagenFondo;
};
