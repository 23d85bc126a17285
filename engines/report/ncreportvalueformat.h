#pragma once

#include "ncreport_global.h"

#include <QDateTime>
#include <QLocale>
#include <QString>
#include <QVariant>

/*!
    How a field prints its values: as text (numbers in the C locale, as the engine always did),
    as a number or an amount of money in the report's locale with a number of decimals, or as a
    date or a date and time, in a format of QDate's letters or the locale's short format.

    A value of another kind than the format's (text under a number format, a number under a
    date format) prints as text, so a field that mixes words and a total formats only the total.
*/
struct NCREPORT_EXPORT NCReportValueFormat {
    enum Type { Text, Number, Currency, Date, DateTime };

    Type type = Text;
    int decimals = 2;
    // QDate and QTime format letters ("dd/MM/yyyy"); empty for the locale's short format.
    QString dateFormat;

    QString text(const QVariant& value, const QLocale& locale) const;

    // A number held as one, or as text in the C locale (item models and text files give text);
    // false for anything else, infinities and NaN included.
    static bool readNumber(const QVariant& value, double& number);
    // A date, or a date and time, held as one or as ISO 8601 text ("2026-01-15",
    // "2026-01-15T10:30:00"); false for anything else. A date alone leaves `dateTime` null (its
    // local midnight may not exist where daylight saving time begins at midnight); a date and
    // time gives its date in `date` too.
    static bool readDate(const QVariant& value, QDate& date, QDateTime& dateTime);
    // The same as a moment: a date alone at the start of its day (01:00 where the day begins
    // with daylight saving time); false for anything else.
    static bool readDateTime(const QVariant& value, QDateTime& dateTime);

    // The type named `name` ("text", "number", "currency", "date", "datetime"); false when no
    // type has that name.
    static bool typeByName(const QString& name, Type& type);
    // Whether dateFormat prints anything that depends on the date (and, for DateTime, the
    // time): a format of no letters, or only of letters a date does not have, prints the same
    // text for every value.
    bool dateFormatShowsValues() const;

private:
    QString numberText(double number, const QLocale& locale) const;
};
