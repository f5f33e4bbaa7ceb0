// The mail settings file, which the user may edit by hand: what parses writes and parses again to the
// same settings, and the host field gives either a usable server address or none.
#include "FuzzCheck.h"
#include "mail/MailSettings.h"

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, size_t size)
{
    const MailSettings settings =
        MailSettings::parse(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    FUZZ_CHECK(MailSettings::parse(MailSettings::serialize(settings)) == settings);
    if (const auto server = HostAndPort::parse(settings.host)) {
        FUZZ_CHECK(!server->host.isEmpty());
        FUZZ_CHECK(server->port >= 1 && server->port <= 65535);
        for (const QChar c : server->host)
            FUZZ_CHECK(c != QLatin1Char('/') && c != QLatin1Char('@') && !c.isSpace());
    }
    return 0;
}
