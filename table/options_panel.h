#pragma once
// What the options panel's three parts share: the lists' selection, the
// backgrounds and text-colour swatches, and the dice-colour painting.
#include <QString>
#include <QStringList>
#include <QtGlobal>

class QListWidget;
class frmMain;

// --- Lists -----------------------------------------------------------------

// Row of the selected item, -1 when none is selected.
int SelectedRow(const QListWidget* list);
// The text of the selected item; empty when none is selected.
QString SelectedText(const QListWidget* list);
// Selects a row (-1 clears the selection); raises the list's click when it changes.
void SelectRow(QListWidget* list, int row);

// --- Backgrounds and text colours -------------------------------------------

constexpr int BuiltInBackgrounds = 11;
constexpr int FirstUserBackground = BuiltInBackgrounds + 1;  // list entry of the first own picture

// The names of the built-in pictures in list order (entries 1 to 11).
QStringList BuiltInBackgroundNames();
// The file of built-in picture 1..11 in the temporary folder.
QString BuiltInBackgroundPath(int number);
// The swatch that list entry 0..11 ticks.
int BuiltInBackgroundSwatch(int entry);

// The folder of the player's own pictures, ending in '/'.
QString UserBackgroundFolder();
// Its regular readable files (no folders, hidden files, pipes or devices), in listing order.
QStringList UserBackgroundFiles();
// The first file of the listing that the pattern title.* matches; empty when none does.
QString FindUserBackground(const QString& title);
// The swatch that a picture of this file name ticks, -1 for any other name.
int UserPictureSwatch(const QString& fileName);

// The colour text that swatch 0..7 applies.
QString SwatchText(int swatch);
// The swatch that the panel ticks at opening for a colour text in force, -1 for none.
int SwatchForColorText(const QString& text);

// Shows a picture file as the table's background. A file that cannot be read
// leaves the picture that was showing and gives false.
bool ShowBackgroundFile(frmMain& form, const QString& path);

// --- Dice colours ------------------------------------------------------------

// Paints the trays, the sample panel and the twelve boxes in a back colour
// (&HBBGGRR) and shows faces 1 to 6 of the colour in force in the table boxes.
void PaintDiceSample(frmMain& form, quint32 back);
// The opening preview: the colour named by the list, with its opening back colour.
void PreviewListedDiceColor(frmMain& form);
// Puts the dice of the running turn back in the boxes, drawn from this base,
// yielding to window events before each of the six positions.
void RedrawTurnDice(frmMain& form, int base);
// Stores the colour named by the list under "DieColor"; nothing when it names none.
void StoreListedDiceColor(const frmMain& form);

// --- Saving ------------------------------------------------------------------

// Notes the result of one of Save's writes to the settings file; gives it back.
bool NoteStored(bool written);
// True when a write failed since the last call; clears the record.
bool TakeStoreFailure();
