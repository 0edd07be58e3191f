// The top-ten checks: where a result enters, who is asked for a name, when the
// prompt is offered, and what the file holds afterwards.
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QPlainTextEdit>
#include <unistd.h>

#include "core/highscore_file.h"
#include "core/pushbutton.h"
#include "core/settings_store.h"
#include "core/state.h"
#include "support/fixtures.h"
#include "table/frmMain.h"
#include "windows/frmHighRollers.h"
#include "windows/frmViewHRListYN.h"

namespace {

QStringList Entries(const QListWidget* list) {
    QStringList texts;
    for (int i = 0; i < list->count(); ++i) texts << list->item(i)->text();
    return texts;
}

class HighScoreCheckTest : public TableTest {
protected:
    // Built-in lists in memory and on file; the prompt suppressed for today unless asked.
    void Fresh(bool suppressPrompt = true) {
        ResetHighScores();
        form().LoadHighScores();
        WriteSetting("NoHS", suppressPrompt ? QString::number(TodayDayNumber()) : "Null");
        dialogs.shown.clear();
    }
    void Check(bool turn, const QString& name, Integer score) {
        turn ? form().CheckTurnHighScore(name, score) : form().CheckWhoopinHighScore(name, score);
    }
    QListWidget* List(bool turn) { return turn ? form().lstHSTS : form().lstBMoV; }
    int Shown(const QString& kind, const QString& text = {}) {
        int n = 0;
        for (const auto& box : dialogs.shown) n += box.kind == kind && (text.isEmpty() || box.text == text);
        return n;
    }
};

}  // namespace

// Ties stay below the entries they equal, and a result no better than the tenth changes nothing,
// not even the file; both lists follow the same rule.
TEST_F(HighScoreCheckTest, PlaceRuleOnBothLists) {
    const struct { Integer score; int place; } cases[] = {  // place 0: does not enter
        {1050, 0}, {1051, 10}, {1500, 2}, {1501, 1}, {1250, 7}, {1275, 6}, {32767, 1}, {-20, 0},
    };
    for (bool turn : {true, false}) {
        for (const auto& c : cases) {
            Fresh();
            const QStringList before = Entries(List(turn));
            QFile::remove(HighScoreFilePath());
            Check(turn, "Zed", c.score);
            const QStringList after = Entries(List(turn));
            SCOPED_TRACE(testing::Message() << (turn ? "turn " : "whoop ") << c.score);
            ASSERT_EQ(after.size(), 10);
            if (c.place == 0) {
                EXPECT_EQ(after, before);
                EXPECT_FALSE(QFile::exists(HighScoreFilePath()));
                continue;
            }
            EXPECT_EQ(after[c.place - 1], "Zed¤" + QString::number(c.score));
            EXPECT_EQ(after.mid(0, c.place - 1), before.mid(0, c.place - 1));
            EXPECT_EQ(after.mid(c.place), before.mid(c.place - 1, 10 - c.place));
            EXPECT_EQ(ReadHighScoreFile(), Entries(form().lstHSTS) + Entries(form().lstBMoV));
        }
    }
    // Another game on the same file saved meanwhile: both entries stay, where they rank.
    Fresh();
    QStringList lists = BuiltInHighScores();
    lists.insert(0, "Other¤1600");
    lists.removeAt(10);
    ASSERT_EQ(WriteHighScoreFile(lists), SaveResult::Saved);
    Check(true, "Zed", 1501);
    lists.insert(1, "Zed¤1501");
    lists.removeAt(10);
    EXPECT_EQ(ReadHighScoreFile(), lists);
    EXPECT_EQ(Entries(form().lstHSTS) + Entries(form().lstBMoV), lists);
}

// Only names that begin with "Player", exactly so, are asked for; the answer as typed is stored
// (a cancelled box gives the empty name) and handed to the prompt.
TEST_F(HighScoreCheckTest, DefaultNamesAreAskedForTheirRealName) {
    const struct { QString name, typed; bool asked; } cases[] = {
        {"Player1", "Ann", true}, {"Players", "Ann", true}, {"Player", "", true}, {"player1", "", false},
        {"PLAYER2", "", false},   {"Play", "", false},
    };
    for (const auto& c : cases) {
        Fresh(false);
        dialogs.inputs = {c.typed};
        QString handed;
        dialogs.modalScripts.push_back([&](QDialog&) { handed = DialogMessage; });
        Check(true, c.name, 1100);
        const QString stored = c.asked ? c.typed : c.name;
        EXPECT_EQ(Shown("InputBox"), c.asked ? 1 : 0) << c.name.toStdString();
        EXPECT_EQ(handed, stored + "¤10¤turn");
        EXPECT_EQ(form().lstHSTS->item(9)->text(), stored + "¤1100");
    }
    Fresh();
    Check(false, "Player3", 1400);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text,
              "Congratulations!  You just made number 4 on the \"Biggest Whoopin'\" top ten!  "
              "What's your name?");
    EXPECT_EQ(dialogs.shown[0].title, "Way To Go !!!");
}

