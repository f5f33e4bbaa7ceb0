#include "gui/Zahlenwahl.h"

#include "draws/Error.h"
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
    m_random->setVisible(false);
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
    panel->addStretch(1);
    panel->addWidget(m_random);
    panel->addWidget(m_retry);
    panel->addWidget(m_ok);
    panel->addWidget(abort);
    layout->addLayout(panel);

    auto* bar = new QStatusBar(this);
    bar->setObjectName(QStringLiteral("StatusBar1"));
    bar->setSizeGripEnabled(false);
    m_status = new QLabel(bar);
    bar->addWidget(m_status, 1);
    layout->addWidget(bar);
    layout->setSizeConstraint(QLayout::SetFixedSize); // a fixed dialog border

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
    m_retry->setVisible(false);
    m_random->setVisible(true);
    m_animation.maxTipp = TipSheet::Cells;
    const NumberChecks preset = checksOfRow(row, m_game);
    for (int n = 1; n <= m_game.highestNumber; ++n) {
        m_list.entries[n].checked = preset[n];
        showBox(n, preset[n]);
    }
    std::optional<NumberChecks> result;
    if (exec() == ResultOk) {
        NumberChecks checks{};
        for (int n = 1; n <= m_game.highestNumber; ++n)
            checks[n] = m_list.entries[n].checked;
        result = checks;
    }
    m_retry->setVisible(true);
    m_random->setVisible(false);
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
            }
        } else if (event->type() == QEvent::Enter) {
            m_status->setText(m_list.statusLine(number));
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
