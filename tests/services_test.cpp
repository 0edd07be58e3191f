// The shared services: die draws, points needed, sounds, buttons and dice colours.
#include <QFile>
#include <QSignalSpy>
#include <QTest>
#include <sys/stat.h>

#include "core/numeric.h"
#include "core/pushbutton.h"
#include "core/services.h"
#include "core/state.h"
#include "platform/random.h"
#include "platform/resources.h"
#include "platform/sound.h"
#include "support/fixtures.h"
#include "support/wave_file.h"
#include "table/dice_colors.h"
#include "table/frmMain.h"
#include "platform/controls.h"

namespace {

// A silent mono 16-bit WAV of the given length.
void writeWave(const QString& path, int milliseconds) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(WaveBytes(MonoPcm(22050, 16), QByteArray(22050 * 2 * milliseconds / 1000, '\0')));
}

}  // namespace

// Only the last of 750 draws makes the face; the others only move the generator on.
TEST(Services, RollDieUsesTheLastOf750Draws) {
    int draws = 0;
    platform::SetRandomSource([&draws] { return ++draws == 750 ? 0.70 : 0.0; });
    EXPECT_EQ(RollDie(6), 5);  // Int(0.70 * 6) + 1
    EXPECT_EQ(draws, 750);
    platform::SetRandomSource({});
}

TEST(Services, PointsNeededCountFromTheBestOfGoalAndOtherSeats) {
    struct Case {
        Integer goal;
        std::vector<Integer> scores;
        Byte seat;
        Integer turn, needed;
    };
    const std::vector<Case> cases{
        {5000, {3000, 5200, 4000}, 2, 300, 950},
        {5000, {0, 0}, 0, 0, 5050},
        {5000, {5150, 0, 0}, 1, 0, 5200},
        {10000, {10050, 10050}, 1, 0, 50},      // level with the best: 50
        {5000, {5300, 6000}, 1, 200, -850},     // ahead: negative
        {5000, {32767, 0}, 1, 0, 32767},        // out of range: held at the limit
    };
    for (const Case& c : cases) {
        PlayToScore = c.goal;
        NumPlayers = Byte(c.scores.size());
        for (size_t i = 0; i < c.scores.size(); ++i) PlayerScore[i] = c.scores[i];
        PlayerScore[c.scores.size()] = 30000;  // a seat beyond NumPlayers never counts
        CurPlayer = c.seat;
        TurnScore = c.turn;
        EXPECT_EQ(GetPointsNeeded(), c.needed);
    }
    ClearSharedState();
}

// One sound at a time: a request while one plays is dropped; a missing file plays nothing.
TEST_F(PlatformTest, SoundsPlayOneAtATime) {
    const QString longSound = TempDir_() + "long.wav", shortSound = TempDir_() + "short.wav";
    writeWave(longSound, 500);
    writeWave(shortSound, 100);
    EXPECT_EQ(platform::WaveDurationMs(longSound), 500);

    EXPECT_TRUE(PlaySoundFile(longSound));
    clock.Advance(499);
    EXPECT_FALSE(PlaySoundFile(shortSound));
    clock.Advance(1);
    EXPECT_TRUE(PlaySoundFile(shortSound));
    clock.Advance(100);
    EXPECT_FALSE(PlaySoundFile(TempDir_() + "missing.wav"));
    QFile text(TempDir_() + "text.wav");
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write("RIFF but not a wave at all");
    text.close();
    EXPECT_FALSE(PlaySoundFile(text.fileName()));
    EXPECT_EQ(sound.played, QStringList({longSound, shortSound}));
}

