#pragma once

// What the outputs that write files share (not part of the public headers).

#include "ncreportrecordedpages.h"

#include <QCoreApplication>
#include <QSaveFile>
#include <QString>

namespace NCReportExport {

// The message of an output that cannot write its target: which, and why.
inline QString cannotWrite(const QString& target, const QString& why)
{
    return QCoreApplication::translate("NCReportExport", "Cannot write %1: %2").arg(target, why);
}

inline bool fail(QString* error, const QString& target, const QString& why)
{
    if (error)
        *error = cannotWrite(target, why);
    return false;
}

// Writes a file whole or not at all: into a temporary file beside it, renamed over the target
// when everything is written, so that a failure leaves no half-written file under its name.
// `write` fills the device and returns false (with `why`) when it cannot.
template <typename Write>
bool writeFile(const QString& fileName, QString* error, Write write)
{
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return fail(error, fileName, file.errorString());
    QString why;
    if (!write(file, why)) {
        file.cancelWriting();
        return fail(error, fileName, why.isEmpty() ? file.errorString() : why);
    }
    if (!file.commit())
        return fail(error, fileName, file.errorString());
    return true;
}

// Every band that a document-like output shows, in reading order: the page header once at the
// top, then every other band of every page, page footers left out.
template <typename Visit>
void forEachBodyBand(const NCReportRecordedPages& pages, Visit visit)
{
    for (int page = 0; page < pages.pageCount(); ++page) {
        for (const NCReportBand& band : pages.bands(page)) {
            const NCReportSection::SectionType type = pages.section(band.section).type;
            if (type == NCReportSection::PageFooter || (type == NCReportSection::PageHeader && page > 0))
                continue;
            visit(band);
        }
    }
}

} // namespace NCReportExport
