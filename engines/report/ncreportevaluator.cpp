#include "ncreportevaluator.h"

#include "ncreportdatasource.h"
#include "ncreportdef.h"
#include "ncreportdetail.h"
#include "ncreportdirector.h"

#include <QHash>

#include <cmath>

namespace {

const QLatin1String dataSourceStart("$D{");

// Where the reference starting at `from` ends (its '}'), or -1.
int referenceEnd(const QString& text, int from)
{
    return text.indexOf(QLatin1Char('}'), from + 3);
}

// Whether text[at] starts "$D{", "$P{" or "$V{".
bool isReferenceStart(const QString& text, int at)
{
    if (at + 2 >= text.size() || text.at(at) != QLatin1Char('$') || text.at(at + 2) != QLatin1Char('{'))
        return false;
    const QChar kind = text.at(at + 1);
    return kind == QLatin1Char('D') || kind == QLatin1Char('P') || kind == QLatin1Char('V');
}

// Whether the whole text is one reference.
bool isOneReference(const QString& text)
{
    return isReferenceStart(text, 0) && referenceEnd(text, 0) == text.size() - 1;
}

int roleByName(const QString& name, bool& ok)
{
    static const QHash<QString, int> roles{
        {QStringLiteral("display"), Qt::DisplayRole},     {QStringLiteral("edit"), Qt::EditRole},
        {QStringLiteral("tooltip"), Qt::ToolTipRole},     {QStringLiteral("statustip"), Qt::StatusTipRole},
        {QStringLiteral("whatsthis"), Qt::WhatsThisRole}, {QStringLiteral("user"), Qt::UserRole}};
    ok = roles.contains(name);
    if (ok)
        return roles.value(name);
    const int number = name.toInt(&ok);
    ok = ok && number >= 0;
    return number;
}

// Where the first comparison operator outside references starts, and its length; -1 if none.
int comparisonAt(const QString& text, int& length)
{
    for (int at = 0; at < text.size(); ++at) {
        if (isReferenceStart(text, at)) {
            at = referenceEnd(text, at);
            if (at < 0)
                return -1;
            continue;
        }
        const QChar c = text.at(at);
        const bool equalsNext = at + 1 < text.size() && text.at(at + 1) == QLatin1Char('=');
        if (c == QLatin1Char('<') || c == QLatin1Char('>')) {
            length = equalsNext ? 2 : 1;
            return at;
        }
        if ((c == QLatin1Char('=') || c == QLatin1Char('!')) && equalsNext) {
            length = 2;
            return at;
        }
    }
    return -1;
}

bool isTrue(const QString& text)
{
    const QString value = text.trimmed();
    bool isNumber = false;
    const double number = value.toDouble(&isNumber);
    if (isNumber)
        return number != 0;
    return !value.isEmpty() && value.compare(QLatin1String("false"), Qt::CaseInsensitive) != 0;
}

// Both sides come trimmed.
bool compare(const QString& left, QStringView op, const QString& right)
{
    bool leftIsNumber = false, rightIsNumber = false;
    const double leftNumber = left.toDouble(&leftIsNumber);
    const double rightNumber = right.toDouble(&rightIsNumber);
    int order = 0;
    if (leftIsNumber && rightIsNumber) {
        // NaN is unordered: it neither equals nor lies on either side of any number.
        if (std::isnan(leftNumber) || std::isnan(rightNumber))
            return op == QLatin1String("!=");
        order = leftNumber < rightNumber ? -1 : (leftNumber > rightNumber ? 1 : 0);
    } else {
        order = left.compare(right);
    }
    if (op == QLatin1String("=="))
        return order == 0;
    if (op == QLatin1String("!="))
        return order != 0;
    if (op == QLatin1String("<"))
        return order < 0;
    if (op == QLatin1String("<="))
        return order <= 0;
    if (op == QLatin1String(">"))
        return order > 0;
    return order >= 0;
}

} // namespace

NCReportEvaluator::NCReportEvaluator() = default;
NCReportEvaluator::NCReportEvaluator(const NCReportEvaluator& other) = default;
NCReportEvaluator& NCReportEvaluator::operator=(const NCReportEvaluator& other) = default;
NCReportEvaluator::~NCReportEvaluator() = default;

