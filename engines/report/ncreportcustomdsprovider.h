#pragma once

#include "ncreport_global.h"

#include <QObject>

#include <memory>

class NCReportDataSource;
class NCReportEvaluator;

/*!
    Creates the data sources of a report definition by type (0 SQL, 1 text, 2 XML, 3 string
    list, 4 item model). The report loader asks the provider given to NCReport; a host derives
    from it to put data-source classes of its own in place of the engine's.

    The provider also makes the evaluator of a report that has none of its own, since a host's
    data sources may come with rules of their own for reading expressions over them.
*/
class NCREPORT_EXPORT NCReportCustomDSProvider : public QObject
{
    Q_OBJECT

public:
    explicit NCReportCustomDSProvider(QObject* parent = nullptr);
    ~NCReportCustomDSProvider() override;

    // A new data source of that type with that parent; null for an unknown type.
    virtual NCReportDataSource* createCustomDataSource(const QString& id, int type, QObject* parent);
    // A new evaluator for the reports that use this provider; the engine's own by default.
    virtual std::unique_ptr<NCReportEvaluator> createEvaluator() const;
};
