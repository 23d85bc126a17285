#pragma once

#include "mirokit_global.h"

#include <QWidget>

/*!
    The platform's control for the item model and the relation (parent data source) of an
    item-model data source, shown in the designer's data source dialog in place of the engine's
    own fields. The designer creates it through ZCNCReportDesigner::CreateDatasourceControl; the
    platform's subclass shows the values SetContenido() gives and tells a choice through
    contenidoChanged(). The base shows nothing.
*/
class MIROKIT_EXPORT ZCNCReportDatasourceControl : public QWidget
{
    Q_OBJECT

public:
    explicit ZCNCReportDatasourceControl(QWidget* parent = nullptr);
    ~ZCNCReportDatasourceControl() override;

signals:
    void contenidoChanged(QString szTablaProceso, QString szDatasourceRelacion);

public slots:
    virtual void SetContenido(QString szTablaProceso, QString szItemModelIdRelacion, QString szDatasourceRelacion);
};
