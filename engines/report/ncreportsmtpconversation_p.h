#pragma once

// Not part of the public headers: what the mail sender reads of its SMTP conversation.

#include "ncreport_global.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

/*!
    Follows an SMTP conversation from the bytes sent and received, to tell afterwards which
    command the server refused and why: the sender's transport reports only that a step failed.

    Replies are read line by line ("250-SIZE 1000", "550 5.1.1 No such user"); a reply ends with
    the line whose code is followed by a space (or nothing). Everything the server sends is
    outside data: lines are cut at a bound, texts are kept short and free of control characters,
    and a line that is not a reply is counted and otherwise ignored. Of what the client sends only
    the command's name is kept, and for MAIL and RCPT the address: never an argument of AUTH nor
    the lines that answer its challenges, which carry the credentials.
*/
class NCREPORT_EXPORT NCReportSmtpConversation
{
public:
    enum class Command { None, Greeting, Ehlo, StartTls, Auth, Mail, Rcpt, Data, EndOfData, Quit, Other };

    struct Reply {
        Command command = Command::None; // the command it answers
        QString argument;                // the address, for MAIL and RCPT
        int code = 0;
        QString text;                    // the lines' texts joined by spaces, without the codes

        bool isNegative() const { return code >= 400; }
    };

    static constexpr int maxLineLength = 4096;
    static constexpr int maxTextLength = 300;
    static constexpr int maxKeywords = 64;

    // A command line (or several) the client sent.
    void sent(const QByteArray& bytes);
    // Bytes of the server's replies, in pieces of any size.
    void received(const QByteArray& bytes);

    const Reply& lastReply() const { return m_last; }
    // The first reply that refused something (4xx, 5xx), if any: the one that decided the send.
    const Reply& refusal() const { return m_refusal; }
    bool hasRefusal() const { return m_refusal.code != 0; }
    // The extensions the server announced in its last EHLO reply ("SIZE", "STARTTLS", "AUTH").
    QStringList extensions() const { return m_extensions; }
    bool authenticationSent() const { return m_authenticationSent; }
    // Whether MAIL was sent without any AUTH before it.
    bool mailSentWithoutAuthentication() const { return m_mailWithoutAuthentication; }
    int malformedLines() const { return m_malformedLines; }

private:
    void readLine(const QByteArray& line);
    void finishReply(int code);
    static QString cleanText(const QByteArray& bytes);

    Command m_command = Command::Greeting;
    QString m_argument;
    QByteArray m_pending; // received bytes not yet ending a line
    bool m_discarding = false; // inside an over-long line, until its end
    QString m_text;
    QStringList m_lines;
    Reply m_last;
    Reply m_refusal;
    QStringList m_extensions;
    bool m_authenticationSent = false;
    bool m_mailWithoutAuthentication = false;
    int m_malformedLines = 0;
};
