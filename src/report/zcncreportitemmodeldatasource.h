#pragma once

#include "mirokit_global.h"

#include <ncreportitemmodeldatasource.h>

/*!
    The item-model data source of the library's reports. Columns are looked up by the text of
    their horizontal header (edit role, then display role), then as "col<n>" or a plain number;
    any other name is no column (-1), so its fields print nothing and the run warns about it.
    Before looking, the model is told which column the report needs through setHeaderData() on
    section -1, which the library's models take as that announcement and other models ignore.
*/
class MIROKIT_EXPORT ZCNCReportItemModelDataSource : public NCReportItemModelDataSource
{
    Q_OBJECT

public:
    explicit ZCNCReportItemModelDataSource(const QString& id, QObject* parent = nullptr);
    ~ZCNCReportItemModelDataSource() override;

    int columnIndexByName(const QString& name) override;
};
