#include "ncreportsmtpsession_p.h"

#include "ncreportmimewriter_p.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QUrl>

#include <algorithm>
#include <cstring>
#include <memory>

#ifdef Q_OS_WIN
#  include <winsock2.h>
#else
#  include <sys/socket.h>
#  include <unistd.h>
#endif

namespace {

using Error = NCReportMailer::Error;
using Command = NCReportSmtpConversation::Command;

// How long the polling loop waits for the connection before it looks at cancel() and the clock.
constexpr int pollStepMs = 100;
// Progress is reported at most this often, and at the end.
constexpr qint64 progressStepMs = 50;

void initialiseCurl()
{
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

struct EasyDeleter {
    void operator()(CURL* easy) const { curl_easy_cleanup(easy); }
};
struct ListDeleter {
    void operator()(curl_slist* list) const { curl_slist_free_all(list); }
};

bool isTooLarge(const NCReportSmtpConversation::Reply& reply)
{
    // 552 is the classic answer; 5.3.4 (and 5.2.3) the enhanced status of a message too big.
    return reply.code == 552 || reply.text.startsWith(QLatin1String("5.3.4"))
        || reply.text.startsWith(QLatin1String("5.2.3"));
}

void closeSocketNow(curl_socket_t socket)
{
#ifdef Q_OS_WIN
    closesocket(socket);
#else
    ::close(socket);
#endif
}

} // namespace

NCReportSmtpSession::NCReportSmtpSession(const NCReportMailServer& server, Progress progress)
    : m_server(server)
    , m_progress(std::move(progress))
{
}

void NCReportSmtpSession::cancel()
{
    m_cancelled = true;
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_multi)
        curl_multi_wakeup(m_multi);
}

NCReportSmtpSession::Result NCReportSmtpSession::result(Error error, const QString& message) const
{
    return {error, message};
}

NCReportSmtpSession::Result NCReportSmtpSession::send(const NCReportMailMessage& message)
{
    if (m_server.host.trimmed().isEmpty())
        return result(Error::HostNotFound, tr("No mail server is given"));
    NCReportMimeWriter::Composed composed;
    QString problem;
    const Error composeError =
        NCReportMimeWriter::compose(message, QDateTime::currentDateTime(), &composed, &problem, &m_cancelled);
    if (composeError != Error::None && composeError != Error::Cancelled)
        return result(composeError, problem);
    if (m_cancelled)
        return result(Error::Cancelled, tr("Sending through %1 was cancelled")
                                            .arg(m_server.displayName()));
    m_data = composed.data;
    return transfer(composed.sender, composed.recipients);
}

