// The score pad: its height per seat count, the marks of the rows and the blinking goal line.
#include <QApplication>
#include <QFont>
#include <QFontInfo>
#include <QImage>
#include <QPainter>
#include <QTimer>

#include "core/numeric.h"
#include "core/state.h"
#include "game_fixture.h"
#include "platform/controls.h"
#include "platform/twips.h"
#include "windows/frmScorePad.h"

using platform::Px;

namespace {

const QColor Red = ColorFromNumber(0xFF);
const QColor Navy = ColorFromNumber(0x800000);

void Seats(int count) {
    NumPlayers = Byte(count);
    for (int i = 0; i < 8; ++i) {
        PlayerName[i] = QString("P%1").arg(i);
        PlayerScore[i] = 0;
    }
}

}  // namespace

class ScorePadTest : public GameTest {};

// Each seat count has its own height, which cuts off the rows of seats that do not play.
TEST_F(ScorePadTest, HeightShowsExactlyTheSeatsInPlay) {
    const int heights[] = {2115, 2115, 2535, 2955, 3375, 3795, 4215, 4635};
    frmScorePad& pad = ScorePad();
    for (int seats = 1; seats <= 8; ++seats) {
        Seats(seats);
        pad.Form_Activate();
        EXPECT_EQ(pad.HeightTwips(), heights[seats - 1]) << seats;
        const int shown = std::max(seats, 2);
        EXPECT_LE(pad.lblPlayer[shown - 1]->geometry().bottom(), pad.height()) << seats;
        if (shown < 8) EXPECT_GE(pad.lblPlayer[shown]->y(), pad.height()) << seats;
        EXPECT_FALSE(pad.lblPlayer[7]->isHidden());  // cut off by the height, not hidden
    }
    for (int odd : {0, 9}) {
        NumPlayers = Byte(odd);
        pad.Form_Activate();
        EXPECT_EQ(pad.HeightTwips(), heights[7]) << odd;  // unchanged
    }
    EXPECT_EQ(pad.width(), Px(2595));
}

// The goal line blinks between goal and break-in every 1800 ms until every seat has banked.
TEST_F(ScorePadTest, GoalLineBlinksUntilEverySeatHasBanked) {
    Seats(3);
    PlayToScore = 5000;
    BreakIn = 500;
    frmScorePad& pad = ScorePad();
    EXPECT_EQ(pad.Timer1->interval(), 1800);
    EXPECT_TRUE(pad.Timer1->isActive());
    pad.Form_Activate();
    const QString goal = "(Playing to 5000)", breakIn = "(500 to break in)";
    QStringList shown;
    const std::vector<std::vector<int>> scores{
        {0, 0, 0}, {0, 0, 0}, {0, 0, 0}, {350, 0, 0}, {350, 0, 600}, {350, 0, 600}, {350, 50, 600}, {350, 50, 600}};
    for (const auto& round : scores) {
        for (int i = 0; i < 3; ++i) PlayerScore[i] = Integer(round[i]);
        pad.Timer1_Timer();
        shown << pad.lblGoal->text();
    }
    EXPECT_EQ(shown, (QStringList{breakIn, goal, breakIn, goal, breakIn, goal, goal, goal}));

    // The timer's own ticks run the same handler.
    PlayerScore[1] = 0;
    pad.lblGoal->SetCaption(goal);
    QMetaObject::invokeMethod(pad.Timer1, "timeout", Qt::DirectConnection);
    EXPECT_EQ(pad.lblGoal->text(), breakIn);

    // The rules of the game in force.
    PlayToScore = 10000;
    BreakIn = 1000;
    pad.Form_Activate();
    EXPECT_EQ(pad.lblGoal->text(), "(Playing to 10000)");
    pad.Timer1_Timer();
    EXPECT_EQ(pad.lblGoal->text(), "(1000 to break in)");
}

