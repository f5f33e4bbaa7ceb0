#include "gui/TipPage.h"

#include "draws/DrawDate.h"
#include "gui/LanguageView.h"
#include "gui/LottoZahlen.h"
#include "session/Actions.h"
#include "tips/TipSheetOps.h"

#include <QFocusEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QSpinBox>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

struct RowNames
{
    const char* label;
    const char* hit;
    const char* crossSum;
};

constexpr std::array<RowNames, TipSheet::Rows> Rows{{
    {"Label28", "Label22", "Label36"},
    {"Label30", "Label23", "Label37"},
    {"Label31", "Label24", "Label38"},
    {"Label32", "Label25", "Label39"},
    {"Label33", "Label26", "Label40"},
    {"Label34", "Label27", "Label41"},
    {"Label46", "Label45", "Label49"},
    {"Label48", "Label47", "Label50"},
    {"Label62", "Label65", "Label67"},
    {"Label61", "Label66", "Label68"},
    {"Label63", "Label69", "Label71"},
    {"Label64", "Label70", "Label72"},
}};

const char* const LockHint = "Ist \"Tipp\" rot, wird diese Reihe nicht neu berechnet!";
const char* const EditHint =
    "Klicken Sie hier um Tipp %1 mit dem Tippformular zu ändern oder per Zufallsgenerator erzeugen wollen";
const char* const RepeatHint =
    "Diese Zahl steht mehrfach in der Reihe: die Reihe wird erst ausgewertet, wenn jede Zahl nur einmal "
    "vorkommt";
constexpr int CellWidth = 28;
const QColor Red(255, 0, 0);

void setTextColour(QLabel* label, bool red)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText,
                     red ? Red : label->parentWidget()->palette().color(QPalette::WindowText));
    label->setPalette(palette);
}

QColor markColour(TipSheet::Mark mark, const QWidget* cell)
{
    switch (mark) {
    case TipSheet::Mark::Hit:
        return QColor(0, 255, 0);
    case TipSheet::Mark::Bonus:
        return QColor(255, 255, 0);
    case TipSheet::Mark::None:
        break;
    }
    return cell->parentWidget()->palette().color(QPalette::Base);
}

template <typename Button>
Button* makeButton(QWidget* parent, const char* name, const QString& caption, const QString& hint = {})
{
    auto* b = new Button(parent);
    b->setObjectName(QLatin1String(name));
    b->setText(caption);
    b->setToolTip(hint);
    return b;
}

