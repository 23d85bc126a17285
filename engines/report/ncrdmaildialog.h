#pragma once

#include "ncreportmailer.h"

#include <QDialog>

#include <functional>

class QCheckBox;
class QComboBox;
class QDialogButtonBox;
class QLineEdit;
class QMainWindow;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;

/*!
    "Send by e-mail": the recipients, subject and text of a message, the format its report is
    attached in, and the mail server it goes through. The server settings are kept in the
    settings store (group NCReport/Mail) without the password, which is kept in memory for the
    session once typed, unless the host hands it over with setSessionPassword().

    sendReport() is the whole command of the designer and the preview: it asks, runs the report
    into the attachment and sends it in the background, with the progress in the window's status
    bar and a notice when it is done or has failed.
*/
class NCREPORT_EXPORT NCRDMailDialog : public QDialog
{
    Q_OBJECT

public:
    explicit NCRDMailDialog(QWidget* parent = nullptr);
    ~NCRDMailDialog() override;

    NCReportMailServer server() const;
    // The message as filled in, without its attachment.
    NCReportMailMessage message() const;
    NCReportMailMessage::ReportFormat format() const;
    void setSubject(const QString& subject);

    // The password of the session; the host may hand it over so that it is never asked.
    static void setSessionPassword(const QString& password);

    // Makes the attachment of the message in the format the user chose; false, with `error`
    // saying why, when it cannot.
    using Attach = std::function<bool(NCReportMailMessage& message, NCReportMailMessage::ReportFormat format,
                                      NCReportError* error)>;

    // Asks for the message in a dialog over `window`, attaches `report` and sends it on a mailer
    // owned by the window. False when the user cancels or the report cannot be attached (the
    // user is told why).
    static bool sendReport(QMainWindow* window, NCReport* report);
    // The same with an attachment of the caller's making (a preview's recorded pages), and the
    // subject the dialog proposes.
    static bool sendAttachment(QMainWindow* window, const QString& subject, const Attach& attach);

    void accept() override;

private:
    void loadSettings();
    void saveSettings() const;
    void updateSendButton();
    void securityChanged();

    QLineEdit* m_to;
    QLineEdit* m_cc;
    QLineEdit* m_subject;
    QPlainTextEdit* m_body;
    QComboBox* m_format;
    QLineEdit* m_from;
    QLineEdit* m_host;
    QSpinBox* m_port;
    QComboBox* m_security;
    QLineEdit* m_user;
    QLineEdit* m_password;
    QCheckBox* m_acceptUntrusted;
    QDialogButtonBox* m_buttons;
    QPushButton* m_send = nullptr;
    NCReportMailServer::Security m_previousSecurity = NCReportMailServer::Security::StartTls;
};
