#include "zdatetimeedit.h"

#include "zccalendarwidget.h"
#include "zcfocusedwheel_p.h"
#include "zcgestorestilocalendario.h"
#include "zcsettings.h"
#include "zfont.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScopedValueRollback>
#include <QSignalBlocker>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QStyleOptionSpinBox>

#include <algorithm>

ZDateTimeEdit::ZDateTimeEdit(QWidget* parent)
    : QDateTimeEdit(parent)
{
    Init();
    SetIsValidDate(false);
}

ZDateTimeEdit::ZDateTimeEdit(const QDate& date, QWidget* parent)
    : QDateTimeEdit(date, parent)
{
    Init();
}

ZDateTimeEdit::ZDateTimeEdit(const QDateTime& dateTime, QWidget* parent)
    : QDateTimeEdit(dateTime, parent)
{
    Init();
}

ZDateTimeEdit::ZDateTimeEdit(const QTime& time, QWidget* parent)
    : QDateTimeEdit(time, parent)
{
    Init();
}

// Qt 6 names the parsed type by its meta-type; the numbers are the same as QVariant's.
QT_WARNING_PUSH
QT_WARNING_DISABLE_DEPRECATED
ZDateTimeEdit::ZDateTimeEdit(const QVariant& value, QVariant::Type type, QWidget* parent)
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
    : QDateTimeEdit(value, type, parent)
#else
    : QDateTimeEdit(value, QMetaType::Type(type), parent)
#endif
{
    Init();
}
QT_WARNING_POP

ZDateTimeEdit::~ZDateTimeEdit() = default;

void ZDateTimeEdit::Init()
{
    m_showCalendarOnFocus = false;
    SetIsValidDate(holdsValue(QDateTimeEdit::dateTime()));
    connect(this, &QDateTimeEdit::dateChanged, this, &ZDateTimeEdit::OnDateChanged, Qt::UniqueConnection);
    connect(this, &QDateTimeEdit::dateTimeChanged, this, &ZDateTimeEdit::OnDateTimeChanged,
            Qt::UniqueConnection);

    // A format Qt cannot parse, or one without the sections of this editor, is refused by
    // setDisplayFormat, which keeps the previous one.
    const ZCSettings settings;
    const QString format = settings.value(QStringLiteral("DateFormat")).toString();
    if (!format.isEmpty())
        setDisplayFormat(format);
    setFocusPolicy(Qt::StrongFocus);
}

QDate ZDateTimeEdit::date() const
{
    return m_valid ? QDateTimeEdit::date() : QDate();
}

QDateTime ZDateTimeEdit::dateTime() const
{
    return m_valid ? QDateTimeEdit::dateTime() : QDateTime();
}

void ZDateTimeEdit::setDateTime(const QDateTime& dateTime)
{
    changeValue(holdsValue(dateTime), [&] { QDateTimeEdit::setDateTime(dateTime); });
}

void ZDateTimeEdit::setDate(const QDate& date)
{
    changeValue(date.isValid(), [&] { QDateTimeEdit::setDate(date); });
}

// QDateTimeEdit keeps its last value while the editor is empty (it ignores null values) and
// signals only changes of that value, the date-time and the date each on their own. Whether
// the user saw a change is therefore decided against the value it really holds: going from
// empty to a value, or from a value to empty, announces here each signal that Qt did not
// send because its part of the held value stayed the same (a date-time on the day held
// before changes the date-time, not the date).
void ZDateTimeEdit::changeValue(bool valid, const std::function<void()>& setUnderlying)
{
    const bool wasValid = m_valid;
    const QDateTime held = QDateTimeEdit::dateTime();
    SetIsValidDate(valid);
    setUnderlying();
    if (m_valid == wasValid)
        return;
    const QDateTime now = QDateTimeEdit::dateTime();
    if (now == held)
        emit dateTimeChanged(dateTime());
    if (now.date() == held.date())
        emit dateChanged(date());
}

void ZDateTimeEdit::OnDateTimeChanged(const QDateTime& dateTime)
{
    SetIsValidDate(holdsValue(dateTime));
}

