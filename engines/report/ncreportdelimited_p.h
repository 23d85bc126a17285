#pragma once

// Reading delimited text (not part of the public headers): one set of quoting rules for the
// records of a text file and for the fields of each record.

#include <QChar>
#include <QStringView>

/*!
    Walks delimited text a character at a time, as RFC 4180 quotes it: a '"' opens a quoted field
    only where a field starts (at the beginning of a line or after a delimiter); inside quotes
    the delimiter and line breaks are text and "" is one quote, and the next lone '"' closes the
    quotes. Anywhere else a '"' is text, so an inch mark in `Monitor 24";199` stays in its field
    instead of quoting the rest of the file.
*/
class NCReportDelimitedReader
{
public:
    enum Step {
        Text,          // text[at] belongs to the field (for "" inside quotes, the second quote)
        Quote,         // a quote that opens or closes a quoted field: no text of the field
        FieldEnd,      // a delimiter outside quotes
        RecordEnd      // a line break outside quotes, when line breaks end records
    };

    NCReportDelimitedReader(QStringView text, QChar delimiter, bool lineBreaksEndRecords)
        : m_text(text)
        , m_delimiter(delimiter)
        , m_lineBreaksEndRecords(lineBreaksEndRecords)
    {
    }

    bool atEnd() const { return m_at >= m_text.size(); }
    // The position of the character the last step() took.
    qsizetype position() const { return m_at - 1; }

    // Takes the next character (two for a doubled quote inside quotes) and says what it is.
    Step step()
    {
        const QChar quote = QLatin1Char('"');
        const QChar ch = m_text.at(m_at++);
        if (m_quoted) {
            if (ch != quote)
                return Text;
            if (m_at < m_text.size() && m_text.at(m_at) == quote) {
                ++m_at;
                return Text;
            }
            m_quoted = false;
            return Quote;
        }
        const bool fieldStart = m_fieldStart;
        m_fieldStart = false;
        if (ch == m_delimiter) {
            m_fieldStart = true;
            return FieldEnd;
        }
        if (ch == QLatin1Char('\n') && m_lineBreaksEndRecords) {
            m_fieldStart = true;
            return RecordEnd;
        }
        if (ch == quote && fieldStart) {
            m_quoted = true;
            return Quote;
        }
        return Text;
    }

private:
    QStringView m_text;
    QChar m_delimiter;
    bool m_lineBreaksEndRecords;
    qsizetype m_at = 0;
    bool m_quoted = false;
    bool m_fieldStart = true;
};
