#include "ncreportdatasource.h"

#include <limits>

NCReportDataSource::NCReportDataSource(const QString& id, DataSourceType type, QObject* parent)
    : QObject(parent)
    , m_id(id)
    , m_type(type)
{
}

NCReportDataSource::~NCReportDataSource() = default;

bool NCReportDataSource::open()
{
    close();
    m_errorString.clear();
    m_open = openSource(m_errorString);
    if (!m_open)
        closeSource();
    return m_open;
}

void NCReportDataSource::close()
{
    if (m_open)
        closeSource();
    m_open = false;
    m_currentRow = -1;
    m_rowOrder.clear();
}

bool NCReportDataSource::setRowOrder(const QVector<int>& order)
{
    if (!order.isEmpty() && order.size() != rowCount())
        return false;
    m_rowOrder = order;
    return true;
}

bool NCReportDataSource::seek(int row)
{
    if (!m_open || row < -1 || row >= rowCount())
        return false;
    m_currentRow = row;
    return true;
}

QVariant NCReportDataSource::valueByName(const QString& column, int role)
{
    const int index = columnIndexByName(column);
    return index >= 0 ? value(index, role) : QVariant();
}

int NCReportDataSource::columnIndexByName(const QString& name)
{
    for (int column = 0, count = columnCount(); column < count; ++column) {
        if (columnName(column) == name)
            return column;
    }
    return -1;
}

const QStringList& NCReportDataSource::functionNames()
{
    static const QStringList names{QStringLiteral("count"), QStringLiteral("sum"), QStringLiteral("avg"),
                                   QStringLiteral("min"),   QStringLiteral("max"), QStringLiteral("rowNumber")};
    return names;
}

bool NCReportDataSource::evaluateFunction(const QString& function, const QString& column, QVariant& result,
                                          int role)
{
    if (!m_open || !isFunctionName(function))
        return false;
    if (function == QLatin1String("count")) {
        result = rowCount();
    } else if (function == QLatin1String("rowNumber")) {
        result = m_currentRow + 1;
    } else {
        const int index = columnIndexByName(column);
        if (index < 0)
            return false;
        result = aggregate(function, index, role);
    }
    return true;
}

// Sum, average, minimum or maximum of the numbers in a column; text that is not a number counts
// as nothing. The cursor is put back where it was.
QVariant NCReportDataSource::aggregate(const QString& function, int column, int role)
{
    const int savedRow = m_currentRow;
    double sum = 0;
    double minimum = std::numeric_limits<double>::max();
    double maximum = std::numeric_limits<double>::lowest();
    int numbers = 0;
    for (int row = 0, count = rowCount(); row < count; ++row) {
        m_currentRow = row;
        bool isNumber = false;
        const double number = value(column, role).toDouble(&isNumber);
        if (!isNumber)
            continue;
        sum += number;
        minimum = qMin(minimum, number);
        maximum = qMax(maximum, number);
        ++numbers;
    }
    m_currentRow = savedRow;
    if (function == QLatin1String("sum"))
        return sum;
    if (numbers == 0)
        return QVariant();
    if (function == QLatin1String("avg"))
        return sum / numbers;
    return function == QLatin1String("min") ? minimum : maximum;
}
