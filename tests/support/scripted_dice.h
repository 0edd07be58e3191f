#pragma once
// Scripted dice: the exact uniform draws a throw consumes, so that a test
// chooses the faces it gets. The throw draws, in order: when animated, frames x n
// calls of GetDie2 (300 draws each); then per position RollDie (750 draws, even
// positions) or GetDie2 (300 draws, odd positions).
#include <deque>
#include <memory>
#include <vector>

class ScriptedDice {
public:
    ScriptedDice();

    // Queues one throw of faces.size() dice, ending in these faces (before any sorting).
    void QueueThrow(const std::vector<int>& faces, bool animated);
    // Makes the queued draws the random source; the fixture restores the generator.
    void Install();

    // Face shown by die `die` in animation frame `frame` of a scripted throw.
    static int AnimationFace(int frame, int die) { return (frame + die) % 6 + 1; }
    static int AnimationFrames(int numDice);

    std::size_t Remaining() const { return draws->size(); }
    bool Overrun() const { return *overrun; }

private:
    void QueueGetDie2(int face);
    void QueueRollDie(int face);

    std::shared_ptr<std::deque<double>> draws;
    std::shared_ptr<bool> overrun;
};
