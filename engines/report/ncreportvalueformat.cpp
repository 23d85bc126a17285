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
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Double:
    case QMetaType::Float:
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

bool NCReportValueFormat::readDateTime(const QVariant& value, QDateTime& dateTime)
{
    switch (value.userType()) {
    case QMetaType::QDate:
        dateTime = QDateTime(value.toDate(), QTime(0, 0));
        break;
    case QMetaType::QDateTime:
        dateTime = value.toDateTime();
        break;
    case QMetaType::QString: {
        const QString text = value.toString().trimmed();
        dateTime = QDateTime::fromString(text, Qt::ISODate);
        if (!dateTime.isValid())
            dateTime = QDateTime(QDate::fromString(text, Qt::ISODate), QTime(0, 0));
        break;
    }
    default:
        return false;
    }
    return dateTime.isValid();
}

QString NCReportValueFormat::text(const QVariant& value, const QLocale& locale) const
{
    double number = 0;
    QDateTime dateTime;
    switch (type) {
    case Number:
    case Currency:
        if (readNumber(value, number))
            return numberText(number, locale);
        break;
    case Date:
        if (readDateTime(value, dateTime))
            return dateFormat.isEmpty() ? locale.toString(dateTime.date(), QLocale::ShortFormat)
                                        : locale.toString(dateTime.date(), dateFormat);
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
    // Two moments that differ in every field a format can show, AM/PM included.
    const QDateTime early(QDate(2001, 2, 3), QTime(4, 5, 6, 7));
    const QDateTime late(QDate(2034, 11, 25), QTime(16, 47, 58, 890));
    const QLocale c = QLocale::c();
    if (type == DateTime)
        return c.toString(early, dateFormat) != c.toString(late, dateFormat);
    return c.toString(early.date(), dateFormat) != c.toString(late.date(), dateFormat);
}
