// The High Rollers window and the new high-score prompt.
#include <QApplication>
#include <QFile>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTest>
#include <memory>
#include <optional>

#include "core/highscore_file.h"
#include "core/pushbutton.h"
#include "core/settings_store.h"
#include "core/state.h"
#include "platform/controls.h"
#include "support/fixtures.h"
#include "support/odd_files.h"
#include "table/frmMain.h"
#include "windows/frmHighRollers.h"
#include "windows/frmViewHRListYN.h"

namespace {

QStringList Rows(const QPlainTextEdit* box) { return box->toPlainText().split('\n'); }

QByteArray FileBytes() {
    QFile file(HighScoreFilePath());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList MainLists() {
    QStringList texts;
    for (const QListWidget* list : {MainForm().lstHSTS, MainForm().lstBMoV})
        for (int i = 0; i < list->count(); ++i) texts << list->item(i)->text();
    return texts;
}

// Twenty entries: the single-turn list named by length, the margin list "M0".."M9".
QStringList Lists(const QStringList& names) {
    QStringList entries;
    for (int i = 0; i < 10; ++i)
        entries << names.value(i, "T" + QString::number(i)) + "¤" + QString::number(900 - i);
    for (int i = 0; i < 10; ++i) entries << "M" + QString::number(i) + "¤" + QString::number(-i);
    return entries;
}

}  // namespace

// MakeDots gives Count dots; every row of a list ends with CR LF.
TEST(HighRollersText, DotsAndRows) {
    const std::pair<int, QString> cases[] = {{-3, ""}, {0, ""}, {1, "."}, {5, "....."}};
    for (const auto& [count, dots] : cases) EXPECT_EQ(frmHighRollers::MakeDots(count), dots) << count;
    EXPECT_EQ(frmHighRollers::HighScoreRows(Lists({}), 10).count("\r\n"), 10);
}

TEST(PromptDay, DayNumbersCountFromTheEndOf1899) {
    const std::pair<QDate, qint32> cases[] = {
        {QDate(1899, 12, 30), 0}, {QDate(1899, 12, 29), -1},
        {QDate(2000, 1, 1), 36526}, {QDate(2024, 2, 29), 45351},
    };
    for (const auto& [date, day] : cases) EXPECT_EQ(DayNumber(date), day) << date.toString().toStdString();
}

class HighRollersTest : public TableTest {};

// The score column lines up at character 17 until a name fills it.
TEST_F(HighRollersTest, RowsAlignTheScoreAfterTheName) {
    const QString n15(15, 'a'), n16(16, 'b'), n17(17, 'c');
    ASSERT_EQ(WriteHighScoreFile(Lists({n15, n16, n17, "Ivo"})), SaveResult::Saved);
    frmHighRollers window;
    window.Form_Load();
    const QStringList rows = Rows(window.txtHSTSList);
    ASSERT_EQ(rows.size(), 11);
    EXPECT_EQ(rows[0], n15 + ".900");
    EXPECT_EQ(rows[1], n16 + "899");
    EXPECT_EQ(rows[2], n17 + "898");
    EXPECT_EQ(rows[3], "Ivo" + QString(13, '.') + "897");
    EXPECT_EQ(rows[10], "");
    EXPECT_EQ(Rows(window.txtBMoVList).value(9), "M9" + QString(14, '.') + "-9");
    EXPECT_EQ(window.lblHSTS->Caption(), "Highest Single\nTurn Score:");
    EXPECT_EQ(window.lblBMoV->Caption(), "Biggest Whoopin'\n(Margin of Victory)");
    EXPECT_EQ(window.lblReset->cursor().shape(), Qt::BitmapCursor);
}

// A missing file is rebuilt; a short one is shown as far as it goes and left as it is.
TEST_F(HighRollersTest, MissingOrDamagedFileIsShownAsTheGameReadsIt) {
    QFile::remove(HighScoreFilePath());
    {
        frmHighRollers window;
        window.Form_Load();
        EXPECT_EQ(Rows(window.txtHSTSList).value(0), "Marta" + QString(11, '.') + "1500");
        EXPECT_EQ(ReadHighScoreFile(), BuiltInHighScores());
    }
    // The entry that can be read keeps its place, the unended "Bo" does not count, and the
    // built-in entries fill the rest, in the window as in the game's own lists.
    QFile file(HighScoreFilePath());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(ScrambleText("Ann¤5\r\nBo").toLatin1());
    file.close();
    frmHighRollers window;
    window.Form_Load();
    EXPECT_EQ(Rows(window.txtHSTSList).mid(0, 2),
              QStringList({"Ann" + QString(13, '.') + "5", "Oskar" + QString(11, '.') + "1450"}));
    EXPECT_EQ(Rows(window.txtBMoVList).value(0), "Oskar" + QString(11, '.') + "1500");
    QStringList expected = BuiltInHighScores();
    expected[0] = "Ann¤5";
    EXPECT_EQ(ReadHighScoreFile(), expected);
}

// Reset asks first; No changes nothing, Yes brings back the built-in lists everywhere.
TEST_F(HighRollersTest, ResetAsksThenRestoresTheBuiltInLists) {
    const struct {
        platform::Answer answer;
        bool writable, reset;
    } cases[] = {{platform::Answer::No, true, false},
                 {platform::Answer::Yes, true, true},
                 {platform::Answer::Yes, false, false}};
    for (const auto& c : cases) {
        const QStringList custom = Lists({"Ann"});
        ASSERT_EQ(WriteHighScoreFile(custom), SaveResult::Saved);
        std::optional<ReadOnlyFolder> readOnly;
        if (!c.writable) ASSERT_TRUE(readOnly.emplace(HighScoreFilePath()).Ok());
        form().LoadHighScores();
        const QByteArray customBytes = FileBytes();
        frmHighRollers window;
        window.Form_Load();
        dialogs.shown.clear();
        dialogs.answers = {c.answer};
        QTest::mouseClick(window.lblReset, Qt::LeftButton);
        ASSERT_EQ(dialogs.shown.size(), c.writable ? 1u : 2u);
        if (!c.writable)
            EXPECT_EQ(dialogs.shown[1].text, "The high score lists could not be reset in\n" +
                                                 HighScoreFilePath() +
                                                 "\n\nThe file keeps the lists it had.");
        EXPECT_EQ(dialogs.shown[0].text, "Are you sure you want to reset the high score lists?");
        EXPECT_EQ(dialogs.shown[0].title, "Reset Lists?");
        EXPECT_EQ(dialogs.shown[0].buttons, platform::Buttons::YesNo);
        EXPECT_EQ(dialogs.shown[0].icon, platform::Icon::None);
        EXPECT_EQ(MainLists(), c.reset ? BuiltInHighScores() : custom);
        if (c.reset) EXPECT_EQ(ReadHighScoreFile(), BuiltInHighScores());
        else EXPECT_EQ(FileBytes(), customBytes);
        EXPECT_EQ(Rows(window.txtHSTSList).value(0),
                  c.reset ? "Marta" + QString(11, '.') + "1500" : "Ann" + QString(13, '.') + "900");
        EXPECT_EQ(Rows(window.txtBMoVList).value(9),
                  c.reset ? "Tilde" + QString(11, '.') + "1050" : "M9" + QString(14, '.') + "-9");
    }
}

// The High Rollers button opens the window over the table's corner; OK closes it.
TEST_F(HighRollersTest, ButtonOpensTheWindowModally) {
    QPoint corner;
    bool closed = false;
    dialogs.modalScripts.push_back([&](QDialog& window) {
        corner = window.frameGeometry().topLeft();
        static_cast<frmHighRollers&>(window).cmdOK->click();
        closed = !window.isVisible();
    });
    form().cmdHighRollers->click();
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text, "frmHighRollers");
    EXPECT_EQ(dialogs.shown[0].title, "Orvane Dravik 3 - High Rollers");
    EXPECT_EQ(corner, form().frameGeometry().topLeft());
    EXPECT_TRUE(closed);
}

