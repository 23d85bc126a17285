#pragma once

#include "mirokit_global.h"
// Complete for the font property: a meta-object needs the whole type of a pointer property.
#include "zfont.h"

#include <QDateTimeEdit>
#include <QPointer>

#include <functional>

class QStyleOptionComboBox;
class ZCCalendarWidget;

/*!
    A date-time editor that can be empty. An empty editor shows no text and reports a null
    date() and dateTime(); a null value given to setDate() or setDateTime() empties it, and so
    does Backspace or Delete over the whole text. Typing a letter or digit, stepping, or picking
    a day in the calendar fills it again, starting from the current date and time. A date-time
    whose seconds since the epoch are exactly 0 counts as empty (for ZDateEdit only the date
    counts). Every change between empty and a value is signalled once, also when the value
    Qt keeps while the editor is empty is given again.

    Enter on an empty editor finishes editing and goes on to the dialog's default button. With
    the day as the first section, 29, 30 or 31 typed in a shorter month stay in the text while
    the value is the month's last day; the month typed next gets that day (31 then 03 is
    31 March), and an edit that ends on a day the month lacks ends on its last day.

    The display format is the one stored under "DateFormat" in the settings when there is one.
    The calendar pop-up is a ZCCalendarWidget coloured by the day-style rules; F4 opens it, and
    only a day picked in it (a click, Enter) changes the editor. The wheel only steps a focused
    editor, so that it scrolls the form otherwise.
*/
class MIROKIT_EXPORT ZDateTimeEdit : public QDateTimeEdit
{
    Q_OBJECT
    // Redeclared so that scripts and item delegates see the empty value too.
    Q_PROPERTY(QDateTime dateTime READ dateTime WRITE setDateTime USER true)
    Q_PROPERTY(QDate date READ date WRITE setDate)
    Q_PROPERTY(ZFont* font READ GetFont WRITE SetFont)

public:
    explicit ZDateTimeEdit(QWidget* parent = nullptr);
    ZDateTimeEdit(const QDate& date, QWidget* parent);
    ZDateTimeEdit(const QDateTime& dateTime, QWidget* parent);
    ZDateTimeEdit(const QTime& time, QWidget* parent);
    // QVariant::Type is deprecated in Qt 6 but kept, so hosts build unchanged under both.
    QT_WARNING_PUSH
    QT_WARNING_DISABLE_DEPRECATED
    ZDateTimeEdit(const QVariant& value, QVariant::Type type, QWidget* parent);
    QT_WARNING_POP
    ~ZDateTimeEdit() override;

    void Init();

    QDate date() const;
    QDateTime dateTime() const;
    bool IsValidDate() const { return m_valid; }

    void setCalendarPopup(bool enable);
    void SetShowCalendarOnFocus(bool show);

    // An empty editor is not stepped: it becomes now, with its first section selected.
    void stepBy(int steps) override;

    // Wide enough for the widest text of the display format, whichever month, weekday and
    // time it shows; the minimum is the same, as with Qt's date editors.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

public slots:
    void setDateTime(const QDateTime& dateTime);
    void setDate(const QDate& date);
    void OnDateTimeChanged(const QDateTime& dateTime);
    void OnDateChanged(const QDate& date);
    // Day rules in their text form for the pop-up's calendar (a call with no argument clears
    // them); nothing happens while the calendar pop-up is off.
    void setCalendarStyle(const QColor& bgColor = QColor(), const QColor& fgColor = QColor(),
                          const QString& szDaysOfWeek = QString(), const QString& szDayMonths = QString(),
                          const QList<QDate>& aDates = QList<QDate>());

protected:
    // Opens (or with false closes) the calendar pop-up; false when the pop-up is off.
    bool ShowCalendar(bool show);
    void SetIsValidDate(bool valid);

    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    void paintEvent(QPaintEvent* event) override;
    QValidator::State validate(QString& input, int& pos) const override;
    void wheelEvent(QWheelEvent* event) override;

private:
    friend class ZAbstractDateBrowser;

    ZFont* GetFont();
    void SetFont(ZFont* font);
    bool isDateOnly() const;
    bool holdsValue(const QDateTime& dateTime) const;
    void changeValue(bool valid, const std::function<void()>& setUnderlying);
    bool isWholeTextSelected() const;
    bool startsFreshValue(const QKeyEvent* event) const;
    void fillWithNow();
    void takeOnlyPickedDays();
    bool isCalendarShown() const;
    QStyleOptionComboBox comboBoxOption() const;
    int widestTextWidth() const;
    static QStringView leadingDay(const QString& text);
    bool isDayTypedFirst() const;
    bool acceptsMissingDay(const QString& input) const;
    bool finishesFebruaryDay(const QKeyEvent* event);
    void showTypedDay(const QString& day);

    QPointer<ZCCalendarWidget> m_calendar;
    bool m_valid = false;
    bool m_showCalendarOnFocus = false;
    bool m_februaryThree = false;
    bool m_showingTypedDay = false;
    // The widest text measured for the format, locale and font named by the key.
    mutable QString m_measuredFor;
    mutable int m_widestTextWidth = 0;
};
