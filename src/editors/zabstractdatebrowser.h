#pragma once

#include "zabstractdatetimebrowser.h"

class ZDateTimeEdit;

/*!
    The part the date and date-time browsers share: an inner ZDateTimeEdit, so that the empty
    value holds through the browser, its date limits, and its calendar pop-up. The pick button
    and F4 open that pop-up when it is on (setCalendarPopup); subclasses may browse otherwise
    by overriding onPressBrowser.
*/
class MIROKIT_EXPORT ZAbstractDateBrowser : public ZAbstractDateTimeBrowser
{
    Q_OBJECT
    Q_PROPERTY(QDate date READ date WRITE setDate)
    Q_PROPERTY(QDate maximumDate READ maximumDate WRITE setMaximumDate)
    Q_PROPERTY(QDate minimumDate READ minimumDate WRITE setMinimumDate)
    Q_PROPERTY(bool calendarPopup READ calendarPopup WRITE setCalendarPopup)

public:
    ~ZAbstractDateBrowser() override;

    QDate date() const;
    void setDate(const QDate& date);
    QDateTime dateTime() const;
    void setDateTime(const QDateTime& dateTime);
    QDate maximumDate() const;
    void setMaximumDate(const QDate& date);
    QDate minimumDate() const;
    void setMinimumDate(const QDate& date);
    bool calendarPopup() const;
    void setCalendarPopup(bool enable);

public slots:
    // Turning it on also turns the calendar pop-up on. It opens when the part that takes the
    // focus (the editor or the pick button) gets it.
    void SetShowCalendarOnFocus(bool show);
    void setCalendarStyle(const QColor& bgColor = QColor(), const QColor& fgColor = QColor(),
                          const QString& szDaysOfWeek = QString(), const QString& szDayMonths = QString(),
                          const QList<QDate>& aDates = QList<QDate>());

protected:
    explicit ZAbstractDateBrowser(QWidget* parent);
    void SetDateEdit(ZDateTimeEdit* edit, bool focusOnButton);
    void onPressBrowser() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    ZDateTimeEdit* m_dateEdit = nullptr;
    bool m_showCalendarOnFocus = false;
};
