#pragma once
// The score pad beside the main window: one row per seat, the seat to play in
// red bold, computer seats in italics, and a goal line that blinks until every
// seat has banked once.
#include <QWidget>
#include <array>

class QTimer;
namespace platform {
class Label;
}

class frmScorePad : public QWidget {
    Q_OBJECT
public:
    frmScorePad();

    platform::Label* lblGoal = nullptr;
    platform::Label* Label2 = nullptr;  // "Player"
    platform::Label* Label3 = nullptr;  // "Score"
    std::array<platform::Label*, 8> lblPlayer{};
    std::array<platform::Label*, 8> lblScore{};
    QTimer* Timer1 = nullptr;  // the blink of the goal line, every 1800 ms

    void Form_Load();
    void Form_Activate();
    void Timer1_Timer();

    // Both labels of a seat row: red and bold for the seat to play, navy and
    // normal weight otherwise. The name keeps its italics.
    void MarkSeat(int seat, bool current);
    // A computer seat's name is written in italics.
    void SetItalicName(int seat, bool italic);

    // Outer height in twips (client area plus title bar and borders).
    int HeightTwips() const;
    void SetHeightTwips(int twips);

    // Places the pad beside the main window: 175 twips right of it and 350 twips
    // higher, or left of it when there is no room on the right; it stays on screen.
    void PlaceBesideMainWindow();

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
};

// Created and loaded at its first use; lives until the program ends.
frmScorePad& ScorePad();

// The last steps of every game start: the pad shown beside the table and redrawn, the
// game marked as started (a computer turn of an earlier game ends at its next check),
// pending events handled, and the focus given to the table.
void ShowPadForNewGame();
frmScorePad* ScorePadIfLoaded();
void UnloadScorePad();  // for tests

// Title bar and borders of the side windows, in twips, as counted in their outer heights.
constexpr int WindowFrameTwips = 405;
