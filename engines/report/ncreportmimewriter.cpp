#include "ncreportmimewriter_p.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QMimeDatabase>
#include <QUrl>
#include <QUuid>

#include <algorithm>
#include <cstring>

namespace {

const QByteArray crlf("\r\n");
// RFC 2047 limits a line holding encoded words to 76 characters; 39 bytes of text make 52 of
// Base64, which with "=?UTF-8?B??=" and a header's name stays under it.
constexpr int encodedWordBytes = 39;
constexpr int lineLimit = 76;

bool isPrintableAscii(const QString& text)
{
    for (const QChar c : text) {
        if (c.unicode() < 0x20 || c.unicode() > 0x7e)
            return false;
    }
    return true;
}

// A MIME token: "application", "vnd.ms-excel".
bool isToken(const QString& text)
{
    static const QString specials = QStringLiteral("()<>@,;:\\\"/[]?= ");
    for (const QChar c : text) {
        if (specials.contains(c))
            return false;
    }
    return !text.isEmpty() && isPrintableAscii(text);
}

bool isAtomText(const QString& text)
{
    static const QString specials = QStringLiteral("()<>[]:;@\\,.\"");
    for (const QChar c : text) {
        if (specials.contains(c))
            return false;
    }
    return isPrintableAscii(text);
}

// Control characters, line breaks among them, have no place in a header's text.
QString withoutControls(const QString& text)
{
    QString clean;
    clean.reserve(text.size());
    for (const QChar c : text)
        clean.append(c.category() == QChar::Other_Control ? QChar(QLatin1Char(' ')) : c);
    return clean.simplified();
}

QByteArray boundary()
{
    // "=_" never occurs in quoted-printable or Base64 text, so no part can contain the boundary.
    return "=_NCReport_" + QUuid::createUuid().toRfc4122().toHex();
}

// A MIME entity: its headers, an empty line and its content.
QByteArray entity(const QByteArray& headers, const QByteArray& content)
{
    return headers + crlf + content;
}

QByteArray multipart(const QByteArray& subtype, const QList<QByteArray>& parts)
{
    const QByteArray separator = boundary();
    QByteArray content;
    for (const QByteArray& part : parts)
        content += "--" + separator + crlf + part + crlf;
    content += "--" + separator + "--" + crlf;
    return entity("Content-Type: multipart/" + subtype + "; boundary=\"" + separator + "\"" + crlf, content);
}

QByteArray textPart(const QByteArray& subtype, const QString& text)
{
    return entity("Content-Type: text/" + subtype + "; charset=UTF-8" + crlf
                      + "Content-Transfer-Encoding: quoted-printable" + crlf,
                  NCReportMimeWriter::quotedPrintable(text));
}

QByteArray attachmentHeaders(const QString& fileName, const QString& mimeType)
{
    return "Content-Type: " + mimeType.toLatin1() + NCReportMimeWriter::parameter("name", fileName) + crlf
        + "Content-Disposition: attachment" + NCReportMimeWriter::parameter("filename", fileName) + crlf
        + "Content-Transfer-Encoding: base64" + crlf;
}

// "Name: mailbox, mailbox", one mailbox a line after the first.
QByteArray addressHeader(const QByteArray& name, const QList<NCReportMailAddress>& addresses)
{
    QByteArray header = name + ": ";
    for (qsizetype i = 0; i < addresses.size(); ++i) {
        const NCReportMailAddress& address = addresses.at(i);
        if (i > 0)
            header += "," + crlf + " ";
        const int used = int(header.size() - header.lastIndexOf('\n') - 1);
        if (!address.name.isEmpty())
            header += NCReportMimeWriter::phrase(address.name, used) + " ";
        header += "<" + address.address + ">";
    }
    return header + crlf;
}

bool parseAddresses(const QStringList& texts, QList<NCReportMailAddress>* addresses, QString* error)
{
    for (const QString& text : texts) {
        if (text.trimmed().isEmpty())
            continue;
        const NCReportMailAddress address = NCReportMailAddress::parse(text);
        if (!address.isValid()) {
            *error = QCoreApplication::translate("NCReportMailer", "\"%1\" is not a valid e-mail address").arg(withoutControls(text));
            return false;
        }
        addresses->append(address);
    }
    return true;
}

} // namespace

