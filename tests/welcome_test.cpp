// The welcome window: when it greets, its tick and the setting behind it, the goodbye message, and the
// ways it leads to the help topics and the maker's web page.
#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QTest>
#include <QTextBrowser>
#include <functional>
#include <optional>

#include "core/pushbutton.h"
#include "core/settings_store.h"
#include "core/startup.h"
#include "core/state.h"
#include "platform/controls.h"
#include "support/fixtures.h"
#include "table/frmMain.h"
#include "windows/frmAbout.h"
#include "windows/frmWelcome.h"
#include "windows/help_viewer.h"

namespace {

const QString Tick = QStringLiteral("\u00FC");
const QString Goodbye = QStringLiteral(
    "This Welcome Window will no longer be displayed when Orvane Dravik starts up.\n"
    "If you want to view it again, just click on \"Help, How to Play\" from the main menu.");

// Catches the links the program hands to the desktop.
class LinkCatcher : public QObject {
    Q_OBJECT
public:
    LinkCatcher() {
        for (const char* scheme : {"http", "https", "mailto"})
            QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), this, "Open");
    }
    ~LinkCatcher() override {
        for (const char* scheme : {"http", "https", "mailto"})
            QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
    }
    QList<QUrl> opened;

public slots:
    void Open(const QUrl& url) { opened << url; }
};

class WelcomeTest : public TableTest {
protected:
    // The stored value of ShowWelcomeMessage; nullopt removes the key.
    void SetUp() override {
        TableTest::SetUp();
        QApplication::processEvents();  // the table's first activation, with the welcome window held
        HoldWelcomeWindow(false);
        FirstActivate = false;  // as if it had greeted already; the tests of the greeting set it again
    }
    void Store(std::optional<QString> value) {
        if (value) WriteIni({"ShowWelcomeMessage=" + *value});
        else WriteIni({});
    }
    int WelcomeShowings() const {
        int count = 0;
        for (const auto& box : dialogs.shown) count += box.kind == "Modal" && box.text == "frmWelcome";
        return count;
    }
    // The next welcome window shown runs this script.
    void OnWelcome(std::function<void(frmWelcome&)> script) {
        dialogs.modalScripts.push_back([script](QDialog& window) {
            auto* welcome = qobject_cast<frmWelcome*>(&window);
            ASSERT_NE(welcome, nullptr);
            script(*welcome);
        });
    }
    std::vector<platform::ScriptedDialogs::Shown> Messages() const {
        std::vector<platform::ScriptedDialogs::Shown> boxes;
        for (const auto& box : dialogs.shown)
            if (box.kind == "MsgBox") boxes.push_back(box);
        return boxes;
    }
    void TearDown() override {
        CloseHelpViewer();
        TableTest::TearDown();
    }
};

}  // namespace

// Whether the first activation of the table greets depends only on the text "0".
TEST_F(WelcomeTest, FirstActivationGreetsUnlessTheSettingIsZero) {
    struct Case {
        std::optional<QString> stored;
        bool greets;
    };
    const Case cases[] = {
        {std::nullopt, true}, {"1", true}, {"0", false}, {"", true}, {"00", true}, {"2", true}, {"no", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stored ? c.stored->toStdString() : "<missing>");
        Store(c.stored);
        FirstActivate = true;  // as the load step leaves it
        const int before = WelcomeShowings();
        form().Form_Activate();
        EXPECT_EQ(WelcomeShowings() - before, c.greets ? 1 : 0);
        EXPECT_EQ(bool(FirstActivate), !c.greets);
        // Once it has greeted, later activations leave it alone.
        form().Form_Activate();
        EXPECT_EQ(WelcomeShowings() - before, c.greets ? 1 : 0);
    }
}

// The real start: the table's first activation brings the welcome window up by itself.
TEST_F(WelcomeTest, StartingTheProgramGreetsAtTheTablesFirstActivation) {
    UnloadMainForm();
    Store(std::nullopt);
    Main();
    EXPECT_TRUE(FirstActivate);
    for (int i = 0; i < 5 && FirstActivate; ++i) QApplication::processEvents();
    EXPECT_EQ(WelcomeShowings(), 1);
    EXPECT_FALSE(FirstActivate);
}

// Switched off, the window stays away but stays due: switching it back on from the Help menu brings it
// at the table's next activation, and only that clears the flag.
TEST_F(WelcomeTest, SwitchedBackOnFromTheHelpMenuItGreetsAtTheNextActivation) {
    Store("0");
    FirstActivate = true;  // as the load step leaves it
    form().Form_Activate();
    EXPECT_EQ(WelcomeShowings(), 0);
    EXPECT_TRUE(FirstActivate);

    OnWelcome([](frmWelcome& welcome) {
        EXPECT_EQ(welcome.lblCheck->Caption(), QString());
        QTest::mouseClick(welcome.lblCheck, Qt::LeftButton);
        QTest::mouseClick(welcome.cmdExit, Qt::LeftButton);
    });
    form().mnuHowToPlay_Click();
    EXPECT_EQ(WelcomeShowings(), 1);
    EXPECT_EQ(ReadSetting("ShowWelcomeMessage"), "1");
    EXPECT_TRUE(FirstActivate);

    form().Form_Activate();
    EXPECT_EQ(WelcomeShowings(), 2);
    EXPECT_FALSE(FirstActivate);
}

