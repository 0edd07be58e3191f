// The About box, the scrolling credits, the dedication window, the help viewer and the gradient
// background of the side windows.
#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QPointer>
#include <QScrollBar>
#include <QTest>
#include <QTextBrowser>
#include <functional>

#include "core/pushbutton.h"
#include "core/state.h"
#include "platform/controls.h"
#include "support/fixtures.h"
#include "table/frmMain.h"
#include "windows/frmAbout.h"
#include "windows/frmCredits.h"
#include "windows/frmMosk.h"
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

// Watches the credits box: one record per scroll step (each step hands the box a new picture).
class CreditsWatch : public QObject {
public:
    struct Step {
        int topAfter;          // where the next step draws
        long long pausedBefore;  // virtual time paused before this step
        int inkTop, inkBottom;   // rows of the box that show text (-1 when none); first steps only
    };
    explicit CreditsWatch(const platform::VirtualClock& clock) : clock(clock) { qApp->installEventFilter(this); }
    ~CreditsWatch() override { qApp->removeEventFilter(this); }

    // Called after every step with the window and the step's number (from 1).
    std::function<void(frmCredits&, int)> onStep;
    std::vector<Step> steps;
    int innerHeight = 0;
    static constexpr int InkRecorded = 60;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Paint) return false;
        auto* box = qobject_cast<PictureBox*>(watched);
        auto* credits = box ? qobject_cast<frmCredits*>(box->window()) : nullptr;
        if (!credits || box != credits->picScroll || !box->HasPicture()) return false;
        if (box->Picture().cacheKey() == lastPicture) return false;
        lastPicture = box->Picture().cacheKey();
        innerHeight = box->height();
        Step step{credits->TextRect.top(), clock.TotalPaused(), -1, -1};
        if (steps.size() < InkRecorded) InkRows(box->Picture().toImage(), box->BackColor(), step);
        steps.push_back(step);
        if (onStep) onStep(*credits, int(steps.size()));
        return false;
    }

private:
    static void InkRows(const QImage& image, const QColor& back, Step& step) {
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (image.pixelColor(x, y) != back) {
                    if (step.inkTop < 0) step.inkTop = y;
                    step.inkBottom = y;
                    break;
                }
            }
        }
    }
    const platform::VirtualClock& clock;
    qint64 lastPicture = 0;
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

