#include "ncreportsmtpconversation_p.h"

#include <algorithm>

namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// The command's name: its leading letters, upper-cased; empty when the line does not start with
// a word of letters.
QByteArray verbOf(const QByteArray& line)
{
    int length = 0;
    while (length < line.size() && length < 10) {
        const char c = line.at(length);
        if (!((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')))
            break;
        ++length;
    }
    if (length < line.size() && line.at(length) != ' ')
        return QByteArray();
    return line.left(length).toUpper();
}

// The address between the first '<' and the '>' after it: "MAIL FROM:<a@b> SIZE=10".
QString addressOf(const QByteArray& line)
{
    const int open = line.indexOf('<');
    const int close = open < 0 ? -1 : line.indexOf('>', open);
    if (close < 0)
        return QString();
    return QString::fromUtf8(line.mid(open + 1, close - open - 1));
}

} // namespace

void NCReportSmtpConversation::sent(const QByteArray& bytes)
{
    for (QByteArray line : bytes.split('\n')) {
        if (line.endsWith('\r'))
            line.chop(1);
        if (line.isEmpty())
            continue;
        // Lines that answer an AUTH challenge are credentials: nothing of them is looked at.
        if (m_command == Command::Auth && m_last.command == Command::Auth && m_last.code == 334)
            continue;
        const QByteArray verb = verbOf(line);
        m_argument.clear();
        if (verb == "EHLO" || verb == "HELO") {
            m_command = Command::Ehlo;
        } else if (verb == "STARTTLS") {
            m_command = Command::StartTls;
        } else if (verb == "AUTH") {
            m_command = Command::Auth;
            m_authenticationSent = true;
        } else if (verb == "MAIL") {
            m_command = Command::Mail;
            m_argument = addressOf(line);
            if (!m_authenticationSent)
                m_mailWithoutAuthentication = true;
        } else if (verb == "RCPT") {
            m_command = Command::Rcpt;
            m_argument = addressOf(line);
        } else if (verb == "DATA") {
            m_command = Command::Data;
        } else if (verb == "QUIT") {
            m_command = Command::Quit;
        } else {
            m_command = Command::Other;
        }
    }
}

void NCReportSmtpConversation::received(const QByteArray& bytes)
{
    qsizetype start = 0;
    while (start < bytes.size()) {
        const qsizetype newline = bytes.indexOf('\n', start);
        const qsizetype end = newline < 0 ? bytes.size() : newline;
        if (!m_discarding) {
            const qsizetype room = maxLineLength - m_pending.size();
            const qsizetype take = std::min(room, end - start);
            m_pending.append(bytes.constData() + start, int(take));
            m_discarding = take < end - start;
        }
        if (newline < 0)
            break;
        readLine(m_pending);
        m_pending.clear();
        m_discarding = false;
        start = newline + 1;
    }
}

void NCReportSmtpConversation::readLine(const QByteArray& line)
{
    const qsizetype length = line.endsWith('\r') ? line.size() - 1 : line.size();
    const bool hasCode = length >= 3 && line.at(0) >= '1' && line.at(0) <= '5' && isDigit(line.at(1))
        && isDigit(line.at(2));
    const char separator = length > 3 ? line.at(3) : ' ';
    if (!hasCode || (separator != ' ' && separator != '-')) {
        ++m_malformedLines;
        return;
    }
    const int code = (line.at(0) - '0') * 100 + (line.at(1) - '0') * 10 + (line.at(2) - '0');
    if (m_lines.size() < maxKeywords)
        m_lines.append(cleanText(line.mid(4, length - 4)));
    if (separator == ' ')
        finishReply(code);
}

void NCReportSmtpConversation::finishReply(int code)
{
    Reply reply;
    reply.command = m_command;
    reply.argument = m_argument;
    reply.code = code;
    reply.text = m_lines.join(QLatin1Char(' ')).simplified().left(maxTextLength);

    // The first line of an EHLO reply greets; each further one names an extension.
    if (m_command == Command::Ehlo && code == 250) {
        m_extensions.clear();
        for (qsizetype i = 1; i < m_lines.size(); ++i)
            m_extensions.append(m_lines.at(i).section(QLatin1Char(' '), 0, 0).toUpper());
    }
    if (reply.isNegative() && !hasRefusal() && m_command != Command::Quit)
        m_refusal = reply;
    // After DATA's go-ahead, the next reply answers the message itself.
    if (m_command == Command::Data && code == 354) {
        m_command = Command::EndOfData;
        m_argument.clear();
    }
    m_last = reply;
    m_lines.clear();
}

QString NCReportSmtpConversation::cleanText(const QByteArray& bytes)
{
    // With its length: a zero byte does not end the text.
    QString text = QString::fromUtf8(bytes.constData(), int(std::min<qsizetype>(bytes.size(), maxTextLength * 4)));
    for (QChar& c : text) {
        // Controls and direction marks would garble the message that quotes the text.
        if (c.category() == QChar::Other_Control || c.category() == QChar::Other_Format)
            c = QLatin1Char(' ');
    }
    return text.left(maxTextLength);
}
