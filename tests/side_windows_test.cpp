// The About box, the scrolling credits, the dedication window, the help viewer and the gradient
// background of the side windows.
#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QPointer>
#include <QProcess>
#include <QScrollBar>
#include <QTest>
#include <QTextBrowser>
#include <functional>

#include "core/pushbutton.h"
#include "core/state.h"
#include "platform/controls.h"
#include "platform/placement.h"
#include "platform/twips.h"
#include "support/fixtures.h"
#include "support/odd_files.h"
#include "table/frmMain.h"
#include "windows/frmAbout.h"
#include "windows/frmCredits.h"
#include "windows/frmCustomizeSounds.h"
#include "windows/frmHighRollers.h"
#include "windows/frmMosk.h"
#include "windows/frmViewHRListYN.h"
#include "windows/frmWelcome.h"
#include "windows/help_viewer.h"

using platform::PictureBox;

namespace {

// Catches the links the program hands to the desktop.
class UrlCatcher : public QObject {
    Q_OBJECT
public:
    UrlCatcher() {
        for (const char* scheme : {"http", "https", "mailto"})
            QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), this, "Open");
    }
    ~UrlCatcher() override {
        for (const char* scheme : {"http", "https", "mailto"})
            QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
    }
    QList<QUrl> opened;

public slots:
    void Open(const QUrl& url) { opened << url; }
};

// The rows of a picture that differ from its ground: first and last, -1 when none.
std::pair<int, int> InkRows(const QImage& image, const QColor& ground) {
    std::pair<int, int> rows{-1, -1};
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) != ground) {
                if (rows.first < 0) rows.first = y;
                rows.second = y;
                break;
            }
    return rows;
}

// Watches the credits box: each scroll step hands it a new picture. Records where the next step draws and
// the virtual time paused before each step, and calls onStep after each one.
class CreditsWatch : public QObject {
public:
    explicit CreditsWatch(const platform::VirtualClock& clock) : clock(clock) {
        qApp->installEventFilter(this);
    }
    ~CreditsWatch() override { qApp->removeEventFilter(this); }
    std::function<void(frmCredits&, int step)> onStep;
    std::vector<int> tops;
    std::vector<long long> paused;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* box = event->type() == QEvent::Paint ? qobject_cast<PictureBox*>(watched) : nullptr;
        auto* credits = box ? qobject_cast<frmCredits*>(box->window()) : nullptr;
        if (!credits || box != credits->picScroll || box->Picture().cacheKey() == shown) return false;
        shown = box->Picture().cacheKey();
        tops.push_back(credits->TextRect.top());
        paused.push_back(clock.TotalPaused());
        if (onStep) onStep(*credits, int(tops.size()));
        return false;
    }

private:
    const platform::VirtualClock& clock;
    qint64 shown = 0;
};

// Presses a button, or the close box, as the player would once the current step has been drawn.
void PressLater(QAbstractButton* button) { QMetaObject::invokeMethod(button, "click", Qt::QueuedConnection); }
void CloseLater(QWidget* window) { QMetaObject::invokeMethod(window, "close", Qt::QueuedConnection); }

class SideWindowsTest : public TableTest {
protected:
    void TearDown() override {
        CloseHelpViewer();
        TableTest::TearDown();
    }
    // The next modal window of type W runs this script.
    template <typename W>
    void On(std::function<void(W&)> script) {
        dialogs.modalScripts.push_back([script](QDialog& window) {
            auto* typed = qobject_cast<W*>(&window);
            ASSERT_NE(typed, nullptr) << window.objectName().toStdString();
            script(*typed);
        });
    }
    QStringList ModalNames() const {
        QStringList names;
        for (const auto& box : dialogs.shown)
            if (box.kind == "Modal") names << box.text;
        return names;
    }
};

}  // namespace

