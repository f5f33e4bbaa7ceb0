#include "gui/Zahlenwahl.h"

#include "draws/Error.h"
#include "gui/LanguageView.h"
#include "gui/PromptDialog.h"
#include "session/Session.h"

#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace {

constexpr int BoxesPerRow = 7;
constexpr int TickMs = 25;
constexpr int ResultOk = QDialog::Accepted;
constexpr int ResultRetry = 2;
constexpr int ResultAbort = 3;

const QColor InfoBk(255, 255, 225); // the tool-tip background colour: neutral
const QColor Marked(255, 255, 0);

QString randomCaption()
{
    return QStringLiteral("&Zufall");
}

const QString CountText = QStringLiteral("%1 von %2");

void retainSizeWhenHidden(QWidget* widget)
{
    QSizePolicy policy = widget->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    widget->setSizePolicy(policy);
}

} // namespace

Zahlenwahl::Zahlenwahl(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("Form6"));
    setWindowTitle(QStringLiteral("Welche Zahlen für die Berechnung"));
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);

    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(4);
    for (int n = 1; n <= Game::MaxHighestNumber; ++n) {
        auto* box = new QCheckBox(QString::number(n), this);
        box->setObjectName(QStringLiteral("CheckBox%1").arg(n));
        box->setChecked(true);
        box->installEventFilter(this);
        connect(box, &QCheckBox::clicked, this, [this, n](bool checked) { boxClicked(n, checked); });
        m_boxes[n] = box;
        grid->addWidget(box, (n - 1) / BoxesPerRow, (n - 1) % BoxesPerRow);
        // The boxes of larger games keep their room, so a change of game does not move the others.
        retainSizeWhenHidden(box);
        showBox(n);
        box->setVisible(n <= m_game.highestNumber);
    }
    layout->addLayout(grid);

    auto* panel = new QHBoxLayout;
    auto* save = new QToolButton(this);
    save->setObjectName(QStringLiteral("SpeedButton1"));
    save->setToolTip(QStringLiteral("Speichern der Liste"));
    save->setIcon(style()->standardIcon(QStyle::SP_DialogSaveButton));
    auto* load = new QToolButton(this);
    load->setObjectName(QStringLiteral("SpeedButton2"));
    load->setToolTip(QStringLiteral("Laden der Liste"));
    load->setIcon(style()->standardIcon(QStyle::SP_DialogOpenButton));
    m_random = new QPushButton(randomCaption(), this);
    m_random->setObjectName(QStringLiteral("BitBtn4"));
    m_random->setAutoDefault(false);
    // Wide enough for every caption of the animation, and keeping its room while hidden: no click may
    // move the boxes under the mouse.
    m_random->setMinimumWidth(std::max(m_random->sizeHint().width(),
                                       m_random->fontMetrics().horizontalAdvance(QStringLiteral("77 Stopp")) +
                                           2 * style()->pixelMetric(QStyle::PM_ButtonMargin)));
    retainSizeWhenHidden(m_random);
    m_random->setVisible(false);
    // Its caption is the pattern of the count, which a language may replace.
    m_count = new QLabel(CountText, this);
    m_count->setObjectName(QStringLiteral("Label1"));
    m_count->setAlignment(Qt::AlignCenter);
    m_count->setMinimumWidth(m_count->fontMetrics().horizontalAdvance(CountText.arg(88).arg(88)) + 8);
    retainSizeWhenHidden(m_count);
    m_count->setVisible(false);
    m_ok = new QPushButton(QStringLiteral("OK"), this);
    m_ok->setObjectName(QStringLiteral("BitBtn1"));
    m_ok->setDefault(true);
    m_retry = new QPushButton(QStringLiteral("&Rechnen"), this);
    m_retry->setObjectName(QStringLiteral("BitBtn3"));
    m_retry->setAutoDefault(false);
    auto* abort = new QPushButton(QStringLiteral("Abbrechen"), this);
    abort->setObjectName(QStringLiteral("BitBtn2"));
    abort->setAutoDefault(false);
    panel->addWidget(save);
    panel->addWidget(load);
    panel->addWidget(m_count);
    panel->addStretch(1);
    panel->addWidget(m_random);
    // "&Rechnen" lies over OK: in list mode OK keeps the pool as it was and stays reachable only
    // through the Enter key, so a click on the visible button never throws the edits away.
    auto* okOrRetry = new QGridLayout;
    okOrRetry->setContentsMargins(0, 0, 0, 0);
    okOrRetry->addWidget(m_ok, 0, 0);
    okOrRetry->addWidget(m_retry, 0, 0);
    const int okWidth = std::max(m_ok->sizeHint().width(), m_retry->sizeHint().width());
    m_ok->setMinimumWidth(okWidth);
    m_retry->setMinimumWidth(okWidth);
    m_retry->raise();
    panel->addLayout(okOrRetry);
    panel->addWidget(abort);
    layout->addLayout(panel);

    auto* bar = new QStatusBar(this);
    bar->setObjectName(QStringLiteral("StatusBar1"));
    bar->setSizeGripEnabled(false);
    m_status = new QLabel(bar);
    // A long status line is cut, never allowed to widen the dialog.
    m_status->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    m_status->setMinimumWidth(1);
    bar->addWidget(m_status, 1);
    layout->addWidget(bar);
    layout->setSizeConstraint(QLayout::SetFixedSize); // a fixed dialog border
    setListMode(true);

    m_timer = new QTimer(this);
    m_timer->setObjectName(QStringLiteral("Timer1"));
    m_timer->setInterval(TickMs);
    connect(m_timer, &QTimer::timeout, this, &Zahlenwahl::tick);

    connect(m_ok, &QPushButton::clicked, this, [this] { done(ResultOk); });
    connect(m_retry, &QPushButton::clicked, this, [this] { done(ResultRetry); });
    connect(abort, &QPushButton::clicked, this, [this] { done(ResultAbort); });
    connect(m_random, &QPushButton::clicked, this, &Zahlenwahl::randomPressed);
    connect(save, &QToolButton::clicked, this, &Zahlenwahl::saveList);
    connect(load, &QToolButton::clicked, this, &Zahlenwahl::loadList);
}