bool NCReportEvaluator::evaluate(QString& text, NCReportItem::SourceType type, const NCReportValueFormat& format,
                                 QVariant* value)
{
    bool ok = true;
    if (type == NCReportItem::Template && !isOneReference(text)) {
        text = templateText(text, format, ok);
        if (value)
            *value = QVariant();
    } else {
        const QVariant result = evaluateValue(text, type, &ok);
        text = format.text(result, m_locale);
        if (value)
            *value = result;
    }
    return ok;
}

bool NCReportEvaluator::evaluateCondition(const QString& condition, bool* ok)
{
    const QString text = condition.trimmed();
    bool valid = true;
    bool holds = true;
    int length = 0;
    const int at = text.isEmpty() ? -1 : comparisonAt(text, length);
    if (text.isEmpty()) {
        holds = true;
    } else if (at < 0) {
        holds = isTrue(valueText(evaluateValue(text, NCReportItem::Template, &valid)));
    } else {
        QString left = text.left(at).trimmed();
        QString right = text.mid(at + length).trimmed();
        valid = evaluate(left, NCReportItem::Template) && evaluate(right, NCReportItem::Template);
        holds = compare(left.trimmed(), QStringView(text).mid(at, length), right.trimmed());
    }
    if (ok)
        *ok = valid;
    return valid && holds;
}

QString NCReportEvaluator::valueText(const QVariant& value)
{
    const int type = value.userType();
    // The char-sized integers are numbers to the report (quint8, qint8), not characters.
    if (type == QMetaType::Char || type == QMetaType::SChar || type == QMetaType::UChar)
        return QString::number(value.toInt());
    if (type != QMetaType::Double && type != QMetaType::Float)
        return value.toString();
    const double number = value.toDouble();
    const double magnitude = std::abs(number);
    // Fifteen significant digits (seven for a float) are all the type carries exactly; what lies
    // beyond them is the rounding of binary fractions. Plain notation for every amount a report
    // is likely to show.
    const int digits = type == QMetaType::Float ? 7 : 15;
    if (!std::isfinite(number) || magnitude >= 1e15 || (magnitude > 0 && magnitude < 1e-4))
        return QString::number(number, 'g', digits);
    const int integerDigits = magnitude < 1 ? 1 : int(std::floor(std::log10(magnitude))) + 1;
    QString text = QString::number(number, 'f', qMax(0, digits - integerDigits));
    if (text.contains(QLatin1Char('.'))) {
        while (text.endsWith(QLatin1Char('0')))
            text.chop(1);
        if (text.endsWith(QLatin1Char('.')))
            text.chop(1);
    }
    return text == QLatin1String("-0") ? QStringLiteral("0") : text;
}

QVariant NCReportEvaluator::evaluateValue(const QString& text, NCReportItem::SourceType type, bool* ok)
{
    bool valid = true;
    QVariant value;
    switch (type) {
    case NCReportItem::Static:
        value = text;
        break;
    case NCReportItem::DataSource:
        valid = getDataSourceValue(text, value);
        break;
    case NCReportItem::Parameter:
        valid = referenceValue(QLatin1Char('P'), text, value);
        break;
    case NCReportItem::Variable:
        valid = referenceValue(QLatin1Char('V'), text, value);
        break;
    case NCReportItem::Template:
        // One reference alone keeps its value's type: totals stay numbers.
        if (isOneReference(text))
            valid = referenceValue(text.at(1), text.mid(3, text.size() - 4), value);
        else
            value = templateText(text, NCReportValueFormat(), valid);
        break;
    }
    if (ok)
        *ok = valid;
    return value;
}

QString NCReportEvaluator::templateText(const QString& text, const NCReportValueFormat& format, bool& ok)
{
    ok = true;
    QString result;
    int done = 0;
    for (int at = text.indexOf(QLatin1Char('$')); at >= 0; at = text.indexOf(QLatin1Char('$'), at + 1)) {
        if (!isReferenceStart(text, at))
            continue;
        const int end = referenceEnd(text, at);
        QVariant part;
        ok = end >= 0 && referenceValue(text.at(at + 1), text.mid(at + 3, end - at - 3), part);
        if (!ok)
            break;
        // append(const QChar*, int) takes an empty piece as it is; a QStringView builder copies
        // it with a null pointer when the text before the reference is empty.
        result.append(text.constData() + done, at - done);
        result += format.text(part, m_locale);
        done = end + 1;
        at = end;
    }
    result.append(text.constData() + done, text.size() - done);
    return result;
}