// There is no system information tool here: the box says so, exactly, with OK and no icon.
TEST_F(SideWindowsTest, SystemInfoSaysItIsUnavailable) {
    On<frmAbout>([](frmAbout& about) {
        QString value = "left over";
        EXPECT_FALSE(about.GetKeyValue(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH", value));
        EXPECT_EQ(value, QString());
        QTest::mouseClick(about.cmdSysInfo, Qt::LeftButton);
        EXPECT_TRUE(about.isVisible());
        QTest::mouseClick(about.cmdOK, Qt::LeftButton);
    });
    form().mnuAbout_Click();
    ASSERT_EQ(dialogs.shown.size(), 2u);
    EXPECT_EQ(dialogs.shown[0].text, "frmAbout");
    EXPECT_EQ(dialogs.shown[0].title, "About Orvane Dravik 3");
    EXPECT_EQ(dialogs.shown[1].kind, "MsgBox");
    EXPECT_EQ(dialogs.shown[1].text, "System Information Is Unavailable At This Time");
    EXPECT_EQ(dialogs.shown[1].buttons, platform::Buttons::OK);
    EXPECT_EQ(dialogs.shown[1].icon, platform::Icon::None);
}

// The two dice play their throw sounds even with the game's sounds switched off.
TEST_F(SideWindowsTest, DicePicturesSoundWhateverTheSoundOption) {
    struct Case {
        bool soundOff;
        PictureBox* frmAbout::*picture;
        QString* sound;
    };
    const Case cases[] = {
        {true, &frmAbout::Picture1, &SndMultiDie},
        {true, &frmAbout::Picture2, &SndOneDie},
        {false, &frmAbout::Picture1, &SndMultiDie},
        {false, &frmAbout::Picture2, &SndOneDie},
    };
    On<frmAbout>([&](frmAbout& about) {
        for (const Case& c : cases) {
            SoundOff = c.soundOff;
            sound.played.clear();
            clock.Advance(60000);  // the sound before has ended
            QTest::mouseClick(about.*c.picture, Qt::RightButton);  // only the left button plays
            EXPECT_TRUE(sound.played.isEmpty());
            QTest::mouseClick(about.*c.picture, Qt::LeftButton);
            EXPECT_EQ(sound.played, QStringList{*c.sound});
        }
        about.close();
    });
    form().mnuAbout_Click();
    EXPECT_EQ(ModalNames(), QStringList{"frmAbout"});
}

// The web address and the mail link go to the desktop; the box stays open.
TEST_F(SideWindowsTest, LinksOpenTheWebPageAndTheMailLink) {
    UrlCatcher links;
    On<frmAbout>([](frmAbout& about) {
        QTest::mouseClick(about.lblURL, Qt::LeftButton);
        QTest::mouseClick(about.lblMail, Qt::LeftButton);
        EXPECT_TRUE(about.isVisible());
        EXPECT_EQ(about.lblURL->cursor().shape(), Qt::BitmapCursor);  // the hand
        about.close();
    });
    form().mnuAbout_Click();
    ASSERT_EQ(links.opened.size(), 2);
    EXPECT_EQ(links.opened[0], QUrl(MakerWebAddress));
    EXPECT_EQ(links.opened[1], QUrl("mailto:" + MakerMailAddress));
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

// The text starts just below the box, moves up a pixel a step, a step only after more than 40 ms, and
// OK (with a beep) stops it and unloads the window.
TEST_F(SideWindowsTest, CreditsScrollUpAPixelAStepOnTheClock) {
    CreditsWatch watch(clock);
    watch.onStep = [](frmCredits& credits, int step) {
        if (step == 40) PressLater(credits.cmdOK);
    };
    On<frmAbout>([](frmAbout& about) {
        QTest::mouseClick(about.cmdCredits, Qt::LeftButton);
        about.close();
    });
    form().mnuAbout_Click();

    ASSERT_EQ(watch.steps.size(), 40u);
    EXPECT_EQ(sound.beeps, 1);
    EXPECT_EQ(ModalNames(), (QStringList{"frmAbout", "frmCredits"}));
    const int height = watch.innerHeight;
    for (std::size_t i = 0; i < watch.steps.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(watch.steps[i].topAfter, height - 1 - int(i));
        EXPECT_EQ(watch.steps[i].pausedBefore, 41LL * i);  // the first step at once, then every 41 ms
    }
    // Drawn just below the box, the first step shows nothing; then the text rises from the bottom edge.
    EXPECT_EQ(watch.steps[0].inkTop, -1);
    const auto& last = watch.steps.back();
    ASSERT_GE(last.inkTop, 0);
    EXPECT_GE(last.inkTop, height - 40);
    EXPECT_GE(last.inkBottom, height - 12);
    for (const QWidget* window : QApplication::topLevelWidgets())
        EXPECT_FALSE(qobject_cast<const frmCredits*>(window) && window->isVisible());
}

// Once the whole text has left at the top it comes round again from below; the close box ends the
// loop, and the next opening scrolls from the start in a fresh window.
TEST_F(SideWindowsTest, CreditsComeRoundAgainAndReopenFromTheStart) {
    CreditsWatch watch(clock);
    int textHeight = 0;
    QPointer<frmCredits> first;
    watch.onStep = [&](frmCredits& credits, int step) {
        textHeight = credits.TextHeight;
        if (step == 1) first = &credits;
        // Close a couple of steps after the text came round.
        if (step > 2 && credits.TextRect.top() == watch.innerHeight - 2) CloseLater(&credits);
    };
    ShowCreditsWindow();
    const int height = watch.innerHeight;
    ASSERT_GT(textHeight, height);  // the credits are longer than the box
    const std::size_t round = std::size_t(height + textHeight + 1);
    ASSERT_EQ(watch.steps.size(), round + 2);
    EXPECT_EQ(watch.steps[round - 2].topAfter, -textHeight);
    EXPECT_EQ(watch.steps[round - 1].topAfter, height);  // round again, just below the box
    EXPECT_EQ(sound.beeps, 0);                           // the close box does not beep

    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(first.isNull());  // unloaded for good
    watch.steps.clear();
    watch.onStep = [&](frmCredits& credits, int step) {
        if (step == 3) CloseLater(&credits);
    };
    ShowCreditsWindow();
    ASSERT_EQ(watch.steps.size(), 3u);
    EXPECT_EQ(watch.steps[0].topAfter, height - 1);
}

// A text that cannot be measured does not scroll: the window says so and unloads.
TEST_F(SideWindowsTest, CreditsThatCannotBeMeasuredSayErrorScrollingText) {
    CreditsWatch watch(clock);
    auto* credits = new frmCredits();
    credits->Form_Load();
    credits->CreditsText.clear();
    dialogs.ShowModal(*credits);
    EXPECT_TRUE(watch.steps.empty());
    ASSERT_EQ(dialogs.shown.size(), 2u);
    EXPECT_EQ(dialogs.shown[1].text, "Error scrolling text");
    EXPECT_EQ(dialogs.shown[1].icon, platform::Icon::Exclamation);
    EXPECT_EQ(dialogs.shown[1].buttons, platform::Buttons::OK);
    EXPECT_FALSE(credits->isVisible());
    delete credits;
}

// The credits name the maker's site and say "&" where the text doubles it.
TEST_F(SideWindowsTest, CreditsTextHasItsSections) {
    const QStringList lines = CreditsLines().split("\r\n");
    const QStringList headings{"Game Design && Programming:", "Dice Design:", "Copy Edit:", "Q&&A:"};
    const int names[] = {1, 1, 2, 14};
    for (int h = 0; h < headings.size(); ++h) {
        const int at = int(lines.indexOf(headings[h]));
        ASSERT_GE(at, 0) << headings[h].toStdString();
        for (int i = 1; i <= names[h]; ++i) EXPECT_FALSE(lines[at + i].isEmpty()) << headings[h].toStdString();
        EXPECT_TRUE(lines[at + names[h] + 1].isEmpty()) << headings[h].toStdString();
    }
    const int visit = int(lines.indexOf("Visit Orvane Software"));
    ASSERT_GE(visit, 0);
    EXPECT_EQ(lines[visit + 1], "on the web at");
    EXPECT_TRUE(MakerWebAddress.contains(lines[visit + 2]));
    EXPECT_EQ(lines.size() - (visit + 5), 5);  // two empty lines, then five closing lines
    EXPECT_FALSE(CreditsLines().endsWith("\n"));
}

// The help opens at its topic: the document beside the program when there is one, else the built-in copy.
TEST_F(SideWindowsTest, HelpOpensAtTheTopicFromTheDocumentBesideTheProgramOrTheBuiltInOne) {
    form().mnuGoHelp_Click();
    frmHelp* viewer = HelpViewerIfOpen();
    ASSERT_NE(viewer, nullptr);
    EXPECT_TRUE(viewer->isVisible());
    EXPECT_EQ(viewer->txtHelp->source(), QUrl("qrc:/help/ovd3.html#topic1"));
    EXPECT_TRUE(viewer->txtHelp->toPlainText().contains("Dice Point Values"));

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
    EXPECT_EQ(viewer->txtHelp->source().adjusted(QUrl::RemoveFragment), QUrl::fromLocalFile(ProgramDir() + "ovd3.html"));
    EXPECT_EQ(viewer->txtHelp->source().fragment(), "topic11");
    EXPECT_TRUE(viewer->txtHelp->toPlainText().contains("Our own help"));
}

// The side windows with the gradient paint white at the top turning light blue below; the credits keep
// their pale yellow.
TEST_F(SideWindowsTest, GradientWindowsPaintWhiteToLightBlue) {
    struct Case {
        std::function<QDialog*()> make;
        bool gradient;
    };
    const Case cases[] = {
        {[] { return static_cast<QDialog*>(new frmWelcome()); }, true},
        {[] { return static_cast<QDialog*>(new frmAbout()); }, true},
        {[] { return static_cast<QDialog*>(new frmMosk()); }, true},
        {[] { return static_cast<QDialog*>(new frmCredits()); }, false},
    };
    for (const Case& c : cases) {
        std::unique_ptr<QDialog> window(c.make());
        SCOPED_TRACE(window->objectName().toStdString());
        const QImage image = window->grab().toImage();
        const QColor top = image.pixelColor(2, 2);
        const QColor bottom = image.pixelColor(2, image.height() - 3);
        if (c.gradient) {
            EXPECT_GE(top.red(), 250);
            EXPECT_GE(top.green(), 250);
            EXPECT_EQ(top.blue(), 255);
            EXPECT_EQ(bottom.blue(), 255);
            EXPECT_LT(bottom.red(), 130);
            EXPECT_LT(bottom.green(), 185);
            EXPECT_GT(bottom.green(), bottom.red());
        } else {
            EXPECT_EQ(top, QColor(255, 255, 192));
            EXPECT_EQ(bottom, QColor(255, 255, 192));
        }
    }
}

#include "side_windows_test.moc"
