#pragma once

#include "mail/MailMessage.h"
#include "mail/MailSettings.h"
#include "mail/SmtpClient.h"

#include <QDialog>
#include <atomic>
#include <memory>

class Prompts;
class QCheckBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QThread;

// TMailerForm, the program's mail client: server, account and address fields, the text and HTML
// bodies, the attachment list and the status list (newest line first). The server, account and
// addresses come from the settings file when the view is set up and go back to it whenever the view
// closes. A message is sent off the window's thread; the view stays responsive and cannot be closed
// until the send has ended, which closes it once the server was reached.
class MainUnit : public QDialog
{
    Q_OBJECT
public:
    explicit MainUnit(QWidget* parent = nullptr);
    ~MainUnit() override;

    // Reads the settings file; prompts shows the view's message boxes and file dialog.
    void setUp(Prompts& prompts, const QString& settingsPath);

    void setSubject(const QString& subject);
    void setBodyLines(const QStringList& lines);
    MailMessage message() const;
    MailSettings settings() const;

    bool isSending() const { return m_thread != nullptr; }

    void sendMail();      // btnSendMail
    void addAttachment(); // btnAttachment
    void textToHtml();    // MailFormHTMLButton

protected:
    void done(int result) override;

private:
    void addStatus(const QString& line);
    void sendEndedHere(const SendResult& result);
    void saveSettings();

    Prompts* m_prompts = nullptr;
    QString m_settingsPath;
    bool m_verifyCertificate = true; // kept from the file; no field shows it

    QLineEdit* m_host;
    QLineEdit* m_user;
    QLineEdit* m_password;
    QLineEdit* m_from;
    QLineEdit* m_fromName;
    QLineEdit* m_to;
    QLineEdit* m_toName;
    QLineEdit* m_cc;
    QLineEdit* m_bcc;
    QLineEdit* m_subject;
    QCheckBox* m_receipt;
    QPlainTextEdit* m_body;
    QPlainTextEdit* m_html;
    QPlainTextEdit* m_attachments;
    QPlainTextEdit* m_status;
    QPushButton* m_send;

    QThread* m_thread = nullptr;
    std::shared_ptr<std::atomic<bool>> m_cancel;
};