void Zahlenwahl::attach(Session& session, Prompts& prompts)
{
    m_session = &session;
    m_prompts = &prompts;
    setGame(session.tipGame());
}

void Zahlenwahl::setGame(const Game& game)
{
    m_game = game;
    m_list.highestNumber = m_game.highestNumber;
    m_animation.highestNumber = m_game.highestNumber;
    for (int n = 1; n <= Game::MaxHighestNumber; ++n)
        m_boxes[std::size_t(n)]->setVisible(n <= m_game.highestNumber);
}

void Zahlenwahl::setList(const ValueList& list)
{
    m_list = list;
    for (int n = 1; n <= m_game.highestNumber; ++n)
        showBox(n, m_marked[n]);
    showCount();
}

Zahlenwahl::Result Zahlenwahl::execList()
{
    const int r = exec();
    return r == ResultOk ? Result::Ok : r == ResultRetry ? Result::Retry : Result::Abort;
}

std::optional<NumberChecks> Zahlenwahl::editTip(const TipSheet::Row& row, const QString& caption,
                                                const QString& captionAfter)
{
    setWindowTitle(caption);
    setListMode(false);
    m_animation.maxTipp = TipSheet::Cells;
    const NumberChecks preset = checksOfRow(row, m_game);
    for (int n = 1; n <= m_game.highestNumber; ++n) {
        m_list.entries[n].checked = preset[n];
        showBox(n, preset[n]);
    }
    m_status->clear();
    showCount();
    std::optional<NumberChecks> result;
    if (exec() == ResultOk) {
        NumberChecks checks{};
        for (int n = 1; n <= m_game.highestNumber; ++n)
            checks[n] = m_list.entries[n].checked;
        result = checks;
    }
    setListMode(true);
    resetColours();
    setWindowTitle(captionAfter);
    return result;
}

bool Zahlenwahl::animationRunning() const
{
    return m_animation.running();
}

QString Zahlenwahl::statusText() const
{
    return m_status->text();
}

void Zahlenwahl::setListMode(bool list)
{
    m_singleTip = !list;
    m_retry->setVisible(list);
    m_ok->setFocusPolicy(list ? Qt::NoFocus : Qt::StrongFocus);
    m_random->setVisible(!list);
    m_count->setVisible(!list);
}

QString Zahlenwahl::countText() const
{
    return m_count->text();
}

QString Zahlenwahl::countHint() const
{
    return m_count->toolTip();
}

void Zahlenwahl::showCount()
{
    if (!m_singleTip)
        return;
    QList<int> ticked;
    for (int n = 1; n <= m_game.highestNumber; ++n)
        if (m_list.entries[n].checked)
            ticked << n;
    m_count->setText(LanguageView::labelCaption(m_count, CountText).arg(ticked.size()).arg(TipSheet::Cells));
    QString hint;
    if (ticked.size() > TipSheet::Cells) {
        QStringList taken;
        for (int n : ticked.first(TipSheet::Cells))
            taken << QString::number(n);
        hint = QStringLiteral("%1 Zahlen angekreuzt, der Tipp übernimmt die sieben kleinsten: %2")
                   .arg(ticked.size())
                   .arg(taken.join(QStringLiteral(", ")));
    } else if (ticked.size() < TipSheet::Cells) {
        hint = QStringLiteral("%1 Zahlen angekreuzt, der Tipp braucht %2")
                   .arg(ticked.size())
                   .arg(TipSheet::Cells);
    }
    m_count->setToolTip(hint);
    QPalette palette = m_count->palette();
    palette.setColor(QPalette::WindowText, ticked.size() == TipSheet::Cells
                                               ? palette.color(QPalette::Active, QPalette::WindowText)
                                               : QColor(255, 0, 0));
    m_count->setPalette(palette);
    // The status bar says it after every change; too many numbers matter more than one box's weight.
    if (ticked.size() > TipSheet::Cells)
        m_status->setText(hint);
}

