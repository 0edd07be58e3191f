// The welcome window: when it greets, its tick and the setting behind it, the goodbye message, and the
// ways it leads to the help topics and the maker's web page.
#include <QApplication>
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
#include "windows/frmWelcome.h"
#include "windows/help_viewer.h"

namespace {

const QString Tick = QStringLiteral("\u00FC");
const QString Goodbye = QStringLiteral(
    "This Welcome Window will no longer be displayed when Orvane Dravik starts up.\n"
    "If you want to view it again, just click on \"Help, How to Play\" from the main menu.");

class WelcomeTest : public TableTest {
protected:
    void SetUp() override {
        TableTest::SetUp();
        QApplication::processEvents();  // the table's first activation, with the welcome window held
        HoldWelcomeWindow(false);
        FirstActivate = false;  // as if it had greeted already; the tests of the greeting set it again
    }
    // The stored value of ShowWelcomeMessage; nullopt removes the key.
    void Store(std::optional<QString> value) {
        WriteIni(value ? QStringList{"ShowWelcomeMessage=" + *value} : QStringList{});
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
        std::copy_if(dialogs.shown.begin(), dialogs.shown.end(), std::back_inserter(boxes),
                     [](const auto& box) { return box.kind == "MsgBox"; });
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
// once; closing, whichever way, says goodbye once, only when the tick was removed and "do not show" was
// really stored (not when the settings file cannot be written).
TEST_F(WelcomeTest, TickClicksStoreAtOnceAndClosingSaysGoodbyeOnlyWhenSwitchedOff) {
    enum Target { Box, Text };
    using Closer = std::function<void(frmWelcome&)>;
    const Closer exitButton = [](frmWelcome& w) { QTest::mouseClick(w.cmdExit, Qt::LeftButton); };
    const Closer closeBox = [](frmWelcome& w) { w.close(); };
    const Closer esc = [](frmWelcome& w) { QTest::keyClick(&w, Qt::Key_Escape); };
    const Closer fromOutside = [](frmWelcome&) {};  // hidden by whoever showed it
    struct Case {
        std::optional<QString> stored;
        QString tickAtLoad;
        std::vector<Target> clicks;
        QStringList storedAfterEach;
        bool goodbye;
        Closer closer;
        bool unwritable = false;
    };
    const Case cases[] = {
        {std::nullopt, Tick, {Box}, {"0"}, true, exitButton},
        {"1", Tick, {Text}, {"0"}, true, closeBox},
        {"1", Tick, {Box}, {"0"}, true, esc},
        {"1", Tick, {Box}, {"0"}, true, fromOutside},
        {"1", Tick, {Box, Text}, {"0", "1"}, false, exitButton},
        {"0", "", {Text}, {"1"}, false, exitButton},
        {"0", "", {Box, Box}, {"1", "0"}, true, exitButton},
        {"7", "", {}, {}, false, exitButton},
        {"", Tick, {}, {}, false, exitButton},
        {std::nullopt, Tick, {Box}, {""}, false, exitButton, true},
    };
    const QString blocked = ConfigDir() + "blocked.ini";  // a folder: nothing can be written there
    ASSERT_TRUE(QDir().mkpath(blocked));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stored ? "stored " + c.stored->toStdString() : "<missing>");
        Store(c.stored);
        Settings().Open(c.unwritable ? blocked : IniPath(), "Info");
        dialogs.shown.clear();
        sound.beeps = 0;
        OnWelcome([&](frmWelcome& welcome) {
            EXPECT_EQ(welcome.lblCheck->Caption(), c.tickAtLoad);
            for (std::size_t i = 0; i < c.clicks.size(); ++i) {
                QWidget* target = c.clicks[i] == Box ? static_cast<QWidget*>(welcome.lblCheck)
                                                     : static_cast<QWidget*>(welcome.lblShowWelcome);
                QTest::mouseClick(target, Qt::LeftButton);
                EXPECT_EQ(ReadSetting("ShowWelcomeMessage"), c.storedAfterEach[i]) << "click " << i;
                const bool ticked = (c.tickAtLoad == Tick) == (i % 2 == 1);  // each click flips it
                EXPECT_EQ(welcome.lblCheck->Caption(), ticked ? Tick : QString());
            }
            EXPECT_TRUE(Messages().empty());  // nothing said before closing
            c.closer(welcome);
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

// The three help buttons open the help at their topics, and the window stays open.
TEST_F(WelcomeTest, HelpButtonsOpenTheirTopics) {
    const std::pair<ButtonPlus * frmWelcome::*, QString> cases[] = {{&frmWelcome::cmdLearn, "topic2"},
                                                                    {&frmWelcome::cmdPoints, "topic11"},
                                                                    {&frmWelcome::cmdTips, "topic12"}};
    OnWelcome([&](frmWelcome& welcome) {
        for (const auto& [button, anchor] : cases) {
            QTest::mouseClick(welcome.*button, Qt::LeftButton);
            ASSERT_NE(HelpViewerIfOpen(), nullptr);
            EXPECT_EQ(HelpViewerIfOpen()->txtHelp->source().fragment(), anchor);
        }
        EXPECT_TRUE(welcome.isVisible());
        EXPECT_EQ(welcome.cmdTips->text(), "Dravik Tips && Tricks");
        QTest::mouseClick(welcome.cmdExit, Qt::LeftButton);
    });
    form().mnuHowToPlay_Click();
    EXPECT_EQ(WelcomeShowings(), 1);
}