// The red banners at both sides: the product's name written downwards.
QFrame* makeBanner(QWidget* parent, const char* panelName, const char* labelName, ClickableLabel** label)
{
    auto* panel = new QFrame(parent);
    panel->setObjectName(QLatin1String(panelName));
    panel->setProperty("tag", 8);
    panel->setAutoFillBackground(true);
    QPalette palette = panel->palette();
    palette.setColor(QPalette::Window, Red);
    palette.setColor(QPalette::WindowText, Qt::white);
    panel->setPalette(palette);
    panel->setFixedWidth(18);
    panel->setCursor(Qt::PointingHandCursor);
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 4, 0, 4);
    *label = new ClickableLabel(QStringLiteral("N\nU\nM\nE\nR\nA\nN\nT"), panel);
    (*label)->setObjectName(QLatin1String(labelName));
    (*label)->setProperty("tag", 8);
    (*label)->setAlignment(Qt::AlignCenter);
    QFont font = (*label)->font();
    font.setBold(true);
    (*label)->setFont(font);
    layout->addWidget(*label, 1);
    return panel;
}

} // namespace

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event)
{
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

TipPage::TipPage(LottoZahlen& window, QWidget* parent)
    : QWidget(parent)
    , m_window(window)
{
    Session& s = window.session();
    auto* outer = new QHBoxLayout(this);
    outer->setContentsMargins(2, 2, 2, 2);
    outer->setSpacing(4);
    ClickableLabel* leftBanner = nullptr;
    ClickableLabel* rightBanner = nullptr;
    QFrame* left = makeBanner(this, "Panel8", "Label43", &leftBanner);
    QFrame* right = makeBanner(this, "Panel9", "Label44", &rightBanner);
    for (auto* banner : {leftBanner, rightBanner})
        connect(banner, &ClickableLabel::clicked, this, [&window] { window.openProductPage(); });
    outer->addWidget(left);
    auto* centre = new QVBoxLayout;
    outer->addLayout(centre, 1);
    outer->addWidget(right);

    // Draw bar: update, previous, draw line, next, cross sum, ticket number.
    auto* bar = new QHBoxLayout;
    bar->setSpacing(4);
    auto* update = makeButton<QToolButton>(this, "SpeedButton10", QString());
    update->setIcon(style()->standardIcon(QStyle::SP_BrowserReload));
    auto* previous = makeButton<QToolButton>(this, "SpeedButton6", QString(),
                                             QStringLiteral("vorhergehende Ziehung anzeigen"));
    previous->setArrowType(Qt::LeftArrow);
    previous->setProperty("tag", 8);
    auto* next =
        makeButton<QToolButton>(this, "SpeedButton7", QString(), QStringLiteral("nächste Ziehung anzeigen"));
    next->setArrowType(Qt::RightArrow);
    m_drawLine = new QLabel(this);
    m_drawLine->setObjectName(QStringLiteral("Label35"));
    m_drawLine->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QFont bold = m_drawLine->font();
    bold.setBold(true);
    m_drawLine->setFont(bold);
    m_crossSum = new QLabel(QStringLiteral("QS: "), this);
    m_crossSum->setObjectName(QStringLiteral("Label13"));
    // Its caption is the pattern of the game's name, filled with the numbers of the draw on display.
    m_game = new QLabel(QStringLiteral("%1 aus %2"), this);
    m_game->setObjectName(QStringLiteral("LabelSpiel"));
    m_game->setToolTip(QStringLiteral("Spielregeln der angezeigten Ziehung"));
    m_ticket = new ClickableLabel(QStringLiteral("Losnr."), this);
    m_ticket->setObjectName(QStringLiteral("Losnummer"));
    m_ticket->setToolTip(QStringLiteral("hier anklicken um die Scheinnummer einzugeben "));
    m_ticket->setCursor(Qt::PointingHandCursor);
    bar->addWidget(update);
    bar->addWidget(previous);
    bar->addWidget(m_drawLine, 1);
    bar->addWidget(next);
    bar->addSpacing(6);
    bar->addWidget(m_crossSum);
    bar->addSpacing(6);
    bar->addWidget(m_game);
    bar->addSpacing(6);
    bar->addWidget(m_ticket);
    centre->addLayout(bar);

    // The rows and, beside them, the buttons that act on the whole sheet.
    auto* middle = new QHBoxLayout;
    auto* rows = new QWidget(this);
    buildRows(rows);
    middle->addWidget(rows);
    auto* side = new QVBoxLayout;
    side->setSpacing(4);
    auto* files = new QHBoxLayout;
    auto* save =
        makeButton<QToolButton>(this, "SpeedButton15", QString(), QStringLiteral("Speichern des Tipps"));
    save->setIcon(style()->standardIcon(QStyle::SP_DialogSaveButton));
    auto* load =
        makeButton<QToolButton>(this, "SpeedButton16", QString(), QStringLiteral("Tipp laden aus Datei"));
    load->setIcon(style()->standardIcon(QStyle::SP_DialogOpenButton));
    auto* mail = makeButton<QToolButton>(
        this, "SpeedButton36", QStringLiteral("@"),
        QStringLiteral(
            "Schicken Sie hier Ihren Lottotipp per Email. Mit enthalten ein Link mit dem Sie den Tipp "
            "auch Online auswerten können"));
    files->addWidget(save);
    files->addWidget(load);
    files->addWidget(mail);
    files->addStretch(1);
    side->addLayout(files);
    side->addWidget(makeButton<QPushButton>(this, "BitBtn7", QStringLiteral("Tipp")));
    side->addWidget(makeButton<QPushButton>(
        this, "SpeedButton4", QStringLiteral("Tipps in DB suchen"),
        QStringLiteral("Hier können Sie suchen ob dieser Tipp schon einmal gezogen wurde")));
    side->addWidget(makeButton<QPushButton>(this, "Button6", QStringLiteral("Tippverteilung")));
    side->addStretch(1);
    side->addWidget(makeButton<QPushButton>(this, "OnlineTipp", QStringLiteral("Tipp &abgeben")));
    middle->addLayout(side, 1);
    centre->addLayout(middle, 1);

    // Bottom panel: clear, generate, lucky number, tip count.
    auto* bottom = new QFrame(this);
    bottom->setObjectName(QStringLiteral("Panel1"));
    bottom->setFrameShape(QFrame::StyledPanel);
    auto* panel = new QHBoxLayout(bottom);
    panel->setContentsMargins(4, 2, 4, 2);
    auto* clear =
        makeButton<QToolButton>(bottom, "SpeedButton11", QString(), QStringLiteral("Löschen aller Tipps"));
    clear->setIcon(style()->standardIcon(QStyle::SP_DialogDiscardButton));
    panel->addWidget(clear);
    panel->addWidget(makeButton<QPushButton>(
        bottom, "BitBtn4", QStringLiteral("Tipps &berechnen"),
        QStringLiteral("Die eingestellt Anzahl von Tipps wird mit den vorgegebenen Parametern berechnet")));
    m_tipCount = new QSpinBox(bottom);
    m_tipCount->setObjectName(QStringLiteral("UpDown8"));
    m_tipCount->findChild<QLineEdit*>()->setObjectName(QStringLiteral("Edit80"));
    m_tipCount->setRange(1, TipSheet::Rows);
    m_tipCount->setValue(s.sheet.tipCount);
    connect(m_tipCount, &QSpinBox::valueChanged, this, [&s](int v) { s.sheet.tipCount = v; });
    panel->addWidget(m_tipCount);
    panel->addStretch(1);
    panel->addWidget(makeButton<QPushButton>(
        bottom, "SpeedButton13", QStringLiteral("Glückszahl setzen"),
        QStringLiteral("Hier können Sie den Zufall etwas nachhelfen und wirklich Ihren Tipp generieren")));
    centre->addWidget(bottom);

    window.onRefresh([this] { showSession(); });
}

void TipPage::buildRows(QWidget* area)
{
    Session& s = m_window.session();
    auto* grid = new QGridLayout(area);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(2);
    grid->setVerticalSpacing(3);
    for (int row = 0; row < TipSheet::Rows; ++row) {
        auto* label = new ClickableLabel(QStringLiteral("%1. Tipp").arg(row + 1), area);
        label->setObjectName(QLatin1String(Rows[row].label));
        label->setToolTip(QString::fromUtf8(LockHint));
        label->setCursor(Qt::PointingHandCursor);
        connect(label, &ClickableLabel::clicked, this,
                [this, &s, row] { m_window.guarded([&s, row] { toggleLock(s.sheet, row); }); });
        m_rowLabels[row] = label;
        grid->addWidget(label, row, 0);
        for (int col = 0; col < TipSheet::Cells; ++col) {
            auto* cell = new QLineEdit(area);
            cell->setObjectName(QStringLiteral("Edit%1").arg(TipSheet::FirstEdit[row] + col));
            cell->setFixedWidth(CellWidth);
            cell->setAlignment(Qt::AlignCenter);
            cell->setAutoFillBackground(true);
            cell->installEventFilter(this);
            connect(cell, &QLineEdit::textChanged, this, [this, row, col] { cellChanged(row, col); });
            m_cells[row][col] = cell;
            grid->addWidget(cell, row, 1 + col);
        }
        auto* hit = new QLabel(area);
        hit->setObjectName(QLatin1String(Rows[row].hit));
        hit->setFixedWidth(40);
        hit->setContentsMargins(4, 0, 0, 0);
        auto* crossSum = new QLabel(area);
        crossSum->setObjectName(QLatin1String(Rows[row].crossSum));
        crossSum->setFixedWidth(28);
        crossSum->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        m_hitLabels[row] = hit;
        m_crossSumLabels[row] = crossSum;
        auto* edit = makeButton<QToolButton>(area, "", QStringLiteral("..."),
                                             QString::fromUtf8(EditHint).arg(row + 1));
        edit->setObjectName(QStringLiteral("Tipp%1Edit").arg(row + 1));
        grid->addWidget(edit, row, 1 + TipSheet::Cells);
        grid->addWidget(hit, row, 2 + TipSheet::Cells);
        grid->addWidget(crossSum, row, 3 + TipSheet::Cells);
    }
    grid->setColumnMinimumWidth(0, 52);
    grid->setColumnMinimumWidth(1 + TipSheet::Cells, 24);
    grid->setColumnStretch(4 + TipSheet::Cells, 1);
}

void TipPage::cellChanged(int row, int col)
{
    // The cell rule at every change: what stays in a cell is a number of the game in canonical form or
    // nothing.
    QLineEdit* cell = m_cells[row][col];
    const int value = TipSheet::cellValue(cell->text(), m_window.session().tipGame());
    const QString canonical = TipSheet::cellText(value);
    if (cell->text() != canonical)
        cell->setText(canonical);
    TipSheet& sheet = m_window.session().sheet;
    sheet.cells[row][col] = value;
    paintCells(row);
    if (value != 0 && TipSheet::repeatedCells(sheet.cells[row])[col])
        m_window.setStatus(QStringLiteral("Tipp %1: die Zahl %2 steht mehrfach in der Reihe, die Reihe wird "
                                          "nicht ausgewertet")
                               .arg(row + 1)
                               .arg(value));
}

bool TipPage::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusOut) {
        // Only a move to another control counts as leaving the cell, not a switch of windows.
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason &&
            qobject_cast<QLineEdit*>(watched)) {
            Session& s = m_window.session();
            if (s.sheetSettled)
                m_window.guarded([&s] { Actions::check(s); });
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TipPage::showSession()
{
    const Session& s = m_window.session();
    const TipSheet& sheet = s.sheet;
    for (int row = 0; row < TipSheet::Rows; ++row) {
        for (int col = 0; col < TipSheet::Cells; ++col) {
            QLineEdit* cell = m_cells[row][col];
            const QString text = TipSheet::cellText(sheet.cells[row][col]);
            if (cell->text() != text) {
                const QSignalBlocker block(cell);
                cell->setText(text);
            }
        }
        paintCells(row);
        setTextColour(m_rowLabels[row], sheet.locked[row]);
        m_hitLabels[row]->setText(sheet.hitText[row]);
        setTextColour(m_hitLabels[row], sheet.hitRed[row]);
        m_crossSumLabels[row]->setText(sheet.crossSumText[row]);
    }
    m_drawLine->setText(m_window.drawLine());
    // The wording around the values is the labels' caption, which a language may have replaced.
    const QString prefix = LanguageView::labelCaption(m_crossSum, QStringLiteral("QS: "));
    m_crossSum->setText(s.drawShown ? prefix + QString::number(DrawHistory::crossSum(s.current)) : prefix);
    const Game game = s.gameOn(DrawDate::toQDate(s.current.date));
    m_game->setText(s.drawShown ? LanguageView::labelCaption(m_game, QStringLiteral("%1 aus %2"))
                                      .arg(game.numbersPerDraw)
                                      .arg(game.highestNumber)
                                : QString());
    if (s.ticketComparison)
        showTicket(s.ticketComparison->caption, s.ticketComparison->red);
    else if (s.sheetSettled)
        showTicket(Ticket::labelText(s.messages, s.ticketNumber));
    if (m_tipCount->value() != sheet.tipCount) {
        const QSignalBlocker block(m_tipCount);
        m_tipCount->setValue(sheet.tipCount);
    }
}

void TipPage::paintCells(int row)
{
    // A number twice is marked as soon as it is typed, not only at the next check.
    const TipSheet& sheet = m_window.session().sheet;
    const auto repeated = TipSheet::repeatedCells(sheet.cells[row]);
    for (int col = 0; col < TipSheet::Cells; ++col) {
        QLineEdit* cell = m_cells[row][col];
        QPalette palette = cell->palette();
        palette.setColor(QPalette::Base, repeated[col] ? Red : markColour(sheet.marks[row][col], cell));
        cell->setPalette(palette);
        cell->setToolTip(repeated[col] ? QString::fromUtf8(RepeatHint) : QString());
    }
}

void TipPage::showTicket(const QString& caption, bool red)
{
    m_ticket->setText(caption);
    setTextColour(m_ticket, red);
}
