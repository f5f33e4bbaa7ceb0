#include "gui/Attach.h"
#include "gui/LottoZahlen.h"
#include "gui/TipPage.h"
#include "gui/Zahlenwahl.h"
#include "session/Actions.h"
#include "tips/TipSheetOps.h"

#include <QAbstractButton>

namespace {

void connectClick(LottoZahlen& window, const char* name, const std::function<void()>& action)
{
    if (auto* button = window.control<QAbstractButton>(QLatin1String(name)))
        QObject::connect(button, &QAbstractButton::clicked, &window,
                         [&window, action] { window.guarded(action); });
}

void editRow(LottoZahlen& window, int row)
{
    Session& s = window.session();
    const QString caption = QStringLiteral("%1. ").arg(row + 1) + s.messages.text(Msg::Tip);
    window.numberDialog().setGame(s.tipGame());
    const auto checked =
        window.numberDialog().editTip(s.sheet.cells[row], caption, s.messages.text(Msg::ChooseNumbers));
    if (!checked)
        return;
    applyChecksToRow(s.sheet.cells[row], *checked, s.tipGame());
    // The rows are shown sorted and coloured everywhere else, so the edited one is checked at once.
    Actions::check(s);
}

} // namespace

void attachChecking(LottoZahlen& window)
{
    Session& s = window.session();
    window.numberDialog().attach(s, window.prompts());

    const auto lookupAction = [&window, &s] {
        if (Actions::lookup(s) == Actions::LookupOutcome::FileMissing)
            window.prompts().information(Actions::readDrawsFirstMessage());
    };
    connectClick(window, "SpeedButton5", lookupAction);
    window.lookupAction = [&window, lookupAction] { window.guarded(lookupAction); };

    for (const char* name : {"SpeedButton6", "SpeedButton30", "SpeedButton19"})
        connectClick(window, name, [&s] { Actions::previousDraw(s); });
    for (const char* name : {"SpeedButton7", "SpeedButton18", "SpeedButton20"})
        connectClick(window, name, [&s] { Actions::nextDraw(s); });

    if (auto* ticket = window.control<ClickableLabel>(QStringLiteral("Losnummer")))
        QObject::connect(ticket, &ClickableLabel::clicked, &window, [&window, &s] {
            window.guarded([&window, &s] {
                s.ticketNumber = window.prompts().input(Ticket::inputCaption(s.messages),
                                                        Ticket::inputPrompt(s.messages), s.ticketNumber);
                s.ticketComparison.reset();
                window.tipPage().showTicket(Ticket::caption(s.messages, s.ticketNumber));
            });
        });

    connectClick(window, "SpeedButton11", [&window, &s] {
        if (window.prompts().yesNo(s.messages.text(Msg::ClearAllQuestion),
                                   s.messages.text(Msg::ClearAllCaption)))
            Actions::clearSheet(s);
    });

    for (int row = 0; row < TipSheet::Rows; ++row)
        connectClick(window, QStringLiteral("Tipp%1Edit").arg(row + 1).toLatin1().constData(),
                     [&window, row] { editRow(window, row); });
}