// QDateTimeEdit emits dateTimeChanged first, so for a date editor this rule has the last word.
void ZDateTimeEdit::OnDateChanged(const QDate& date)
{
    if (isDateOnly())
        SetIsValidDate(date.isValid());
}

bool ZDateTimeEdit::isDateOnly() const
{
    return inherits("ZDateEdit");
}

// The epoch itself stands for "no value" in date-times; a date editor has no time to tell it by.
bool ZDateTimeEdit::holdsValue(const QDateTime& dateTime) const
{
    if (isDateOnly())
        return dateTime.date().isValid();
    return dateTime.isValid() && dateTime.toSecsSinceEpoch() != 0;
}

void ZDateTimeEdit::SetIsValidDate(bool valid)
{
    if (m_calendar)
        m_calendar->SetIsValidDate(valid);
    if (m_valid == valid)
        return;
    m_valid = valid;
    update();
}

void ZDateTimeEdit::setCalendarPopup(bool enable)
{
    QDateTimeEdit::setCalendarPopup(enable);
    if (!enable || m_calendar)
        return;
    setButtonSymbols(QAbstractSpinBox::NoButtons);
    // Qt refuses a calendar for a format without date sections (and would make its own later).
    if (displayedSections() & QDateTimeEdit::DateSections_Mask) {
        m_calendar = new ZCCalendarWidget(this);
        m_calendar->SetIsValidDate(m_valid);
        setCalendarWidget(m_calendar);
        takeOnlyPickedDays();
    }
}

// Qt's pop-up also sets the date whenever the calendar's selection moves (which opening it on
// today does) and puts the old one back when it is cancelled; both would fill an empty editor
// with a day nobody picked. Only a picked day (a click, Enter) reaches the editor then.
void ZDateTimeEdit::takeOnlyPickedDays()
{
    QWidget* popup = m_calendar->parentWidget();
    disconnect(popup, SIGNAL(newDateSelected(QDate)), this, nullptr);
    disconnect(popup, SIGNAL(hidingCalendar(QDate)), this, nullptr);
}

void ZDateTimeEdit::SetShowCalendarOnFocus(bool show)
{
    if (show && !calendarPopup())
        setCalendarPopup(true);
    m_showCalendarOnFocus = show;
}

void ZDateTimeEdit::setCalendarStyle(const QColor& bgColor, const QColor& fgColor,
                                     const QString& szDaysOfWeek, const QString& szDayMonths,
                                     const QList<QDate>& aDates)
{
    if (m_calendar) {
        GetGestorEstiloCalendario()->LoadEstiloFromParams(m_calendar, bgColor, fgColor, szDaysOfWeek,
                                                          szDayMonths, aDates);
        m_calendar->update();
    }
}

bool ZDateTimeEdit::isCalendarShown() const
{
    const QCalendarWidget* calendar = calendarPopup() ? calendarWidget() : nullptr;
    return calendar && calendar->window()->isVisible();
}

