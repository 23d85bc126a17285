#include "zccalendarwidget.h"

#include "zcgestorestilocalendario.h"
#include "zfont.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLocale>
#include <QPainter>
#include <QTextCharFormat>

ZCCalendarWidget::ZCCalendarWidget(QWidget* parent)
    : QCalendarWidget(parent)
{
    setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    if (locale().language() == QLocale::Spanish)
        setFirstDayOfWeek(Qt::Monday);
    GetGestorEstiloCalendario()->EntraWidget(this);
}

ZCCalendarWidget::~ZCCalendarWidget()
{
    dropTypedDate();
    GetGestorEstiloCalendario()->SaleWidget(this);
}

// A digit typed into the calendar opens a small label where a date is typed, taken after a
// pause. Qt frees what reads that date only when the label closes, so a calendar that goes
// while it is open leaks it; a cancel through the key filter that owns the label closes it, and
// is let through untouched when no label is open.
void ZCCalendarWidget::dropTypedDate()
{
    QKeyEvent cancel(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    for (QObject* child : children()) {
        if (child->inherits("QCalendarTextNavigator"))
            child->eventFilter(this, &cancel);
    }
}

void ZCCalendarWidget::SetIsValidDate(bool valid)
{
    m_validDate = valid;
}

#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
void ZCCalendarWidget::paintCell(QPainter* painter, const QRect& rect, const QDate& date) const
#else
void ZCCalendarWidget::paintCell(QPainter* painter, const QRect& rect, QDate date) const
#endif
{
    const ZCGestorEstiloCalendario* gestor = GetGestorEstiloCalendario();
    const bool today = date == QDate::currentDate();
    const bool selected = date == selectedDate();
    const QColor background = gestor->GetColorFondoControl(this, date, today, selected);
    const QColor text = gestor->GetColorTextoControl(this, date, today, selected);
    if (!background.isValid() && !text.isValid()) {
        QCalendarWidget::paintCell(painter, rect, date);
        return;
    }
    painter->save();
    if (background.isValid())
        painter->fillRect(rect, background);
    // A rule that colours only the background keeps the day's own emphasis (today's).
    const QTextCharFormat format = dateTextFormat(date);
    if (!format.isEmpty()) {
        painter->setFont(format.font());
        painter->setPen(format.foreground().color());
    }
    if (text.isValid())
        painter->setPen(text);
    painter->drawText(rect, Qt::AlignCenter, QString::number(date.day()));
    painter->restore();
}

void ZCCalendarWidget::showEvent(QShowEvent* event)
{
    if (isVisible()) {
        if (!m_validDate)
            setSelectedDate(QDate::currentDate());
        emphasizeToday();
    }
    QCalendarWidget::showEvent(event);
}

// Done on every showing: the font may have changed, and a calendar kept past midnight must
// move its emphasis to the new day.
void ZCCalendarWidget::emphasizeToday()
{
    const QDate today = QDate::currentDate();
    if (m_emphasizedDay.isValid() && m_emphasizedDay != today)
        setDateTextFormat(m_emphasizedDay, QTextCharFormat());
    m_emphasizedDay = today;
    QTextCharFormat format;
    format.setFont(font());
    format.setFontWeight(QFont::Black);
    format.setForeground(QBrush(Qt::darkGreen, Qt::SolidPattern));
    setDateTextFormat(today, format);
}

void ZCCalendarWidget::keyPressEvent(QKeyEvent* event)
{
    QWidget* popup = parentWidget();
    if (event->key() == Qt::Key_F4 && popup && popup->inherits("QCalendarPopup")) {
        // The drop-down closes on Escape; F4 is turned into one so that it toggles.
        QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QCoreApplication::sendEvent(popup, &escape);
        return;
    }
    QCalendarWidget::keyPressEvent(event);
}

ZFont* ZCCalendarWidget::GetFont()
{
    return ZFont::CreateFor(this);
}

void ZCCalendarWidget::SetFont(ZFont* font)
{
    ZFont::ApplyTo(this, font);
}
