#pragma once
// Rules of a turn that need no window: which dice of a throw score, alone or in
// which group, what each group is worth, and what the seat to play may do.
#include <QString>
#include <array>

#include "core/types.h"

constexpr Integer NotThrown = 99;  // DieFace of a position whose die was set aside before the throw

// The scoring code of every position: "0" no score, "99" not thrown, "1"/"5" a
// single, "a".."f" three, "g".."l" four, "m".."r" five and "s".."x" six of a
// kind (by face 1..6), "y" a straight and "z" three pairs. Positions
// 0..numDice-1 were thrown; the others hold NotThrown.
std::array<QString, 6> ClassifyDice(const std::array<Integer, 6>& faces, int numDice);

// Points added when the die or group with this code is taken; 0 for codes that
// cannot be taken ("0", "99" and anything unknown).
Integer PointsOfCode(const QString& code);

// A letter code stands for a group: every die with that code is taken at once.
bool IsGroupCode(const QString& code);

// Status line after an undo that restores this turn state; empty for an unknown state.
QString UndoStatusText(const QString& turnState);

// The seat to play is a computer seat (false when no game runs).
bool SeatIsComputer();
// A computer seat at a speed that skips the show's pauses (Fast or Ridiculous).
bool SeatIsFastComputer();
// A computer seat at Ridiculous speed: no animation and no pauses between dice.
bool SeatIsRidiculousComputer();
// The seat has banked before or this turn has reached the break-in.
bool SeatCanBank();
