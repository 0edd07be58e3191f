#include "turn_fixture.h"

#include <QFile>
#include <QTest>

#include "core/pushbutton.h"
#include "core/state.h"
#include "platform/controls.h"
#include "platform/resources.h"
#include "support/wave_file.h"
#include "table/frmMain.h"

QStringList StatusTimeline::Entries(int skipPauseMs) const {
    QStringList entries;
    std::size_t pause = 0;
    auto pausesUpTo = [&](std::size_t end) {
        for (; pause < end; ++pause) entries << QStringLiteral("+%1").arg(clock.pauses[pause]);
    };
    for (const auto& [text, pausesBefore] : shown) {
        pausesUpTo(pausesBefore);
        entries << text;
    }
    pausesUpTo(clock.pauses.size());
    const QString skipped = QStringLiteral("+%1").arg(skipPauseMs);
    while (!entries.isEmpty() && (entries.front() == "Rolling..." || entries.front() == skipped))
        entries.removeFirst();
    return entries;
}

bool StatusTimeline::eventFilter(QObject* watched, QEvent* event) {
    const QString text = static_cast<platform::Label*>(watched)->Caption();
    if (event->type() == QEvent::Paint && (shown.empty() || shown.back().first != text))
        shown.emplace_back(text, clock.pauses.size());
    return false;
}

void TurnTest::SetUp() {
    TableTest::SetUp();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form()));  // until then repaint() draws nothing
    NumPlayers = 2;
    PlayerName[0] = "Ann";
    PlayerName[1] = "Bob";
    PlayerScore[0] = 1000;  // broken in
    PlayToScore = 5000;
    BreakIn = 500;
    FinalRoundStarter = NoSeat;
    CurPlayer = 0;
    TurnState = "r";
    SortDiceOn = false;
    MarkScorersOn = true;
    SoundOff = false;
    ComputerSpeed = 0;

    const QByteArray wave = WaveBytes(MonoPcm(8000, 8), QByteArray(8, '\x80'));  // 1 ms
    const std::vector<std::pair<QString*, QString>> sounds{
        {&SndDravik, "dravik"}, {&SndOneDie, "onedie"}, {&SndMultiDie, "multidie"}, {&SndMoveDie, "movedie"},
        {&SndUndo, "undo"},     {&SndPassem1, "pass1"}, {&SndPassem2, "pass2"},     {&SndGameOver, "over"}};
    for (const auto& [variable, name] : sounds) {
        *variable = Wav(name);
        QFile file(*variable);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(wave);
    }
    form().cmdRoll->show();
    form().cmdPassDice->show();
    form().cmdRoll->setEnabled(true);
    form().cmdPassDice->setEnabled(false);
}

void TurnTest::MakeComputer(int speed) {
    IsComputer[0] = true;
    ComputerStyle[0] = 1;
    ComputerSpeed = Byte(speed);
    form().cmdRoll->setEnabled(false);
    form().cmdPassDice->setEnabled(false);
}

void TurnTest::Roll(const std::vector<int>& faces) {
    dice.QueueThrow(faces, !(IsComputer[CurPlayer] && ComputerSpeed == 2));
    dice.Install();
    form().cmdRoll_Click();
    EXPECT_EQ(dice.Remaining(), 0u) << "the throw drew fewer numbers than scripted";
    EXPECT_FALSE(dice.Overrun()) << "the throw drew more numbers than scripted";
}

void TurnTest::SetAside(const std::vector<int>& faces) {
    for (std::size_t k = 0; k < faces.size(); ++k) {
        TrayUsed[k] = true;
        TrayFace[k] = Integer(faces[k]);
        form().DrawDie(10 + int(k), faces[k]);
    }
}

void TurnTest::EmptyRow() {
    for (int k = 0; k < 6; ++k) {
        TrayUsed[k] = false;
        TrayFace[k] = 0;
        form().DrawDie(10 + k, 0);
    }
}

int TurnTest::FaceIn(int box) const {
    const platform::PictureBox* target = MainForm().Picture1[box];
    const qint64 shown = target->Picture().cacheKey();
    for (int face = 1; face <= 6; ++face)
        if (shown == platform::LoadResBitmap(DieColorBase + face).cacheKey()) return face;
    return target->HasPicture() ? -1 : 0;
}

std::vector<int> TurnTest::RowFaces() const {
    std::vector<int> faces;
    for (int box = 10; box <= 15; ++box) faces.push_back(FaceIn(box));
    return faces;
}

std::vector<int> TurnTest::TableShows() const {
    std::vector<int> faces;
    for (int box = 0; box <= 5; ++box) faces.push_back(FaceIn(box));
    return faces;
}

QString TurnTest::Status() const { return MainForm().lblStatus->Caption(); }
bool TurnTest::RollOn() const { return MainForm().cmdRoll->isEnabled(); }
bool TurnTest::PassOn() const { return MainForm().cmdPassDice->isEnabled(); }

void TurnTest::ClearRecords() {
    clock.ClearRecord();
    sound.played.clear();
    sound.beeps = 0;
    clock.Advance(10000);
}

void TurnTest::Click(int box, int button) { form().Picture1_MouseUp(box, button, 0, 100, 100); }