// The tick shows the stored choice; every click on the tick or its text beeps, flips it and stores it at
// once; closing says goodbye only when the tick was removed and the choice stored is "do not show".
TEST_F(WelcomeTest, TickClicksStoreAtOnceAndClosingSaysGoodbyeOnlyWhenSwitchedOff) {
    enum Target { Box, Text };
    struct Case {
        std::optional<QString> stored;
        QString tickAtLoad;
        std::vector<Target> clicks;
        QStringList storedAfterEach;
        bool goodbye;
    };
    const Case cases[] = {
        {std::nullopt, Tick, {Box}, {"0"}, true},
        {"1", Tick, {Text}, {"0"}, true},
        {"1", Tick, {Box, Text}, {"0", "1"}, false},
        {"0", "", {Text}, {"1"}, false},
        {"0", "", {Box, Box}, {"1", "0"}, true},
        {"7", "", {}, {}, false},
        {"", Tick, {}, {}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stored ? "stored " + c.stored->toStdString() : "<missing>");
        Store(c.stored);
        dialogs.shown.clear();
        sound.beeps = 0;
        OnWelcome([&](frmWelcome& welcome) {
            EXPECT_EQ(welcome.lblCheck->Caption(), c.tickAtLoad);
            for (std::size_t i = 0; i < c.clicks.size(); ++i) {
                QTest::mouseClick(c.clicks[i] == Box ? static_cast<QWidget*>(welcome.lblCheck)
                                                     : static_cast<QWidget*>(welcome.lblShowWelcome),
                                  Qt::LeftButton);
                EXPECT_EQ(ReadSetting("ShowWelcomeMessage"), c.storedAfterEach[i]) << "click " << i;
                EXPECT_EQ(welcome.lblCheck->Caption(), c.storedAfterEach[i] == "1" ? Tick : QString());
            }
            EXPECT_TRUE(Messages().empty());  // nothing said before closing
            QTest::mouseClick(welcome.cmdExit, Qt::LeftButton);
        });
        form().mnuHowToPlay_Click();
        EXPECT_EQ(sound.beeps, int(c.clicks.size()));
        const auto messages = Messages();
        ASSERT_EQ(messages.size(), c.goodbye ? 1u : 0u);
        if (c.goodbye) {
            EXPECT_EQ(messages[0].text, Goodbye);
            EXPECT_EQ(messages[0].buttons, platform::Buttons::OK);
            EXPECT_EQ(messages[0].icon, platform::Icon::None);
            EXPECT_EQ(messages[0].title, "OrvaneDravik3");
        }
    }
}

// The goodbye comes whichever way the window is closed, and it comes once.
TEST_F(WelcomeTest, GoodbyeComesOnceByTheCloseBoxOrEscToo) {
    const std::function<void(frmWelcome&)> closers[] = {
        [](frmWelcome& welcome) { welcome.close(); },
        [](frmWelcome& welcome) { QTest::keyClick(&welcome, Qt::Key_Escape); },
        [](frmWelcome&) {},  // hidden from outside without a close
    };
    for (const auto& closeIt : closers) {
        Store("1");
        dialogs.shown.clear();
        OnWelcome([&](frmWelcome& welcome) {
            QTest::mouseClick(welcome.lblCheck, Qt::LeftButton);
            closeIt(welcome);
        });
        EXPECT_TRUE(ShowWelcomeWindow());
        const auto messages = Messages();
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0].text, Goodbye);
    }
}

// When the choice could not be stored, the window does not claim it will stay away.
TEST_F(WelcomeTest, NoGoodbyeWhenTheChoiceCouldNotBeStored) {
    Store(std::nullopt);
    // A folder where the settings file should be: nothing can be written.
    const QString blocked = ConfigDir() + "blocked.ini";
    ASSERT_TRUE(QDir().mkpath(blocked));
    Settings().Open(blocked, "Info");
    OnWelcome([](frmWelcome& welcome) {
        QTest::mouseClick(welcome.lblCheck, Qt::LeftButton);
        EXPECT_EQ(welcome.lblCheck->Caption(), QString());
        QTest::mouseClick(welcome.cmdExit, Qt::LeftButton);
    });
    form().mnuHowToPlay_Click();
    EXPECT_TRUE(Messages().empty());
}

// The three help buttons open the help at their topics; the web button hands the maker's page over.
TEST_F(WelcomeTest, ButtonsLeadToTheHelpTopicsAndTheWebPage) {
    struct Case {
        ButtonPlus* frmWelcome::*button;
        QString caption;
        QString anchor;
    };
    const Case cases[] = {
        {&frmWelcome::cmdLearn, "How to Play Orvane Dravik 3", "topic2"},
        {&frmWelcome::cmdPoints, "Dice Point Values", "topic11"},
        {&frmWelcome::cmdTips, "Dravik Tips && Tricks", "topic12"},
    };
    LinkCatcher links;
    OnWelcome([&](frmWelcome& welcome) {
        for (const Case& c : cases) {
            SCOPED_TRACE(c.anchor.toStdString());
            ButtonPlus* button = welcome.*c.button;
            EXPECT_EQ(button->Caption(), c.caption);
            QTest::mouseClick(button, Qt::LeftButton);
            ASSERT_NE(HelpViewerIfOpen(), nullptr);
            EXPECT_EQ(HelpViewerIfOpen()->txtHelp->source().fragment(), c.anchor);
        }
        QTest::mouseClick(welcome.cmdWebSite, Qt::LeftButton);
        EXPECT_TRUE(welcome.isVisible());  // the window stays open
        QTest::mouseClick(welcome.cmdExit, Qt::LeftButton);
    });
    form().mnuHowToPlay_Click();
    ASSERT_EQ(links.opened.size(), 1);
    EXPECT_EQ(links.opened[0], QUrl(MakerWebAddress));
}

#include "welcome_test.moc"
