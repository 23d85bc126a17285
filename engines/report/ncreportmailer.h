#pragma once

#include "ncreportmailmessage.h"
#include "ncreportmailserver.h"

#include <QObject>

#include <memory>
#include <mutex>

class NCReportSmtpSession;
class QThread;

/*!
    Sends messages through an SMTP server, blocking (send()) or on a worker thread (sendAsync()),
    with the progress of the upload and a cancel() that stops within a second. Nothing is retried:
    a failure is reported once, by error() and errorString(), which name the server and what went
    wrong. The password never appears in an error, and nothing of the conversation is logged.
*/
class NCREPORT_EXPORT NCReportMailer : public QObject
{
    Q_OBJECT

public:
    enum class Error {
        None,
        InvalidMessage,
        AttachmentUnreadable,
        HostNotFound,
        ConnectionRefused,
        TimedOut,
        TlsUnavailable,
        TlsFailed,
        CertificateRefused,
        AuthenticationRefused,
        AuthenticationUnavailable,
        SenderRefused,
        RecipientRefused,
        MessageTooLarge,
        MessageRefused,
        ConnectionLost,
        Cancelled,
        Busy,
        Failed,
    };
    Q_ENUM(Error)

    using Server = NCReportMailServer;
    using Message = NCReportMailMessage;

    explicit NCReportMailer(QObject* parent = nullptr);
    // Cancels a send in progress and waits for its thread.
    ~NCReportMailer() override;

    void setServer(const NCReportMailServer& server) { m_server = server; }
    NCReportMailServer server() const { return m_server; }

    // Sends on the calling thread and returns when the server has accepted the message or the
    // send failed; progress() is emitted on the way.
    bool send(const NCReportMailMessage& message);
    // Starts sending on a worker thread; finished() follows. False (error Busy) while a send is
    // already in progress.
    bool sendAsync(const NCReportMailMessage& message);
    bool isSending() const { return m_sending; }

    Error error() const { return m_error; }
    QString errorString() const { return m_errorString; }

public Q_SLOTS:
    // Stops the send in progress (from any thread); it then fails with Cancelled.
    void cancel();

Q_SIGNALS:
    // Bytes of the message handed to the server so far, out of `total`.
    void progress(qint64 sent, qint64 total);
    void finished(bool ok);

private:
    std::shared_ptr<NCReportSmtpSession> startSession();
    void endSession(NCReportMailer::Error error, const QString& errorString);

    NCReportMailServer m_server;
    Error m_error = Error::None;
    QString m_errorString;
    bool m_sending = false;
    // The session in progress, which cancel() reaches from any thread.
    std::mutex m_sessionMutex;
    std::shared_ptr<NCReportSmtpSession> m_session;
    std::unique_ptr<QThread> m_thread;
};
