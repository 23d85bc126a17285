#include "ncreportxlsxwriter.h"

#include "ncreportexport_p.h"
#include "ncreportrecordedpages.h"
#include "ncreportvalueformat.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QTemporaryFile>

#include <xlsxwriter.h>

#include <algorithm>
#include <map>
#include <memory>

namespace {

// Excel's column width unit is about the width of a digit of its default font: some 1.9 mm.
constexpr double millimetresPerCharacter = 1.9;
// Places across the page closer than this share a column.
constexpr double columnSnap = 1.0;

struct WorkbookCloser {
    void operator()(lxw_workbook* workbook) const { workbook_close(workbook); }
};

// The text items of a band grouped into lines: items whose heights overlap share a line.
QVector<QVector<const NCReportBandItem*>> lines(const NCReportRecordedPages& pages, const NCReportBand& band)
{
    QVector<const NCReportBandItem*> items;
    for (const NCReportBandItem& printed : band.items) {
        const NCReportItem* item = pages.item(band, printed);
        if (item && (item->type == NCReportItem::Label || item->type == NCReportItem::Field) && !printed.text.isEmpty())
            items.append(&printed);
    }
    std::stable_sort(items.begin(), items.end(), [&](const NCReportBandItem* a, const NCReportBandItem* b) {
        return pages.item(band, *a)->geometry.y() < pages.item(band, *b)->geometry.y();
    });
    QVector<QVector<const NCReportBandItem*>> result;
    qreal bottom = -1;
    for (const NCReportBandItem* printed : items) {
        const QRectF rect = pages.item(band, *printed)->geometry;
        if (result.isEmpty() || rect.top() >= bottom) {
            result.append(QVector<const NCReportBandItem*>());
            bottom = rect.bottom();
        }
        result.last().append(printed);
        bottom = qMax(bottom, rect.bottom());
    }
    return result;
}

class Sheet
{
public:
    Sheet(const NCReportRecordedPages& pages, lxw_workbook* workbook, lxw_worksheet* worksheet)
        : m_pages(pages)
        , m_workbook(workbook)
        , m_worksheet(worksheet)
    {
    }

    // The columns: every place across the page where a text item starts, and the widths.
    void layColumns()
    {
        NCReportExport::forEachBodyBand(m_pages, [this](const NCReportBand& band) {
            for (const NCReportBandItem& printed : band.items) {
                const NCReportItem* item = m_pages.item(band, printed);
                if (item && (item->type == NCReportItem::Label || item->type == NCReportItem::Field)) {
                    auto found = m_columns.find(snapped(item->geometry.x()));
                    if (found == m_columns.end())
                        m_columns.emplace(snapped(item->geometry.x()), item->geometry.width());
                    else
                        found->second = qMin(found->second, item->geometry.width());
                }
            }
        });
        // Each column as wide as the narrowest item starting there: a title across the page
        // runs over the columns beside it, as text does in a spreadsheet.
        int index = 0;
        for (const auto& column : m_columns) {
            worksheet_set_column(m_worksheet, lxw_col_t(index), lxw_col_t(index),
                                 qMax(2.0, column.second / millimetresPerCharacter), nullptr);
            m_columnIndex.insert(column.first, index++);
        }
    }

    bool writeRows()
    {
        lxw_row_t row = 0;
        bool ok = true;
        NCReportExport::forEachBodyBand(m_pages, [&](const NCReportBand& band) {
            for (const auto& line : lines(m_pages, band)) {
                for (const NCReportBandItem* printed : line)
                    ok = writeCell(row, band, *printed) && ok;
                ++row;
            }
        });
        return ok;
    }

private:
    static int snapped(qreal x) { return qRound(x / columnSnap); }

    lxw_format* format(const NCReportItem& item, const QString& numberFormat)
    {
        const QString key = QStringLiteral("%1|%2|%3|%4|%5")
                                .arg(item.bold)
                                .arg(item.italic)
                                .arg(item.color.rgb())
                                .arg(int(item.alignment & Qt::AlignHorizontal_Mask))
                                .arg(numberFormat);
        if (lxw_format* known = m_formats.value(key))
            return known;
        lxw_format* format = workbook_add_format(m_workbook);
        if (item.bold)
            format_set_bold(format);
        if (item.italic)
            format_set_italic(format);
        if (item.color.isValid() && item.color.rgb() != QColor(Qt::black).rgb())
            format_set_font_color(format, lxw_color_t(item.color.rgb() & 0xffffff));
        if (item.alignment & Qt::AlignRight)
            format_set_align(format, LXW_ALIGN_RIGHT);
        else if (item.alignment & Qt::AlignHCenter)
            format_set_align(format, LXW_ALIGN_CENTER);
        if (!numberFormat.isEmpty())
            format_set_num_format(format, numberFormat.toUtf8().constData());
        m_formats.insert(key, format);
        return format;
    }