bool NCReportEvaluator::referenceValue(QChar kind, const QString& name, QVariant& result)
{
    bool ok = false;
    if (kind == QLatin1Char('D'))
        return getDataSourceValue(name, result);
    if (kind == QLatin1Char('P')) {
        ok = m_parameters.contains(name);
        result = m_parameters.value(name);
        return ok;
    }
    result = variableValue(name, ok);
    return ok;
}

QVariant NCReportEvaluator::variableValue(const QString& name, bool& ok) const
{
    ok = m_director && m_director->hasVariable(name);
    return ok ? m_director->variableValue(name) : QVariant();
}

bool NCReportEvaluator::getDataSourceValue(const QString& expression, QVariant& result)
{
    m_currentDataSource = nullptr;
    m_currentColumn = -1;
    QString id, column, function;
    int row = -1;
    if (!parseDataSourceExpression(expression, id, column, function, row))
        return false;
    getItemRoleInfo(column);
    NCReportDataSource* source = id.isEmpty() ? directorDataSource() : dataSource(id);
    if (!source || !source->isOpen())
        return false;
    m_currentDataSource = source;
    if (!function.isEmpty())
        return evaluateFunctionValue(source, function, column, result);
    return readColumn(source, column, row, result);
}

bool NCReportEvaluator::readColumn(NCReportDataSource* source, const QString& column, int row, QVariant& result)
{
    const int savedRow = source->currentRow();
    if (row >= 0 && !source->seek(row))
        return false;
    m_currentColumn = source->columnIndexByName(column);
    const bool found = m_currentColumn >= 0 || m_currentColumn == NCReportDataSource::ColumnByName;
    if (found)
        result = m_currentColumn >= 0 ? source->value(m_currentColumn, m_itemRole) : source->valueByName(column, m_itemRole);
    else if (m_director)
        m_director->warnOnce(tr("The data source %1 has no column %2").arg(source->id(), column));
    // A row picked for this value only: the rows that follow are read where the cursor was.
    if (row >= 0)
        source->seek(savedRow);
    return found;
}

bool NCReportEvaluator::parseDataSourceExpression(const QString& expression, QString& dataSourceId,
                                                  QString& column, QString& function, int& row) const
{
    dataSourceId.clear();
    column.clear();
    function.clear();
    row = -1;
    QStringView text = QStringView(expression).trimmed();
    if (text.startsWith(dataSourceStart)) {
        if (!text.endsWith(QLatin1Char('}')))
            return false;
        text = text.mid(3, text.size() - 4).trimmed();
    }
    const int dot = text.indexOf(QLatin1Char('.'));
    if (dot > 0) {
        dataSourceId = text.left(dot).toString();
        text = text.mid(dot + 1);
    }
    const int open = text.indexOf(QLatin1Char('('));
    if (open >= 0) {
        if (!text.endsWith(QLatin1Char(')')))
            return false;
        function = text.left(open).trimmed().toString();
        column = text.mid(open + 1, text.size() - open - 2).trimmed().toString();
        return NCReportDataSource::isFunctionName(function);
    }
    const int comma = text.lastIndexOf(QLatin1Char(','));
    if (comma >= 0) {
        bool ok = false;
        row = text.mid(comma + 1).trimmed().toInt(&ok);
        if (!ok || row < 0)
            return false;
        text = text.left(comma);
    }
    column = text.trimmed().toString();
    return !column.isEmpty();
}

void NCReportEvaluator::getItemRoleInfo(QString& column)
{
    m_itemRole = Qt::DisplayRole;
    const int colon = column.lastIndexOf(QLatin1Char(':'));
    if (colon < 0)
        return;
    bool ok = false;
    const int role = roleByName(column.mid(colon + 1).trimmed(), ok);
    if (!ok)
        return;
    m_itemRole = role;
    column.truncate(colon);
}

bool NCReportEvaluator::evaluateFunctionValue(NCReportDataSource* dataSource, const QString& function,
                                              const QString& column, QVariant& result)
{
    return dataSource && dataSource->evaluateFunction(function, column, result, m_itemRole);
}

NCReportDataSource* NCReportEvaluator::directorDataSource() const
{
    if (!m_director || !m_reportDef)
        return nullptr;
    const int index = m_director->currentDetailIndex();
    if (index < 0 || index >= m_reportDef->details().size())
        return nullptr;
    return m_reportDef->dataSource(m_reportDef->details().at(index).dataSourceId);
}

NCReportDataSource* NCReportEvaluator::dataSource(const QString& id) const
{
    return m_reportDef ? m_reportDef->dataSource(id) : nullptr;
}
