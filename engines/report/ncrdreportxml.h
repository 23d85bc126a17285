#pragma once

#include "ncreporterror.h"

#include <QDomDocument>

/*!
    A report file as the designer keeps it: a DOM that gives back, when written, what was read.

    Reading honours the encoding the file declares (or its byte order mark). Text that is only
    white space is kept where it is an element's whole content (a tab in a string-list row, a
    blank label); between elements it is layout, which writing lays out afresh.

    Writing gives UTF-8 under a UTF-8 declaration, whatever the file declared when it was read:
    the bytes always match their declaration, and UTF-8 holds every character.
*/
class NCREPORT_EXPORT NCRDReportXml
{
public:
    // False, with the line and what is wrong in `error`, when `xml` is not well formed.
    static bool read(const QByteArray& xml, QDomDocument& document, NCReportError& error);
    static QByteArray write(const QDomDocument& document, int indent = 2);
    // `name` followed by the element's id where it has one: how the designer labels a section
    // or an item ("detail lineas", "label").
    static QString withId(const QString& name, const QDomElement& element);
};
