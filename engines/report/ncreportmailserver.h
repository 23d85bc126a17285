#pragma once

#include "ncreport_global.h"

#include <QString>

/*!
    The mail server a message goes through: where it is, how the connection is encrypted and who
    logs in. StartTls (the default) insists on the server's STARTTLS: a server that does not offer
    it is an error, never a reason to go on unencrypted. Tls speaks TLS from the first byte (port
    465). The user and password are sent only when a user is given, with a mechanism the server
    offers.
*/
struct NCREPORT_EXPORT NCReportMailServer {
    enum class Security { None, StartTls, Tls };

    QString host;
    quint16 port = 587;
    Security security = Security::StartTls;
    QString user;
    QString password;
    // How long the server may stay silent (and a connection take) before the send fails.
    int timeoutMs = 30000;
    // Whether a certificate the system does not trust (a self-signed one) is accepted.
    bool acceptUntrustedCertificate = false;

    // "host:port", the name the errors give the server by.
    QString displayName() const;
    // 25, 587 or 465, the usual port of each kind of connection.
    static quint16 defaultPort(Security security);
};
