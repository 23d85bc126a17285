#include "zabstractdatebrowser.h"

#include "zcthemeicon_p.h"
#include "zdatetimeedit.h"

#include <QFocusEvent>

ZAbstractDateBrowser::ZAbstractDateBrowser(QWidget* parent)
    : ZAbstractDateTimeBrowser(parent)
{
}

ZAbstractDateBrowser::~ZAbstractDateBrowser() = default;

void ZAbstractDateBrowser::SetDateEdit(ZDateTimeEdit* edit, bool focusOnButton)
{
    m_dateEdit = edit;
    SetDateTimeEdit(edit, focusOnButton);
    SetIcono(themeIcon(QStringLiteral("calendar")));
}

QDate ZAbstractDateBrowser::date() const { return m_dateEdit->date(); }
void ZAbstractDateBrowser::setDate(const QDate& date) { m_dateEdit->setDate(date); }
QDateTime ZAbstractDateBrowser::dateTime() const { return m_dateEdit->dateTime(); }
void ZAbstractDateBrowser::setDateTime(const QDateTime& dateTime) { m_dateEdit->setDateTime(dateTime); }
QDate ZAbstractDateBrowser::maximumDate() const { return m_dateEdit->maximumDate(); }
void ZAbstractDateBrowser::setMaximumDate(const QDate& date) { m_dateEdit->setMaximumDate(date); }
QDate ZAbstractDateBrowser::minimumDate() const { return m_dateEdit->minimumDate(); }
void ZAbstractDateBrowser::setMinimumDate(const QDate& date) { m_dateEdit->setMinimumDate(date); }
bool ZAbstractDateBrowser::calendarPopup() const { return m_dateEdit->calendarPopup(); }
void ZAbstractDateBrowser::setCalendarPopup(bool enable) { m_dateEdit->setCalendarPopup(enable); }

void ZAbstractDateBrowser::setCalendarStyle(const QColor& bgColor, const QColor& fgColor,
                                            const QString& szDaysOfWeek, const QString& szDayMonths,
                                            const QList<QDate>& aDates)
{
    m_dateEdit->setCalendarStyle(bgColor, fgColor, szDaysOfWeek, szDayMonths, aDates);
}

// The editor opens its calendar on its own focus; when the pick button takes the focus
// instead, the editor never gets it, so the button's focus opens the calendar.
void ZAbstractDateBrowser::SetShowCalendarOnFocus(bool show)
{
    m_dateEdit->SetShowCalendarOnFocus(show);
    m_showCalendarOnFocus = show;
    QWidget* focusPart = GetWidgetConFoco();
    if (show && focusPart && focusPart != m_dateEdit)
        focusPart->installEventFilter(this);
}

bool ZAbstractDateBrowser::eventFilter(QObject* watched, QEvent* event)
{
    if (m_showCalendarOnFocus && event->type() == QEvent::FocusIn && watched != m_dateEdit
        && watched == GetWidgetConFoco()
        && static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason)
        m_dateEdit->ShowCalendar(true);
    return ZAbstractDateTimeBrowser::eventFilter(watched, event);
}

// The browser's F4 shortcut takes the key before the editor sees it, so the pick action is
// where the calendar opens.
void ZAbstractDateBrowser::onPressBrowser()
{
    m_dateEdit->ShowCalendar(true);
}
