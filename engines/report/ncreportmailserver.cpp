#include "ncreportmailserver.h"

QString NCReportMailServer::displayName() const
{
    // An IPv6 address is bracketed, so that its colons do not run into the port's.
    const QString name = host.contains(QLatin1Char(':')) ? QLatin1Char('[') + host + QLatin1Char(']') : host;
    return name + QLatin1Char(':') + QString::number(port);
}

quint16 NCReportMailServer::defaultPort(Security security)
{
    switch (security) {
    case Security::None:
        return 25;
    case Security::StartTls:
        return 587;
    case Security::Tls:
        return 465;
    }
    return 587;
}
