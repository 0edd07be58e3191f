#pragma once
// The shared game state: every window reads and writes these directly.
#include <QString>
#include <array>

#include "core/types.h"

// A character that joins the items of every compound value.
inline const QChar ListSeparator = QChar(0x00A4);  // "¤"

constexpr Byte NoSeat = 99;  // CurPlayer and FinalRoundStarter when nobody

// Seat table and game progress (seats 0 to 8; seat 8 is never used).
inline Byte NumPlayers = 0;
inline std::array<QString, 9> PlayerName;
inline std::array<Integer, 9> PlayerScore{};
inline std::array<Boolean, 9> IsComputer{};
inline std::array<Byte, 9> ComputerStyle{};
inline Byte CurPlayer = 0;
inline Integer TurnScore = 0;
inline Integer PlayToScore = 0;
inline Integer BreakIn = 0;
inline Byte FinalRoundStarter = 0;
inline Byte WinnerSeat = 0;
inline Boolean GameEnded;
inline QString TurnState;
inline QString TurnStateAfterRoll;
inline Integer TurnScoreAfterRoll = 0;
inline Byte LockedSlots = 0;
inline Boolean IsDravik;
inline Boolean CanBank;
inline Boolean BotDone;
inline Byte NumDiceUp = 0;
inline std::array<Boolean, 6> BotPicked{};
inline Boolean Quitting;

// Dice: position i is drawn in table box Picture1(i), set-aside box k in Picture1(10 + k).
inline std::array<Integer, 6> DieFace{};
inline std::array<Integer, 6> TableFace{};
inline std::array<QString, 6> DiceCode;
inline std::array<Boolean, 6> OnTable{};
inline std::array<Boolean, 6> TrayUsed{};
inline std::array<Integer, 6> TrayFace{};

// Options, folders and colours.
inline Byte ComputerSpeed = 0;  // 0 Normal, 1 Fast, 2 Ridiculous
inline Boolean SoundOff;
inline Boolean SortDiceOn;
inline Boolean MarkScorersOn;
inline Integer DieColorBase = 0;
inline QString CurTextColor;
inline QString IniFile;
inline QString WinDir;
inline QString TempDir;
inline QString SndDravik, SndOneDie, SndMultiDie, SndMoveDie, SndPassem1, SndPassem2, SndUndo, SndGameOver;

// Window co-ordination.
inline QString DialogMessage;
inline Boolean OptionsOpen;
inline Boolean OptionsResizing;
inline Boolean ScorePadInUse;
inline Integer ScorePadLeft = 0;
inline Integer ScorePadTop = 0;
inline Boolean FirstActivate;

// Computer-against-computer test run.
inline Boolean TestMode;
inline Integer TestGamesPlayed = 0;
inline Integer TestGamesTotal = 0;
inline std::array<Byte, 9> TestWins{};
inline Integer TestNormalSeat = 0;

// Every variable back to zero, False or empty, as at process start (for tests).
void ClearSharedState();
