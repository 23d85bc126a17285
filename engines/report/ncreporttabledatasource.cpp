#include "ncreporttabledatasource.h"

#include <QFile>
#include <QFileInfo>

NCReportTableDataSource::NCReportTableDataSource(const QString& id, DataSourceType type, QObject* parent)
    : NCReportDataSource(id, type, parent)
{
}

NCReportTableDataSource::~NCReportTableDataSource() = default;

QVariant NCReportTableDataSource::value(int column, int role) const
{
    if (role != Qt::DisplayRole && role != Qt::EditRole)
        return QVariant();
    const int row = sourceRow();
    if (row < 0 || row >= m_table.rows.size())
        return QVariant();
    return m_table.rows.at(row).value(column);
}

bool NCReportTableDataSource::readFile(const QString& fileName, QByteArray& content, QString& error) const
{
    const QFileInfo info(fileName);
    QFile file(fileName);
    QString reason;
    if (!info.exists())
        reason = tr("it does not exist");
    else if (!info.isFile())
        reason = tr("it is not a regular file");
    else if (!file.open(QIODevice::ReadOnly))
        reason = file.errorString();
    if (!reason.isEmpty()) {
        error = tr("Cannot read the file %1: %2").arg(fileName, reason);
        return false;
    }
    content = file.readAll();
    return true;
}

QStringList NCReportTableDataSource::numberedColumns(int count)
{
    QStringList columns;
    columns.reserve(count);
    for (int column = 0; column < count; ++column)
        columns.append(QStringLiteral("col") + QString::number(column));
    return columns;
}

bool NCReportTableDataSource::openSource(QString& error)
{
    m_table = Table();
    return readTable(m_table, error);
}

void NCReportTableDataSource::closeSource()
{
    m_table = Table();
}
