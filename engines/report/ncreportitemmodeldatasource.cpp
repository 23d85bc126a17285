#include "ncreportitemmodeldatasource.h"

NCReportItemModelDataSource::NCReportItemModelDataSource(const QString& id, QObject* parent)
    : NCReportDataSource(id, ItemModel, parent)
{
}

NCReportItemModelDataSource::~NCReportItemModelDataSource() = default;

int NCReportItemModelDataSource::rowCount() const
{
    return m_model ? m_model->rowCount() : 0;
}

int NCReportItemModelDataSource::columnCount() const
{
    return m_model ? m_model->columnCount() : 0;
}

QString NCReportItemModelDataSource::columnName(int column) const
{
    return m_model ? m_model->headerData(column, Qt::Horizontal).toString() : QString();
}

QVariant NCReportItemModelDataSource::value(int column, int role) const
{
    // Checked here: not every model's index() checks its arguments.
    if (!m_model || !m_model->hasIndex(sourceRow(), column))
        return QVariant();
    return m_model->index(sourceRow(), column).data(role);
}

bool NCReportItemModelDataSource::openSource(QString& error)
{
    if (m_model)
        return true;
    error = tr("No item model is registered as \"%1\"").arg(m_itemModelId);
    return false;
}
