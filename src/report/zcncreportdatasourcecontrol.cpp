#include "zcncreportdatasourcecontrol.h"

ZCNCReportDatasourceControl::ZCNCReportDatasourceControl(QWidget* parent)
    : QWidget(parent)
{
}

ZCNCReportDatasourceControl::~ZCNCReportDatasourceControl() = default;

void ZCNCReportDatasourceControl::SetContenido(QString, QString, QString) {}
