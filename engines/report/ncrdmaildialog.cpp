#include "ncrdmaildialog.h"

#include "ncreport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QMainWindow>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>
#include <QStandardItemModel>
#include <QStatusBar>
#include <QVBoxLayout>

namespace {

using Security = NCReportMailServer::Security;
using Format = NCReportMailMessage::ReportFormat;

const QString settingsGroup = QStringLiteral("NCReport/Mail");

// Kept for the session only, never written anywhere.
QString& sessionPassword()
{
    static QString password;
    return password;
}

// "Ana <a@x.es>, "Pérez, Luis" <l@x.es>; b@x.es": split at commas and semicolons outside quotes
// and angle brackets.
QStringList addressList(const QString& text)
{
    QStringList addresses;
    QString current;
    bool quoted = false;
    bool bracketed = false;
    for (const QChar c : text) {
        if (c == QLatin1Char('"'))
            quoted = !quoted;
        else if (c == QLatin1Char('<') && !quoted)
            bracketed = true;
        else if (c == QLatin1Char('>') && !quoted)
            bracketed = false;
        if ((c == QLatin1Char(',') || c == QLatin1Char(';')) && !quoted && !bracketed) {
            addresses.append(current.trimmed());
            current.clear();
        } else {
            current.append(c);
        }
    }
    addresses.append(current.trimmed());
    addresses.removeAll(QString());
    return addresses;
}

QLineEdit* lineEdit(const char* name, QWidget* parent)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QLatin1String(name));
    return edit;
}

} // namespace

