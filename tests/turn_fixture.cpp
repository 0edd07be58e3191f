#include "turn_fixture.h"

#include <QFile>
#include <QPaintEvent>
#include <QTest>
#include <QtEndian>

#include "core/pushbutton.h"
#include "core/state.h"
#include "platform/controls.h"
#include "platform/resources.h"
#include "table/frmMain.h"

namespace {

// A valid 8 kHz mono WAV file that lasts 1 ms.
void WriteShortWave(const QString& path) {
    QByteArray data("RIFF\0\0\0\0WAVEfmt ", 16);
    auto put32 = [&](quint32 v) {
        char b[4];
        qToLittleEndian(v, b);
        data.append(b, 4);
    };
    auto put16 = [&](quint16 v) {
        char b[2];
        qToLittleEndian(v, b);
        data.append(b, 2);
    };
    put32(16);
    put16(1);
    put16(1);
    put32(8000);
    put32(8000);
    put16(1);
    put16(8);
    data.append("data", 4);
    put32(8);
    data.append(QByteArray(8, '\x80'));
    qToLittleEndian(quint32(data.size() - 8), data.data() + 4);
    QFile file(path);
    if (file.open(QIODevice::WriteOnly)) file.write(data);
}

}  // namespace

QStringList StatusTimeline::Entries() const {
    QStringList entries;
    std::size_t pause = 0;
    auto pausesUpTo = [&](std::size_t end) {
        for (; pause < end && pause < clock.pauses.size(); ++pause)
            entries << QStringLiteral("+%1").arg(clock.pauses[pause]);
    };
    for (const Shown& s : shown) {
        pausesUpTo(s.pausesBefore);
        entries << s.text;
    }
    pausesUpTo(clock.pauses.size());
    return entries;
}

QStringList StatusTimeline::AfterThrow(int animationPause) const {
    QStringList entries = Entries();
    const QString frame = QStringLiteral("+%1").arg(animationPause);
    while (!entries.isEmpty() && (entries.front() == QStringLiteral("Rolling...") || entries.front() == frame))
        entries.removeFirst();
    return entries;
}

bool StatusTimeline::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Paint) {
        const QString text = static_cast<platform::Label*>(watched)->Caption();
        if (shown.empty() || shown.back().text != text) shown.push_back({text, clock.pauses.size()});
    }
    return false;
}

void TurnTest::SetUp() {
    TableTest::SetUp();
    // Until the window is on screen, repaint() draws nothing.
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form()));
    NumPlayers = 2;
    PlayerName[0] = QStringLiteral("Ann");
    PlayerName[1] = QStringLiteral("Bob");
    PlayerScore[0] = 1000;  // broken in
    PlayToScore = 5000;
    BreakIn = 500;
    FinalRoundStarter = NoSeat;
    CurPlayer = 0;
    TurnState = QStringLiteral("r");
    TurnScore = 0;
    SortDiceOn = false;
    MarkScorersOn = true;
    SoundOff = false;
    ComputerSpeed = 0;
    for (QString* path : {&SndDravik, &SndOneDie, &SndMultiDie, &SndMoveDie, &SndPassem1, &SndPassem2, &SndUndo,
                          &SndGameOver}) {
        const QString name = path == &SndDravik     ? "dravik"
                             : path == &SndOneDie   ? "onedie"
                             : path == &SndMultiDie ? "multidie"
                             : path == &SndMoveDie  ? "movedie"
                             : path == &SndUndo     ? "undo"
                                                    : "other";
        *path = WavPath(name);
        WriteShortWave(*path);
    }
    for (int i = 0; i < 6; ++i) {
        DiceCode[i] = QStringLiteral("0");
        OnTable[i] = false;
        TrayUsed[i] = false;
    }
    form().cmdRoll->show();
    form().cmdPassDice->show();
    form().cmdRoll->setEnabled(true);
    form().cmdPassDice->setEnabled(false);
}

QString TurnTest::WavPath(const QString& name) const { return TempDir_() + name + ".wav"; }

void TurnTest::MakeComputer(int speed) {
    IsComputer[0] = true;
    ComputerStyle[0] = 1;
    ComputerSpeed = Byte(speed);
    form().cmdRoll->setEnabled(false);
    form().cmdPassDice->setEnabled(false);
}

void TurnTest::Roll(const std::vector<int>& faces) {
    const bool animated = !(IsComputer[CurPlayer] && ComputerSpeed == 2);
    dice.QueueThrow(faces, animated);
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

void TurnTest::Click(int box, int button) { form().Picture1_MouseUp(box, button, 0, 100, 100); }

int TurnTest::FaceIn(int box) const {
    const platform::PictureBox* target = MainForm().Picture1[box];
    if (!target->HasPicture()) return 0;
    for (int face = 1; face <= 6; ++face)
        if (target->Picture().cacheKey() == platform::LoadResBitmap(DieColorBase + face).cacheKey()) return face;
    return -1;
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
    clock.Advance(10000);  // any sound still playing has ended
}
