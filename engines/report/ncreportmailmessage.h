#pragma once

#include "ncreporterror.h"

#include <QStringList>
#include <QVector>

class NCReport;

/*!
    A message to send: addresses as "user@example.com" or "Display Name <user@example.com>", a
    subject and a body in plain text with, optionally, an HTML version, and attachments. Bcc
    recipients receive the message without appearing in it.

    Attachments are files (read when the message is sent), bytes, or a report run on the spot in
    one of the engine's output formats.
*/
class NCREPORT_EXPORT NCReportMailMessage
{
public:
    enum class ReportFormat { Pdf, Html, Csv, Xlsx };

    struct Attachment {
        QString fileName; // the name the recipient sees
        QString path;     // read when the message is sent, unless data is given
        QByteArray data;
        QString mimeType; // from the name when empty
    };

    QString from;
    QStringList to;
    QStringList cc;
    QStringList bcc;
    QString replyTo;
    QString subject;
    QString body;
    QString htmlBody;

    // The file at `path`, shown as `fileName` (its own name when empty).
    void addAttachment(const QString& path, const QString& fileName = QString());
    void addAttachment(const QString& fileName, const QByteArray& data, const QString& mimeType);
    // Runs `report` (loaded) into `format` and attaches the result as `fileName` (the report's
    // name with the format's suffix when empty). False, with `error` saying why, when the run
    // fails or the engine cannot write that format.
    bool attachReport(NCReport* report, ReportFormat format, const QString& fileName = QString(),
                      NCReportError* error = nullptr);
    QVector<Attachment> attachments() const { return m_attachments; }
    void clearAttachments() { m_attachments.clear(); }

    // Whether the engine can write a report in `format`: every format it has an output for.
    static bool canAttach(ReportFormat format);
    static QString suffix(ReportFormat format);
    static QString mimeType(ReportFormat format);

private:
    QVector<Attachment> m_attachments;
};
