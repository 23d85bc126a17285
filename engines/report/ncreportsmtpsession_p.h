#pragma once

// Not part of the public headers: one send through libcurl's SMTP.

#include "ncreportmailer.h"
#include "ncreportsmtpconversation_p.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <curl/curl.h>

#include <atomic>
#include <functional>
#include <mutex>
#include <vector>

/*!
    Sends one message through one server on the thread that calls send(). The transfer runs in
    libcurl's multi interface, polled in short steps, so that cancel() (from any thread) and the
    server's silence are noticed between steps; the sockets are opened here, so that a send that
    is stopped can shut its connection down at once instead of waiting for the server to answer a
    farewell.
*/
class NCReportSmtpSession
{
    Q_DECLARE_TR_FUNCTIONS(NCReportMailer)

public:
    struct Result {
        NCReportMailer::Error error = NCReportMailer::Error::None;
        QString message;
    };
    using Progress = std::function<void(qint64 sent, qint64 total)>;

    NCReportSmtpSession(const NCReportMailServer& server, Progress progress);

    Result send(const NCReportMailMessage& message);
    void cancel();

private:
    static size_t read(char* buffer, size_t size, size_t count, void* session);
    static int transferInfo(void* session, curl_off_t downloadTotal, curl_off_t downloaded,
                            curl_off_t uploadTotal, curl_off_t uploaded);
    static int debug(CURL* handle, curl_infotype type, char* data, size_t size, void* session);
    static curl_socket_t openSocket(void* session, curlsocktype purpose, curl_sockaddr* address);
    static int closeSocket(void* session, curl_socket_t socket);

    Result transfer(const QByteArray& sender, const QList<QByteArray>& recipients);
    Result failure(CURLcode code, const QString& curlMessage) const;
    Result result(NCReportMailer::Error error, const QString& message) const;
    void shutDownSockets();

    const NCReportMailServer m_server;
    const Progress m_progress;
    std::atomic<bool> m_cancelled{false};
    // Set by the transfer's callbacks whenever bytes move, read and cleared by the polling loop.
    bool m_active = false;
    QByteArray m_data;
    qint64 m_position = 0;
    qint64 m_reported = -1;
    QElapsedTimer m_sinceReport;
    NCReportSmtpConversation m_conversation;

    // What cancel() reaches from another thread.
    std::mutex m_mutex;
    CURLM* m_multi = nullptr;
    std::vector<curl_socket_t> m_sockets;
};