// Each control of the About box does its one thing and the box stays open: the dice sound whatever the
// sound option says, the links go to the desktop, and System Info says there is no such tool here.
// The welcome window's web button leads to the same page.
TEST_F(SideWindowsTest, AboutBoxControlsAndTheWelcomeWebButton) {
    UrlCatcher links;
    const QUrl web(MakerWebAddress), mail("mailto:" + MakerMailAddress);
    struct Case {
        std::function<QWidget*(frmAbout&)> control;
        bool soundOff;
        QStringList sounds;
        QList<QUrl> opened;
        QStringList messages;
    };
    const Case cases[] = {
        {[](frmAbout& a) { return a.Picture1; }, true, {SndMultiDie}, {}, {}},
        {[](frmAbout& a) { return a.Picture2; }, true, {SndOneDie}, {}, {}},
        {[](frmAbout& a) { return a.Picture2; }, false, {SndOneDie}, {}, {}},
        {[](frmAbout& a) { return a.lblURL; }, false, {}, {web}, {}},
        {[](frmAbout& a) { return a.lblMail; }, false, {}, {mail}, {}},
        {[](frmAbout& a) { return a.cmdSysInfo; },
         false,
         {},
         {},
         {"System Information Is Unavailable At This Time"}},
    };
    On<frmAbout>([&](frmAbout& about) {
        EXPECT_EQ(about.lblURL->cursor().shape(), Qt::BitmapCursor);  // the hand
        for (const Case& c : cases) {
            SoundOff = c.soundOff;
            sound.played.clear();
            links.opened.clear();
            dialogs.shown.clear();
            clock.Advance(60000);  // the sound before has ended
            QTest::mouseClick(c.control(about), Qt::LeftButton);
            EXPECT_EQ(sound.played, c.sounds);
            EXPECT_EQ(links.opened, c.opened);
            QStringList messages;
            for (const auto& box : dialogs.shown) {
                messages << box.text;
                EXPECT_EQ(box.buttons, platform::Buttons::OK);
                EXPECT_EQ(box.icon, platform::Icon::None);
            }
            EXPECT_EQ(messages, c.messages);
            EXPECT_TRUE(about.isVisible());
        }
        QTest::mouseClick(about.cmdOK, Qt::LeftButton);
        EXPECT_FALSE(about.isVisible());
    });
    form().mnuAbout_Click();
    EXPECT_TRUE(dialogs.modalScripts.empty());

    links.opened.clear();
    HoldWelcomeWindow(false);
    On<frmWelcome>([](frmWelcome& welcome) {
        QTest::mouseClick(welcome.cmdWebSite, Qt::LeftButton);
        EXPECT_TRUE(welcome.isVisible());
    });
    form().mnuHowToPlay_Click();
    EXPECT_EQ(links.opened, QList<QUrl>{web});
}

// "July 25th" hides the box while the dedication window is up, then shows it again.
TEST_F(SideWindowsTest, DedicationHidesTheAboutBoxUntilItCloses) {
    frmAbout* box = nullptr;
    bool aboutVisibleMeanwhile = true;
    On<frmAbout>([&](frmAbout& about) {
        box = &about;
        QTest::mouseClick(about.cmdMissYou, Qt::LeftButton);
        EXPECT_TRUE(about.isVisible());
        QTest::mouseClick(about.cmdOK, Qt::LeftButton);
        EXPECT_FALSE(about.isVisible());
    });
    On<frmMosk>([&](frmMosk& mosk) {
        aboutVisibleMeanwhile = box->isVisible();
        EXPECT_FALSE(mosk.windowTitle().isEmpty());
        EXPECT_TRUE(mosk.Image1->HasPicture());
        QTest::mouseClick(mosk.cmdOK, Qt::LeftButton);
        EXPECT_FALSE(mosk.isVisible());
    });
    form().mnuAbout_Click();
    EXPECT_FALSE(aboutVisibleMeanwhile);
    EXPECT_EQ(ModalNames(), (QStringList{"frmAbout", "frmMosk"}));
    EXPECT_TRUE(dialogs.modalScripts.empty());
}