    bool writeCell(lxw_row_t row, const NCReportBand& band, const NCReportBandItem& printed)
    {
        const NCReportItem& item = *m_pages.item(band, printed);
        const lxw_col_t column = lxw_col_t(m_columnIndex.value(snapped(item.geometry.x())));
        const QVariant& value = printed.value;
        const NCReportValueFormat::Type type = item.format.type;
        const bool isDateValue = value.userType() == QMetaType::QDate || value.userType() == QMetaType::QDateTime;
        const bool isNumberValue = value.canConvert<double>() && value.userType() != QMetaType::QString
            && value.userType() != QMetaType::QByteArray && value.userType() != QMetaType::Bool && !isDateValue;
        double number = 0;
        QDateTime dateTime;
        lxw_error error = LXW_NO_ERROR;
        if (value.isValid() && (isNumberValue || type == NCReportValueFormat::Number || type == NCReportValueFormat::Currency)
            && NCReportValueFormat::readNumber(value, number)) {
            const QString numberFormat = NCReportXlsxWriter::numberFormat(item.format, m_pages.locale());
            error = worksheet_write_number(m_worksheet, row, column, number, format(item, numberFormat));
        } else if (value.isValid() && (isDateValue || type == NCReportValueFormat::Date || type == NCReportValueFormat::DateTime)
                   && NCReportValueFormat::readDateTime(value, dateTime)) {
            QString numberFormat = NCReportXlsxWriter::numberFormat(item.format, m_pages.locale());
            if (numberFormat.isEmpty())
                numberFormat = value.userType() == QMetaType::QDateTime ? QStringLiteral("yyyy-mm-dd hh:mm:ss")
                                                                         : QStringLiteral("yyyy-mm-dd");
            const QDate date = dateTime.date();
            const QTime time = dateTime.time();
            lxw_datetime cell = {date.year(), date.month(), date.day(), time.hour(), time.minute(),
                                 time.second() + time.msec() / 1000.0};
            error = worksheet_write_datetime(m_worksheet, row, column, &cell, format(item, numberFormat));
        } else {
            error = worksheet_write_string(m_worksheet, row, column, printed.text.toUtf8().constData(),
                                           format(item, QString()));
        }
        // A cell beyond the sheet's limits is left out; anything else is a fault.
        return error == LXW_NO_ERROR || error == LXW_ERROR_WORKSHEET_INDEX_OUT_OF_RANGE
            || error == LXW_ERROR_MAX_STRING_LENGTH_EXCEEDED;
    }

    const NCReportRecordedPages& m_pages;
    lxw_workbook* m_workbook;
    lxw_worksheet* m_worksheet;
    // Column start (in snap units) to the narrowest item starting there, in millimetres.
    std::map<int, double> m_columns;
    QHash<int, int> m_columnIndex;
    QHash<QString, lxw_format*> m_formats;
};

QString sheetName(const QString& reportName)
{
    QString name = reportName;
    for (QChar c : QStringLiteral("[]:*?/\\"))
        name.remove(c);
    name = name.trimmed().left(31);
    return name.isEmpty() ? QStringLiteral("Report") : name;
}

} // namespace

QString NCReportXlsxWriter::numberFormat(const NCReportValueFormat& format, const QLocale& locale)
{
    switch (format.type) {
    case NCReportValueFormat::Text:
        return QString();
    case NCReportValueFormat::Number:
    case NCReportValueFormat::Currency: {
        QString number = QStringLiteral("#,##0");
        if (format.decimals > 0)
            number += QLatin1Char('.') + QString(format.decimals, QLatin1Char('0'));
        if (format.type == NCReportValueFormat::Number)
            return number;
        // Where the locale puts its symbol, and whether a space stands between.
        const QString symbol = locale.currencySymbol();
        const QString sample = locale.toCurrencyString(1.0).replace(QChar(0x00a0), QLatin1Char(' '));
        if (symbol.isEmpty())
            return number;
        const QString quotedSymbol = symbol.contains(QRegularExpression(QStringLiteral("[A-Za-z]")))
            ? QLatin1Char('"') + symbol + QLatin1Char('"')
            : symbol;
        if (sample.startsWith(symbol))
            return quotedSymbol + (sample.mid(symbol.size()).startsWith(QLatin1Char(' ')) ? QStringLiteral(" ") : QString())
                + number;
        return number + (sample.endsWith(QLatin1Char(' ') + symbol) ? QStringLiteral(" ") : QString()) + quotedSymbol;
    }
    case NCReportValueFormat::Date:
        return dateFormat(format.dateFormat.isEmpty() ? locale.dateFormat(QLocale::ShortFormat) : format.dateFormat);
    case NCReportValueFormat::DateTime:
        return dateFormat(format.dateFormat.isEmpty() ? locale.dateTimeFormat(QLocale::ShortFormat) : format.dateFormat);
    }
    return QString();
}

