#include "ncreporterror.h"

QString NCReportError::toString() const
{
    QString text;
    if (!file.isEmpty())
        text = file + QLatin1Char(':');
    if (line > 0)
        text += QString::number(line) + QLatin1Char(':');
    if (!text.isEmpty())
        text += QLatin1Char(' ');
    return text + message;
}