// The text starts just below the box, so the first step shows nothing; it moves up a pixel a step, a step
// only once more than 40 ms have passed; OK beeps, stops it and unloads the window.
TEST_F(SideWindowsTest, CreditsScrollUpAPixelAStepOnTheClock) {
    CreditsWatch watch(clock);
    int height = 0;
    std::pair<int, int> firstInk, lastInk;
    watch.onStep = [&](frmCredits& credits, int step) {
        height = credits.picScroll->height();
        const auto ink = InkRows(credits.picScroll->Picture().toImage(), QColor(255, 255, 192));
        if (step == 1) firstInk = ink;
        if (step == 40) lastInk = ink, PressLater(credits.cmdOK);
    };
    On<frmAbout>([](frmAbout& about) {
        QTest::mouseClick(about.cmdCredits, Qt::LeftButton);
        about.close();
    });
    form().mnuAbout_Click();

    ASSERT_EQ(watch.tops.size(), 40u);
    EXPECT_EQ(sound.beeps, 1);
    EXPECT_EQ(ModalNames(), (QStringList{"frmAbout", "frmCredits"}));
    for (std::size_t i = 0; i < watch.tops.size(); ++i) {
        EXPECT_EQ(watch.tops[i], height - 1 - int(i)) << i;
        EXPECT_EQ(watch.paused[i], 41LL * i) << i;  // the first step at once, then every 41 ms
    }
    EXPECT_EQ(firstInk.first, -1);
    EXPECT_GE(lastInk.first, height - 40);  // risen from the bottom edge, no further
    EXPECT_GE(lastInk.second, height - 12);
    for (const QWidget* window : QApplication::topLevelWidgets())
        EXPECT_FALSE(qobject_cast<const frmCredits*>(window) && window->isVisible());
}

// Once the whole text has left at the top it comes round again from below; the close box ends the loop
// without a beep, and the next opening scrolls from the start in a fresh window.
TEST_F(SideWindowsTest, CreditsComeRoundAgainAndReopenFromTheStart) {
    CreditsWatch watch(clock);
    int height = 0, textHeight = 0;
    QPointer<frmCredits> first;
    watch.onStep = [&](frmCredits& credits, int step) {
        height = credits.picScroll->height();
        textHeight = credits.TextHeight;
        if (step == 1) first = &credits;
        if (step > 2 && credits.TextRect.top() == height - 2) CloseLater(&credits);  // two steps into round 2
    };
    ShowCreditsWindow();
    ASSERT_GT(textHeight, height);  // the credits are longer than the box
    const std::size_t round = std::size_t(height + textHeight + 1);
    ASSERT_EQ(watch.tops.size(), round + 2);
    EXPECT_EQ(watch.tops[round - 2], -textHeight);
    EXPECT_EQ(watch.tops[round - 1], height);  // round again, just below the box
    EXPECT_EQ(sound.beeps, 0);

    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(first.isNull());  // unloaded for good
    watch.tops.clear();
    watch.onStep = [&](frmCredits& credits, int step) {
        if (step == 3) CloseLater(&credits);
    };
    ShowCreditsWindow();
    EXPECT_EQ(watch.tops, (std::vector<int>{height - 1, height - 2, height - 3}));
}

// The help opens at its topic: the document beside the program when there is one, else the built-in copy.
TEST_F(SideWindowsTest, HelpOpensAtTheTopicFromTheDocumentBesideTheProgramOrTheBuiltInOne) {
    form().mnuGoHelp_Click();
    frmHelp* viewer = HelpViewerIfOpen();
    ASSERT_NE(viewer, nullptr);
    EXPECT_TRUE(viewer->isVisible());
    EXPECT_EQ(viewer->txtHelp->source(), QUrl("qrc:/help/ovd3.html#topic1"));
    EXPECT_TRUE(viewer->txtHelp->toPlainText().contains("Dice Point Values"));
    // It opens over the middle of the table, not in a corner of the screen.
    EXPECT_LE((viewer->frameGeometry().center() - form().frameGeometry().center()).manhattanLength(), 1);

    // Topics further down the document scroll further down.
    viewer->resize(500, 300);
    int lastPosition = -1;
    for (int topic : {1, 2, 11, 12}) {
        ShowHelpTopic(topic);
        EXPECT_EQ(HelpViewerIfOpen(), viewer);  // one viewer
        const int position = viewer->txtHelp->verticalScrollBar()->value();
        EXPECT_GT(position, lastPosition) << topic;
        lastPosition = position;
    }

    QFile beside(ProgramDir() + "ovd3.html");
    ASSERT_TRUE(beside.open(QIODevice::WriteOnly));
    beside.write("<html><body><a name=\"topic11\"></a><h1>Our own help</h1></body></html>");
    beside.close();
    ShowHelpTopic(11);
    EXPECT_EQ(viewer->txtHelp->source().adjusted(QUrl::RemoveFragment),
              QUrl::fromLocalFile(ProgramDir() + "ovd3.html"));
    EXPECT_EQ(viewer->txtHelp->source().fragment(), "topic11");
    EXPECT_TRUE(viewer->txtHelp->toPlainText().contains("Our own help"));
    // Another user's link to the player's file, or pipe that user keeps swapping in: the built-in page at once.
    if (::geteuid() != 0) GTEST_SKIP() << "only root can act as another user";
    ASSERT_EQ(QProcess::execute("sh", {"-c", "chmod 755 $0.. && chmod 1777 $0 && mv $0ovd3.html $0../own && ln -s "
                                             "../own $0ovd3.html && chown -h nobody: $0ovd3.html", ProgramDir()}), 0);
    ShowHelpTopic(11);
    EXPECT_EQ(viewer->txtHelp->source(), QUrl("qrc:/help/ovd3.html#topic11"));
    QProcess swapper;  // that user's pipe and empty page in turn at the name
    swapper.start("setpriv", {"--reuid=nobody", "--regid=nogroup", "--clear-groups", "perl", "-MPOSIX", "-e", "chdir shift;"
        R"( mkfifo "p", 0644; open F, ">f"; {link($_, "i"), rename("i", "ovd3.html") for "p", "f"; redo})", ProgramDir()});
    PipeWatchdog watchdog({ProgramDir() + "p"});
    int switches = 0, openings = 0;  // between that user's page and the built-in one, as the swaps fall
    for (QUrl last; switches < 40 && ++openings < 100000; last = viewer->txtHelp->source()) {
        ShowHelpTopic(2);
        switches += viewer->txtHelp->source() != last;
    }
    EXPECT_FALSE(watchdog.Finish()) << "the help waited on another user's pipe";
    EXPECT_EQ(switches, 40) << "the swaps did not happen";
    swapper.kill();
    swapper.waitForFinished();
}

