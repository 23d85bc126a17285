#include "mirokittest.h"
#include "reportdesignertest.h"

#include <ncrdmaildialog.h>
#include <ncrdmainwindow.h>
#include <ncreportpreviewwindow.h>
#include <ncreport.h>
#include <ncreportmailer.h>
#include <ncreportmimewriter_p.h>
#include <ncreportsmtpconversation_p.h>

#include <QComboBox>
#include <QCryptographicHash>
#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRandomGenerator>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QStatusBar>
#include <QTcpServer>

namespace {

const QString python = QStringLiteral("/usr/bin/python3");
using Error = NCReportMailer::Error;
using Security = NCReportMailServer::Security;

// Debian's aiosmtpd run by tests/report/smtpserver.py, on a free port of 127.0.0.1; what it
// received is read back through Python's email package.
class SmtpServer
{
public:
    explicit SmtpServer(const QStringList& arguments)
    {
        m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_process.start(python, QStringList{QStringLiteral(SMTPSERVER_SCRIPT), QStringLiteral("--out"), m_folder.path()}
                                    + arguments);
        QElapsedTimer clock;
        clock.start();
        while (!m_process.canReadLine() && clock.elapsed() < 20000 && m_process.state() != QProcess::NotRunning)
            m_process.waitForReadyRead(200);
        const QByteArray line = m_process.readLine().trimmed();
        if (line.startsWith("PORT "))
            m_port = quint16(line.mid(5).toUInt());
    }
    ~SmtpServer()
    {
        m_process.closeWriteChannel();
        if (!m_process.waitForFinished(5000))
            m_process.kill();
        m_process.waitForFinished(5000);
    }

    quint16 port() const { return m_port; }
    int received() const { return int(QDir(m_folder.path()).entryList({QStringLiteral("*.json")}).size()); }
    QJsonObject record(int number) const
    {
        QFile file(m_folder.filePath(QString::number(number) + QStringLiteral(".json")));
        return file.open(QIODevice::ReadOnly) ? QJsonDocument::fromJson(file.readAll()).object() : QJsonObject();
    }
    QJsonObject message(int number) const { return record(number).value(QStringLiteral("message")).toObject(); }

private:
    QTemporaryDir m_folder;
    QProcess m_process;
    quint16 m_port = 0;
};

QStringList strings(const QJsonValue& value)
{
    QStringList list;
    for (const QJsonValue& item : value.toArray())
        list.append(item.toString());
    return list;
}

QString sha256(const QByteArray& data)
{
    return QString::fromLatin1(QCryptographicHash::hash(data, QCryptographicHash::Sha256).toHex());
}

NCReportMailMessage simpleMessage()
{
    NCReportMailMessage message;
    message.from = QStringLiteral("Facturación <facturas@example.com>");
    message.to = QStringList{QStringLiteral("cliente@example.com")};
    message.subject = QStringLiteral("Prueba");
    message.body = QStringLiteral("Hola");
    return message;
}

// A report with a detail, so that every output has rows to write.
const QByteArray salesReport =
    "<report name=\"Ventas\"><datasources><datasource id=\"ds\" type=\"3\" delimiter=\";\" header=\"true\">"
    "<string>cliente;importe</string><string>Íñigo;10</string><string>Ana;20</string></datasource></datasources>"
    "<detail id=\"d\" dataSource=\"ds\" height=\"6\"><field x=\"0\" y=\"0\" width=\"50\" height=\"6\">$D{cliente}</field>"
    "<field x=\"60\" y=\"0\" width=\"30\" height=\"6\">$D{importe}</field></detail></report>";

// The mail dialog's server settings pointed at `smtp`, plain, from facturas@example.com.
void useInSettings(const SmtpServer& smtp)
{
    QSettings settings;
    settings.beginGroup(QStringLiteral("NCReport/Mail"));
    settings.setValue(QStringLiteral("Host"), QStringLiteral("127.0.0.1"));
    settings.setValue(QStringLiteral("Port"), smtp.port());
    settings.setValue(QStringLiteral("Security"), int(NCReportMailServer::Security::None));
    settings.setValue(QStringLiteral("User"), QString());
    settings.setValue(QStringLiteral("From"), QStringLiteral("facturas@example.com"));
}

// Sanitized builds run the TLS handshakes several times slower: the failure tests give the
// server that much longer, and the failure that much longer to come back past the timeout.
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
constexpr int slowdown = 4;
#else
constexpr int slowdown = 1;
#endif

QByteArray randomBytes(int size)
{
    QByteArray data(size, Qt::Uninitialized);
    QRandomGenerator generator(7);
    generator.fillRange(reinterpret_cast<quint32*>(data.data()), size / 4);
    return data;
}

} // namespace