NCRDMailDialog::NCRDMailDialog(QWidget* parent)
    : QDialog(parent)
    , m_to(lineEdit("to", this))
    , m_cc(lineEdit("cc", this))
    , m_subject(lineEdit("subject", this))
    , m_body(new QPlainTextEdit(this))
    , m_format(new QComboBox(this))
    , m_from(lineEdit("from", this))
    , m_host(lineEdit("host", this))
    , m_port(new QSpinBox(this))
    , m_security(new QComboBox(this))
    , m_user(lineEdit("user", this))
    , m_password(lineEdit("password", this))
    , m_acceptUntrusted(new QCheckBox(tr("Accept a certificate the system does not trust"), this))
    , m_buttons(new QDialogButtonBox(QDialogButtonBox::Cancel, this))
{
    setObjectName(QStringLiteral("NCRDMailDialog"));
    setWindowTitle(tr("Send by e-mail"));
    m_body->setObjectName(QStringLiteral("body"));
    m_format->setObjectName(QStringLiteral("format"));
    m_port->setObjectName(QStringLiteral("port"));
    m_security->setObjectName(QStringLiteral("security"));
    m_acceptUntrusted->setObjectName(QStringLiteral("acceptUntrustedCertificate"));
    m_buttons->setObjectName(QStringLiteral("buttons"));
    m_password->setEchoMode(QLineEdit::Password);
    m_to->setPlaceholderText(tr("name@example.com, another@example.com"));
    m_port->setRange(1, 65535);
    m_body->setMinimumHeight(m_body->fontMetrics().lineSpacing() * 6);

    // Formats the engine cannot write yet are listed, but cannot be chosen.
    const QList<QPair<Format, QString>> formats{
        {Format::Pdf, QStringLiteral("PDF")}, {Format::Html, QStringLiteral("HTML")},
        {Format::Csv, QStringLiteral("CSV")}, {Format::Xlsx, QStringLiteral("XLSX")}};
    for (const auto& format : formats) {
        m_format->addItem(format.second, int(format.first));
        if (!NCReportMailMessage::canAttach(format.first)) {
            if (auto* model = qobject_cast<QStandardItemModel*>(m_format->model()))
                model->item(m_format->count() - 1)->setEnabled(false);
        }
    }
    m_security->addItem(tr("None"), int(Security::None));
    m_security->addItem(QStringLiteral("STARTTLS"), int(Security::StartTls));
    m_security->addItem(QStringLiteral("SSL/TLS"), int(Security::Tls));

    auto* messageForm = new QFormLayout;
    messageForm->addRow(tr("&To:"), m_to);
    messageForm->addRow(tr("&Cc:"), m_cc);
    messageForm->addRow(tr("&Subject:"), m_subject);
    messageForm->addRow(tr("&Message:"), m_body);
    messageForm->addRow(tr("&Attach as:"), m_format);

    auto* serverGroup = new QGroupBox(tr("Mail server"), this);
    serverGroup->setObjectName(QStringLiteral("serverGroup"));
    auto* serverForm = new QFormLayout(serverGroup);
    serverForm->addRow(tr("&From:"), m_from);
    serverForm->addRow(tr("Se&rver:"), m_host);
    serverForm->addRow(tr("&Port:"), m_port);
    serverForm->addRow(tr("&Encryption:"), m_security);
    serverForm->addRow(tr("&User:"), m_user);
    serverForm->addRow(tr("Pass&word:"), m_password);
    serverForm->addRow(m_acceptUntrusted);

    m_send = m_buttons->addButton(tr("Send"), QDialogButtonBox::AcceptRole);
    m_send->setObjectName(QStringLiteral("send"));
    m_send->setDefault(true);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(messageForm);
    layout->addWidget(serverGroup);
    layout->addWidget(m_buttons);

    connect(m_buttons, &QDialogButtonBox::accepted, this, &NCRDMailDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    for (QLineEdit* required : {m_to, m_from, m_host})
        connect(required, &QLineEdit::textChanged, this, &NCRDMailDialog::updateSendButton);
    connect(m_security, QOverload<int>::of(&QComboBox::currentIndexChanged), this, &NCRDMailDialog::securityChanged);

    loadSettings();
    updateSendButton();
}

NCRDMailDialog::~NCRDMailDialog() = default;

NCReportMailServer NCRDMailDialog::server() const
{
    NCReportMailServer server;
    server.host = m_host->text().trimmed();
    server.port = quint16(m_port->value());
    server.security = Security(m_security->currentData().toInt());
    server.user = m_user->text().trimmed();
    server.password = m_password->text();
    server.acceptUntrustedCertificate = m_acceptUntrusted->isChecked();
    return server;
}

NCReportMailMessage NCRDMailDialog::message() const
{
    NCReportMailMessage message;
    message.from = m_from->text().trimmed();
    message.to = addressList(m_to->text());
    message.cc = addressList(m_cc->text());
    message.subject = m_subject->text();
    message.body = m_body->toPlainText();
    return message;
}

NCReportMailMessage::ReportFormat NCRDMailDialog::format() const
{
    return Format(m_format->currentData().toInt());
}

void NCRDMailDialog::setSubject(const QString& subject)
{
    m_subject->setText(subject);
}

void NCRDMailDialog::setSessionPassword(const QString& password)
{
    sessionPassword() = password;
}

void NCRDMailDialog::accept()
{
    saveSettings();
    sessionPassword() = m_password->text();
    QDialog::accept();
}

void NCRDMailDialog::loadSettings()
{
    QSettings settings;
    settings.beginGroup(settingsGroup);
    m_from->setText(settings.value(QStringLiteral("From")).toString());
    m_host->setText(settings.value(QStringLiteral("Host")).toString());
    const int security = m_security->findData(settings.value(QStringLiteral("Security"), int(Security::StartTls)).toInt());
    m_security->setCurrentIndex(security < 0 ? 1 : security);
    m_previousSecurity = Security(m_security->currentData().toInt());
    m_port->setValue(settings.value(QStringLiteral("Port"), NCReportMailServer::defaultPort(m_previousSecurity)).toInt());
    m_user->setText(settings.value(QStringLiteral("User")).toString());
    m_acceptUntrusted->setChecked(settings.value(QStringLiteral("AcceptUntrustedCertificate"), false).toBool());
    const int format = m_format->findData(settings.value(QStringLiteral("Format"), int(Format::Pdf)).toInt());
    if (format >= 0 && NCReportMailMessage::canAttach(Format(m_format->itemData(format).toInt())))
        m_format->setCurrentIndex(format);
    m_password->setText(sessionPassword());
}

void NCRDMailDialog::saveSettings() const
{
    // Everything but the password.
    QSettings settings;
    settings.beginGroup(settingsGroup);
    settings.setValue(QStringLiteral("From"), m_from->text().trimmed());
    settings.setValue(QStringLiteral("Host"), m_host->text().trimmed());
    settings.setValue(QStringLiteral("Port"), m_port->value());
    settings.setValue(QStringLiteral("Security"), m_security->currentData().toInt());
    settings.setValue(QStringLiteral("User"), m_user->text().trimmed());
    settings.setValue(QStringLiteral("AcceptUntrustedCertificate"), m_acceptUntrusted->isChecked());
    settings.setValue(QStringLiteral("Format"), m_format->currentData().toInt());
}

void NCRDMailDialog::updateSendButton()
{
    const bool complete = !addressList(m_to->text()).isEmpty() && !m_from->text().trimmed().isEmpty()
        && !m_host->text().trimmed().isEmpty();
    m_send->setEnabled(complete);
}

void NCRDMailDialog::securityChanged()
{
    // A port left at the usual one of the old encryption follows to the new one's.
    const Security security = Security(m_security->currentData().toInt());
    if (m_port->value() == NCReportMailServer::defaultPort(m_previousSecurity))
        m_port->setValue(NCReportMailServer::defaultPort(security));
    m_previousSecurity = security;
}

bool NCRDMailDialog::sendReport(QMainWindow* window, NCReport* report)
{
    if (!report)
        return false;
    return sendAttachment(window, report->reportName(), [report](NCReportMailMessage& message, Format format,
                                                                 NCReportError* error) {
        return message.attachReport(report, format, QString(), error);
    });
}

bool NCRDMailDialog::sendAttachment(QMainWindow* window, const QString& subject, const Attach& attach)
{
    if (!window || !attach)
        return false;
    NCRDMailDialog dialog(window);
    dialog.setSubject(subject);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    NCReportMailMessage message = dialog.message();
    NCReportError error;
    if (!attach(message, dialog.format(), &error)) {
        QMessageBox::warning(window, tr("Send by e-mail"), error.toString());
        return false;
    }
    auto* mailer = new NCReportMailer(window);
    mailer->setObjectName(QStringLiteral("reportMailer"));
    mailer->setServer(dialog.server());
    const QString recipients = message.to.join(QStringLiteral(", "));
    // The window is the receivers' context: they never run after it is gone.
    connect(mailer, &NCReportMailer::progress, window, [window, recipients](qint64 sent, qint64 total) {
        const qint64 percent = total > 0 ? sent * 100 / total : 0;
        window->statusBar()->showMessage(tr("Sending to %1: %2%").arg(recipients).arg(percent));
    });
    connect(mailer, &NCReportMailer::finished, window, [window, mailer, recipients](bool ok) {
        mailer->deleteLater();
        if (ok) {
            window->statusBar()->showMessage(tr("The report was sent to %1").arg(recipients), 10000);
            return;
        }
        window->statusBar()->showMessage(tr("The report could not be sent"), 10000);
        auto* notice = new QMessageBox(QMessageBox::Warning, tr("Send by e-mail"), mailer->errorString(),
                                       QMessageBox::Ok, window);
        notice->setObjectName(QStringLiteral("mailFailedNotice"));
        notice->setAttribute(Qt::WA_DeleteOnClose);
        notice->open();
    });
    window->statusBar()->showMessage(tr("Sending to %1...").arg(recipients));
    mailer->sendAsync(message);
    return true;
}
