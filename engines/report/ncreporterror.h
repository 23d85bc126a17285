#pragma once

#include "ncreport_global.h"

#include <QString>

/*!
    What went wrong while loading or running a report: the file (empty for a definition given as
    text), the line in it (0 when no line applies) and a translated description.
*/
struct NCREPORT_EXPORT NCReportError {
    QString file;
    qint64 line = 0;
    QString message;

    bool isEmpty() const { return message.isEmpty(); }
    // "file:line: message", leaving out the parts that are not known.
    QString toString() const;
};
