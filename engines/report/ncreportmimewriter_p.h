#pragma once

// Not part of the public headers: how the mail sender writes a message.

#include "ncreportmailer.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>

#include <atomic>

/*!
    An address as a person writes it, "user@example.com" or "Display Name <user@example.com>",
    checked where it enters: the address must be plain ASCII (a domain in another script is
    turned into its ASCII form) without spaces, line breaks or the characters that delimit
    addresses, so that nothing a user types can add a header or a recipient.
*/
struct NCREPORT_EXPORT NCReportMailAddress {
    QString name;
    QByteArray address;

    bool isValid() const { return !address.isEmpty(); }
    static NCReportMailAddress parse(const QString& text);
};

/*!
    Writes a message in the Internet message format with MIME: headers folded and, where they
    are not plain ASCII, written as RFC 2047 encoded words (UTF-8, Base64); attachment names as
    RFC 2231 parameters; text parts in UTF-8, quoted-printable; attachments in Base64.
*/
class NCREPORT_EXPORT NCReportMimeWriter
{
public:
    struct Composed {
        QByteArray sender;            // the envelope's sender
        QList<QByteArray> recipients; // To, Cc and Bcc, each once
        QByteArray data;              // the message, lines ending in CRLF
    };

    // Reads the message's attachment files; InvalidMessage or AttachmentUnreadable, with `error`
    // saying why, for a wrong address, a message without recipients or a file that cannot be read.
    // Stops with Cancelled when `cancelled` turns true on the way.
    static NCReportMailer::Error compose(const NCReportMailMessage& message, const QDateTime& now, Composed* composed,
                                         QString* error, const std::atomic<bool>* cancelled = nullptr);

    // Encoded words for `text` when it needs them, folded so that no line passes 76 characters
    // given the `used` characters before it on the first line.
    static QByteArray encodedWords(const QString& text, int used);
    // A display name: as it is, quoted, or as encoded words.
    static QByteArray phrase(const QString& name, int used);
    // "; name=value" for a MIME parameter, as RFC 2231 continuations when it is not short ASCII.
    static QByteArray parameter(const QByteArray& name, const QString& value);
    static QByteArray quotedPrintable(const QString& text);
    // Appends `data` in Base64, 76 characters a line; false when `cancelled` turned true first.
    static bool appendBase64Lines(QByteArray& out, const QByteArray& data,
                                  const std::atomic<bool>* cancelled = nullptr);
    // RFC 5322's date: "Mon, 07 Dec 2026 09:30:00 +0100".
    static QByteArray date(const QDateTime& dateTime);
};
