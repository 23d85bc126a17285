#include "messagelogcapture.h"

#include <QStringList>

namespace {
MessageLogCapture* s_current = nullptr;
QtMessageHandler s_forward = nullptr;
} // namespace

MessageLogCapture::MessageLogCapture()
    : m_outer(s_current)
{
    s_current = this;
    m_previous = qInstallMessageHandler(&MessageLogCapture::handler);
    if (!m_outer)
        s_forward = m_previous;
}

MessageLogCapture::~MessageLogCapture()
{
    qInstallMessageHandler(m_previous);
    s_current = m_outer;
}

QList<MessageLogCapture::Message> MessageLogCapture::messages() const
{
    return m_messages;
}

QStringList MessageLogCapture::texts(QtMsgType type) const
{
    QStringList result;
    for (const Message& message : m_messages) {
        if (message.type == type)
            result.append(message.text);
    }
    return result;
}

bool MessageLogCapture::contains(QtMsgType type, const QString& text) const
{
    return texts(type).contains(text);
}

void MessageLogCapture::clear()
{
    m_messages.clear();
}

void MessageLogCapture::handler(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (s_current)
        s_current->m_messages.append({type, text});
    if (s_forward)
        s_forward(type, context, text);
}
