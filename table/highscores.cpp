// The two top-ten lists of the main window, the checks that put a new result on them,
// and the High Rollers button.
#include <QListWidget>

#include "core/highscore_file.h"
#include "core/numeric.h"
#include "core/settings_store.h"
#include "core/state.h"
#include "platform/dialogs.h"
#include "table/frmMain.h"
#include "windows/frmHighRollers.h"
#include "windows/frmViewHRListYN.h"

namespace {

constexpr int ListSize = 10;

// What the two checks differ in.
struct TopTen {
    QListWidget* list;
    QString tag;  // as the prompt window knows the list
};

// A name as an entry can hold it: the separator would split it and a line break would cut the
// file's line, and the file keeps one byte per character (so a name typed decomposed is composed first).
QString StorableName(QString name) {
    name = name.normalized(QString::NormalizationForm_C);
    name.replace(ListSeparator, u'*').replace(u'\r', u' ').replace(u'\n', u' ');
    for (QChar& c : name)
        if (c.unicode() > 255) c = u'?';
    return name;
}

// Index of the first entry with a lower score; ListSize when none is lower. An equal score goes below.
int PlaceFor(const QListWidget& list, Integer score) {
    for (int i = 0; i < ListSize; ++i) {
        if (i >= list.count()) return i;  // an open place on a short list
        if (Val(list.item(i)->text().section(ListSeparator, 1, 1)) < score) return i;
    }
    return ListSize;
}

// The lists as the file holds them: the first ten entries and the next ten.
void FillLists(frmMain& form, const QStringList& entries) {
    form.lstHSTS->clear();
    form.lstBMoV->clear();
    form.lstHSTS->addItems(entries.mid(0, ListSize));
    form.lstBMoV->addItems(entries.mid(ListSize, ListSize));
    form.HighScoresAsRead = entries;
}

void CheckHighScore(frmMain& form, const TopTen& topTen, QString name, Integer score) {
    const int place = PlaceFor(*topTen.list, score);
    if (place >= ListSize) return;

    if (name.left(6) == QStringLiteral("Player")) {
        name = platform::dialogs().InputBox(
            QStringLiteral("Congratulations!  You just made number ") + QString::number(place + 1) +
                QStringLiteral(" on the \"") + HighScoreListName(topTen.tag) +
                QStringLiteral("\" top ten!  What's your name?"),
            QStringLiteral("Way To Go !!!"), name);
    }
    name = StorableName(name);

    bool showList = false;
    if (ReadSetting(QStringLiteral("NoHS")) != QString::number(TodayDayNumber())) {
        DialogMessage = name + ListSeparator + QString::number(place + 1) + ListSeparator + topTen.tag;
        ShowViewHighRollersPrompt();
        showList = DialogMessage == QStringLiteral("Yes");
        DialogMessage = QString();
    }

    topTen.list->insertItem(place, name + ListSeparator + QString::number(score));
    while (topTen.list->count() > ListSize) delete topTen.list->takeItem(topTen.list->count() - 1);
    form.SaveHighScores();

    if (showList) ShowHighRollers();
}

}  // namespace

void frmMain::LoadHighScores() {
    QString copy;
    const QStringList entries = ReadHighScoreFile(&copy);
    FillLists(*this, entries);
    if (copy.isEmpty()) return;
    platform::dialogs().MsgBox(QStringLiteral("The high score file\n%1\nwas damaged. The entries that could still be "
                                              "read are kept.\n\nA copy of the damaged file is in\n%2")
                                   .arg(HighScoreFilePath(), copy),
                               platform::Buttons::OK, platform::Icon::Exclamation);
}

void frmMain::CheckTurnHighScore(const QString& Name, Integer Score) {
    CheckHighScore(*this, {lstHSTS, QStringLiteral("turn")}, Name, Score);
}

void frmMain::CheckWhoopinHighScore(const QString& Name, Integer Margin) {
    CheckHighScore(*this, {lstBMoV, QStringLiteral("whoop")}, Name, Margin);
}

void frmMain::SaveHighScores() {
    QStringList entries;
    for (QListWidget* list : {lstHSTS, lstBMoV})
        for (int i = 0; i < ListSize; ++i) entries << (i < list->count() ? list->item(i)->text() : QString());
    // Another game on the same file may have saved since this one read it: the new entries go into
    // the lists as the file holds them now, and the window shows those.
    QStringList lists;
    const SaveResult saved = MergeHighScoreFile(HighScoresAsRead, entries, &lists);
    if (saved == SaveResult::Saved) return FillLists(*this, lists);
    // The entry stays on the lists in memory; say that the file did not take it. The next save starts
    // from what the file holds now, so that it neither adds an entry twice nor drops one.
    if (!lists.isEmpty()) HighScoresAsRead = lists;
    platform::dialogs().MsgBox(QStringLiteral("The high score lists could not be saved to\n") +
                                   HighScoreFilePath() +
                                   QStringLiteral("\n\nThey are kept until the game is closed. ") +
                                   HighScoreFileAfterFailure(saved),
                               platform::Buttons::OK, platform::Icon::Exclamation);
}

void frmMain::cmdHighRollers_Click() { ShowHighRollers(); }
