#pragma once

#include "tips/TipSheetOps.h"
#include "tips/ValueList.h"

#include <QDialog>
#include <array>
#include <optional>

class QCheckBox;
class QLabel;
class QPushButton;
class QTimer;
class QToolButton;
class Prompts;
class Session;

// TForm6, the number selection dialog: the numbers of the game as check boxes, each with a weight shown as
// its hint. List mode shows the generator's pool for review ("&Rechnen" rebuilds it); single-tip mode
// edits one row of the sheet and offers the "Zufall" animation. The weights live in a ValueList that
// the boxes mirror.
class Zahlenwahl : public QDialog
{
    Q_OBJECT
public:
    enum class Result
    {
        Ok,
        Retry,
        Abort
    };

    explicit Zahlenwahl(QWidget* parent = nullptr);

    // The random source of the animation, the home folder and today's date for the list files, and the
    // file dialogs. Set once by the main window's checking attach.
    void attach(Session& session, Prompts& prompts);
    // Shows the boxes 1..N of the game; the boxes of larger games stay hidden.
    void setGame(const Game& game);

    // List mode: show the pool with its weights, let the user edit, read the result back.
    void setList(const ValueList& list);
    ValueList list() const { return m_list; }
    Result execList();

    // Single-tip mode: shows the row's numbers; the checked numbers when the user pressed OK.
    std::optional<NumberChecks> editTip(const TipSheet::Row& row, const QString& caption,
                                        const QString& captionAfter);

    QCheckBox* box(int number) const { return m_boxes[number]; }
    bool isMarked(int number) const { return m_marked[number]; } // yellow
    bool animationRunning() const;
    QString statusText() const;
    // Single-tip mode: "n von 7" and, unless seven are ticked, which numbers the row will take.
    QString countText() const;
    QString countHint() const;

    void done(int result) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void boxClicked(int number, bool checked);
    void showBox(int number, bool marked = false);
    void resetColours();
    void setListMode(bool list);
    void showCount();
    void randomPressed();
    void tick();
    void saveList();
    void loadList();
    QString proposedListPath() const;

    ValueList m_list;
    RandomTipAnimation m_animation;
    std::array<QCheckBox*, Game::MaxHighestNumber + 1> m_boxes{};
    std::array<bool, Game::MaxHighestNumber + 1> m_marked{};
    std::array<bool, Game::MaxHighestNumber + 1> m_styled{};
    QTimer* m_timer = nullptr;
    QPushButton* m_ok = nullptr;
    QPushButton* m_retry = nullptr;
    QPushButton* m_random = nullptr;
    QLabel* m_status = nullptr;
    QLabel* m_count = nullptr;
    bool m_singleTip = false;
    bool m_minus = false;
    Game m_game;
    Session* m_session = nullptr;
    Prompts* m_prompts = nullptr;
};
