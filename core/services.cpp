#include "core/services.h"

#include <QApplication>
#include <QWidget>

#include "core/pushbutton.h"
#include "core/state.h"
#include "platform/controls.h"
#include "platform/keys.h"
#include "platform/process.h"
#include "platform/random.h"
#include "platform/sound.h"
#include "table/frmMain.h"

void ShowStatus(const QString& Text) {
    platform::Label* status = MainForm().lblStatus;
    status->SetCaption(Text);
    status->raise();
    status->repaint();
}

bool PlaySoundFile(const QString& FileName) { return platform::sound().Play(FileName); }

Integer RollDie(Byte Sides) {
    Integer value = 0;
    for (int round = 0; round < 75; ++round)
        for (int draw = 0; draw < 10; ++draw) value = Integer(int(platform::Rnd() * Sides) + 1);
    return value;
}

void OpenWithShell(const QString& Target) { platform::OpenWithDesktop(Target); }

bool IsUpArrowDown() { return platform::IsKeyDown(Qt::Key_Up); }

void UnloadAllForms() {
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->isVisible()) window->close();
}

Integer GetPointsNeeded() {
    int most = PlayToScore;
    for (int i = 0; i < NumPlayers; ++i)
        if (i != CurPlayer && PlayerScore[i] > most) most = PlayerScore[i];
    return AddScores(most - (PlayerScore[CurPlayer] + TurnScore), 50);
}

QString GetOSVersion() { return QStringLiteral("N/A"); }

void FixButtonColors(QWidget* frm) {
    // Only Windows XP with its visual styles drew these buttons itself.
    if (GetOSVersion() == QStringLiteral("WinXP")) return;
    for (ButtonPlus* button : frm->findChildren<ButtonPlus*>()) button->SetBackColor(ButtonFaceColor);
}
