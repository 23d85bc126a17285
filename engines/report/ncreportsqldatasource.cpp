#include "ncreportsqldatasource.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

namespace {

const QLatin1String parameterStart("$P{");

} // namespace

NCReportSqlDataSource::NCReportSqlDataSource(const QString& id, QObject* parent)
    : NCReportTableDataSource(id, Sql, parent)
{
}

NCReportSqlDataSource::~NCReportSqlDataSource() = default;

bool NCReportSqlDataSource::prepareQuery(const QString& query, QString& prepared, QStringList& parameterNames)
{
    parameterNames.clear();
    prepared.clear();
    prepared.reserve(query.size());
    QChar quote;
    for (int i = 0; i < query.size(); ++i) {
        const QChar ch = query.at(i);
        if (!quote.isNull()) {
            if (ch == quote)
                quote = QChar();
        } else if (ch == QLatin1Char('\'') || ch == QLatin1Char('"')) {
            quote = ch;
        } else if (query.midRef(i, parameterStart.size()) == parameterStart) {
            // Without a closing brace the rest of the query has none either: searching again at
            // every later reference would read the query once per reference.
            const int end = query.indexOf(QLatin1Char('}'), i + parameterStart.size());
            if (end < 0)
                return false;
            parameterNames.append(query.mid(i + parameterStart.size(), end - i - parameterStart.size()));
            prepared += QLatin1Char('?');
            i = end;
            continue;
        }
        prepared += ch;
    }
    return true;
}

bool NCReportSqlDataSource::readTable(Table& table, QString& error)
{
    if (m_databaseFile.isEmpty())
        return runQuery(m_connectionName, table, error);

    // A connection of our own, removed once every object using it is gone.
    const QString connection = QStringLiteral("ncreport-%1").arg(quintptr(this), 0, 16);
    bool ok = false;
    {
        QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        database.setDatabaseName(m_databaseFile);
        database.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        if (database.open())
            ok = runQuery(connection, table, error);
        else
            error = tr("Cannot open the database %1: %2").arg(m_databaseFile, database.lastError().text());
        database.close();
    }
    QSqlDatabase::removeDatabase(connection);
    return ok;
}

bool NCReportSqlDataSource::runQuery(const QString& connection, Table& table, QString& error) const
{
    const QSqlDatabase database = QSqlDatabase::database(connection, false);
    if (!database.isOpen()) {
        error = tr("The database connection \"%1\" is not open").arg(connection);
        return false;
    }
    QStringList names;
    QString text;
    if (!prepareQuery(source(), text, names)) {
        error = tr("The query of the data source %1 has a $P{ without its closing brace").arg(id());
        return false;
    }
    QSqlQuery query(database);
    query.setForwardOnly(true);
    if (!query.prepare(text)) {
        error = tr("The query cannot be prepared: %1").arg(query.lastError().text());
        return false;
    }
    for (const QString& name : qAsConst(names)) {
        if (!parameters().contains(name)) {
            error = tr("The query uses the unknown parameter %1").arg(name);
            return false;
        }
        query.addBindValue(parameters().value(name));
    }
    if (!query.exec()) {
        error = tr("The query failed: %1").arg(query.lastError().text());
        return false;
    }
    const QSqlRecord record = query.record();
    for (int column = 0; column < record.count(); ++column)
        table.columns.append(record.fieldName(column));
    while (query.next()) {
        QVector<QVariant> row(record.count());
        for (int column = 0; column < record.count(); ++column)
            row[column] = query.value(column);
        table.rows.append(row);
    }
    return true;
}