// The prompt names the player, the place and the list (any tag but "turn" is the margin list);
// Yes and No answer in DialogMessage, the close box leaves the input there.
TEST_F(HighRollersTest, PromptTextsAndAnswers) {
    const struct { QString input, greeting, list, answer; } cases[] = {
        {"Ann¤3¤turn", "Great Job, Ann!!!", "Highest Single Turn Score", "Yes"},
        {"Bo¤10¤whoop", "Great Job, Bo!!!", "Biggest Whoopin'", "No"},
        {"¤1¤other", "Great Job, !!!", "Biggest Whoopin'", "¤1¤other"},
    };
    for (const auto& c : cases) {
        DialogMessage = c.input;
        auto prompt = std::make_unique<frmViewHRListYN>();
        prompt->Form_Load();
        EXPECT_EQ(prompt->windowTitle(), "Way to go !!!");
        EXPECT_EQ(prompt->lblWayToGo->Caption(), c.greeting);
        EXPECT_EQ(prompt->lblMessage->Caption(),
                  "You just made number " + c.input.section("¤", 1, 1) + " on the \"" + c.list +
                      "\" top ten!  Would you like to view the high rollers list now?");
        EXPECT_EQ(prompt->lblCheck->Caption(), "");
        prompt->show();
        if (c.answer == "Yes") prompt->cmdYes->click();
        else if (c.answer == "No") prompt->cmdNo->click();
        else prompt->close();
        EXPECT_FALSE(prompt->isVisible());
        EXPECT_EQ(DialogMessage, c.answer);
    }
}

// The tick and its text both toggle it, beep, and write the day or "Null" at once.
TEST_F(HighRollersTest, DontAskTickWritesTheDayAtOnce) {
    frmViewHRListYN prompt;
    prompt.Form_Load();
    const struct { platform::Label* clicked; QString caption, noHS; } steps[] = {
        {prompt.lblCheck, "ü", QString::number(TodayDayNumber())}, {prompt.lblDontAsk, "", "Null"},
        {prompt.lblDontAsk, "ü", QString::number(TodayDayNumber())},
    };
    int beeps = 0;
    for (const auto& step : steps) {
        QTest::mouseClick(step.clicked, Qt::LeftButton);
        EXPECT_EQ(sound.beeps, ++beeps);
        EXPECT_EQ(prompt.lblCheck->Caption(), step.caption);
        EXPECT_EQ(ReadSetting("NoHS"), step.noHS);
    }
}