// The side windows with the gradient paint white at the top turning light blue below; the credits keep
// their pale yellow.
TEST_F(SideWindowsTest, GradientWindowsPaintWhiteToLightBlue) {
    const std::pair<QDialog*, bool> cases[] = {
        {new frmWelcome(), true}, {new frmAbout(), true}, {new frmMosk(), true}, {new frmCredits(), false}};
    for (const auto& [made, gradient] : cases) {
        std::unique_ptr<QDialog> window(made);
        SCOPED_TRACE(window->objectName().toStdString());
        const QImage image = window->grab().toImage();
        const QColor top = image.pixelColor(2, 2), bottom = image.pixelColor(2, image.height() - 3);
        if (gradient) {
            EXPECT_TRUE(top.red() >= 250 && top.green() >= 250 && top.blue() == 255)
                << top.name().toStdString();
            EXPECT_TRUE(bottom.red() < 130 && bottom.green() < 185 && bottom.green() > bottom.red() &&
                        bottom.blue() == 255)
                << bottom.name().toStdString();
        } else {
            EXPECT_EQ(top, QColor(255, 255, 192));
            EXPECT_EQ(bottom, QColor(255, 255, 192));
        }
    }
}

// Every side window shows its own title, inner size (twips) and fixed texts; a doubled "&" in a caption
// shows as one.
TEST_F(SideWindowsTest, SideWindowsShowTheirTitlesSizesAndTexts) {
    const auto about = std::make_unique<frmAbout>();
    const auto credits = std::make_unique<frmCredits>();
    const auto mosk = std::make_unique<frmMosk>();
    const auto welcome = std::make_unique<frmWelcome>();
    const auto sounds = std::make_unique<frmCustomizeSounds>();
    const auto prompt = std::make_unique<frmViewHRListYN>();
    const auto rollers = std::make_unique<frmHighRollers>();
    struct Case {
        QDialog* window;
        QString title;  // empty: the implementer's own
        QSize twips;
        std::vector<std::pair<QWidget*, QString>> texts;
    };
    const Case cases[] = {
        {about.get(),
         "About Orvane Dravik 3",
         {4890, 3165},
         {{about->Label3, "Orvane Software Presents"},
          {about->Label2, "Orvane Dravik 3"},
          {about->Label1, "Orvane Software"},
          {about->Label5, "v3.1.1"},
          {about->cmdOK, "OK"},
          {about->cmdCredits, "Credits"},
          {about->cmdSysInfo, "System Info"},
          {about->cmdMissYou, "July 25th"}}},
        {credits.get(),
         "Orvane Dravik 3 Credits",
         {4890, 5895},
         {{credits->Label1, "Credits & Stuff"}, {credits->cmdOK, "OK"}}},
        {mosk.get(), "", {4680, 4125}, {{mosk->cmdOK, "OK"}}},
        {welcome.get(),
         "How to Dravik",
         {3375, 4305},
         {{welcome->Label1, "Orvane Dravik 3"},
          {welcome->Label2, "by Orvane Software"},
          {welcome->cmdLearn, "How to Play Orvane Dravik 3"},
          {welcome->cmdPoints, "Dice Point Values"},
          {welcome->cmdTips, "Dravik Tips & Tricks"},
          {welcome->cmdWebSite, "Visit Orvane Software's Web Site"},
          {welcome->cmdExit, "Start Playing Dravik!"},
          {welcome->lblShowWelcome, "Show this welcome window"}}},
        {sounds.get(),
         "Customize Sounds",
         {3150, 4095},
         {{sounds->lblEvent, "Event:"},
          {sounds->Label1, "Sound:"},
          {sounds->Label2, "[Hit Backspace to restore defaults]"},
          {sounds->cmdBrowse, "Browse..."},
          {sounds->cmdTest, "Test"},
          {sounds->cmdOK, "OK"},
          {sounds->cmdCancel, "Cancel"}}},
        {prompt.get(),
         "Way to go !!!",
         {4095, 2160},
         {{prompt->cmdYes, "Yes"}, {prompt->cmdNo, "No"}, {prompt->lblDontAsk, "Don't ask me this again today."}}},
        {rollers.get(),
         "Orvane Dravik 3 - High Rollers",
         {5835, 7665},
         {{rollers->cmdOK, "OK"}, {rollers->lblReset, "Reset List"}}},
    };
    // The text as the control shows it: a button's "&&" is one "&".
    const auto shownText = [](const QWidget* control) {
        if (const auto* button = qobject_cast<const QAbstractButton*>(control))
            return button->text().replace("&&", "&");
        return qobject_cast<const QLabel*>(control)->text();
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.window->objectName().toStdString());
        if (c.title.isEmpty()) EXPECT_FALSE(c.window->windowTitle().isEmpty());
        else EXPECT_EQ(c.window->windowTitle(), c.title);
        EXPECT_EQ(c.window->size(), QSize(platform::Px(c.twips.width()), platform::Px(c.twips.height())));
        for (const auto& [control, text] : c.texts) EXPECT_EQ(shownText(control), text);
    }
}