NCReportSmtpSession::Result NCReportSmtpSession::transfer(const QByteArray& sender, const QList<QByteArray>& recipients)
{
    initialiseCurl();
    const QString server = m_server.displayName();
    QUrl url;
    url.setScheme(m_server.security == NCReportMailServer::Security::Tls ? QStringLiteral("smtps")
                                                                         : QStringLiteral("smtp"));
    url.setHost(m_server.host.trimmed(), QUrl::StrictMode);
    url.setPort(m_server.port);
    if (!url.isValid()) {
        return result(Error::HostNotFound,
                      tr("\"%1\" is not the name of a mail server").arg(m_server.host));
    }

    curl_slist* list = nullptr;
    for (const QByteArray& recipient : recipients) {
        curl_slist* appended = curl_slist_append(list, QByteArray("<" + recipient + ">").constData());
        if (!appended) {
            curl_slist_free_all(list);
            return result(Error::Failed, QString());
        }
        list = appended;
    }
    std::unique_ptr<curl_slist, ListDeleter> recipientList(list);
    std::unique_ptr<CURL, EasyDeleter> easy(curl_easy_init());
    if (!easy)
        return result(Error::Failed, QString());
    char errorBuffer[CURL_ERROR_SIZE] = {};
    CURL* handle = easy.get();
    const QByteArray urlText = url.toEncoded();
    const QByteArray from = "<" + sender + ">";
    const long timeout = std::max(1, m_server.timeoutMs);
    curl_easy_setopt(handle, CURLOPT_URL, urlText.constData());
    curl_easy_setopt(handle, CURLOPT_PROTOCOLS_STR, "smtp,smtps");
    curl_easy_setopt(handle, CURLOPT_USE_SSL,
                     long(m_server.security == NCReportMailServer::Security::None ? CURLUSESSL_NONE : CURLUSESSL_ALL));
    if (!m_server.user.isEmpty()) {
        curl_easy_setopt(handle, CURLOPT_USERNAME, m_server.user.toUtf8().constData());
        curl_easy_setopt(handle, CURLOPT_PASSWORD, m_server.password.toUtf8().constData());
    }
    curl_easy_setopt(handle, CURLOPT_MAIL_FROM, from.constData());
    curl_easy_setopt(handle, CURLOPT_MAIL_RCPT, recipientList.get());
    curl_easy_setopt(handle, CURLOPT_UPLOAD, 1L);
    curl_easy_setopt(handle, CURLOPT_INFILESIZE_LARGE, curl_off_t(m_data.size()));
    curl_easy_setopt(handle, CURLOPT_READFUNCTION, &NCReportSmtpSession::read);
    curl_easy_setopt(handle, CURLOPT_READDATA, this);
    curl_easy_setopt(handle, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(handle, CURLOPT_XFERINFOFUNCTION, &NCReportSmtpSession::transferInfo);
    curl_easy_setopt(handle, CURLOPT_XFERINFODATA, this);
    // The conversation goes to our reader only; nothing of it reaches a log.
    curl_easy_setopt(handle, CURLOPT_VERBOSE, 1L);
    curl_easy_setopt(handle, CURLOPT_DEBUGFUNCTION, &NCReportSmtpSession::debug);
    curl_easy_setopt(handle, CURLOPT_DEBUGDATA, this);
    curl_easy_setopt(handle, CURLOPT_OPENSOCKETFUNCTION, &NCReportSmtpSession::openSocket);
    curl_easy_setopt(handle, CURLOPT_OPENSOCKETDATA, this);
    curl_easy_setopt(handle, CURLOPT_CLOSESOCKETFUNCTION, &NCReportSmtpSession::closeSocket);
    curl_easy_setopt(handle, CURLOPT_CLOSESOCKETDATA, this);
    curl_easy_setopt(handle, CURLOPT_ERRORBUFFER, errorBuffer);
    curl_easy_setopt(handle, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(handle, CURLOPT_FORBID_REUSE, 1L);
    curl_easy_setopt(handle, CURLOPT_CONNECTTIMEOUT_MS, timeout);
    // libcurl's own wait for a reply, a backstop behind the loop's (which counts milliseconds).
    curl_easy_setopt(handle, CURLOPT_SERVER_RESPONSE_TIMEOUT, long((timeout + 999) / 1000));
    const long verify = m_server.acceptUntrustedCertificate ? 0L : 1L;
    curl_easy_setopt(handle, CURLOPT_SSL_VERIFYPEER, verify);
    curl_easy_setopt(handle, CURLOPT_SSL_VERIFYHOST, verify * 2);

    CURLM* multi = curl_multi_init();
    if (!multi)
        return result(Error::Failed, QString());
    curl_multi_add_handle(multi, handle);
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_multi = multi;
    }
    m_sinceReport.start();
    QElapsedTimer silence;
    silence.start();
    enum class Stop { None, Cancelled, TimedOut, NoAuthentication } stop = Stop::None;
    CURLcode code = CURLE_OK;
    bool done = false;
    while (!done) {
        int running = 0;
        const CURLMcode multiCode = curl_multi_perform(multi, &running);
        if (multiCode != CURLM_OK) {
            code = CURLE_FAILED_INIT;
            break;
        }
        int queued = 0;
        while (CURLMsg* message = curl_multi_info_read(multi, &queued)) {
            if (message->msg == CURLMSG_DONE) {
                code = message->data.result;
                done = true;
            }
        }
        if (done)
            break;
        if (m_cancelled) {
            stop = Stop::Cancelled;
            break;
        }
        if (!m_server.user.isEmpty() && m_conversation.mailSentWithoutAuthentication()) {
            stop = Stop::NoAuthentication;
            break;
        }
        if (m_active) {
            m_active = false;
            silence.restart();
        } else if (silence.elapsed() >= timeout) {
            stop = Stop::TimedOut;
            break;
        }
        curl_multi_poll(multi, nullptr, 0, int(std::min<qint64>(pollStepMs, timeout - silence.elapsed() + 1)), nullptr);
    }
    // A send stopped here has nothing more to say to the server: its connection is shut down
    // first, so that libcurl's farewell cannot wait on a server that does not answer.
    if (stop != Stop::None)
        shutDownSockets();
    curl_multi_remove_handle(multi, handle);
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_multi = nullptr;
    }
    curl_multi_cleanup(multi);
    easy.reset();

    switch (stop) {
    case Stop::Cancelled:
        return result(Error::Cancelled,
                      tr("Sending through %1 was cancelled").arg(server));
    case Stop::TimedOut:
        return result(Error::TimedOut,
                      tr("The mail server %1 did not answer within %2 seconds")
                          .arg(server, QString::number(timeout / 1000.0)));
    case Stop::NoAuthentication:
        return result(Error::AuthenticationUnavailable,
                      tr("The mail server %1 offers no way to log in that can be used here")
                          .arg(server));
    case Stop::None:
        break;
    }
    if (code != CURLE_OK || m_conversation.hasRefusal())
        return failure(code, QString::fromUtf8(errorBuffer));
    if (m_progress && m_reported != m_data.size())
        m_progress(m_data.size(), m_data.size());
    return Result();
}