// A sound's length comes from its header but never exceeds what the bytes present can play:
// a streamed file claims 0xFFFFFFFF data bytes, an odd one a byte rate of 1.
TEST_F(PlatformTest, WaveLengthsOfOddHeaders) {
    struct Case {
        const char* what;
        quint16 tag, channels;
        quint32 rate, byteRate;
        quint16 blockAlign, bits;
        quint32 declared;  // the data chunk's size field
        int present;       // data bytes in the file; -1: no data chunk at all
        int ms;            // -1: cannot play
    };
    const quint32 streamed = 0xFFFFFFFF;
    const std::vector<Case> cases{
        {"plain", 1, 1, 22050, 44100, 2, 16, 4410, 4410, 100},
        {"streamed", 1, 1, 22050, 44100, 2, 16, streamed, 4410, 100},
        {"streamed stereo 44.1 kHz", 1, 2, 44100, 176400, 4, 16, streamed, 17640, 100},
        {"byte rate of 1", 1, 1, 22050, 1, 2, 16, streamed, 4410, 100},
        {"half a frame at the end", 1, 1, 22050, 44100, 2, 16, streamed, 4411, 100},
        {"no sample rate", 1, 1, 0, 44100, 2, 16, 4410, 4410, -1},
        {"1 Hz", 1, 1, 1, 2, 2, 16, 4000, 4000, -1},
        {"999 Hz", 1, 1, 999, 1998, 2, 16, 4000, 4000, -1},
        {"1000 Hz", 1, 1, 1000, 2000, 2, 16, 4000, 4000, 2000},
        {"384 kHz", 1, 1, 384000, 768000, 2, 16, 76800, 76800, 100},
        {"384.001 kHz", 1, 1, 384001, 768002, 2, 16, 76800, 76800, -1},
        {"coded at 1 Hz", 2, 1, 1, 22050, 1024, 4, 4410, 4410, -1},
        {"no frame size", 1, 1, 22050, 44100, 0, 16, 4410, 4410, -1},
        {"empty", 1, 1, 22050, 44100, 2, 16, 0, 0, 0},
        {"no data chunk", 1, 1, 22050, 44100, 2, 16, 0, -1, -1},
        {"coded, no byte rate", 2, 1, 22050, 0, 1024, 4, 4410, 4410, -1},
        {"coded, byte rate of 1, streamed", 2, 1, 22050, 1, 1024, 4, streamed, 4410, 4410000},
    };
    for (const Case& c : cases) {
        const WaveFormatChunk format{c.tag, c.channels, c.rate, c.byteRate, c.blockAlign, c.bits};
        QByteArray data = WaveBytes(format, QByteArray(qMax(c.present, 0), '\x10'), c.declared);
        if (c.present < 0) data.truncate(36);  // up to the data chunk
        const QString path = TempDir_() + "odd.wav";
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(data);
        file.close();
        EXPECT_EQ(platform::WaveDurationMs(path), c.ms) << c.what;
        if (c.ms > 0) {  // the fake player is busy exactly that long
            EXPECT_TRUE(PlaySoundFile(path)) << c.what;
            clock.Advance(c.ms - 1);
            EXPECT_TRUE(sound.Playing()) << c.what;
            clock.Advance(1);
            EXPECT_FALSE(sound.Playing()) << c.what;
        }
    }
    // Neither a folder nor a named pipe is a sound, and reading one must not wait for a writer.
    const QString pipe = TempDir_() + "pipe.wav";
    ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    EXPECT_EQ(platform::WaveDurationMs(pipe), -1);
    EXPECT_FALSE(PlaySoundFile(pipe));
    EXPECT_EQ(platform::WaveDurationMs(TempDir_()), -1);
}

TEST_F(TableTest, ShowStatusSetsTheStatusLineAndBringsItToTheFront) {
    ShowStatus("Rolling...");
    EXPECT_EQ(form().lblStatus->Caption(), "Rolling...");
    const auto siblings = form().picGameTray->children();
    EXPECT_EQ(siblings.last(), form().lblStatus);
}

TEST(Services, ButtonsTakeTheButtonFaceEverywhere) {
    EXPECT_EQ(GetOSVersion(), "N/A");
    QWidget window;
    auto* a = new ButtonPlus("A", &window);
    auto* b = new ButtonPlus("B", &window);
    a->SetBackColor(0xE10000);
    b->SetBackColor(0xFF8000);
    FixButtonColors(&window);
    EXPECT_EQ(a->BackColor(), ButtonFaceColor);
    EXPECT_EQ(b->BackColor(), ButtonFaceColor);
}

