#pragma once

#include "tips/TipSheet.h"

#include <QLabel>
#include <QWidget>
#include <array>

class LottoZahlen;
class QLineEdit;
class QSpinBox;
class QToolButton;

// A label that reports a left click: the row locks, the ticket number and the banners.
class ClickableLabel : public QLabel
{
    Q_OBJECT
public:
    using QLabel::QLabel;

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

// "Lottotipp": the twelve rows of the sheet with their lock labels, result labels and edit buttons, the
// draw bar above them and the buttons of the other subsystems around them. Every cell edit goes into
// the session at once; the page shows the session in its refresher.
class TipPage : public QWidget
{
    Q_OBJECT
public:
    explicit TipPage(LottoZahlen& window, QWidget* parent = nullptr);

    // The ticket-number label: set by start-up and the ticket action, then by each comparison with a
    // draw's ENCORE digits.
    void showTicket(const QString& caption, bool red = false);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildRows(QWidget* area);
    void cellChanged(int row, int col);
    void paintCells(int row);
    void showSession();

    LottoZahlen& m_window;
    std::array<std::array<QLineEdit*, TipSheet::Cells>, TipSheet::Rows> m_cells{};
    std::array<ClickableLabel*, TipSheet::Rows> m_rowLabels{};
    std::array<QLabel*, TipSheet::Rows> m_hitLabels{};
    std::array<QLabel*, TipSheet::Rows> m_crossSumLabels{};
    QLabel* m_drawLine = nullptr;
    QLabel* m_crossSum = nullptr;
    QLabel* m_game = nullptr; // the game of the draw on the draw bar, e.g. "7 aus 50"
    ClickableLabel* m_ticket = nullptr;
    QSpinBox* m_tipCount = nullptr;
};