NCReportMailAddress NCReportMailAddress::parse(const QString& text)
{
    NCReportMailAddress result;
    QString address = text.trimmed();
    const qsizetype open = address.lastIndexOf(QLatin1Char('<'));
    if (open >= 0) {
        if (!address.endsWith(QLatin1Char('>')))
            return result;
        QString name = address.left(open).trimmed();
        if (name.size() >= 2 && name.startsWith(QLatin1Char('"')) && name.endsWith(QLatin1Char('"'))) {
            name = name.mid(1, name.size() - 2);
            name.replace(QLatin1String("\\\""), QLatin1String("\""));
            name.replace(QLatin1String("\\\\"), QLatin1String("\\"));
        }
        result.name = withoutControls(name);
        address = address.mid(open + 1, address.size() - open - 2).trimmed();
    }
    const qsizetype at = address.lastIndexOf(QLatin1Char('@'));
    if (at <= 0 || at == address.size() - 1 || address.size() > 254)
        return NCReportMailAddress();
    const QString local = address.left(at);
    static const QString forbidden = QStringLiteral("<>()[]\\,;:\"@ ");
    for (const QChar c : local) {
        if (c.unicode() <= 0x20 || c.unicode() >= 0x7f || forbidden.contains(c))
            return NCReportMailAddress();
    }
    const QByteArray domain = QUrl::toAce(address.mid(at + 1));
    if (domain.isEmpty() || domain.startsWith('.') || domain.endsWith('.') || domain.contains(".."))
        return NCReportMailAddress();
    for (const char c : domain) {
        const bool allowed = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')
            || c == '-' || c == '.';
        if (!allowed)
            return NCReportMailAddress();
    }
    result.address = local.toLatin1() + '@' + domain;
    return result;
}

NCReportMailer::Error NCReportMimeWriter::compose(const NCReportMailMessage& message, const QDateTime& now,
                                                  Composed* composed, QString* error,
                                                  const std::atomic<bool>* cancelled)
{
    QList<NCReportMailAddress> from, replyTo, to, cc, bcc;
    if (!parseAddresses({message.from}, &from, error) || !parseAddresses({message.replyTo}, &replyTo, error)
        || !parseAddresses(message.to, &to, error) || !parseAddresses(message.cc, &cc, error)
        || !parseAddresses(message.bcc, &bcc, error))
        return NCReportMailer::Error::InvalidMessage;
    if (from.isEmpty()) {
        *error = QCoreApplication::translate("NCReportMailer", "The message has no sender");
        return NCReportMailer::Error::InvalidMessage;
    }
    composed->sender = from.first().address;
    composed->recipients.clear();
    for (const QList<NCReportMailAddress>* list : {&to, &cc, &bcc}) {
        for (const NCReportMailAddress& address : *list) {
            if (!composed->recipients.contains(address.address))
                composed->recipients.append(address.address);
        }
    }
    if (composed->recipients.isEmpty()) {
        *error = QCoreApplication::translate("NCReportMailer", "The message has no recipient");
        return NCReportMailer::Error::InvalidMessage;
    }

    struct Attachment {
        QString fileName;
        QString mimeType;
        QByteArray data;
    };
    QList<Attachment> attachments;
    qsizetype attachedBytes = 0;
    QMimeDatabase mimeTypes;
    for (const NCReportMailMessage::Attachment& attachment : message.attachments()) {
        QByteArray data = attachment.data;
        QString fileName = attachment.fileName;
        if (data.isEmpty() && !attachment.path.isEmpty()) {
            QFile file(attachment.path);
            if (!file.open(QIODevice::ReadOnly)) {
                *error = QCoreApplication::translate("NCReportMailer", "The attachment %1 cannot be read: %2").arg(attachment.path, file.errorString());
                return NCReportMailer::Error::AttachmentUnreadable;
            }
            data = file.readAll();
            if (fileName.isEmpty())
                fileName = QFileInfo(attachment.path).fileName();
        }
        fileName = withoutControls(fileName);
        QString mimeType = attachment.mimeType;
        if (mimeType.count(QLatin1Char('/')) != 1 || !isToken(mimeType.section(QLatin1Char('/'), 0, 0))
            || !isToken(mimeType.section(QLatin1Char('/'), 1)))
            mimeType = mimeTypes.mimeTypeForFile(fileName, QMimeDatabase::MatchExtension).name();
        attachedBytes += data.size();
        attachments.append({fileName, mimeType, data});
    }

    QByteArray& out = composed->data;
    out.clear();
    // Attachments grow by a third in Base64, and by a line break every 76 characters.
    out.reserve(attachedBytes / 57 * 78 + 78 + 65536);
    out += "Date: " + date(now) + crlf + addressHeader("From", from);
    if (!replyTo.isEmpty())
        out += addressHeader("Reply-To", replyTo);
    if (!to.isEmpty())
        out += addressHeader("To", to);
    if (!cc.isEmpty())
        out += addressHeader("Cc", cc);
    out += "Subject: " + encodedWords(message.subject, 9) + crlf;
    const QByteArray domain = composed->sender.mid(composed->sender.lastIndexOf('@') + 1);
    out += "Message-ID: <" + QUuid::createUuid().toRfc4122().toHex() + "@" + domain + ">" + crlf;
    out += "MIME-Version: 1.0" + crlf;

    QByteArray body = textPart("plain", message.body);
    if (!message.htmlBody.isEmpty())
        body = multipart("alternative", {body, textPart("html", message.htmlBody)});
    if (attachments.isEmpty()) {
        out += body;
        return NCReportMailer::Error::None;
    }
    // The attachments are written straight into the message, which may run to tens of megabytes.
    const QByteArray separator = boundary();
    out += "Content-Type: multipart/mixed; boundary=\"" + separator + "\"" + crlf + crlf;
    out += "--" + separator + crlf + body + crlf;
    for (const Attachment& attachment : attachments) {
        out += "--" + separator + crlf + attachmentHeaders(attachment.fileName, attachment.mimeType) + crlf;
        if (!appendBase64Lines(out, attachment.data, cancelled))
            return NCReportMailer::Error::Cancelled;
        out += crlf;
    }
    out += "--" + separator + "--" + crlf;
    return NCReportMailer::Error::None;
}

