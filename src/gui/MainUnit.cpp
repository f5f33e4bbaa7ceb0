#include "gui/MainUnit.h"

#include "draws/Error.h"
#include "gui/PromptDialog.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTextCursor>
#include <QThread>
#include <QVBoxLayout>

namespace {

const QString ErrorPrefix = QStringLiteral("ERROR: ");
const QString StatusPrefix = QStringLiteral("Status: ");

} // namespace

MainUnit::MainUnit(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("MailerForm"));
    setWindowTitle(QStringLiteral("Torvanes Numerant Email-Client"));
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    setProperty("tag", 8);

    // Fields in the order of the settings and language files; each label is named after its place.
    int labelNumber = 0;
    auto* fields = new QGridLayout;
    fields->setHorizontalSpacing(8);
    fields->setVerticalSpacing(4);
    auto field = [&](const char* name, const QString& caption, int row, int column, int span = 1) {
        auto* label = new QLabel(caption, this);
        label->setObjectName(QStringLiteral("Label%1").arg(++labelNumber));
        auto* edit = new QLineEdit(this);
        edit->setObjectName(QLatin1String(name));
        label->setBuddy(edit);
        fields->addWidget(label, row, column * 2);
        fields->addWidget(edit, row, column * 2 + 1, 1, span);
        return edit;
    };
    m_host = field("ledHost", QStringLiteral("Host (SMTP server)"), 0, 0);
    m_user = field("LedUser", QStringLiteral("Username"), 1, 0);
    m_password = field("LEdPass", QStringLiteral("Password"), 2, 0);
    m_password->setEchoMode(QLineEdit::Password);
    m_password->setStyleSheet(QStringLiteral("lineedit-password-character: 42"));
    m_from = field("ledFrom", QStringLiteral("From-Email"), 0, 1);
    m_fromName = field("FromName", QStringLiteral("From-Name"), 1, 1);
    m_fromName->setText(QString::fromUtf8(MailMessage::DefaultFromName));
    m_to = field("ledTo", QStringLiteral("To-Email"), 2, 1);
    m_toName = field("ToName", QStringLiteral("To-Name"), 3, 1);
    m_toName->setText(QString::fromUtf8(MailMessage::DefaultToName));
    m_cc = field("ledCC", QStringLiteral("CC  ...  Kopie Empfänger"), 4, 0, 3);
    m_bcc = field("BCCEmail", QStringLiteral("BCC  ...  Blind Kopie"), 5, 0, 3);
    m_subject = field("ledSubject", QStringLiteral("Betreff"), 6, 0, 3);
    m_subject->setText(QString::fromUtf8(MailMessage::DefaultSubject));
    m_receipt = new QCheckBox(QStringLiteral("Empfangsbestätigung"), this);
    m_receipt->setObjectName(QStringLiteral("Bestaetigung"));
    m_receipt->setChecked(true);
    fields->addWidget(m_receipt, 3, 1);
    fields->setColumnStretch(1, 1);
    fields->setColumnStretch(3, 1);

    auto memo = [this](const char* name) {
        auto* edit = new QPlainTextEdit(this);
        edit->setObjectName(QLatin1String(name));
        edit->setLineWrapMode(QPlainTextEdit::NoWrap);
        return edit;
    };
    m_body = memo("Body");
    m_html = memo("HTMLBody");
    m_attachments = memo("ledAttachment");
    m_attachments->setMaximumHeight(70);
    m_status = memo("StatusMemo");
    m_status->setReadOnly(true);
    m_status->setMaximumHeight(90);
    m_status->setPlainText(QStringLiteral("Status...\n"));

    m_send = new QPushButton(QStringLiteral("Send Mail"), this);
    m_send->setObjectName(QStringLiteral("btnSendMail"));
    auto* attach = new QPushButton(QStringLiteral("..."), this);
    attach->setObjectName(QStringLiteral("btnAttachment"));
    attach->setFixedWidth(32);
    auto* toHtml = new QPushButton(QStringLiteral("Text in HTML übernehmen"), this);
    toHtml->setObjectName(QStringLiteral("MailFormHTMLButton"));
    connect(m_send, &QPushButton::clicked, this, &MainUnit::sendMail);
    connect(attach, &QPushButton::clicked, this, &MainUnit::addAttachment);
    connect(toHtml, &QPushButton::clicked, this, &MainUnit::textToHtml);

    auto* bodies = new QGridLayout;
    for (const auto& [column, caption] : {std::pair{0, "Text"}, std::pair{1, "HTML"}}) {
        auto* label = new QLabel(QLatin1String(caption), this);
        label->setObjectName(QStringLiteral("Label%1").arg(++labelNumber));
        bodies->addWidget(label, 0, column);
    }
    bodies->addWidget(m_body, 1, 0);
    bodies->addWidget(m_html, 1, 1);
    auto* htmlRow = new QHBoxLayout;
    htmlRow->addStretch(1);
    htmlRow->addWidget(toHtml);

    auto* attachmentLabel = new QLabel(
        QStringLiteral("wählen sie Dateien welche als Anhang zu der Email gesendet weren sollen"), this);
    attachmentLabel->setObjectName(QStringLiteral("Label%1").arg(++labelNumber));
    auto* attachmentRow = new QHBoxLayout;
    attachmentRow->addWidget(m_attachments, 1);
    attachmentRow->addWidget(attach, 0, Qt::AlignTop);

    auto* statusRow = new QHBoxLayout;
    statusRow->addWidget(m_status, 1);
    statusRow->addWidget(m_send, 0, Qt::AlignBottom);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addLayout(bodies, 1);
    layout->addLayout(htmlRow);
    layout->addWidget(attachmentLabel);
    layout->addLayout(attachmentRow);
    layout->addLayout(statusRow);
    resize(640, 560);
}