NCReportSmtpSession::Result NCReportSmtpSession::failure(CURLcode code, const QString& curlMessage) const
{
    const QString server = m_server.displayName();
    const QString detail = curlMessage.isEmpty() ? QString::fromUtf8(curl_easy_strerror(code)) : curlMessage;
    if (m_conversation.hasRefusal()) {
        const NCReportSmtpConversation::Reply& refusal = m_conversation.refusal();
        const QString said = QString(QString::number(refusal.code) + QLatin1Char(' ') + refusal.text).trimmed();
        switch (refusal.command) {
        case Command::Greeting:
            return result(Error::ConnectionRefused,
                          tr("The mail server %1 refused the connection (%2)").arg(server, said));
        case Command::StartTls:
            return result(Error::TlsUnavailable,
                          tr("The mail server %1 refused to encrypt the connection; the message was not sent unencrypted (%2)")
                              .arg(server, said));
        case Command::Auth:
            return result(Error::AuthenticationRefused,
                          tr("The mail server %1 refused the user name or password (%2)").arg(server, said));
        case Command::Mail:
            if (isTooLarge(refusal))
                break;
            if (refusal.code == 530) {
                return result(Error::AuthenticationRefused,
                              tr("The mail server %1 requires logging in (%2)").arg(server, said));
            }
            return result(Error::SenderRefused,
                          tr("The mail server %1 refused the sender %2 (%3)")
                              .arg(server, refusal.argument, said));
        case Command::Rcpt:
            return result(Error::RecipientRefused,
                          tr("The mail server %1 refused the recipient %2 (%3)")
                              .arg(server, refusal.argument, said));
        case Command::Data:
        case Command::EndOfData:
            if (isTooLarge(refusal))
                break;
            return result(Error::MessageRefused,
                          tr("The mail server %1 refused the message (%2)").arg(server, said));
        default:
            return result(Error::Failed,
                          tr("The mail server %1 answered with an error (%2)").arg(server, said));
        }
        return result(Error::MessageTooLarge,
                      tr("The mail server %1 refused the message as too large (%2)").arg(server, said));
    }
    switch (code) {
    case CURLE_COULDNT_RESOLVE_HOST:
        return result(Error::HostNotFound, tr("The mail server %1 was not found").arg(server));
    case CURLE_COULDNT_CONNECT:
        return result(Error::ConnectionRefused,
                      tr("The mail server %1 refused the connection or cannot be reached").arg(server));
    case CURLE_OPERATION_TIMEDOUT:
        return result(Error::TimedOut,
                      tr("The mail server %1 did not answer within %2 seconds")
                          .arg(server, QString::number(std::max(1, m_server.timeoutMs) / 1000.0)));
    case CURLE_USE_SSL_FAILED:
        return result(Error::TlsUnavailable,
                      tr("The mail server %1 does not offer encryption (STARTTLS); the message was not sent unencrypted")
                          .arg(server));
    case CURLE_PEER_FAILED_VERIFICATION:
        return result(Error::CertificateRefused,
                      tr("The certificate of the mail server %1 is not trusted (%2)").arg(server, detail));
    case CURLE_SSL_CONNECT_ERROR:
    case CURLE_SSL_CERTPROBLEM:
    case CURLE_SSL_CIPHER:
    case CURLE_SSL_ISSUER_ERROR:
    case CURLE_SSL_CACERT_BADFILE:
    case CURLE_SSL_CRL_BADFILE:
    case CURLE_SSL_PINNEDPUBKEYNOTMATCH:
    case CURLE_SSL_INVALIDCERTSTATUS:
    case CURLE_SSL_ENGINE_INITFAILED:
    case CURLE_SSL_ENGINE_NOTFOUND:
    case CURLE_SSL_ENGINE_SETFAILED:
        return result(Error::TlsFailed,
                      tr("The encrypted connection to the mail server %1 failed (%2)").arg(server, detail));
    case CURLE_LOGIN_DENIED:
        return result(Error::AuthenticationRefused,
                      tr("The mail server %1 refused the user name or password (%2)")
                          .arg(server, m_conversation.lastReply().text));
    case CURLE_SEND_ERROR:
    case CURLE_RECV_ERROR:
    case CURLE_GOT_NOTHING:
    case CURLE_PARTIAL_FILE:
        return result(Error::ConnectionLost,
                      tr("The mail server %1 closed the connection before the message was sent").arg(server));
    case CURLE_ABORTED_BY_CALLBACK:
        return result(Error::Cancelled, tr("Sending through %1 was cancelled").arg(server));
    default:
        return result(Error::Failed,
                      tr("Sending through the mail server %1 failed (%2)").arg(server, detail));
    }
}