// The focused button is marked, with the face colour and with a colour of its own.
TEST(Services, TheFocusedButtonIsMarked) {
    QWidget window;
    ButtonPlus *focused = new ButtonPlus("OK", &window), *other = new ButtonPlus("OK", &window);
    window.show();
    QApplication::setActiveWindow(&window);
    focused->setFocus();
    for (const quint32 colour : {ButtonFaceColor, 0xFFBA84u}) {
        for (ButtonPlus* button : {focused, other}) button->SetBackColor(colour);
        EXPECT_NE(focused->grab().toImage(), other->grab().toImage()) << colour;
    }
}

// A middle click raises the button's second notification, not its click; keys typed on it do nothing.
TEST(Services, MiddleClickRaisesTheSecondNotification) {
    ButtonPlus button("Play !!!");
    QList<int> values;
    QObject::connect(&button, &ButtonPlus::ShowValue, [&values](Integer& value) { values << value; });
    QSignalSpy clicks(&button, &QPushButton::clicked);
    QTest::mouseClick(&button, Qt::MiddleButton);
    QTest::keyClick(&button, Qt::Key_7);
    QTest::mouseClick(&button, Qt::LeftButton);
    EXPECT_EQ(values, QList<int>{4});
    EXPECT_EQ(clicks.count(), 1);
    button.SetLeft(1890);
    EXPECT_EQ(button.Left(), 1890);
}

TEST(DiceColors, LookupsByNameAndBase) {
    EXPECT_EQ(DiceColorByName("Pablo")->base, 118);
    EXPECT_EQ(DiceColorByName("Pablo")->openingBack, 0xE4EEECu);
    EXPECT_FALSE(DiceColorByName("pablo").has_value());  // names match case and all
    EXPECT_FALSE(DiceColorByName("").has_value());
    EXPECT_STREQ(DiceColorByBase(190)->name, "Roman");
    EXPECT_FALSE(DiceColorByBase(150).has_value());
    EXPECT_EQ(DiceColorListItems(), QStringList({"Blue", "Red", "Clouds", "Antique", "Marbles", "Patriot", "Pablo",
                                                 "Clocks", "Bubbles", "Computer", "Digital"}));
    EXPECT_EQ(StartupTrayColor(124), 0xC0u);      // "Clocks" starts dark red
    EXPECT_EQ(StartupTrayColor(118), 0x800000u);  // "Pablo" navy
    EXPECT_EQ(StartupTrayColor(150), 0u);
    // Every offered colour has 48 x 48 faces; the ones not offered are the small ones. Outside the
    // rounded die each face is clear, so a die shows no square edge on any tray its colour is laid
    // on: the one the list previews, the one at start-up, the one while the options panel opens.
    for (const DiceColor& colour : DiceColorTable()) {
        const QPixmap face = platform::LoadResBitmap(colour.base + 1);
        ASSERT_FALSE(face.isNull()) << colour.name;
        EXPECT_EQ(colour.listPlace >= 0, face.width() == 48 && face.height() == 48) << colour.name;
        QList<quint32> trays{colour.previewBack};
        if (StartupTrayColor(colour.base) != 0) trays << StartupTrayColor(colour.base);
        if (colour.openingBack != 0) trays << colour.openingBack;
        for (int f = 1; f <= 6; ++f) {
            for (const quint32 tray : trays) {
                platform::PictureBox box;
                box.resize(platform::LoadResBitmap(colour.base + f).size());
                box.SetBackColor(ColorFromNumber(tray));
                box.SetPicture(platform::LoadResBitmap(colour.base + f));
                const QImage shown = box.grab().toImage();
                const int right = shown.width() - 1, bottom = shown.height() - 1;
                for (const QPoint corner : {QPoint(0, 0), QPoint(right, 0), QPoint(0, bottom), QPoint(right, bottom)})
                    EXPECT_EQ(shown.pixel(corner), ColorFromNumber(tray).rgb())
                        << colour.name << " face " << f << " at " << corner.x() << "," << corner.y();
            }
        }
    }
}
