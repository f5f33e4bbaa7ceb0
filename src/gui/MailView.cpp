#include "gui/Attach.h"
#include "gui/LottoZahlen.h"
#include "gui/MainUnit.h"
#include "mail/MailSettings.h"
#include "mail/TipMail.h"

#include <QAbstractButton>

void attachMail(LottoZahlen& window)
{
    MainUnit& dialog = window.mailDialog();
    dialog.setUp(window.prompts(), window.session().home + QLatin1String(MailSettings::FileName));

    if (auto* button = window.control<QAbstractButton>(QStringLiteral("SpeedButton36")))
        QObject::connect(button, &QAbstractButton::clicked, &window, [&window, &dialog] {
            window.guarded([&window, &dialog] {
                const Session& s = window.session();
                dialog.setSubject(TipMail::subject(s.today));
                dialog.setBodyLines(TipMail::bodyLines(s.sheet));
                dialog.exec();
            });
        });
}
