#include "ncreporttextdatasource.h"


NCReportTextDataSource::NCReportTextDataSource(const QString& id, QObject* parent)
    : NCReportStringListDataSource(id, Text, parent)
{
}

NCReportTextDataSource::~NCReportTextDataSource() = default;

bool NCReportTextDataSource::readStrings(QStringList& strings, QString& error)
{
    QByteArray content;
    if (!readFile(source(), content, error))
        return false;
    // Lines end in "\n" or "\r\n"; a lone "\r" is left to the last field.
    strings = QString::fromUtf8(content).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    for (QString& line : strings) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
    }
    strings.removeAll(QString());
    return true;
}
