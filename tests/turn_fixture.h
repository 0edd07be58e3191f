#pragma once
// A game in progress on the real main window: two seats, seat 0 to play, the
// dice scripted, 1 ms sound files, and what the status line painted between pauses.
#include <QObject>
#include <QStringList>
#include <ostream>
#include <vector>

#include "support/fixtures.h"
#include "support/scripted_dice.h"

inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

// Each new caption the status line paints, and the clock's pauses between them.
class StatusTimeline : public QObject {
public:
    explicit StatusTimeline(const platform::VirtualClock& clock) : clock(clock) {}
    // Texts and pauses in order ("+250" for a pause of 250 ms), from the first
    // entry that is not "Rolling..." or a pause of `skipPauseMs`.
    QStringList Entries(int skipPauseMs = -1) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    const platform::VirtualClock& clock;
    std::vector<std::pair<QString, std::size_t>> shown;  // text, pauses before it
};

class TurnTest : public TableTest {
protected:
    void SetUp() override;

    void MakeComputer(int speed);  // seat 0 becomes a computer seat
    // The Roll action with dice ending in these faces; fails unless the throw
    // draws exactly the scripted numbers.
    void Roll(const std::vector<int>& faces);
    void SetAside(const std::vector<int>& faces);  // as an earlier throw of the turn left them
    void EmptyRow();
    void Click(int box, int button = 1);

    int FaceIn(int box) const;         // 1..6 as shown, 0 when empty
    std::vector<int> RowFaces() const;  // boxes 10..15
    std::vector<int> TableShows() const;  // boxes 0..5
    QString Status() const;
    bool RollOn() const;
    bool PassOn() const;
    void ClearRecords();  // forgets pauses, sounds and beeps; any sound playing ends
    QString Wav(const QString& name) const { return TempDir_() + name + ".wav"; }

    ScriptedDice dice;
};
