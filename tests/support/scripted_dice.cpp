#include "support/scripted_dice.h"

#include "platform/random.h"

namespace {
// A draw that gives this face (1..6) as floor(6u) + 1.
double DrawFor(int face) { return (face - 1) / 6.0 + 0.01; }
}  // namespace

ScriptedDice::ScriptedDice()
    : draws(std::make_shared<std::deque<double>>()), overrun(std::make_shared<bool>(false)) {}

int ScriptedDice::AnimationFrames(int numDice) {
    constexpr int frames[] = {20, 15, 10, 8, 7, 5};
    return frames[numDice - 1];
}

void ScriptedDice::QueueGetDie2(int face) {
    // Every swap of a(i) with a(i) keeps 1..6 in place, except in the last round
    // the first swap, which brings `face` to the front.
    for (int round = 0; round < 60; ++round)
        for (int i = 1; i <= 5; ++i) draws->push_back(round == 59 && i == 1 ? DrawFor(face) : DrawFor(i));
}

void ScriptedDice::QueueRollDie(int face) {
    for (int draw = 0; draw < 750; ++draw) draws->push_back(DrawFor(face));
}

void ScriptedDice::QueueThrow(const std::vector<int>& faces, bool animated) {
    const int n = int(faces.size());
    if (animated)
        for (int frame = 0; frame < AnimationFrames(n); ++frame)
            for (int die = 0; die < n; ++die) QueueGetDie2(AnimationFace(frame, die));
    for (int i = 0; i < n; ++i) {
        if (i % 2 == 0) QueueRollDie(faces[i]);
        else QueueGetDie2(faces[i]);
    }
}

void ScriptedDice::Install() {
    platform::SetRandomSource([queue = draws, over = overrun] {
        if (queue->empty()) {
            *over = true;
            return 0.5;
        }
        const double u = queue->front();
        queue->pop_front();
        return u;
    });
}
