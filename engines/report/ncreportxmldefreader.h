#pragma once

#include "ncreportcustomdsprovider.h"
#include "ncreporterror.h"

#include <QCoreApplication>
#include <QPointer>

class NCReportDef;
class QDomDocument;

/*!
    Reads a report definition from the engine's XML format (see README.md) into an empty
    definition, creating its data sources through the provider (the engine's own when none is
    given). Reading stops at the first fault with an error that names the file, the line and
    what is wrong; the definition is then incomplete and is to be thrown away, which NCReport
    does by reading into a fresh one.
*/
class NCREPORT_EXPORT NCReportXMLDefReader
{
    Q_DECLARE_TR_FUNCTIONS(NCReportXMLDefReader)

public:
    explicit NCReportXMLDefReader(NCReportCustomDSProvider* provider = nullptr);
    ~NCReportXMLDefReader();

    bool readFile(const QString& fileName, NCReportDef* def);
    // `fileName` only names the source in errors.
    bool read(const QByteArray& xml, NCReportDef* def, const QString& fileName = QString());
    // The same from a document parsed already, which is not read again; it keeps no lines, so
    // its errors name none.
    bool read(const QDomDocument& xml, NCReportDef* def, const QString& fileName = QString());

    NCReportError error() const { return m_error; }

private:
    template<class Reader>
    class Parser;
    template<class Reader>
    bool parse(Reader& reader, NCReportDef* def, const QString& fileName);

    QPointer<NCReportCustomDSProvider> m_provider;
    NCReportError m_error;
};