// QDateTimeEdit opens its pop-up only from a press on the drop-down arrow, so one is made at
// the arrow's place as the style draws it.
bool ZDateTimeEdit::ShowCalendar(bool show)
{
    if (!calendarPopup() || !calendarWidget())
        return false;
    if (!show) {
        calendarWidget()->window()->hide();
        return true;
    }
    if (isCalendarShown())
        return true;
    const QStyleOptionComboBox comboOption = comboBoxOption();
    const QRect arrow = style()->subControlRect(QStyle::CC_ComboBox, &comboOption,
                                                QStyle::SC_ComboBoxArrow, this);
    QMouseEvent press(QEvent::MouseButtonPress, arrow.center(), mapToGlobal(arrow.center()),
                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    mousePressEvent(&press);
    return isCalendarShown();
}

// With the calendar pop-up on, QDateTimeEdit draws itself, and places its text, as an editable
// combo box: the spin box's own state in a combo box's option.
QStyleOptionComboBox ZDateTimeEdit::comboBoxOption() const
{
    QStyleOptionSpinBox spinOption;
    initStyleOption(&spinOption);
    QStyleOptionComboBox comboOption;
    comboOption.initFrom(this);
    comboOption.editable = true;
    comboOption.frame = spinOption.frame;
    comboOption.subControls = spinOption.subControls;
    comboOption.activeSubControls = spinOption.activeSubControls;
    comboOption.state = spinOption.state;
    return comboOption;
}

// Qt measures the texts of the earliest and the latest value only, which with month or weekday
// names are seldom the widest, and sizes the editor as a spin box even when the calendar pop-up
// has turned the spin buttons off and its drop-down arrow takes their place.
QSize ZDateTimeEdit::sizeHint() const
{
    ensurePolished();
    // As Qt does: the text, a space and room for the blinking cursor.
    const QSize text(widestTextWidth() + fontMetrics().horizontalAdvance(QLatin1Char(' ')) + 2,
                     lineEdit()->sizeHint().height());
    QSize hint;
    if (calendarPopup()) {
        const QStyleOptionComboBox option = comboBoxOption();
        hint = style()->sizeFromContents(QStyle::CT_ComboBox, &option, text, this);
    } else {
        QStyleOptionSpinBox option;
        initStyleOption(&option);
        hint = style()->sizeFromContents(QStyle::CT_SpinBox, &option, text, this);
    }
    return hint.expandedTo(QDateTimeEdit::sizeHint());
}

QSize ZDateTimeEdit::minimumSizeHint() const
{
    return sizeHint();
}

// Every day of a leap year shows every month name, every weekday name and every day number,
// and a morning and an evening time both halves of the day. The widths of the sections add
// up, so the widest of these texts is the widest the format can show (in digits as wide as
// one another, as most fonts draw them).
int ZDateTimeEdit::widestTextWidth() const
{
    const QString key = displayFormat() + QLatin1Char('\n') + locale().bcp47Name() + QLatin1Char('\n')
                        + font().key();
    if (key == m_measuredFor)
        return m_widestTextWidth;
    const QFontMetrics metrics = fontMetrics();
    int widest = 0;
    for (QDate day(2024, 1, 1); day.year() == 2024; day = day.addDays(1)) {
        for (const QTime& time : {QTime(10, 58, 58, 888), QTime(22, 58, 58, 888)})
            widest = std::max(widest, metrics.horizontalAdvance(textFromDateTime(QDateTime(day, time))));
    }
    m_measuredFor = key;
    m_widestTextWidth = widest;
    return widest;
}

bool ZDateTimeEdit::isWholeTextSelected() const
{
    return lineEdit()->selectedText() == lineEdit()->text();
}

// A letter or digit typed into an empty editor, or over the whole text, begins a new value.
bool ZDateTimeEdit::startsFreshValue(const QKeyEvent* event) const
{
    const QString text = event->text();
    return (!m_valid || isWholeTextSelected()) && !text.isEmpty() && !isReadOnly()
           && text.at(0).isLetterOrNumber();
}

// The value becomes "now" with its first section selected, ready to be typed over.
void ZDateTimeEdit::fillWithNow()
{
    setDateTime(QDateTime::currentDateTime());
    const QDateTimeEdit::Section first = sectionAt(0);
    setCurrentSection(first);
    setSelectedSection(first);
}

void ZDateTimeEdit::keyPressEvent(QKeyEvent* event)
{
    if (finishesFebruaryDay(event)) {
        event->accept();
        return;
    }
    switch (event->key()) {
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
        if (m_valid && !isReadOnly() && isWholeTextSelected()) {
            setDateTime(QDateTime());
            event->accept();
            return;
        }
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // Ignored so that it reaches the dialog's default button, as the base does with a value.
        if (!m_valid) {
            event->ignore();
            emit editingFinished();
            return;
        }
        break;
    case Qt::Key_F4:
        if (event->modifiers() == Qt::NoModifier && ShowCalendar(true))
            return;
        break;
    default:
        break;
    }
    if (startsFreshValue(event))
        fillWithNow();
    const bool typingDay = isDayTypedFirst() && currentSection() == QDateTimeEdit::DaySection;
    QDateTimeEdit::keyPressEvent(event);
    // In February Qt takes a typed 3 as the whole day (no 3x exists) and moves on to the month.
    m_februaryThree = typingDay && event->text() == QLatin1String("3") && date().month() == 2
                      && currentSection() != QDateTimeEdit::DaySection;
}

// A 0 or 1 right after such a 3 completes the 30 or 31 the user meant. As Qt does with a day
// past the end of other months, the date becomes the last day of February while the text
// keeps the day typed, so that the month typed next finds it. Any other key ends the chance.
bool ZDateTimeEdit::finishesFebruaryDay(const QKeyEvent* event)
{
    const bool finishes = m_februaryThree && !isReadOnly()
                          && (event->text() == QLatin1String("0") || event->text() == QLatin1String("1"));
    m_februaryThree = false;
    if (!finishes)
        return false;
    const QDateTimeEdit::Section section = currentSection();
    const QDate february = date();
    setDate(QDate(february.year(), 2, february.daysInMonth()));
    showTypedDay(QLatin1Char('3') + event->text());
    setSelectedSection(section);
    return true;
}

// Qt must not see this change as an edit: it would read the text back and put the month's
// last day in it at once (the line edit's validation, and a cursor that leaves the section
// being typed, both do that).
void ZDateTimeEdit::showTypedDay(const QString& day)
{
    const QString text = lineEdit()->text();
    const QScopedValueRollback<bool> showing(m_showingTypedDay, true);
    const QSignalBlocker silence(lineEdit());
    lineEdit()->setText(day + QStringView(text).mid(leadingDay(text).size()));
}

void ZDateTimeEdit::focusInEvent(QFocusEvent* event)
{
    // Not when the focus comes back from the closing pop-up itself: it would open again at once.
    if (m_showCalendarOnFocus && event->reason() != Qt::PopupFocusReason && !isCalendarShown())
        ShowCalendar(true);
    QDateTimeEdit::focusInEvent(event);
}

// Tab moves between the sections of a value; an empty editor has none to move through.
bool ZDateTimeEdit::focusNextPrevChild(bool next)
{
    return m_valid ? QDateTimeEdit::focusNextPrevChild(next) : QWidget::focusNextPrevChild(next);
}

// The line edit still holds the text of the value Qt keeps; an empty editor shows none.
void ZDateTimeEdit::paintEvent(QPaintEvent* event)
{
    if (!m_valid && !lineEdit()->text().isEmpty())
        lineEdit()->setText(QString());
    QDateTimeEdit::paintEvent(event);
}

void ZDateTimeEdit::stepBy(int steps)
{
    if (m_valid)
        QDateTimeEdit::stepBy(steps);
    else
        fillWithNow();
}

// The digits the text starts with: the day, when it is the first section.
QStringView ZDateTimeEdit::leadingDay(const QString& text)
{
    int digits = 0;
    while (digits < text.size() && text.at(digits).isDigit())
        ++digits;
    return QStringView(text).left(digits);
}

bool ZDateTimeEdit::isDayTypedFirst() const
{
    const QString format = displayFormat();
    return format.startsWith(QLatin1Char('d')) && !format.startsWith(QLatin1String("ddd"));
}

// With the day as the first, numeric section, the whole days 29, 30 and 31 are taken even
// when the current month is shorter (Qt keeps the day within the month, so the date becomes
// the month's last day) and the month can be fixed afterwards. Anything else, 32 to 39
// included, goes through the normal validation.
bool ZDateTimeEdit::acceptsMissingDay(const QString& input) const
{
    if (currentSection() != QDateTimeEdit::DaySection || !isDayTypedFirst())
        return false;
    const QStringView day = leadingDay(input);
    if (day.size() != 2)
        return false;
    const int number = day.toInt();
    return number == 31 || (date().month() == 2 && (number == 29 || number == 30));
}

QValidator::State ZDateTimeEdit::validate(QString& input, int& pos) const
{
    if (m_showingTypedDay || acceptsMissingDay(input))
        return QValidator::Acceptable;
    return QDateTimeEdit::validate(input, pos);
}

void ZDateTimeEdit::wheelEvent(QWheelEvent* event)
{
    if (ZCFocusedWheel::steps(this, event))
        QDateTimeEdit::wheelEvent(event);
}

ZFont* ZDateTimeEdit::GetFont()
{
    return ZFont::CreateFor(this);
}

void ZDateTimeEdit::SetFont(ZFont* font)
{
    ZFont::ApplyTo(this, font);
}