MainUnit::~MainUnit()
{
    // The send must not outlive the view it reports to.
    if (m_thread) {
        m_cancel->store(true);
        m_thread->wait();
    }
}

void MainUnit::setUp(Prompts& prompts, const QString& settingsPath)
{
    m_prompts = &prompts;
    m_settingsPath = settingsPath;
    const MailSettings s = MailSettings::load(settingsPath);
    m_host->setText(s.host);
    m_user->setText(s.user);
    m_password->setText(s.password);
    m_from->setText(s.from);
    m_to->setText(s.to);
    m_cc->setText(s.cc);
    m_verifyCertificate = s.verifyCertificate;
}

void MainUnit::setSubject(const QString& subject)
{
    m_subject->setText(subject);
}

void MainUnit::setBodyLines(const QStringList& lines)
{
    m_body->setPlainText(lines.join(QLatin1Char('\n')));
}

MailMessage MainUnit::message() const
{
    MailMessage m;
    m.fromName = m_fromName->text();
    m.fromAddress = m_from->text();
    m.toName = m_toName->text();
    m.toAddress = m_to->text();
    m.cc = m_cc->text();
    m.bcc = m_bcc->text();
    m.subject = m_subject->text();
    m.receipt = m_receipt->isChecked();
    m.body = m_body->toPlainText();
    m.htmlBody = m_html->toPlainText();
    m.attachments = m_attachments->toPlainText().split(QLatin1Char('\n'));
    return m;
}

MailSettings MainUnit::settings() const
{
    MailSettings s;
    s.host = m_host->text();
    s.user = m_user->text();
    s.password = m_password->text();
    s.from = m_from->text();
    s.to = m_to->text();
    s.cc = m_cc->text();
    s.verifyCertificate = m_verifyCertificate;
    return s;
}

void MainUnit::addStatus(const QString& line)
{
    QTextCursor cursor(m_status->document());
    cursor.movePosition(QTextCursor::Start);
    cursor.insertText(line + QLatin1Char('\n'));
}

void MainUnit::sendMail()
{
    if (m_thread)
        return;
    m_status->clear();
    SmtpAccount account;
    try {
        account = SmtpAccount::from(m_host->text(), m_user->text(), m_password->text(), m_verifyCertificate);
    } catch (const Error& e) {
        addStatus(ErrorPrefix + e.message);
        if (m_prompts)
            m_prompts->error(e.message);
        return;
    }
    const MailMessage message = this->message();
    m_cancel = std::make_shared<std::atomic<bool>>(false);
    auto result = std::make_shared<SendResult>();
    auto cancel = m_cancel;
    QPointer<MainUnit> self(this);
    m_thread = QThread::create([account, message, result, cancel, self] {
        *result = SmtpClient::send(
            account, message,
            [self](const QString& text) {
                if (self)
                    QMetaObject::invokeMethod(
                        self, [self, text] { self->addStatus(StatusPrefix + text); }, Qt::QueuedConnection);
            },
            cancel.get());
    });
    connect(m_thread, &QThread::finished, this, [this, result] {
        m_thread->deleteLater();
        m_thread = nullptr;
        m_send->setEnabled(true);
        sendEndedHere(*result);
    });
    m_send->setEnabled(false);
    m_thread->start();
}

void MainUnit::sendEndedHere(const SendResult& result)
{
    if (!result.sent) {
        addStatus(ErrorPrefix + result.error);
        if (m_prompts)
            m_prompts->error(result.error);
    } else if (m_prompts) {
        for (const QString& reply : result.refused)
            m_prompts->error(ErrorPrefix + reply);
    }
    // The end of a connection closes the view; a send that never reached the server leaves it open.
    if (result.connected)
        done(result.sent ? Accepted : Rejected);
}

void MainUnit::addAttachment()
{
    if (!m_prompts)
        return;
    const QString folder =
        m_settingsPath.isEmpty() ? QDir::homePath() : QFileInfo(m_settingsPath).absolutePath();
    const QString path = m_prompts->openFileName(folder, QStringLiteral("Alle Dateien (*)"), QString());
    if (path.isEmpty())
        return;
    const QString existing = m_attachments->toPlainText();
    m_attachments->setPlainText(existing.isEmpty() || existing.endsWith(QLatin1Char('\n'))
                                    ? existing + QDir::toNativeSeparators(path)
                                    : existing + QLatin1Char('\n') + QDir::toNativeSeparators(path));
}

void MainUnit::textToHtml()
{
    m_html->setPlainText(MailText::htmlFromText(m_body->toPlainText()));
}

void MainUnit::done(int result)
{
    if (m_thread)
        return; // the send ends first, and closes the view itself
    saveSettings();
    QDialog::done(result);
}

void MainUnit::saveSettings()
{
    if (m_settingsPath.isEmpty())
        return;
    try {
        MailSettings::save(m_settingsPath, settings());
    } catch (const Error& e) {
        if (m_prompts)
            m_prompts->error(e.message);
    }
}
