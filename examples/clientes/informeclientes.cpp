#include "informeclientes.h"

#include <Mirokit/ZCNCReportCustomDSProvider.h>
#include <Mirokit/ZCNCReportEvaluator.h>

#include <ncreport.h>

#include <QFile>

#include <memory>

InformeClientes::InformeClientes(QAbstractItemModel* clientes, QObject* parent)
    : QObject(parent)
    , m_report(new NCReport(this))
{
    m_report->setCustomDataSourceProvider(new ZCNCReportCustomDSProvider(this));
    m_report->setEvaluator(std::make_unique<ZCNCReportEvaluator>());
    m_report->addItemModel(QStringLiteral("clientes"), clientes);
    m_report->setReportFile(QStringLiteral(":/clientes/clientes.xml"));
}

bool InformeClientes::ImprimirPdf(const QString& fileName)
{
    // Loaded at each run, so that the run reads the rows as they are now.
    if (m_report->load() && m_report->runReportToPdf(fileName)) {
        m_error.clear();
        return true;
    }
    m_error = m_report->error().toString();
    return false;
}
