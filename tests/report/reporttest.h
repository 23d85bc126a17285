#pragma once

#include <Mirokit/ZCModel.h>

#include <ncreportcustomdsprovider.h>
#include <ncreportdatasource.h>
#include <ncreportstringlistdatasource.h>

#include <QProcess>
#include <QStandardItemModel>
#include <QStandardPaths>
#include <QString>
#include <QtTest>

namespace reporttest {

// A table model: the first string holds the header texts, the others the rows, cells split at
// commas.
inline void fillTable(QStandardItemModel& model, const QStringList& lines)
{
    model.clear();
    model.setHorizontalHeaderLabels(lines.value(0).split(QLatin1Char(',')));
    for (int row = 1; row < lines.size(); ++row) {
        QList<QStandardItem*> items;
        for (const QString& cell : lines.at(row).split(QLatin1Char(',')))
            items.append(new QStandardItem(cell));
        model.appendRow(items);
    }
}

// A model of the library's own kind, filled like fillTable(): its titles answer only the display
// role, as ZCModel's do, and the columns a report announces (setHeaderData() on section -1) are
// recorded.
class LibraryTable : public ZCModel
{
public:
    explicit LibraryTable(const QStringList& lines)
    {
        m_titulos = lines.value(0).split(QLatin1Char(','));
        for (int row = 1; row < lines.size(); ++row)
            m_rows.append(lines.at(row).split(QLatin1Char(',')));
    }
    int rowCount(const QModelIndex& parent = QModelIndex()) const override { return parent.isValid() ? 0 : m_rows.size(); }
    QVariant data(const QModelIndex& index, int role) const override
    {
        if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole))
            return QVariant();
        return m_rows.at(index.row()).value(index.column());
    }
    bool setHeaderData(int section, Qt::Orientation orientation, const QVariant& value, int role) override
    {
        if (section != -1 || orientation != Qt::Horizontal || role != Qt::EditRole)
            return false;
        announced.append(value.toString());
        return true;
    }
    QStringList announced;

private:
    QVector<QStringList> m_rows;
};

// A provider whose string lists count how often they are read: once a run.
class CountingProvider : public NCReportCustomDSProvider
{
public:
    class Source : public NCReportStringListDataSource
    {
    public:
        Source(const QString& id, QObject* parent, int& reads)
            : NCReportStringListDataSource(id, parent)
            , m_reads(reads)
        {
        }

    protected:
        bool readTable(Table& table, QString& error) override
        {
            ++m_reads;
            return NCReportStringListDataSource::readTable(table, error);
        }

    private:
        int& m_reads;
    };

    NCReportDataSource* createCustomDataSource(const QString& id, int type, QObject* parent) override
    {
        if (type == NCReportDataSource::StringList)
            return new Source(id, parent, reads);
        return NCReportCustomDSProvider::createCustomDataSource(id, type, parent);
    }

    int reads = 0;
};

// The rows of a data source, cells joined by '|'.
inline QStringList rowsOf(NCReportDataSource* source)
{
    QStringList rows;
    for (int row = 0; source->seek(row); ++row) {
        QStringList cells;
        for (int column = 0; column < source->columnCount(); ++column)
            cells.append(source->value(column).toString());
        rows.append(cells.join(QLatin1Char('|')));
    }
    return rows;
}

// A report over one data source: `body` goes inside the detail, `extra` after the data sources.
inline QByteArray report(const QString& dataSource, const QString& body, const QString& extra = QString())
{
    return QStringLiteral("<report name=\"Prueba\">\n<datasources>%1</datasources>\n%3\n"
                          "<detail id=\"d\" dataSource=\"ds\" height=\"6\">%2</detail>\n</report>\n")
        .arg(dataSource, body, extra)
        .toUtf8();
}

// The text of a PDF file as pdftotext reads it, pages separated by form feeds; empty (and the
// test skipped by the caller) when poppler's pdftotext is not installed.
inline QString pdfText(const QString& fileName)
{
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (tool.isEmpty())
        return QString();
    QProcess process;
    process.start(tool, {QStringLiteral("-layout"), fileName, QStringLiteral("-")});
    if (!process.waitForFinished(60000))
        return QString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

// Lines of text without the layout's spacing: words separated by one space, empty lines gone.
inline QStringList textLines(const QString& text)
{
    QStringList lines;
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        const QString simple = line.normalized(QString::NormalizationForm_KC).simplified();
        if (!simple.isEmpty())
            lines.append(simple);
    }
    return lines;
}

} // namespace reporttest

#define REQUIRE_PDFTOTEXT()                                                                         \
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())                     \
    QSKIP("pdftotext (poppler-utils) is not installed")
