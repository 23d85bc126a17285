#pragma once

#include <QList>
#include <QString>
#include <QtGlobal>

/*!
    Records what the code under test writes to the Qt message log while the object lives, so a
    test can assert the exact (Spanish) diagnostic. Messages still reach the previous handler.
*/
class MessageLogCapture
{
public:
    struct Message {
        QtMsgType type;
        QString text;
    };

    MessageLogCapture();
    ~MessageLogCapture();
    MessageLogCapture(const MessageLogCapture&) = delete;
    MessageLogCapture& operator=(const MessageLogCapture&) = delete;

    QList<Message> messages() const;
    QStringList texts(QtMsgType type) const;
    bool contains(QtMsgType type, const QString& text) const;
    void clear();

private:
    static void handler(QtMsgType type, const QMessageLogContext& context, const QString& text);

    QtMessageHandler m_previous = nullptr;
    MessageLogCapture* m_outer = nullptr;
    QList<Message> m_messages;
};
