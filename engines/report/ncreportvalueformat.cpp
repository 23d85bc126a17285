#include "ncreportvalueformat.h"

#include "ncreportevaluator.h"
#include "ncreportnumbertext_p.h"

#include <QDateTime>

#include <cmath>
#include <iterator>

namespace {

const char* const typeNames[] = {"text", "number", "currency", "date", "datetime"};

} // namespace

bool NCReportValueFormat::readNumber(const QVariant& value, double& number)
{
    bool ok = false;
    switch (value.userType()) {
    // Every arithmetic type a model may hand out, down to the char-sized integers; a bool is a
    // truth and a char16_t or char32_t a character, not numbers.
    case QMetaType::Char:
    case QMetaType::SChar:
    case QMetaType::UChar:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Float:
    case QMetaType::Double:
        number = value.toDouble(&ok);
        break;
    case QMetaType::QString:
        number = value.toString().toDouble(&ok);
        break;
    default:
        break;
    }
    return ok && std::isfinite(number);
}

bool NCReportValueFormat::readDate(const QVariant& value, QDate& date, QDateTime& dateTime)
{
    dateTime = QDateTime();
    switch (value.userType()) {
    case QMetaType::QDate:
        date = value.toDate();
        break;
    case QMetaType::QDateTime:
        dateTime = value.toDateTime();
        date = dateTime.date();
        break;
    case QMetaType::QString: {
        // A date alone stays a date: its local midnight may not exist.
        const QString text = value.toString().trimmed();
        date = QDate::fromString(text, Qt::ISODate);
        if (date.isValid())
            break;
        dateTime = QDateTime::fromString(text, Qt::ISODate);
        date = dateTime.date();
        break;
    }
    default:
        return false;
    }
    return date.isValid() && (dateTime.isNull() || dateTime.isValid());
}

bool NCReportValueFormat::readDateTime(const QVariant& value, QDateTime& dateTime)
{
    QDate date;
    if (!readDate(value, date, dateTime))
        return false;
    if (dateTime.isNull())
        dateTime = date.startOfDay();
    return dateTime.isValid();
}

QString NCReportValueFormat::text(const QVariant& value, const QLocale& locale) const
{
    double number = 0;
    QDate date;
    QDateTime dateTime;
    switch (type) {
    case Number:
    case Currency:
        if (readNumber(value, number))
            return numberText(number, locale);
        break;
    case Date:
        if (readDate(value, date, dateTime))
            return dateFormat.isEmpty() ? locale.toString(date, QLocale::ShortFormat) : locale.toString(date, dateFormat);
        break;
    case DateTime:
        if (readDateTime(value, dateTime))
            return dateFormat.isEmpty() ? locale.toString(dateTime, QLocale::ShortFormat)
                                        : locale.toString(dateTime, dateFormat);
        break;
    case Text:
        break;
    }
    return NCReportEvaluator::valueText(value);
}

QString NCReportValueFormat::numberText(double number, const QLocale& locale) const
{
    // What rounds to zero prints as zero, not as "-0,00".
    if (std::abs(number) < 0.5 * std::pow(10.0, -decimals))
        number = 0;
    if (type == Currency)
        return NCReportNumberText::currency(locale, number, QString(), decimals);
    return NCReportNumberText::number(locale, number, decimals);
}

bool NCReportValueFormat::typeByName(const QString& name, Type& type)
{
    for (int i = 0; i < int(std::size(typeNames)); ++i) {
        if (name == QLatin1String(typeNames[i])) {
            type = Type(i);
            return true;
        }
    }
    return false;
}

bool NCReportValueFormat::dateFormatShowsValues() const
{
    // Two moments that differ in every field a format can show, the weekday (a Saturday and a
    // Monday) and AM/PM included.
    const QDateTime early(QDate(2001, 2, 3), QTime(4, 5, 6, 7), Qt::UTC);
    const QDateTime late(QDate(2034, 11, 27), QTime(16, 47, 58, 890), Qt::UTC);
    const QLocale c = QLocale::c();
    if (type == DateTime)
        return c.toString(early, dateFormat) != c.toString(late, dateFormat);
    return c.toString(early.date(), dateFormat) != c.toString(late.date(), dateFormat);
}
