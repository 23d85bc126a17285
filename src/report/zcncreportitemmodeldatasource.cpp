#include "zcncreportitemmodeldatasource.h"

ZCNCReportItemModelDataSource::ZCNCReportItemModelDataSource(const QString& id, QObject* parent)
    : NCReportItemModelDataSource(id, parent)
{
}

ZCNCReportItemModelDataSource::~ZCNCReportItemModelDataSource() = default;

int ZCNCReportItemModelDataSource::columnIndexByName(const QString& name)
{
    if (QAbstractItemModel* model = itemModel()) {
        model->setHeaderData(-1, Qt::Horizontal, name, Qt::EditRole);
        for (int column = 0, count = model->columnCount(); column < count; ++column) {
            if (model->headerData(column, Qt::Horizontal, Qt::EditRole).toString() == name)
                return column;
        }
    }
    // toInt() gives 0 for text that is not a number, as the lookup promises.
    if (name.startsWith(QLatin1String("col")))
        return name.midRef(3).toInt();
    return name.toInt();
}
