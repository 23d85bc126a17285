#pragma once

// Numbers in a locale's layout, grouped the same under every Qt version (not part of the public
// headers; the number editors of the widget library use it too).

#include <QLocale>
#include <QString>

/*!
    Writes a number, or an amount of money, in a locale's layout with its thousands grouped by
    three whenever the locale groups digits at all: 1.234,50 and 1.234.567,89 in Spanish.
    Qt 6 applies the locale's minimum grouping digits, which leaves Spanish numbers below 10.000
    ungrouped (1234,50) and even the leading group of larger ones (1234.567,89); printed reports
    and editors keep one layout under both Qt versions instead.
*/
class NCReportNumberText
{
public:
    static QString number(const QLocale& locale, double value, int decimals)
    {
        return grouped(locale, ungrouped(locale).toString(value, 'f', decimals));
    }

    // decimals -1 takes the currency's own.
    static QString currency(const QLocale& locale, double value, const QString& symbol, int decimals = -1)
    {
        return grouped(locale, ungrouped(locale).toCurrencyString(value, symbol, decimals));
    }

private:
    static QLocale ungrouped(QLocale locale)
    {
        locale.setNumberOptions(locale.numberOptions() | QLocale::OmitGroupSeparator);
        return locale;
    }

    // The first run of digits is the whole part: the sign and a currency symbol come before it.
    static QString grouped(const QLocale& locale, QString text)
    {
        if (locale.numberOptions() & QLocale::OmitGroupSeparator)
            return text;
        qsizetype start = 0;
        while (start < text.size() && !text.at(start).isDigit())
            ++start;
        qsizetype end = start;
        while (end < text.size() && text.at(end).isDigit())
            ++end;
        // A character under Qt 5, a text under Qt 6.
        const QString separator(locale.groupSeparator());
        for (qsizetype at = end - 3; at > start; at -= 3)
            text.insert(at, separator);
        return text;
    }
};