// A window manager may offer minimise on a modal window that asks for none; minimised, it would leave
// every other window waiting on it out of sight. It comes straight back; a modeless one stays down.
TEST_F(SideWindowsTest, MinimisedModalWindowsComeStraightBack) {
    for (const bool modal : {true, false}) {
        QDialog window;
        window.setModal(modal);
        window.show();
        window.setWindowState(Qt::WindowMinimized);
        QCoreApplication::processEvents();
        EXPECT_EQ(window.isMinimized(), !modal) << (modal ? "modal" : "modeless");
    }
}

// The credits: each heading followed by its names and an empty line, the web lines, two empty lines and a
// closing paragraph of five lines; no line break after the last line.
TEST(CreditsText, HeadingsNamesAndGapsInOrder) {
    const QStringList lines = CreditsLines().split("\r\n");
    ASSERT_EQ(lines.size(), 36);
    const std::pair<int, QString> fixed[] = {
        {0, "Game Design && Programming:"}, {2, ""},  {3, "Dice Design:"},  {5, ""},  {6, "Copy Edit:"},
        {9, ""},  {10, "Q&&A:"},  {25, ""},  {26, "Visit Orvane Software"},  {27, "on the web at"},
        {29, ""},  {30, ""},
    };
    for (const auto& [line, text] : fixed) EXPECT_EQ(lines[line], text) << line;
    std::vector<int> named{1, 4, 7, 8, 28};  // one name, one, two, the web address
    for (int line = 11; line <= 24; ++line) named.push_back(line);  // fourteen names
    for (int line = 31; line <= 35; ++line) named.push_back(line);  // the closing paragraph
    for (int line : named) EXPECT_FALSE(lines[line].isEmpty()) << line;
}

#include "side_windows_test.moc"
