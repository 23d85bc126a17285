#pragma once

#include "ncreportdetail.h"
#include "ncreportvariable.h"

#include <QHash>
#include <QList>
#include <QLocale>
#include <QObject>
#include <QPageLayout>
#include <QPointer>
#include <QVariantMap>

#include <optional>

class NCReportDataSource;
class QAbstractItemModel;

/*!
    A report definition: its name, locale, page layout, page and report headers and footers, the
    details with their groups, the variables, the default parameter values and the data sources,
    which it owns.
    Item models are registered by id (addItemModel); every item-model data source whose model id
    matches is given the model, also those added later.
*/
class NCREPORT_EXPORT NCReportDef : public QObject
{
    Q_OBJECT

public:
    explicit NCReportDef(QObject* parent = nullptr);
    ~NCReportDef() override;

    QString reportName() const { return m_reportName; }
    void setReportName(const QString& name) { m_reportName = name; }
    // The file the definition was read from; empty for one given as text.
    QString fileName() const { return m_fileName; }
    void setFileName(const QString& fileName) { m_fileName = fileName; }

    // The locale of formatted fields and of sorting; the application's default QLocale until
    // one is set.
    QLocale locale() const { return m_locale.value_or(QLocale()); }
    void setLocale(const QLocale& locale) { m_locale = locale; }

    QPageLayout pageLayout() const { return m_pageLayout; }
    void setPageLayout(const QPageLayout& layout) { m_pageLayout = layout; }

    NCReportSection& pageHeader() { return m_pageHeader; }
    const NCReportSection& pageHeader() const { return m_pageHeader; }
    NCReportSection& pageFooter() { return m_pageFooter; }
    const NCReportSection& pageFooter() const { return m_pageFooter; }
    NCReportSection& reportHeader() { return m_reportHeader; }
    const NCReportSection& reportHeader() const { return m_reportHeader; }
    NCReportSection& reportFooter() { return m_reportFooter; }
    const NCReportSection& reportFooter() const { return m_reportFooter; }
    QVector<NCReportDetail>& details() { return m_details; }
    const QVector<NCReportDetail>& details() const { return m_details; }
    QVector<NCReportVariable>& variables() { return m_variables; }
    const QVector<NCReportVariable>& variables() const { return m_variables; }
    QVariantMap& parameters() { return m_parameters; }
    const QVariantMap& parameters() const { return m_parameters; }

    // Takes the data source; false (and the source deleted) when its id is already taken.
    bool addDataSource(NCReportDataSource* dataSource);
    NCReportDataSource* dataSource(const QString& id) const;
    QList<NCReportDataSource*> dataSources() const { return m_dataSources; }

    void addItemModel(const QString& id, QAbstractItemModel* model);
    QHash<QString, QAbstractItemModel*> itemModels() const;

    // Where the zint barcode tools live; kept for the designer, which offers their symbologies.
    QString zintPath() const { return m_zintPath; }
    void setZintPath(const QString& path) { m_zintPath = path; }

private:
    void bindItemModel(NCReportDataSource* dataSource) const;

    QString m_reportName;
    QString m_fileName;
    std::optional<QLocale> m_locale;
    QPageLayout m_pageLayout;
    NCReportSection m_pageHeader{NCReportSection::PageHeader};
    NCReportSection m_pageFooter{NCReportSection::PageFooter};
    NCReportSection m_reportHeader{NCReportSection::ReportHeader};
    NCReportSection m_reportFooter{NCReportSection::ReportFooter};
    QVector<NCReportDetail> m_details;
    QVector<NCReportVariable> m_variables;
    QVariantMap m_parameters;
    QList<NCReportDataSource*> m_dataSources;
    QHash<QString, QPointer<QAbstractItemModel>> m_itemModels;
    QString m_zintPath;
};
