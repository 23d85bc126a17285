#include "zcncreportitemmodeldatasource.h"

namespace {

// The column whose horizontal header reads `name` in `role`, or -1.
int headerColumn(const QAbstractItemModel& model, const QString& name, int role)
{
    for (int column = 0, count = model.columnCount(); column < count; ++column) {
        if (model.headerData(column, Qt::Horizontal, role).toString() == name)
            return column;
    }
    return -1;
}

// "col<n>" or a plain decimal number n; -1 for any other name.
int numberedColumn(const QString& name)
{
    const QStringView digits = QStringView(name).mid(name.startsWith(QLatin1String("col")) ? 3 : 0);
    bool ok = false;
    const int column = digits.toInt(&ok);
    return ok && column >= 0 ? column : -1;
}

} // namespace

ZCNCReportItemModelDataSource::ZCNCReportItemModelDataSource(const QString& id, QObject* parent)
    : NCReportItemModelDataSource(id, parent)
{
}

ZCNCReportItemModelDataSource::~ZCNCReportItemModelDataSource() = default;

int ZCNCReportItemModelDataSource::columnIndexByName(const QString& name)
{
    if (QAbstractItemModel* model = itemModel()) {
        model->setHeaderData(-1, Qt::Horizontal, name, Qt::EditRole);
        // The library's own models (ZCModel) title their columns in the display role only.
        for (const int role : {int(Qt::EditRole), int(Qt::DisplayRole)}) {
            const int column = headerColumn(*model, name, role);
            if (column >= 0)
                return column;
        }
    }
    // A name that is no column reads nothing: taking it for column 0 printed the wrong data.
    return numberedColumn(name);
}
