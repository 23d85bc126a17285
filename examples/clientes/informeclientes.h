#pragma once

#include <QObject>
#include <QString>

class NCReport;
class QAbstractItemModel;

/*!
    The report of customers by city: a group per city with its count and balance, a grand total
    at the end and "Página n de m" at the foot of every page, in Spanish formats. It runs over
    the library's data-source provider and evaluator, so the customer model is read through the
    library's item-model data source, by column title.
*/
class InformeClientes : public QObject
{
    Q_OBJECT

public:
    InformeClientes(QAbstractItemModel* clientes, QObject* parent = nullptr);

    //! Writes the report to a PDF file; on failure Error() says why.
    bool ImprimirPdf(const QString& fileName);
    QString Error() const { return m_error; }

private:
    NCReport* m_report;
    QString m_error;
};
