#pragma once

#include "ncreportcustomdsprovider.h"
#include "ncreportdirector.h"
#include "ncreporterror.h"

#include <QAbstractItemModel>
#include <QDomDocument>
#include <QHash>
#include <QImage>
#include <QObject>
#include <QPointer>
#include <QVariantMap>
#include <QVector>

#include <memory>

class NCReportDef;
class NCReportEvaluator;
class NCReportOutput;
class NCReportRecordedPages;
class QPrinter;
class QWidget;

/*!
    A report to fill and print: its definition, read from a report file or from XML text, the
    item models and parameter values the host gives it, and the runs that print it to a PDF
    file, a printer or images.

    The host may put its own data-source provider and evaluator in place of the engine's; both
    are used from the next load() and run on. Without an evaluator of the host's own, a report
    evaluates with the one its provider makes.
*/
class NCREPORT_EXPORT NCReport : public QObject
{
    Q_OBJECT

public:
    explicit NCReport(QObject* parent = nullptr);
    ~NCReport() override;

    void setReportFile(const QString& fileName);
    QString reportFile() const { return m_reportFile; }
    // XML text in place of a file; setting any of the three forgets the others.
    void setReportSource(const QByteArray& xml);
    // A document parsed already, which load() reads without parsing its text again; the report
    // shares it, so a change made to it before load() is read. Its errors name no line.
    void setReportDocument(const QDomDocument& xml);

    // Reads the definition; on failure the previous one stays and error() says why.
    bool load();
    // Reads the report's source afresh into `def` (an empty definition), as load() would.
    bool readDefinition(NCReportDef* def, NCReportError* error = nullptr) const;
    NCReportDef* reportDef() const { return m_def.get(); }
    QString reportName() const;

    // Not owned; null restores the engine's own.
    void setCustomDataSourceProvider(NCReportCustomDSProvider* provider);
    NCReportCustomDSProvider* customDataSourceProvider() const { return m_provider; }
    // Null gives the report the provider's evaluator again.
    void setEvaluator(std::unique_ptr<NCReportEvaluator> evaluator);
    NCReportEvaluator* evaluator() const { return m_evaluator.get(); }

    // Registered models survive a new load(); the host keeps owning them.
    void addItemModel(const QString& id, QAbstractItemModel* model);
    QHash<QString, QAbstractItemModel*> itemModels() const;

    void addParameter(const QString& name, const QVariant& value) { m_parameters.insert(name, value); }
    QVariantMap parameters() const { return m_parameters; }

    bool runReportToPdf(const QString& fileName);
    bool runReportToPrinter(QPrinter* printer);
    bool runReportToImages(QVector<QImage>& pages, int dotsPerInch = 96);
    // Runs the report into a new preview window (NCReportPreviewWindow) of its own, a top-level
    // window over `parent`, deleted when it is closed; the window shows the pages as they are
    // laid out and stays open after the run. False when the run fails or is cancelled.
    bool runReportToPreview(QWidget* parent = nullptr);
    // Outputs of the recorded pages (NCReportSvgWriter, NCReportHtmlWriter, NCReportCsvWriter,
    // NCReportXlsxWriter): one SVG file a page in `folder`, one self-contained HTML file, the
    // detail rows as delimited text, a spreadsheet. Each file is written whole or not at all;
    // false when the run fails or a file cannot be written (error() says which and why).
    bool runReportToSvg(const QString& folder);
    bool runReportToHtml(const QString& fileName);
    bool runReportToCsv(const QString& fileName);
    bool runReportToXlsx(const QString& fileName);
    // Runs the report once and keeps its pages as laid out, for a preview and for outputs that
    // replay them; null when the run fails (error() says why).
    std::shared_ptr<NCReportRecordedPages> recordPages();
    bool run(NCReportOutput* output);
    // The director of the run in progress, null between runs.
    NCReportDirector* director() const { return m_director; }

    NCReportError error() const { return m_error; }
    bool hasError() const { return !m_error.isEmpty(); }

private:
    bool fail(const QString& message);
    // Records the pages and hands them to `write`, which says why it fails.
    template <typename Write>
    bool recordAndWrite(Write write);
    void useProviderEvaluator();

    QString m_reportFile;
    QDomDocument m_reportDocument;
    QByteArray m_reportSource;
    std::unique_ptr<NCReportDef> m_def;
    QPointer<NCReportCustomDSProvider> m_provider;
    std::unique_ptr<NCReportEvaluator> m_evaluator;
    // Whether m_evaluator is the host's, which a new provider leaves in place.
    bool m_hostEvaluator = false;
    QHash<QString, QPointer<QAbstractItemModel>> m_itemModels;
    QVariantMap m_parameters;
    QPointer<NCReportDirector> m_director;
    NCReportError m_error;
};
