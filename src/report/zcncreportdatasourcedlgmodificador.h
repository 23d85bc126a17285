#pragma once

#include "zcncreportdlgmodificador.h"

class QDataWidgetMapper;
class ZCNCReportDatasourceControl;

/*!
    Replaces the item-model fields of the engine's data source dialog by the platform's control
    (ZCNCReportDatasourceControl): the control shows the current row's item model and relation,
    and what it chooses is written into the dialog's table of data sources at that row.
*/
class MIROKIT_EXPORT ZCNCReportDataSourceDlgModificador : public ZCNCReportDlgModificador
{
    Q_OBJECT

public:
    ZCNCReportDataSourceDlgModificador(ZCNCReportDesigner* designer, QWidget* dialog);
    ~ZCNCReportDataSourceDlgModificador() override;

    ZCNCReportDatasourceControl* control() const;

protected slots:
    void onContenidoChanged(QString szTablaProceso, QString szPadre);
    void onMapperCurrentIndexChanged(int nIndex);

private:
    // Writes `value` into the current row's cell that the named widget maps.
    void writeMapped(const char* widgetName, const QString& value);
    QString text(const char* widgetName) const;

    QPointer<ZCNCReportDatasourceControl> m_control;
    QPointer<QDataWidgetMapper> m_mapper;
};