// Activation redraws every seat from the shared state: the seat to play red and bold, the
// others navy; a computer's italics stay. With no game running nobody is marked.
TEST_F(ScorePadTest, ActivationRedrawsTheRows) {
    Seats(4);
    PlayerScore[2] = 750;
    CurPlayer = 2;
    frmScorePad& pad = ScorePad();
    pad.SetItalicName(1, true);
    for (int i = 0; i < 4; ++i) pad.MarkSeat(i, true);  // stale marks
    pad.lblScore[2]->SetCaption("stale");
    pad.show();
    QApplication::setActiveWindow(&pad);  // a click on the pad
    for (int i = 0; i < 4; ++i) {
        const bool current = i == 2;
        EXPECT_EQ(pad.lblPlayer[i]->text(), QString("P%1").arg(i));
        EXPECT_EQ(pad.lblPlayer[i]->ForeColor(), current ? Red : Navy) << i;
        EXPECT_EQ(pad.lblScore[i]->ForeColor(), current ? Red : Navy) << i;
        EXPECT_EQ(pad.lblPlayer[i]->font().bold(), current) << i;
        EXPECT_EQ(pad.lblScore[i]->font().bold(), current) << i;
        EXPECT_EQ(pad.lblPlayer[i]->font().italic(), i == 1) << i;
    }
    EXPECT_EQ(pad.lblScore[2]->text(), "750");

    CurPlayer = NoSeat;
    pad.Form_Activate();
    for (int i = 0; i < 4; ++i) EXPECT_EQ(pad.lblPlayer[i]->ForeColor(), Navy) << i;
}

// The pad's first use marks the seat to play; in a test run it names the first game.
TEST_F(ScorePadTest, LoadMarksTheSeatToPlayAndNamesTheTestGame) {
    CurPlayer = 0;
    TestMode = true;
    TestGamesTotal = 7;
    frmScorePad& pad = ScorePad();
    EXPECT_EQ(pad.windowTitle(), " Game 1 of 7");
    EXPECT_EQ(pad.lblPlayer[0]->ForeColor(), Red);
    EXPECT_TRUE(pad.lblScore[0]->font().bold());
    EXPECT_EQ(pad.palette().color(QPalette::Window), QColor(255, 255, 128));
    EXPECT_EQ(pad.lblGoal->font().family(), pad.font().family());
    EXPECT_DOUBLE_EQ(pad.font().pointSizeF(), 9.75);

    UnloadScorePad();
    TestMode = false;
    CurPlayer = NoSeat;  // no game: nothing to mark
    EXPECT_EQ(ScorePad().windowTitle(), " Score Pad");
    EXPECT_EQ(ScorePad().lblPlayer[0]->ForeColor(), Navy);
}

// The seat to play, the headings and the goal line are written in a real bold face of the pad's
// font, which shows: the same text takes clearly more ink than in the regular face.
TEST_F(ScorePadTest, BoldIsARealBoldFaceThatShows) {
    Seats(2);
    CurPlayer = 0;
    frmScorePad& pad = ScorePad();
    pad.Form_Activate();
    // Pixels darker than mid-grey of a text in a font, black on white.
    const auto ink = [](const QFont& font, const QString& text) {
        QImage image(200, 40, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setFont(font);
        painter.setPen(Qt::black);
        painter.drawText(image.rect(), Qt::AlignLeft | Qt::AlignVCenter, text);
        painter.end();
        int dark = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) dark += qGray(image.pixel(x, y)) < 128;
        return dark;
    };
    for (platform::Label* bold : {pad.lblGoal, pad.Label2, pad.Label3, pad.lblPlayer[0], pad.lblScore[0]}) {
        SCOPED_TRACE(bold->text().toStdString());
        const QFontInfo face(bold->font());
        EXPECT_TRUE(face.bold());
        EXPECT_TRUE(face.styleName().contains("Bold")) << face.family().toStdString() << " "
                                                        << face.styleName().toStdString();
        QFont regular = bold->font();
        regular.setBold(false);
        EXPECT_GT(ink(bold->font(), bold->text()), ink(regular, bold->text()) * 5 / 4);
    }
    EXPECT_FALSE(QFontInfo(pad.lblPlayer[1]->font()).bold());
}
