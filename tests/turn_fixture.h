#pragma once
// A game in progress on the real main window: two seats, seat 0 to play, the
// dice scripted, short sound files, and a record of what the status line and
// the dice boxes showed between the pauses of the virtual clock.
#include <QObject>
#include <QStringList>
#include <ostream>
#include <vector>

#include "support/fixtures.h"
#include "support/scripted_dice.h"

// Readable texts in the failure messages.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

// Records each new caption the status line paints, with the pauses between.
class StatusTimeline : public QObject {
public:
    explicit StatusTimeline(const platform::VirtualClock& clock) : clock(clock) {}
    // Texts and pauses in order; a pause of 250 ms reads "+250".
    QStringList Entries() const;
    // The entries from the first one that is not "Rolling..." or an animation pause.
    QStringList AfterThrow(int animationPause) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Shown {
        QString text;
        std::size_t pausesBefore;
    };
    const platform::VirtualClock& clock;
    std::vector<Shown> shown;
};

class TurnTest : public TableTest {
protected:
    void SetUp() override;

    // Seat 0 (the seat to play) becomes a computer seat at this speed.
    void MakeComputer(int speed);
    // The Roll action with dice ending in these faces; fails when the throw
    // draws more or fewer random numbers than scripted.
    void Roll(const std::vector<int>& faces);
    // Sets dice aside as an earlier throw of this turn would have left them.
    void SetAside(const std::vector<int>& faces);
    // Empties the set-aside row, as a pass does.
    void EmptyRow();
    void Click(int box, int button = 1);

    // Faces in the set-aside boxes 10..15 as shown (0 for an empty box).
    std::vector<int> RowFaces() const;
    // Faces on the table boxes 0..5 as shown (0 for an empty box).
    std::vector<int> TableShows() const;
    // The face a box shows: 1..6, 0 when empty, -1 for a picture that is no die face.
    int FaceIn(int box) const;

    QString Status() const;
    bool RollOn() const;
    bool PassOn() const;
    long long Paused() const { return clock.TotalPaused(); }
    // Forgets the pauses and sounds so far.
    void ClearRecords();

    QString WavPath(const QString& name) const;

    ScriptedDice dice;
};