QString NCReportXlsxWriter::dateFormat(const QString& qtFormat)
{
    QString result;
    for (int at = 0; at < qtFormat.size();) {
        const QChar c = qtFormat.at(at);
        int run = 1;
        while (at + run < qtFormat.size() && qtFormat.at(at + run) == c)
            ++run;
        if (c == QLatin1Char('\'')) {
            // Quoted text: '' is a quote.
            int end = at + 1;
            QString text;
            while (end < qtFormat.size()) {
                if (qtFormat.at(end) == QLatin1Char('\'')) {
                    if (end + 1 < qtFormat.size() && qtFormat.at(end + 1) == QLatin1Char('\'')) {
                        text += QLatin1Char('\'');
                        end += 2;
                        continue;
                    }
                    break;
                }
                text += qtFormat.at(end++);
            }
            if (!text.isEmpty())
                result += QLatin1Char('"') + text + QLatin1Char('"');
            at = end + 1;
            continue;
        }
        switch (c.unicode()) {
        case 'd':
            result += QString(qMin(run, 4), QLatin1Char('d'));
            break;
        case 'M':
            result += QString(qMin(run, 4), QLatin1Char('m'));
            break;
        case 'y':
            result += run >= 4 ? QStringLiteral("yyyy") : QStringLiteral("yy");
            break;
        case 'h':
        case 'H':
            result += QString(qMin(run, 2), QLatin1Char('h'));
            break;
        case 'm':
            result += QString(qMin(run, 2), QLatin1Char('m'));
            break;
        case 's':
            result += QString(qMin(run, 2), QLatin1Char('s'));
            break;
        case 'z':
            result += QLatin1Char('.') + QString(qMin(run, 3), QLatin1Char('0'));
            break;
        case 'a':
        case 'A':
            if (at + 1 < qtFormat.size() && qtFormat.at(at + 1).toLower() == QLatin1Char('p')) {
                result += QStringLiteral("AM/PM");
                run = 2;
            }
            break;
        case 't':
            break;
        default:
            if (c.isLetter())
                result += QLatin1Char('"') + QString(run, c) + QLatin1Char('"');
            else
                result += QString(run, c);
        }
        at += run;
    }
    return result.trimmed();
}

bool NCReportXlsxWriter::write(const NCReportRecordedPages& pages, const QString& fileName, QString* error)
{
    // The workbook writes a file by name when it closes: a temporary one beside the target,
    // renamed over it once complete.
    const QFileInfo target(fileName);
    QTemporaryFile temporary(target.absolutePath() + QStringLiteral("/.XXXXXX.xlsx"));
    if (!target.absoluteDir().exists() || !temporary.open())
        return NCReportExport::fail(error, fileName,
                                    target.absoluteDir().exists() ? temporary.errorString()
                                                                  : QCoreApplication::translate("NCReportExport",
                                                                                                "the folder does not exist"));
    temporary.close();
    const QByteArray temporaryName = QFile::encodeName(temporary.fileName());
    lxw_workbook_options options = {};
    options.constant_memory = LXW_FALSE;
    std::unique_ptr<lxw_workbook, WorkbookCloser> workbook(workbook_new_opt(temporaryName.constData(), &options));
    lxw_worksheet* worksheet =
        workbook ? workbook_add_worksheet(workbook.get(), sheetName(pages.reportName()).toUtf8().constData()) : nullptr;
    if (!worksheet)
        return NCReportExport::fail(error, fileName, QCoreApplication::translate("NCReportExport", "the workbook cannot be made"));
    Sheet sheet(pages, workbook.get(), worksheet);
    sheet.layColumns();
    const bool written = sheet.writeRows();
    const lxw_error closed = workbook_close(workbook.release());
    if (!written || closed != LXW_NO_ERROR)
        return NCReportExport::fail(error, fileName, QString::fromUtf8(lxw_strerror(closed)));
    QFile::remove(fileName);
    if (!QFile::rename(temporary.fileName(), fileName))
        return NCReportExport::fail(error, fileName, QCoreApplication::translate("NCReportExport", "the file cannot be put in place"));
    temporary.setAutoRemove(false);
    return true;
}