Q_DECLARE_METATYPE(NCReportMailServer::Security)
Q_DECLARE_METATYPE(NCReportMailMessage::ReportFormat)

class TestNCReportMailer : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_certificates;
    QString m_cert;
    QString m_key;

    NCReportMailServer serverAt(const SmtpServer& smtp, Security security = Security::None) const
    {
        NCReportMailServer server;
        server.host = QStringLiteral("127.0.0.1");
        server.port = smtp.port();
        server.security = security;
        server.timeoutMs = 5000;
        return server;
    }
    QStringList tlsArguments(const QString& mode) const
    {
        return {QStringLiteral("--mode"), mode, QStringLiteral("--cert"), m_cert, QStringLiteral("--key"), m_key};
    }

private Q_SLOTS:
    void initTestCase()
    {
        if (!QFile::exists(python)
            || QProcess::execute(python, {QStringLiteral("-c"), QStringLiteral("import aiosmtpd")}) != 0)
            QSKIP("Debian's python3-aiosmtpd is not installed (scripts/setup-deps installs it)");
        m_cert = m_certificates.filePath(QStringLiteral("cert.pem"));
        m_key = m_certificates.filePath(QStringLiteral("key.pem"));
        // A throwaway certificate for 127.0.0.1 that no system trusts.
        QProcess openssl;
        openssl.setProcessChannelMode(QProcess::MergedChannels);
        openssl.start(QStringLiteral("openssl"),
                      {QStringLiteral("req"), QStringLiteral("-x509"), QStringLiteral("-newkey"), QStringLiteral("ec"),
                       QStringLiteral("-pkeyopt"), QStringLiteral("ec_paramgen_curve:prime256v1"), QStringLiteral("-nodes"),
                       QStringLiteral("-keyout"), m_key, QStringLiteral("-out"), m_cert, QStringLiteral("-days"),
                       QStringLiteral("2"), QStringLiteral("-subj"), QStringLiteral("/CN=localhost"), QStringLiteral("-addext"),
                       QStringLiteral("subjectAltName=DNS:localhost,IP:127.0.0.1")});
        QVERIFY2(openssl.waitForFinished(30000) && openssl.exitCode() == 0, openssl.readAll().constData());
    }

    // The whole road: a report's PDF and texts in Spanish, through a real server, decoded back.
    void reportArrivesAsWritten()
    {
        SmtpServer smtp({});
        QVERIFY(smtp.port());
        NCReport report;
        report.setReportSource("<report name=\"Factura\"><pageHeader height=\"10\"><label x=\"0\" y=\"0\" width=\"100\" "
                               "height=\"8\">Factura nº 7</label></pageHeader></report>");
        QVERIFY(report.load());

        NCReportMailMessage message;
        message.from = QStringLiteral("Facturación Muñoz <facturas@example.com>");
        message.to = QStringList{QStringLiteral("Íñigo Ibáñez <inigo@example.com>")};
        message.cc = QStringList{QStringLiteral("copia@example.com")};
        message.bcc = QStringList{QStringLiteral("oculto@example.com")};
        message.replyTo = QStringLiteral("respuestas@example.com");
        message.subject = QStringLiteral("Factura nº 7 — Ibáñez");
        message.body = QStringLiteral("Adjunto la factura.\n.Una línea que empieza con punto\nAdiós, señor  \n");
        message.htmlBody = QStringLiteral("<p>Adjunto la <b>factura</b>.</p>");
        NCReportError error;
        QVERIFY2(message.attachReport(&report, NCReportMailMessage::ReportFormat::Pdf, QStringLiteral("factura_ibáñez.pdf"), &error),
                 qPrintable(error.toString()));
        const QByteArray pdf = message.attachments().value(0).data;
        QVERIFY(pdf.startsWith("%PDF"));

        NCReportMailer mailer;
        mailer.setServer(serverAt(smtp));
        QVERIFY2(mailer.send(message), qPrintable(mailer.errorString()));
        QCOMPARE(mailer.error(), Error::None);

        const QJsonObject record = smtp.record(1);
        QCOMPARE(record.value(QStringLiteral("mail_from")).toString(), QStringLiteral("facturas@example.com"));
        QCOMPARE(strings(record.value(QStringLiteral("rcpt_tos"))),
                 (QStringList{QStringLiteral("inigo@example.com"), QStringLiteral("copia@example.com"), QStringLiteral("oculto@example.com")}));
        const QJsonObject received = smtp.message(1);
        QCOMPARE(received.value(QStringLiteral("subject")).toString(), message.subject);
        QCOMPARE(strings(received.value(QStringLiteral("from_names"))), QStringList{QStringLiteral("Facturación Muñoz")});
        QCOMPARE(strings(received.value(QStringLiteral("to_names"))), QStringList{QStringLiteral("Íñigo Ibáñez")});
        QCOMPARE(received.value(QStringLiteral("cc")).toString(), QStringLiteral("copia@example.com"));
        QCOMPARE(received.value(QStringLiteral("reply_to")).toString(), QStringLiteral("respuestas@example.com"));
        QVERIFY(!strings(received.value(QStringLiteral("headers"))).contains(QStringLiteral("Bcc"), Qt::CaseInsensitive));
        QVERIFY(received.value(QStringLiteral("message_id")).toString().endsWith(QStringLiteral("@example.com>")));
        QVERIFY(received.value(QStringLiteral("date_valid")).toBool());
        QCOMPARE(received.value(QStringLiteral("text")).toString(), message.body);
        QCOMPARE(received.value(QStringLiteral("html")).toString(), message.htmlBody);
        const QJsonObject attachment = received.value(QStringLiteral("attachments")).toArray().at(0).toObject();
        QCOMPARE(attachment.value(QStringLiteral("filename")).toString(), QStringLiteral("factura_ibáñez.pdf"));
        QCOMPARE(attachment.value(QStringLiteral("content_type")).toString(), QStringLiteral("application/pdf"));
        QCOMPARE(attachment.value(QStringLiteral("sha256")).toString(), sha256(pdf));
    }

    void headersDecodeBack_data()
    {
        QTest::addColumn<QString>("subject");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("fileName");
        QTest::newRow("a long subject in Chinese is cut between characters")
            << QStringLiteral("报表").repeated(40) << QStringLiteral("王小明") << QStringLiteral("报表.pdf");
        QTest::newRow("characters outside the basic plane stay whole")
            << QStringLiteral("Resumen 📊📈 del año 𝄞").repeated(5) << QStringLiteral("Ana 😀") << QStringLiteral("📊.csv");
        QTest::newRow("text that looks like an encoded word is taken literally")
            << QStringLiteral("=?UTF-8?B?aG9sYQ==?= no es código") << QStringLiteral("=?x?=") << QStringLiteral("=?x?=.txt");
        QTest::newRow("a name with quotes, commas and backslashes")
            << QStringLiteral("Plain ASCII subject") << QStringLiteral("Pérez, \"el \\ jefe\"") << QStringLiteral("a \"b\" c.txt");
        QTest::newRow("a very long accented attachment name is continued")
            << QStringLiteral("Anexo") << QStringLiteral("Ana") << QStringLiteral("añoñ").repeated(40) + QStringLiteral(".pdf");
        QTest::newRow("a long ASCII subject is folded")
            << QStringLiteral("word ").repeated(60).trimmed() << QStringLiteral("Ana") << QStringLiteral("plain.txt");
    }

    void headersDecodeBack()
    {
        QFETCH(QString, subject);
        QFETCH(QString, name);
        QFETCH(QString, fileName);
        SmtpServer smtp({});
        NCReportMailMessage message = simpleMessage();
        message.subject = subject;
        message.to = QStringList{QStringLiteral("\"") + QString(name).replace(QLatin1Char('\\'), QLatin1String("\\\\")).replace(QLatin1Char('"'), QLatin1String("\\\""))
                      + QStringLiteral("\" <dest@example.com>")};
        message.addAttachment(fileName, "contenido", QString());
        NCReportMailer mailer;
        mailer.setServer(serverAt(smtp));
        QVERIFY2(mailer.send(message), qPrintable(mailer.errorString()));
        const QJsonObject received = smtp.message(1);
        QCOMPARE(received.value(QStringLiteral("subject")).toString(), subject);
        QCOMPARE(strings(received.value(QStringLiteral("to_names"))), QStringList{name});
        QCOMPARE(received.value(QStringLiteral("attachments")).toArray().at(0).toObject().value(QStringLiteral("filename")).toString(),
                 fileName);
    }

    void sendsThroughEachKindOfConnection_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<Security>("security");
        QTest::addColumn<bool>("withLogin");
        QTest::newRow("STARTTLS without logging in") << QStringLiteral("starttls") << Security::StartTls << false;
        QTest::newRow("STARTTLS, logging in") << QStringLiteral("starttls") << Security::StartTls << true;
        QTest::newRow("TLS from the start, logging in") << QStringLiteral("tls") << Security::Tls << true;
    }

    void sendsThroughEachKindOfConnection()
    {
        QFETCH(QString, mode);
        QFETCH(Security, security);
        QFETCH(bool, withLogin);
        QStringList arguments = tlsArguments(mode);
        if (withLogin)
            arguments << QStringLiteral("--auth") << QStringLiteral("ana:contraseña secreta");
        SmtpServer smtp(arguments);
        NCReportMailServer server = serverAt(smtp, security);
        server.acceptUntrustedCertificate = true;
        if (withLogin) {
            server.user = QStringLiteral("ana");
            server.password = QStringLiteral("contraseña secreta");
        }
        NCReportMailer mailer;
        mailer.setServer(server);
        QVERIFY2(mailer.send(simpleMessage()), qPrintable(mailer.errorString()));
        QCOMPARE(smtp.received(), 1);
        QCOMPARE(smtp.record(1).value(QStringLiteral("login")).toString(), withLogin ? QStringLiteral("ana") : QString());
    }

    void failsWithItsOwnError_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<Security>("security");
        QTest::addColumn<QString>("password");
        QTest::addColumn<Error>("error");
        QTest::addColumn<QString>("named");
        const QStringList login{QStringLiteral("--auth"), QStringLiteral("ana:buena")};
        QTest::newRow("a wrong password") << tlsArguments(QStringLiteral("starttls")) + login << Security::StartTls
                                          << QStringLiteral("mala") << Error::AuthenticationRefused << QString();
        QTest::newRow("a recipient the server refuses")
            << QStringList{QStringLiteral("--refuse"), QStringLiteral("nadie@example.com")} << Security::None << QString()
            << Error::RecipientRefused << QStringLiteral("nadie@example.com");
        QTest::newRow("a port nobody listens on") << QStringList{QStringLiteral("closed")} << Security::None << QString()
                                                  << Error::ConnectionRefused << QString();
        // A name under .invalid never resolves, with or without a network.
        QTest::newRow("a server name that does not resolve") << QStringList{QStringLiteral("unresolvable")}
                                                             << Security::None << QString() << Error::HostNotFound << QString();
        QTest::newRow("a server that never answers") << QStringList{QStringLiteral("--mode"), QStringLiteral("silent")}
                                                     << Security::None << QString() << Error::TimedOut << QString();
        QTest::newRow("a server that hangs up in the middle of the message")
            << QStringList{QStringLiteral("--mode"), QStringLiteral("drop")} << Security::None << QString()
            << Error::ConnectionLost << QString();
        QTest::newRow("a certificate nobody trusts, with STARTTLS") << tlsArguments(QStringLiteral("starttls"))
                                                                    << Security::StartTls << QString()
                                                                    << Error::CertificateRefused << QString();
        QTest::newRow("a certificate nobody trusts, with TLS") << tlsArguments(QStringLiteral("tls")) << Security::Tls
                                                               << QString() << Error::CertificateRefused << QString();
        QTest::newRow("STARTTLS asked of a server that does not offer it")
            << QStringList() << Security::StartTls << QString() << Error::TlsUnavailable << QString();
        QTest::newRow("a password for a server that offers no login")
            << QStringList() << Security::None << QStringLiteral("buena") << Error::AuthenticationUnavailable << QString();
        QTest::newRow("a message larger than the server takes")
            << QStringList{QStringLiteral("--max-size"), QStringLiteral("20000")} << Security::None << QString()
            << Error::MessageTooLarge << QString();
    }

    // Each failure is told apart, names the server, comes within the timeout and leaves nothing
    // delivered; the password appears nowhere.
    void failsWithItsOwnError()
    {
        QFETCH(QStringList, arguments);
        QFETCH(Security, security);
        QFETCH(QString, password);
        QFETCH(Error, error);
        QFETCH(QString, named);
        const bool closedPort = arguments == QStringList{QStringLiteral("closed")};
        const bool unresolvable = arguments == QStringList{QStringLiteral("unresolvable")};
        SmtpServer smtp(closedPort || unresolvable ? QStringList() : arguments);
        NCReportMailServer server = serverAt(smtp, security);
        server.timeoutMs = 2000 * slowdown;
        server.acceptUntrustedCertificate = error != Error::CertificateRefused;
        if (closedPort) {
            QTcpServer probe;
            QVERIFY(probe.listen(QHostAddress::LocalHost));
            server.port = probe.serverPort(); // closed again when the probe goes
        }
        if (unresolvable)
            server.host = QStringLiteral("smtp.invalid");
        if (!password.isEmpty()) {
            server.user = QStringLiteral("ana");
            server.password = password;
        }
        NCReportMailMessage message = simpleMessage();
        message.to.append(QStringLiteral("nadie@example.com"));
        message.addAttachment(QStringLiteral("datos.bin"), randomBytes(40000), QStringLiteral("application/octet-stream"));
        NCReportMailer mailer;
        mailer.setServer(server);
        QElapsedTimer clock;
        clock.start();
        QVERIFY(!mailer.send(message));
        QVERIFY2(clock.elapsed() < server.timeoutMs + 1500 * slowdown, qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(mailer.error(), error);
        QVERIFY2(mailer.errorString().contains(server.displayName()), qPrintable(mailer.errorString()));
        QVERIFY(mailer.errorString().contains(named));
        if (!password.isEmpty())
            QVERIFY(!mailer.errorString().contains(password));
        QCOMPARE(smtp.received(), 0);
    }

    void largeAttachmentArrivesWholeWithProgress()
    {
        SmtpServer smtp({});
        NCReportMailMessage message = simpleMessage();
        const QByteArray data = randomBytes(20 * 1024 * 1024);
        message.addAttachment(QStringLiteral("grande.bin"), data, QStringLiteral("application/octet-stream"));
        NCReportMailer mailer;
        // The server reads the whole message before it answers, at Python's pace.
        NCReportMailServer server = serverAt(smtp);
        server.timeoutMs = 60000;
        mailer.setServer(server);
        QSignalSpy progress(&mailer, &NCReportMailer::progress);
        QSignalSpy finished(&mailer, &NCReportMailer::finished);
        QVERIFY(mailer.sendAsync(message));
        QVERIFY(mailer.isSending());
        QVERIFY(!mailer.sendAsync(message));
        QVERIFY(finished.wait(120000));
        QVERIFY2(finished.at(0).at(0).toBool(), qPrintable(mailer.errorString()));
        QVERIFY(progress.size() > 2);
        qint64 previous = 0;
        for (const QList<QVariant>& step : progress) {
            QVERIFY(step.at(0).toLongLong() >= previous);
            previous = step.at(0).toLongLong();
        }
        QCOMPARE(progress.last().at(0).toLongLong(), progress.last().at(1).toLongLong());
        QVERIFY(progress.last().at(1).toLongLong() > data.size());
        const QJsonObject attachment = smtp.message(1).value(QStringLiteral("attachments")).toArray().at(0).toObject();
        QCOMPARE(attachment.value(QStringLiteral("size")).toInt(), data.size());
        QCOMPARE(attachment.value(QStringLiteral("sha256")).toString(), sha256(data));
    }

    void cancelStopsTheSend_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::newRow("while waiting for a server that says nothing") << QStringLiteral("silent");
        QTest::newRow("in the middle of a large upload") << QStringLiteral("plain");
    }

    void cancelStopsTheSend()
    {
        QFETCH(QString, mode);
        SmtpServer smtp({QStringLiteral("--mode"), mode});
        NCReportMailMessage message = simpleMessage();
        message.addAttachment(QStringLiteral("grande.bin"), randomBytes(40 * 1024 * 1024), QStringLiteral("application/octet-stream"));
        NCReportMailer mailer;
        NCReportMailServer server = serverAt(smtp);
        server.timeoutMs = 60000;
        mailer.setServer(server);
        QSignalSpy finished(&mailer, &NCReportMailer::finished);
        QElapsedTimer cancelledAt;
        if (mode == QLatin1String("silent"))
            QTimer::singleShot(300, &mailer, [&] { cancelledAt.start(); mailer.cancel(); });
        else
            connect(&mailer, &NCReportMailer::progress, &mailer, [&] { if (!cancelledAt.isValid()) { cancelledAt.start(); mailer.cancel(); } });
        QVERIFY(mailer.sendAsync(message));
        QVERIFY(finished.wait(30000));
        QVERIFY(cancelledAt.isValid());
        QVERIFY2(cancelledAt.elapsed() < 1000, qPrintable(QString::number(cancelledAt.elapsed()) + mailer.errorString()));
        QCOMPARE(finished.at(0).at(0).toBool(), false);
        QCOMPARE(mailer.error(), Error::Cancelled);
        QCOMPARE(smtp.received(), 0);
    }

    void destroyingTheMailerStopsItsSend()
    {
        SmtpServer smtp({QStringLiteral("--mode"), QStringLiteral("silent")});
        QElapsedTimer clock;
        {
            NCReportMailer mailer;
            mailer.setServer(serverAt(smtp));
            QVERIFY(mailer.sendAsync(simpleMessage()));
            QTest::qWait(200);
            clock.start();
        }
        QVERIFY2(clock.elapsed() < 1000, qPrintable(QString::number(clock.elapsed())));
    }

    void wrongAddressesAreRefusedBeforeConnecting_data()
    {
        QTest::addColumn<QString>("address");
        QTest::newRow("a line break that would add a header") << QStringLiteral("a@example.com\r\nBcc: x@example.com");
        QTest::newRow("no at sign") << QStringLiteral("cliente.example.com");
        QTest::newRow("a space inside") << QStringLiteral("cli ente@example.com");
        QTest::newRow("text after the angle brackets") << QStringLiteral("Ana <a@example.com> b@example.com");
        QTest::newRow("a comma that would add a recipient") << QStringLiteral("a@example.com,b@example.com");
        QTest::newRow("an accented local part") << QStringLiteral("íñigo@example.com");
    }

    void wrongAddressesAreRefusedBeforeConnecting()
    {
        QFETCH(QString, address);
        NCReportMailMessage message = simpleMessage();
        message.to = QStringList{address};
        NCReportMailer mailer;
        NCReportMailServer server;
        server.host = QStringLiteral("127.0.0.1");
        server.port = 1; // never reached
        mailer.setServer(server);
        QVERIFY(!mailer.send(message));
        QCOMPARE(mailer.error(), Error::InvalidMessage);
        QVERIFY(mailer.errorString().contains(QStringLiteral("not a valid")));
    }

    void addressesAreReadAsWritten_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("address");
        QTest::newRow("a bare address") << QStringLiteral(" ana@example.com ") << QString() << QByteArray("ana@example.com");
        QTest::newRow("a quoted name with a comma") << QStringLiteral("\"Pérez, Ana\" <ana@example.com>")
                                                    << QStringLiteral("Pérez, Ana") << QByteArray("ana@example.com");
        QTest::newRow("a domain in another script becomes ASCII")
            << QStringLiteral("Ana <ana@ibáñez.es>") << QStringLiteral("Ana") << QByteArray("ana@xn--ibez-6na0h.es");
    }

    void addressesAreReadAsWritten()
    {
        QFETCH(QString, text);
        QFETCH(QString, name);
        QFETCH(QByteArray, address);
        const NCReportMailAddress parsed = NCReportMailAddress::parse(text);
        QCOMPARE(parsed.name, name);
        QCOMPARE(parsed.address, address);
    }

    void eachReportFormatArrives_data()
    {
        QTest::addColumn<NCReportMailMessage::ReportFormat>("format");
        QTest::addColumn<QString>("contentType");
        QTest::addColumn<QByteArray>("start");
        QTest::newRow("PDF") << NCReportMailMessage::ReportFormat::Pdf << QStringLiteral("application/pdf") << QByteArray("%PDF");
        QTest::newRow("HTML") << NCReportMailMessage::ReportFormat::Html << QStringLiteral("text/html") << QByteArray("<");
        QTest::newRow("CSV") << NCReportMailMessage::ReportFormat::Csv << QStringLiteral("text/csv") << QByteArray();
        QTest::newRow("XLSX") << NCReportMailMessage::ReportFormat::Xlsx
                              << QStringLiteral("application/vnd.openxmlformats-officedocument.spreadsheetml.sheet")
                              << QByteArray("PK");
    }

    void eachReportFormatArrives()
    {
        QFETCH(NCReportMailMessage::ReportFormat, format);
        QFETCH(QString, contentType);
        QFETCH(QByteArray, start);
        SmtpServer smtp({});
        NCReport report;
        report.setReportSource(salesReport);
        QVERIFY(report.load());
        NCReportMailMessage message = simpleMessage();
        NCReportError error;
        QVERIFY2(message.attachReport(&report, format, QString(), &error), qPrintable(error.toString()));
        const QByteArray data = message.attachments().value(0).data;
        QVERIFY(!data.isEmpty());
        QVERIFY(data.startsWith(start));
        NCReportMailer mailer;
        mailer.setServer(serverAt(smtp));
        QVERIFY2(mailer.send(message), qPrintable(mailer.errorString()));
        const QJsonObject attachment = smtp.message(1).value(QStringLiteral("attachments")).toArray().at(0).toObject();
        QCOMPARE(attachment.value(QStringLiteral("filename")).toString(),
                 QStringLiteral("Ventas.") + NCReportMailMessage::suffix(format));
        QCOMPARE(attachment.value(QStringLiteral("content_type")).toString(), contentType);
        QCOMPARE(attachment.value(QStringLiteral("sha256")).toString(), sha256(data));
    }

    // The preview's command sends the pages it recorded, in the format chosen, without running
    // the report again.
    void previewSendsItsPages()
    {
        SmtpServer smtp({});
        useInSettings(smtp);
        NCReport report;
        report.setReportSource(salesReport);
        QVERIFY(report.load());
        NCReportPreviewWindow window;
        window.show();
        QVERIFY(window.run(&report));
        reporttest::onModal<NCRDMailDialog>([](NCRDMailDialog* dialog) {
            dialog->findChild<QLineEdit*>(QStringLiteral("to"))->setText(QStringLiteral("ana@example.com"));
            auto* format = dialog->findChild<QComboBox*>(QStringLiteral("format"));
            format->setCurrentIndex(format->findData(int(NCReportMailMessage::ReportFormat::Csv)));
            dialog->findChild<QPushButton*>(QStringLiteral("send"))->click();
        });
        QVERIFY(window.action(NCReportPreviewWindow::SendMail));
        window.action(NCReportPreviewWindow::SendMail)->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(!window.findChild<NCReportMailer*>(), 30000);
        const QJsonObject attachment = smtp.message(1).value(QStringLiteral("attachments")).toArray().at(0).toObject();
        QCOMPARE(attachment.value(QStringLiteral("filename")).toString(), QStringLiteral("Ventas.csv"));
        QCOMPARE(attachment.value(QStringLiteral("content_type")).toString(), QStringLiteral("text/csv"));
        QVERIFY(attachment.value(QStringLiteral("size")).toInt() > 0);
    }

    // What the dialog keeps: everything about the server but the password, which stays for the
    // session only.
    void dialogKeepsTheServerButNotThePassword()
    {
        QSettings().remove(QStringLiteral("NCReport/Mail"));
        NCRDMailDialog::setSessionPassword(QString());
        {
            NCRDMailDialog dialog;
            QPushButton* send = dialog.findChild<QPushButton*>(QStringLiteral("send"));
            QVERIFY(!send->isEnabled());
            dialog.findChild<QLineEdit*>(QStringLiteral("to"))->setText(QStringLiteral("\"Pérez, Ana\" <ana@example.com>; luis@example.com"));
            dialog.findChild<QLineEdit*>(QStringLiteral("from"))->setText(QStringLiteral("facturas@example.com"));
            dialog.findChild<QLineEdit*>(QStringLiteral("host"))->setText(QStringLiteral("smtp.example.com"));
            QVERIFY(send->isEnabled());
            auto* security = dialog.findChild<QComboBox*>(QStringLiteral("security"));
            security->setCurrentIndex(security->findData(int(Security::Tls)));
            QCOMPARE(dialog.findChild<QSpinBox*>(QStringLiteral("port"))->value(), 465);
            dialog.findChild<QLineEdit*>(QStringLiteral("user"))->setText(QStringLiteral("ana"));
            dialog.findChild<QLineEdit*>(QStringLiteral("password"))->setText(QStringLiteral("secreto-de-la-sesión"));
            QCOMPARE(dialog.message().to, (QStringList{QStringLiteral("\"Pérez, Ana\" <ana@example.com>"), QStringLiteral("luis@example.com")}));
            send->click();
            QCOMPARE(dialog.result(), int(QDialog::Accepted));
        }
        QSettings settings;
        settings.sync();
        for (const QString& key : settings.allKeys())
            QVERIFY2(!settings.value(key).toString().contains(QStringLiteral("secreto")), qPrintable(key));
        NCRDMailDialog again;
        const NCReportMailServer server = again.server();
        QCOMPARE(server.host, QStringLiteral("smtp.example.com"));
        QCOMPARE(server.port, quint16(465));
        QCOMPARE(server.security, Security::Tls);
        QCOMPARE(server.user, QStringLiteral("ana"));
        QCOMPARE(server.password, QStringLiteral("secreto-de-la-sesión"));
        QCOMPARE(again.message().from, QStringLiteral("facturas@example.com"));
    }

    void designerSendsTheReportInTheBackground_data()
    {
        QTest::addColumn<QString>("to");
        QTest::addColumn<bool>("delivered");
        QTest::newRow("to a recipient the server takes") << QStringLiteral("ana@example.com") << true;
        QTest::newRow("to a recipient the server refuses") << QStringLiteral("nadie@example.com") << false;
    }

    // The designer's File menu: the dialog, the report run into a PDF, the send in the background
    // with its progress in the status bar, and a notice at the end.
    void designerSendsTheReportInTheBackground()
    {
        QFETCH(QString, to);
        QFETCH(bool, delivered);
        SmtpServer smtp({QStringLiteral("--refuse"), QStringLiteral("nadie@example.com")});
        useInSettings(smtp);
        QTemporaryDir folder;
        const QString file = folder.filePath(QStringLiteral("ventas.xml"));
        QFile report(file);
        QVERIFY(report.open(QIODevice::WriteOnly));
        report.write("<report name=\"Ventas\"><pageHeader height=\"10\"><label x=\"0\" y=\"0\" width=\"50\" height=\"8\">"
                     "Ventas</label></pageHeader></report>");
        report.close();

        NCRDMainWindow window;
        window.show();
        QVERIFY(window.openReportFile(file));
        QSignalSpy messages(window.statusBar(), &QStatusBar::messageChanged);
        reporttest::onModal<NCRDMailDialog>([to](NCRDMailDialog* dialog) {
            dialog->findChild<QLineEdit*>(QStringLiteral("to"))->setText(to);
            QCOMPARE(dialog->findChild<QLineEdit*>(QStringLiteral("subject"))->text(), QStringLiteral("Ventas"));
            dialog->findChild<QPushButton*>(QStringLiteral("send"))->click();
        });
        window.findChild<QAction*>(QStringLiteral("actionSendMail"))->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(!window.findChild<NCReportMailer*>(), 30000);
        QVERIFY(messages.size() >= 2);
        QVERIFY(messages.first().at(0).toString().startsWith(QStringLiteral("Sending to ") + to));
        if (delivered) {
            QCOMPARE(window.statusBar()->currentMessage(), QStringLiteral("The report was sent to ") + to);
            const QJsonObject attachment = smtp.message(1).value(QStringLiteral("attachments")).toArray().at(0).toObject();
            QCOMPARE(attachment.value(QStringLiteral("filename")).toString(), QStringLiteral("Ventas.pdf"));
            QVERIFY(attachment.value(QStringLiteral("size")).toInt() > 500);
        } else {
            auto* notice = window.findChild<QMessageBox*>(QStringLiteral("mailFailedNotice"));
            QVERIFY(notice);
            QVERIFY(notice->text().contains(to));
            QCOMPARE(smtp.received(), 0);
        }
    }

    void conversationReadsHostileReplies_data()
    {
        QTest::addColumn<QList<QByteArray>>("exchange"); // "> " sent by the client, "< " received
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("argument");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("malformed");
        QTest::newRow("a refused recipient, its reply in one-byte pieces")
            << QList<QByteArray>{"> RCPT TO:<x@y.es>\r\n", "< 5", "< 50", "<  5.1.", "< 1 no\r", "< \n"} << 550
            << QStringLiteral("x@y.es") << QStringLiteral("5.1.1 no") << 0;
        QTest::newRow("a reply over several lines")
            << QList<QByteArray>{"> MAIL FROM:<a@b.es> SIZE=5\r\n", "< 452-4.3.1 uno\r\n452-dos\r\n452 tres\r\n"} << 452
            << QStringLiteral("a@b.es") << QStringLiteral("4.3.1 uno dos tres") << 0;
        QTest::newRow("lines that are not replies are counted and skipped")
            << QList<QByteArray>{"> DATA\r\n", "< hello\r\n99 x\r\n250x\r\n", "< 554 no\r\n"} << 554 << QString()
            << QStringLiteral("no") << 3;
        QTest::newRow("controls, zeros and broken UTF-8 are cleaned")
            << QList<QByteArray>{"> RCPT TO:<a@b>\r\n", QByteArray("< 550 a\0b\x1b[31m\xff\xfe\xe2\x80\xae", 19) + "z\r\n"} << 550
            << QStringLiteral("a@b") << QString::fromUtf8("a b [31m\xef\xbf\xbd\xef\xbf\xbd z") << 0;
        QTest::newRow("an endless line is cut")
            << QList<QByteArray>{"> RCPT TO:<a@b>\r\n", "< 550 " + QByteArray(100000, 'x'), "< \r\n"} << 550
            << QStringLiteral("a@b") << QString(NCReportSmtpConversation::maxTextLength, QLatin1Char('x')) << 0;
        QTest::newRow("credentials sent in answer to a challenge are not kept")
            << QList<QByteArray>{"> AUTH LOGIN\r\n", "< 334 VXNlcm5hbWU6\r\n", "> RCPT c2VjcmV0bw==\r\n",
                                 "< 334 UGFzc3dvcmQ6\r\n", "> DATA\r\n", "< 535 5.7.8 bad\r\n"}
            << 535 << QString() << QStringLiteral("5.7.8 bad") << 0;
        QTest::newRow("a refusal of the message itself after DATA's go-ahead")
            << QList<QByteArray>{"> DATA\r\n", "< 354 go\r\n", "< 552 5.3.4 too big\r\n"} << 552 << QString()
            << QStringLiteral("5.3.4 too big") << 0;
    }

    void conversationReadsHostileReplies()
    {
        QFETCH(QList<QByteArray>, exchange);
        QFETCH(int, code);
        QFETCH(QString, argument);
        QFETCH(QString, text);
        QFETCH(int, malformed);
        NCReportSmtpConversation conversation;
        for (const QByteArray& step : exchange) {
            if (step.startsWith("> "))
                conversation.sent(step.mid(2));
            else
                conversation.received(step.mid(2));
        }
        QVERIFY(conversation.hasRefusal());
        QCOMPARE(conversation.refusal().code, code);
        QCOMPARE(conversation.refusal().argument, argument);
        QCOMPARE(conversation.refusal().text, text);
        QCOMPARE(conversation.malformedLines(), malformed);
    }
};

MIROKIT_TEST_MAIN(TestNCReportMailer)
#include "tst_ncreportmailer.moc"