// The prompt is offered unless it was turned off today; the entry is saved either way.
TEST_F(HighScoreCheckTest, PromptIsSkippedOnlyOnTheDayItWasTurnedOff) {
    const struct { QString noHS; bool prompt; } cases[] = {
        {QString::number(TodayDayNumber()), false}, {QString::number(TodayDayNumber() - 1), true},
        {"Null", true}, {"", true},
    };
    for (const auto& c : cases) {
        Fresh();
        WriteSetting("NoHS", c.noHS);
        QFile::remove(HighScoreFilePath());
        Check(false, "Ann", 1600);
        EXPECT_EQ(Shown("Modal", "frmViewHRListYN"), c.prompt ? 1 : 0) << c.noHS.toStdString();
        EXPECT_EQ(Shown("Modal", "frmHighRollers"), 0);
        EXPECT_EQ(ReadHighScoreFile().value(10), "Ann¤1600");
        EXPECT_TRUE(DialogMessage.isEmpty());
    }
}

// Only "Yes" opens the High Rollers window, which already shows the new entry.
TEST_F(HighScoreCheckTest, PromptAnswerDecidesOnTheHighRollersWindow) {
    const struct { const char* answer; bool lists; } cases[] = {
        {"Yes", true}, {"No", false}, {"close", false}};
    for (const auto& c : cases) {
        Fresh(false);
        QString handed, firstRow;
        dialogs.modalScripts.push_back([&](QDialog& window) {
            handed = DialogMessage;
            auto& prompt = static_cast<frmViewHRListYN&>(window);
            if (QString(c.answer) == "Yes") prompt.cmdYes->click();
            else if (QString(c.answer) == "No") prompt.cmdNo->click();
            else prompt.close();
        });
        dialogs.modalScripts.push_back([&](QDialog& window) {
            firstRow = static_cast<frmHighRollers&>(window).txtHSTSList->toPlainText().section('\n', 0, 0);
        });
        Check(true, "Ann", 1700);
        EXPECT_EQ(handed, "Ann¤1¤turn");
        EXPECT_EQ(Shown("Modal", "frmHighRollers"), c.lists ? 1 : 0) << c.answer;
        EXPECT_EQ(firstRow, c.lists ? "Ann" + QString(13, '.') + "1700" : "") << c.answer;
        EXPECT_TRUE(DialogMessage.isEmpty());
        EXPECT_EQ(form().lstHSTS->item(0)->text(), "Ann¤1700");
        dialogs.modalScripts.clear();
    }
}

// Names the entry cannot hold as typed are made storable, so the lists and the file agree.
TEST_F(HighScoreCheckTest, NamesAreKeptStorable) {
    const struct { QString typed, stored; } cases[] = {
        {"A¤B", "A*B"}, {"¤", "*"}, {"Łukasz", "?ukasz"}, {"Zoë", "Zoë"}, {"Zoÿ Haÿ", "Zoÿ Haÿ"},
        {QString::fromUtf8("Jose\u0301 Mu\u0308ller"), "José Müller"},  // typed decomposed
    };
    for (const auto& c : cases) {
        Fresh();
        Check(true, c.typed, 1999);
        EXPECT_EQ(form().lstHSTS->item(0)->text(), c.stored + "¤1999");
        EXPECT_EQ(ReadHighScoreFile(), Entries(form().lstHSTS) + Entries(form().lstBMoV));
    }
}

// A file that cannot be written is reported, and the entry stays on the list for this run.
TEST_F(HighScoreCheckTest, FailedSaveIsReported) {
    Fresh();
    QFile::remove(HighScoreFilePath());
    ASSERT_TRUE(QDir().mkpath(HighScoreFilePath()));
    Check(true, "Ann", 3000);
    ASSERT_EQ(Shown("MsgBox"), 1);
    EXPECT_TRUE(dialogs.shown[0].text.startsWith("The high score lists could not be saved"));
    EXPECT_EQ(dialogs.shown[0].icon, platform::Icon::Exclamation);
    EXPECT_EQ(form().lstHSTS->item(0)->text(), "Ann¤3000");
}

extern int FailingSyncs, FailingWrites, PassingWrites;

// After a save that may have damaged the file, the next one starts from what the file holds: an entry
// that the file took is not added twice.
TEST_F(HighScoreCheckTest, ASaveAfterADamagedOneAddsNoEntryTwice) {
    Fresh();
    // A second name makes saves write in place: the new bytes are written, then neither synced nor put back.
    ASSERT_EQ(::link(QFile::encodeName(HighScoreFilePath()), QFile::encodeName(HighScoreFilePath() + ".2")), 0);
    FailingSyncs = PassingWrites = FailingWrites = 1;
    Check(true, "Ann", 9000);
    FailingSyncs = PassingWrites = FailingWrites = 0;
    ASSERT_EQ(Shown("MsgBox"), 1);
    EXPECT_TRUE(dialogs.shown[0].text.endsWith("may be damaged.")) << dialogs.shown[0].text.toStdString();
    Check(true, "Bob", 8000);
    Check(true, "Cy", 7000);
    EXPECT_EQ(ReadHighScoreFile().mid(0, 4), (QStringList{"Ann¤9000", "Bob¤8000", "Cy¤7000", "Marta¤1500"}));
}
