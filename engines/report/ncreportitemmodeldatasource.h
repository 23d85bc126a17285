#pragma once

#include "ncreportdatasource.h"

#include <QAbstractItemModel>
#include <QPointer>

/*!
    Rows of a QAbstractItemModel the host owns: the top-level rows, columns named by their
    horizontal header texts, values by item role. The report definition gives each item-model
    data source the model registered under its itemModelId(); setItemModel() changes it at any
    time. A model that goes away leaves the source without rows.
*/
class NCREPORT_EXPORT NCReportItemModelDataSource : public NCReportDataSource
{
    Q_OBJECT

public:
    NCReportItemModelDataSource(const QString& id, QObject* parent = nullptr);
    ~NCReportItemModelDataSource() override;

    QString itemModelId() const { return m_itemModelId; }
    void setItemModelId(const QString& id) { m_itemModelId = id; }
    QAbstractItemModel* itemModel() const { return m_model; }
    void setItemModel(QAbstractItemModel* model) { m_model = model; }

    int rowCount() const override;
    int columnCount() const override;
    QString columnName(int column) const override;
    QVariant value(int column, int role = Qt::DisplayRole) const override;

protected:
    bool openSource(QString& error) override;

private:
    QString m_itemModelId;
    QPointer<QAbstractItemModel> m_model;
};