size_t NCReportSmtpSession::read(char* buffer, size_t size, size_t count, void* session)
{
    auto* self = static_cast<NCReportSmtpSession*>(session);
    if (self->m_cancelled)
        return CURL_READFUNC_ABORT;
    const qint64 length = std::min<qint64>(qint64(size * count), self->m_data.size() - self->m_position);
    std::memcpy(buffer, self->m_data.constData() + self->m_position, size_t(length));
    self->m_position += length;
    self->m_active = true;
    return size_t(length);
}

int NCReportSmtpSession::transferInfo(void* session, curl_off_t, curl_off_t, curl_off_t, curl_off_t uploaded)
{
    auto* self = static_cast<NCReportSmtpSession*>(session);
    if (self->m_cancelled)
        return 1;
    // The count includes the dots libcurl doubles at the starts of lines.
    const qint64 total = self->m_data.size();
    const qint64 sent = std::min<qint64>(uploaded, total);
    if (sent != self->m_reported && (sent == total || self->m_sinceReport.elapsed() >= progressStepMs)) {
        self->m_reported = sent;
        self->m_sinceReport.restart();
        if (self->m_progress)
            self->m_progress(sent, total);
    }
    return 0;
}

int NCReportSmtpSession::debug(CURL*, curl_infotype type, char* data, size_t size, void* session)
{
    auto* self = static_cast<NCReportSmtpSession*>(session);
    switch (type) {
    case CURLINFO_HEADER_OUT:
        self->m_conversation.sent(QByteArray(data, int(std::min<size_t>(size, 65536))));
        self->m_active = true;
        break;
    case CURLINFO_HEADER_IN:
        self->m_conversation.received(QByteArray(data, int(std::min<size_t>(size, 65536))));
        self->m_active = true;
        break;
    case CURLINFO_DATA_IN:
    case CURLINFO_DATA_OUT:
    case CURLINFO_SSL_DATA_IN:
    case CURLINFO_SSL_DATA_OUT:
        self->m_active = true;
        break;
    default:
        break;
    }
    return 0;
}

curl_socket_t NCReportSmtpSession::openSocket(void* session, curlsocktype, curl_sockaddr* address)
{
    auto* self = static_cast<NCReportSmtpSession*>(session);
    const curl_socket_t socket = ::socket(address->family, address->socktype, address->protocol);
    if (socket != CURL_SOCKET_BAD) {
        std::lock_guard<std::mutex> lock(self->m_mutex);
        self->m_sockets.push_back(socket);
    }
    return socket;
}

int NCReportSmtpSession::closeSocket(void* session, curl_socket_t socket)
{
    auto* self = static_cast<NCReportSmtpSession*>(session);
    {
        std::lock_guard<std::mutex> lock(self->m_mutex);
        self->m_sockets.erase(std::remove(self->m_sockets.begin(), self->m_sockets.end(), socket), self->m_sockets.end());
    }
    closeSocketNow(socket);
    return 0;
}

void NCReportSmtpSession::shutDownSockets()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    for (const curl_socket_t socket : m_sockets) {
#ifdef Q_OS_WIN
        ::shutdown(socket, SD_BOTH);
#else
        ::shutdown(socket, SHUT_RDWR);
#endif
    }
}
