#include "zccalendaritem.h"

#include "zccalendar.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>

ZCCalendarItem::ZCCalendarItem(ZCCalendar* calendar)
    : QFrame(calendar)
    , m_calendar(calendar)
{
    setFrameStyle(QFrame::StyledPanel);
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    // A click on a day gives the calendar the focus, which shows the focus frame.
    setFocusPolicy(Qt::ClickFocus);
    setFocusProxy(calendar);
}

ZCCalendarItem::~ZCCalendarItem() = default;

void ZCCalendarItem::SetDia(int dia, bool domingo, bool hoy, bool seleccionado, const QColor& colorFondo,
                            const QColor& colorTexto)
{
    m_dia = dia;
    m_domingo = domingo;
    m_hoy = hoy;
    m_seleccionado = seleccionado;
    m_colorFondo = colorFondo;
    m_colorTexto = colorTexto;
    setEnabled(true);
    update();
}

void ZCCalendarItem::Clear()
{
    m_dia = 0;
    m_domingo = m_hoy = m_seleccionado = false;
    setEnabled(false);
    update();
}

void ZCCalendarItem::paintEvent(QPaintEvent* event)
{
    Q_UNUSED(event)
    if (m_dia == 0)
        return;

    QColor fondo;
    QColor texto = m_calendar->getColorTextoItem();
    QString text = QString::number(m_dia);
    if (m_domingo)
        texto = Qt::red;
    if (m_hoy) {
        texto = m_domingo ? QColor(0xff, 0x80, 0x00) : QColor(Qt::blue);
        text = QLatin1Char('-') + text + QLatin1Char('-');
    }
    if (m_seleccionado) {
        texto = palette().color(QPalette::Active, QPalette::HighlightedText);
        fondo = palette().color(QPalette::Active, QPalette::Highlight);
    }
    if (m_colorFondo.isValid())
        fondo = m_colorFondo;
    if (m_colorTexto.isValid())
        texto = m_colorTexto;

    QPainter painter(this);
    if (fondo.isValid())
        painter.fillRect(rect(), fondo);
    drawFrame(&painter);
    painter.setPen(texto);
    painter.setFont(m_calendar->getFontAutoescalable());
    painter.drawText(rect(), Qt::AlignCenter, text);
    // Drawn last so that no fill covers it.
    if (m_seleccionado && m_calendar->hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.backgroundColor = palette().color(QPalette::Active, QPalette::Highlight);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }
}

void ZCCalendarItem::mouseReleaseEvent(QMouseEvent* event)
{
    if (m_dia == 0 || !rect().contains(event->pos())) {
        QFrame::mouseReleaseEvent(event);
        return;
    }
    // The calendar may close, and its owner delete it, once the day is picked: touch nothing after.
    m_calendar->pickDia(m_dia);
}
