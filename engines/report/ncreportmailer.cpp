#include "ncreportmailer.h"

#include "ncreportsmtpsession_p.h"

#include <QThread>

NCReportMailer::NCReportMailer(QObject* parent)
    : QObject(parent)
{
}

NCReportMailer::~NCReportMailer()
{
    cancel();
    if (m_thread)
        m_thread->wait();
}

std::shared_ptr<NCReportSmtpSession> NCReportMailer::startSession()
{
    m_sending = true;
    m_error = Error::None;
    m_errorString.clear();
    // Signals come from the mailer's own thread, whichever thread sends.
    auto session = std::make_shared<NCReportSmtpSession>(m_server, [this](qint64 sent, qint64 total) {
        if (QThread::currentThread() == thread())
            Q_EMIT progress(sent, total);
        else
            QMetaObject::invokeMethod(this, [this, sent, total] { Q_EMIT progress(sent, total); }, Qt::QueuedConnection);
    });
    std::lock_guard<std::mutex> lock(m_sessionMutex);
    m_session = session;
    return session;
}

void NCReportMailer::endSession(Error error, const QString& errorString)
{
    {
        std::lock_guard<std::mutex> lock(m_sessionMutex);
        m_session.reset();
    }
    m_error = error;
    m_errorString = errorString;
    m_sending = false;
}

bool NCReportMailer::send(const NCReportMailMessage& message)
{
    if (m_sending) {
        m_error = Error::Busy;
        m_errorString = tr("A message is already being sent");
        return false;
    }
    const NCReportSmtpSession::Result result = startSession()->send(message);
    endSession(result.error, result.message);
    return result.error == Error::None;
}

bool NCReportMailer::sendAsync(const NCReportMailMessage& message)
{
    if (m_sending) {
        m_error = Error::Busy;
        m_errorString = tr("A message is already being sent");
        return false;
    }
    if (m_thread) {
        m_thread->wait();
        m_thread.reset();
    }
    const std::shared_ptr<NCReportSmtpSession> session = startSession();
    m_thread.reset(QThread::create([this, session, message] {
        const NCReportSmtpSession::Result result = session->send(message);
        // The mailer outlives the thread (its destructor waits for it); the call is dropped if the
        // mailer is being destroyed by the time the event loop gets to it.
        QMetaObject::invokeMethod(
            this,
            [this, result] {
                endSession(result.error, result.message);
                Q_EMIT finished(result.error == Error::None);
            },
            Qt::QueuedConnection);
    }));
    m_thread->start();
    return true;
}

void NCReportMailer::cancel()
{
    std::lock_guard<std::mutex> lock(m_sessionMutex);
    if (m_session)
        m_session->cancel();
}