QByteArray NCReportMimeWriter::encodedWords(const QString& text, int used)
{
    const QString clean = withoutControls(text);
    if (isPrintableAscii(clean) && !clean.contains(QLatin1String("=?")) && used + clean.size() <= lineLimit)
        return clean.toLatin1();
    QByteArray words;
    QByteArray chunk;
    const auto flush = [&] {
        if (!words.isEmpty())
            words += crlf + " ";
        words += "=?UTF-8?B?" + chunk.toBase64() + "?=";
        chunk.clear();
    };
    for (qsizetype i = 0; i < clean.size(); ++i) {
        // A word holds whole characters: a surrogate pair stays together.
        const qsizetype length = clean.at(i).isHighSurrogate() && i + 1 < clean.size() ? 2 : 1;
        const QByteArray character = clean.mid(i, length).toUtf8();
        if (chunk.size() + character.size() > encodedWordBytes)
            flush();
        chunk += character;
        i += length - 1;
    }
    if (!chunk.isEmpty() || words.isEmpty())
        flush();
    return words;
}

QByteArray NCReportMimeWriter::phrase(const QString& name, int used)
{
    const QString clean = withoutControls(name);
    if (!isPrintableAscii(clean) || clean.contains(QLatin1String("=?")))
        return encodedWords(clean, used);
    if (isAtomText(clean))
        return clean.toLatin1();
    QString quoted = clean;
    quoted.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    quoted.replace(QLatin1Char('"'), QLatin1String("\\\""));
    return '"' + quoted.toLatin1() + '"';
}

QByteArray NCReportMimeWriter::parameter(const QByteArray& name, const QString& value)
{
    if (isPrintableAscii(value) && !value.contains(QLatin1Char('"')) && !value.contains(QLatin1Char('\\'))
        && value.size() <= 60)
        return ";" + crlf + " " + name + "=\"" + value.toLatin1() + "\"";
    // RFC 2231: the UTF-8 bytes percent-encoded, cut into continuations between escapes.
    static const QByteArray unreserved("!#$&+-.^_`|~");
    QList<QByteArray> segments{"UTF-8''"};
    for (const char c : value.toUtf8()) {
        const uchar byte = uchar(c);
        QByteArray piece;
        if ((byte >= 'a' && byte <= 'z') || (byte >= 'A' && byte <= 'Z') || (byte >= '0' && byte <= '9')
            || unreserved.contains(c))
            piece = QByteArray(1, c);
        else
            piece = "%" + QByteArray::number(byte, 16).toUpper().rightJustified(2, '0');
        if (segments.last().size() + piece.size() > 60)
            segments.append(QByteArray());
        segments.last() += piece;
    }
    if (segments.size() == 1)
        return ";" + crlf + " " + name + "*=" + segments.first();
    QByteArray result;
    for (qsizetype i = 0; i < segments.size(); ++i)
        result += ";" + crlf + " " + name + "*" + QByteArray::number(qlonglong(i)) + "*=" + segments.at(i);
    return result;
}

