#include "core/state.h"

void ClearSharedState() {
    NumPlayers = 0;
    PlayerName = {};
    PlayerScore = {};
    IsComputer = {};
    ComputerStyle = {};
    CurPlayer = 0;
    TurnScore = 0;
    PlayToScore = 0;
    BreakIn = 0;
    FinalRoundStarter = 0;
    WinnerSeat = 0;
    GameEnded = false;
    TurnState.clear();
    TurnStateAfterRoll.clear();
    TurnScoreAfterRoll = 0;
    LockedSlots = 0;
    IsDravik = false;
    CanBank = false;
    BotDone = false;
    NumDiceUp = 0;
    BotPicked = {};
    Quitting = false;
    DieFace = {};
    TableFace = {};
    DiceCode = {};
    OnTable = {};
    TrayUsed = {};
    TrayFace = {};
    ComputerSpeed = 0;
    SoundOff = false;
    SortDiceOn = false;
    MarkScorersOn = false;
    DieColorBase = 0;
    CurTextColor.clear();
    IniFile.clear();
    WinDir.clear();
    TempDir.clear();
    for (QString* path : {&SndDravik, &SndOneDie, &SndMultiDie, &SndMoveDie, &SndPassem1, &SndPassem2, &SndUndo,
                          &SndGameOver})
        path->clear();
    DialogMessage.clear();
    OptionsOpen = false;
    OptionsResizing = false;
    ScorePadInUse = false;
    ScorePadLeft = 0;
    ScorePadTop = 0;
    FirstActivate = false;
    TestMode = false;
    TestGamesPlayed = 0;
    TestGamesTotal = 0;
    TestWins = {};
    TestNormalSeat = 0;
}
