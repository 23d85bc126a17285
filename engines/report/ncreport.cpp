#include "ncreport.h"

#include "ncreportcsvwriter.h"
#include "ncreportdef.h"
#include "ncreportdirector.h"
#include "ncreportevaluator.h"
#include "ncreporthtmlwriter.h"
#include "ncreportimageoutput.h"
#include "ncreportpagedoutput.h"
#include "ncreportpreviewwindow.h"
#include "ncreportrecordingoutput.h"
#include "ncreportsvgwriter.h"
#include "ncreportxlsxwriter.h"
#include "ncreportxmldefreader.h"

#include <QPdfWriter>
#include <QPrinter>

NCReport::NCReport(QObject* parent)
    : QObject(parent)
    , m_def(std::make_unique<NCReportDef>())
    , m_evaluator(std::make_unique<NCReportEvaluator>())
{
}

NCReport::~NCReport() = default;

void NCReport::setReportFile(const QString& fileName)
{
    m_reportFile = fileName;
    m_reportSource.clear();
    m_reportDocument = QDomDocument();
}

void NCReport::setReportSource(const QByteArray& xml)
{
    m_reportSource = xml;
    m_reportFile.clear();
    m_reportDocument = QDomDocument();
}

void NCReport::setReportDocument(const QDomDocument& xml)
{
    m_reportDocument = xml;
    m_reportFile.clear();
    m_reportSource.clear();
}

bool NCReport::fail(const QString& message)
{
    m_error = {m_reportFile, 0, message};
    return false;
}

bool NCReport::readDefinition(NCReportDef* def, NCReportError* error) const
{
    NCReportXMLDefReader reader(m_provider);
    bool ok = false;
    if (!m_reportFile.isEmpty())
        ok = reader.readFile(m_reportFile, def);
    else if (!m_reportDocument.isNull())
        ok = reader.read(m_reportDocument, def);
    else
        ok = reader.read(m_reportSource, def);
    if (error)
        *error = reader.error();
    return ok;
}

bool NCReport::load()
{
    m_error = NCReportError();
    if (m_reportFile.isEmpty() && m_reportSource.isEmpty() && m_reportDocument.isNull())
        return fail(tr("No report file or report text is given"));
    // The models first: the reader checks a sort against the columns of a registered model.
    auto def = std::make_unique<NCReportDef>();
    for (auto it = m_itemModels.cbegin(); it != m_itemModels.cend(); ++it)
        def->addItemModel(it.key(), it.value());
    if (!readDefinition(def.get(), &m_error))
        return false;
    m_def = std::move(def);
    return true;
}

QString NCReport::reportName() const
{
    return m_def->reportName();
}

void NCReport::setCustomDataSourceProvider(NCReportCustomDSProvider* provider)
{
    m_provider = provider;
    if (!m_hostEvaluator)
        useProviderEvaluator();
}

void NCReport::setEvaluator(std::unique_ptr<NCReportEvaluator> evaluator)
{
    m_hostEvaluator = bool(evaluator);
    if (m_hostEvaluator)
        m_evaluator = std::move(evaluator);
    else
        useProviderEvaluator();
}

void NCReport::useProviderEvaluator()
{
    m_evaluator = m_provider ? m_provider->createEvaluator() : nullptr;
    if (!m_evaluator)
        m_evaluator = std::make_unique<NCReportEvaluator>();
}

void NCReport::addItemModel(const QString& id, QAbstractItemModel* model)
{
    m_itemModels.insert(id, model);
    m_def->addItemModel(id, model);
}

QHash<QString, QAbstractItemModel*> NCReport::itemModels() const
{
    return m_def->itemModels();
}

bool NCReport::runReportToPdf(const QString& fileName)
{
    QPdfWriter writer(fileName);
    writer.setCreator(QStringLiteral("NCReport"));
    writer.setTitle(m_def->reportName());
    NCReportPagedOutput output(&writer);
    return run(&output);
}

bool NCReport::runReportToPrinter(QPrinter* printer)
{
    NCReportPagedOutput output(printer);
    return run(&output);
}

bool NCReport::runReportToImages(QVector<QImage>& pages, int dotsPerInch)
{
    NCReportImageOutput output(dotsPerInch);
    const bool ok = run(&output);
    pages = output.pages();
    return ok;
}

bool NCReport::runReportToPreview(QWidget* parent)
{
    auto* window = new NCReportPreviewWindow(parent, Qt::Window);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
    return window->run(this);
}

template <typename Write>
bool NCReport::recordAndWrite(Write write)
{
    const auto pages = recordPages();
    if (!pages)
        return false;
    QString why;
    return write(*pages, &why) || fail(why);
}

bool NCReport::runReportToSvg(const QString& folder)
{
    return recordAndWrite([&](const NCReportRecordedPages& pages, QString* why) {
        return NCReportSvgWriter::write(pages, folder, why);
    });
}

bool NCReport::runReportToHtml(const QString& fileName)
{
    return recordAndWrite([&](const NCReportRecordedPages& pages, QString* why) {
        return NCReportHtmlWriter::write(pages, fileName, why);
    });
}

bool NCReport::runReportToCsv(const QString& fileName)
{
    return recordAndWrite([&](const NCReportRecordedPages& pages, QString* why) {
        return NCReportCsvWriter::write(pages, fileName, why);
    });
}

bool NCReport::runReportToXlsx(const QString& fileName)
{
    return recordAndWrite([&](const NCReportRecordedPages& pages, QString* why) {
        return NCReportXlsxWriter::write(pages, fileName, why);
    });
}

std::shared_ptr<NCReportRecordedPages> NCReport::recordPages()
{
    NCReportRecordingOutput output;
    return run(&output) ? output.pages() : nullptr;
}

bool NCReport::run(NCReportOutput* output)
{
    m_error = NCReportError();
    if (m_director)
        return fail(tr("The report is already running"));
    QVariantMap parameters = m_def->parameters();
    for (auto it = m_parameters.cbegin(); it != m_parameters.cend(); ++it)
        parameters.insert(it.key(), it.value());
    m_evaluator->setParameters(parameters);
    NCReportDirector director(m_def.get(), m_evaluator.get());
    m_director = &director;
    const bool ok = director.run(output);
    m_director = nullptr;
    m_error = director.error();
    return ok;
}
