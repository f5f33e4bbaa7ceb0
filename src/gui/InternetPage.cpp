#include "gui/InternetPage.h"

#include "gui/LottoZahlen.h"
#include "gui/WebLinks.h"

#include <QDesktopServices>
#include <QEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QUrl>
#include <QVBoxLayout>

InternetPage::InternetPage(LottoZahlen& window, QWidget* parent)
    : QWidget(parent)
{
    Session& s = window.session();
    auto* layout = new QVBoxLayout(this);

    auto* proxyBox = new QGroupBox(QStringLiteral("Proxy"), this);
    proxyBox->setObjectName(QStringLiteral("GroupBox5"));
    auto* form = new QFormLayout(proxyBox);
    auto* host = new QLineEdit(proxyBox);
    host->setObjectName(QStringLiteral("ProxyHostEdit"));
    auto* port = new QLineEdit(QStringLiteral("80"), proxyBox);
    port->setObjectName(QStringLiteral("ProxyPortEdit"));
    auto* hostLabel = new QLabel(QStringLiteral("Proxy-Server"), proxyBox);
    hostLabel->setObjectName(QStringLiteral("Label57"));
    auto* portLabel = new QLabel(QStringLiteral("Proxy-Port"), proxyBox);
    portLabel->setObjectName(QStringLiteral("Label58"));
    form->addRow(hostLabel, host);
    form->addRow(portLabel, port);
    auto* server = new QLineEdit(s.updateServer, proxyBox);
    server->setObjectName(QStringLiteral("UpdateServerEdit"));
    server->setToolTip(QStringLiteral("Adresse des Servers, von dem die Ziehungen geholt werden"));
    auto* serverLabel = new QLabel(QStringLiteral("Update-Server"), proxyBox);
    serverLabel->setObjectName(QStringLiteral("LabelUpdateServer"));
    form->addRow(serverLabel, server);
    layout->addWidget(proxyBox);
    connect(host, &QLineEdit::textChanged, this, [&s](const QString& t) { s.proxyHost = t; });
    connect(port, &QLineEdit::textChanged, this, [&s](const QString& t) { s.proxyPort = t; });
    connect(server, &QLineEdit::textChanged, this, [&s](const QString& t) { s.updateServer = t; });
    window.onRefresh([&s, host, port, server] {
        if (host->text() != s.proxyHost)
            host->setText(s.proxyHost);
        if (port->text() != s.proxyPort)
            port->setText(s.proxyPort);
        if (server->text() != s.updateServer)
            server->setText(s.updateServer);
    });

    auto* linkBox = new QGroupBox(QStringLiteral("Links"), this);
    linkBox->setObjectName(QStringLiteral("GroupBox6"));
    auto* links = new QVBoxLayout(linkBox);
    const std::pair<const char*, QString> labels[] = {
        {"Label52", WebLinks::ProductSite},  {"Label54", WebLinks::OperatorResults},
        {"Label56", WebLinks::MakerSite},    {"Label1", WebLinks::OtherProduct1},
        {"Label2", WebLinks::OtherProduct2}, {"Label3", WebLinks::LotteryInfo},
        {"Label4", WebLinks::ProductSite},
    };
    for (const auto& [name, address] : labels) {
        auto* label = new QLabel(address, linkBox);
        label->setObjectName(QLatin1String(name));
        label->setProperty("tag", 8);
        label->setCursor(Qt::PointingHandCursor);
        label->setStyleSheet(QStringLiteral("color: blue; text-decoration: underline;"));
        label->installEventFilter(this);
        links->addWidget(label);
    }
    layout->addWidget(linkBox);
    layout->addStretch(1);
}

bool InternetPage::eventFilter(QObject* watched, QEvent* event)
{
    // A link label opens its own caption.
    if (event->type() == QEvent::MouseButtonRelease)
        if (auto* label = qobject_cast<QLabel*>(watched))
            QDesktopServices::openUrl(QUrl(label->text()));
    return QWidget::eventFilter(watched, event);
}