QByteArray NCReportMimeWriter::quotedPrintable(const QString& text)
{
    QString normalized = text;
    normalized.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    normalized.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    const QList<QByteArray> lines = normalized.toUtf8().split('\n');
    QByteArray out;
    out.reserve(normalized.size() * 3 / 2);
    for (qsizetype l = 0; l < lines.size(); ++l) {
        const QByteArray& line = lines.at(l);
        int column = 0;
        for (qsizetype i = 0; i < line.size(); ++i) {
            const uchar byte = uchar(line.at(i));
            const bool last = i == line.size() - 1;
            // Spaces at the end of a line would be lost on the way, and a dot at the start of one
            // is doubled or taken for the end of the message by careless servers.
            const bool literal = (byte > 32 && byte < 127 && byte != '=' && !(column == 0 && byte == '.'))
                || ((byte == ' ' || byte == '\t') && !last);
            const QByteArray token = literal
                ? QByteArray(1, char(byte))
                : "=" + QByteArray::number(byte, 16).toUpper().rightJustified(2, '0');
            if (column + token.size() > lineLimit - 1) {
                out += "=" + crlf;
                column = 0;
            }
            out += token;
            column += int(token.size());
        }
        if (l + 1 < lines.size())
            out += crlf;
    }
    return out;
}

bool NCReportMimeWriter::appendBase64Lines(QByteArray& out, const QByteArray& data,
                                           const std::atomic<bool>* cancelled)
{
    static const char alphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    // 57 bytes make one line of 76 characters.
    constexpr qsizetype lineBytes = lineLimit / 4 * 3;
    const qsizetype size = data.size();
    const qsizetype lines = (size + lineBytes - 1) / lineBytes;
    const qsizetype start = out.size();
    out.resize(start + (size + 2) / 3 * 4 + std::max<qsizetype>(lines - 1, 0) * 2);
    const auto* from = reinterpret_cast<const uchar*>(data.constData());
    char* to = out.data() + start;
    for (qsizetype at = 0; at < size; at += lineBytes) {
        // A look at cancel() every megabyte or so.
        if (cancelled && at % (lineBytes * 16384) == 0 && *cancelled)
            return false;
        if (at > 0) {
            *to++ = '\r';
            *to++ = '\n';
        }
        const qsizetype end = std::min(size, at + lineBytes);
        qsizetype i = at;
        for (; i + 3 <= end; i += 3) {
            const uint triple = uint(from[i]) << 16 | uint(from[i + 1]) << 8 | from[i + 2];
            *to++ = alphabet[triple >> 18];
            *to++ = alphabet[(triple >> 12) & 63];
            *to++ = alphabet[(triple >> 6) & 63];
            *to++ = alphabet[triple & 63];
        }
        if (i < end) {
            const uint triple = uint(from[i]) << 16 | (i + 1 < end ? uint(from[i + 1]) << 8 : 0u);
            *to++ = alphabet[triple >> 18];
            *to++ = alphabet[(triple >> 12) & 63];
            *to++ = i + 1 < end ? alphabet[(triple >> 6) & 63] : '=';
            *to++ = '=';
        }
    }
    return true;
}

QByteArray NCReportMimeWriter::date(const QDateTime& dateTime)
{
    const int offset = dateTime.offsetFromUtc() / 60;
    const int hours = qAbs(offset) / 60;
    const int minutes = qAbs(offset) % 60;
    return QLocale::c().toString(dateTime, QStringLiteral("ddd, dd MMM yyyy hh:mm:ss ")).toLatin1()
        + (offset < 0 ? "-" : "+") + QByteArray::number(hours).rightJustified(2, '0')
        + QByteArray::number(minutes).rightJustified(2, '0');
}
