#include "ncreportmailmessage.h"

#include "ncreport.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

namespace {

struct FormatNames {
    const char* suffix;
    const char* mimeType;
};

FormatNames formatNames(NCReportMailMessage::ReportFormat format)
{
    switch (format) {
    case NCReportMailMessage::ReportFormat::Html:
        return {"html", "text/html"};
    case NCReportMailMessage::ReportFormat::Csv:
        return {"csv", "text/csv"};
    case NCReportMailMessage::ReportFormat::Xlsx:
        return {"xlsx", "application/vnd.openxmlformats-officedocument.spreadsheetml.sheet"};
    case NCReportMailMessage::ReportFormat::Pdf:
        break;
    }
    return {"pdf", "application/pdf"};
}

} // namespace

void NCReportMailMessage::addAttachment(const QString& path, const QString& fileName)
{
    m_attachments.append({fileName, path, QByteArray(), QString()});
}

void NCReportMailMessage::addAttachment(const QString& fileName, const QByteArray& data, const QString& mimeType)
{
    m_attachments.append({fileName, QString(), data, mimeType});
}

bool NCReportMailMessage::attachReport(NCReport* report, ReportFormat format, const QString& fileName,
                                       NCReportError* error)
{
    const auto fail = [error](const QString& message) {
        if (error)
            *error = NCReportError{QString(), 0, message};
        return false;
    };
    if (!report)
        return fail(QCoreApplication::translate("NCReportMailer", "No report is given to attach"));
    QString name = fileName;
    if (name.isEmpty()) {
        const QString reportName = report->reportName();
        name = (reportName.isEmpty() ? QStringLiteral("report") : reportName) + QLatin1Char('.') + suffix(format);
    }
    QTemporaryDir folder;
    if (!folder.isValid())
        return fail(QCoreApplication::translate("NCReportMailer", "No temporary folder for the report: %1").arg(folder.errorString()));
    const QString path = folder.filePath(QStringLiteral("report.") + suffix(format));
    bool written = false;
    switch (format) {
    case ReportFormat::Pdf:
        written = report->runReportToPdf(path);
        break;
    case ReportFormat::Html:
        written = report->runReportToHtml(path);
        break;
    case ReportFormat::Csv:
        written = report->runReportToCsv(path);
        break;
    case ReportFormat::Xlsx:
        written = report->runReportToXlsx(path);
        break;
    }
    if (!written) {
        if (error)
            *error = report->error();
        return false;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return fail(QCoreApplication::translate("NCReportMailer", "The report's output cannot be read: %1").arg(file.errorString()));
    addAttachment(name, file.readAll(), mimeType(format));
    return true;
}

bool NCReportMailMessage::canAttach(ReportFormat)
{
    return true;
}

QString NCReportMailMessage::suffix(ReportFormat format)
{
    return QLatin1String(formatNames(format).suffix);
}

QString NCReportMailMessage::mimeType(ReportFormat format)
{
    return QLatin1String(formatNames(format).mimeType);
}
