#pragma once
// Small services that every window uses.
#include <QString>

#include "core/types.h"

class QWidget;

// Sets the main window's status line, brings it to the front and repaints it at once.
void ShowStatus(const QString& Text);
// Plays a WAV file without waiting; a sound still playing is not cut off (the
// request is dropped). True when the sound started.
bool PlaySoundFile(const QString& FileName);
// A random face 1..Sides: the last of 750 draws.
Integer RollDie(Byte Sides);
// Opens a web address, mail address or document with its default program.
void OpenWithShell(const QString& Target);
// True while the Up arrow key is held down.
bool IsUpArrowDown();
// Closes every window that is loaded.
void UnloadAllForms();
// Points the seat to play still needs: 50 more than the distance to the larger of
// the goal and the best banked score of the other seats.
Integer GetPointsNeeded();
// Gives the push buttons of a window the button-face colour where the visual
// style would not draw them (everywhere here: there is no Windows version).
void FixButtonColors(QWidget* frm);
// Name of the Windows version the program runs on: "N/A" on this platform.
QString GetOSVersion();