void Zahlenwahl::done(int result)
{
    // Whichever way the dialog closes, the animation ends with it.
    m_timer->stop();
    m_animation.stop();
    m_random->setText(randomCaption());
    QDialog::done(result);
}

bool Zahlenwahl::eventFilter(QObject* watched, QEvent* event)
{
    auto* box = qobject_cast<QCheckBox*>(watched);
    const int number = box ? box->text().toInt() : 0;
    if (number >= 1 && number <= m_game.highestNumber && m_boxes[number] == box) {
        if (event->type() == QEvent::MouseButtonRelease) {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            m_minus = mouse->button() == Qt::RightButton;
            if (m_minus && box->rect().contains(mouse->position().toPoint())) {
                m_list.entries[number].checked = box->isChecked();
                m_list.applyClick(number, true);
                showBox(number, m_marked[number]);
                m_status->setText(m_list.statusLine(number));
                showCount();
            }
        } else if (event->type() == QEvent::Enter) {
            m_status->setText(m_list.statusLine(number));
            showCount();
        }
    }
    return QDialog::eventFilter(watched, event);
}

void Zahlenwahl::boxClicked(int number, bool checked)
{
    m_list.entries[number].checked = checked;
    m_list.applyClick(number, m_minus);
    showBox(number, m_marked[number]);
    m_status->setText(m_list.statusLine(number));
    showCount();
}

void Zahlenwahl::showBox(int number, bool marked)
{
    QCheckBox* box = m_boxes[number];
    const ValueList::Entry& e = m_list.entries[number];
    if (box->isChecked() != e.checked) {
        const QSignalBlocker block(box);
        box->setChecked(e.checked);
    }
    box->setToolTip(e.weight);
    if (m_styled[number] && m_marked[number] == marked)
        return;
    m_styled[number] = true;
    m_marked[number] = marked;
    // Styles paint a check box's own background only through a style sheet.
    box->setStyleSheet(
        QStringLiteral("QCheckBox { background-color: %1; }").arg((marked ? Marked : InfoBk).name()));
}

void Zahlenwahl::resetColours()
{
    for (int n = 1; n <= m_game.highestNumber; ++n)
        showBox(n, false);
}

void Zahlenwahl::randomPressed()
{
    switch (m_animation.press()) {
    case RandomTipAnimation::Press::Started:
        for (int n = 1; n <= m_game.highestNumber; ++n) {
            m_list.entries[n].checked = false;
            showBox(n, false);
        }
        showCount();
        m_timer->start();
        break;
    case RandomTipAnimation::Press::Kept:
        break;
    case RandomTipAnimation::Press::Stopped:
        m_timer->stop();
        m_random->setText(QStringLiteral("Zufall"));
        break;
    }
}

void Zahlenwahl::tick()
{
    if (!m_session)
        return;
    m_random->setText(QString::number(m_animation.losgeht()) + QStringLiteral(" Stopp"));
    const auto checked = m_animation.tick(m_session->random);
    for (int n = 1; n <= m_game.highestNumber; ++n) {
        m_list.entries[n].checked = checked[n];
        showBox(n, checked[n]);
    }
    showCount();
}

QString Zahlenwahl::proposedListPath() const
{
    const QDate today = m_session ? m_session->today : QDate::currentDate();
    const QString home = m_session ? m_session->home : QString();
    return home + today.toString(QStringLiteral("yyyyMMdd")) + QStringLiteral(".tlw");
}

void Zahlenwahl::saveList()
{
    if (!m_prompts)
        return;
    const QString path = m_prompts->saveFileName(proposedListPath(), QStringLiteral("Werteliste (*.tlw)"),
                                                 QStringLiteral("tlw"));
    if (path.isEmpty())
        return;
    try {
        m_list.save(path);
    } catch (const FileError& e) {
        m_prompts->error(e.message);
    }
    setList(m_list);
}

void Zahlenwahl::loadList()
{
    if (!m_prompts)
        return;
    const QString path = m_prompts->openFileName(proposedListPath(), QStringLiteral("Werteliste (*.tlw)"),
                                                 QStringLiteral("tlw"));
    if (path.isEmpty())
        return;
    try {
        m_list.load(path);
    } catch (const FileError& e) {
        m_prompts->error(e.message);
    }
    setList(m_list);
}
