#pragma once

#include "ncreport_global.h"

#include <QObject>

class NCReportDataSource;

/*!
    Creates the data sources of a report definition by type (0 SQL, 1 text, 2 XML, 3 string
    list, 4 item model). The report loader asks the provider given to NCReport; a host derives
    from it to put data-source classes of its own in place of the engine's.
*/
class NCREPORT_EXPORT NCReportCustomDSProvider : public QObject
{
    Q_OBJECT

public:
    explicit NCReportCustomDSProvider(QObject* parent = nullptr);
    ~NCReportCustomDSProvider() override;

    // A new data source of that type with that parent; null for an unknown type.
    virtual NCReportDataSource* createCustomDataSource(const QString& id, int type, QObject* parent);
};
