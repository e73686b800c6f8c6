#include <gtest/gtest.h>

#include "support/program_rig.h"

namespace pultara::testing {
namespace {

using Lines = std::vector<std::string>;

TEST(Start, CreatesTheWindowsInOrderAndShowsTheMainWindow) {
    ProgramRig rig;
    rig.stores.load = [](Profile& p) { p.SetTitleEnabled(2, false); };
    rig.program.Start();
    EXPECT_EQ(rig.Lines(),
              (Lines{"LoadSettings", "Shell_NotifyIconA(NIM_ADD, 0, \"Pultara\")",
                     "RegisterWindowMessageA(\"TaskbarCreated\")", "LoadButtonNames"}));
    EXPECT_TRUE(rig.program.Main().Visible());
    EXPECT_EQ(rig.program.Main().TitleBox(1).Colour(), ColourRole::Window);
    EXPECT_FALSE(rig.program.Main().TitleBox(2).Enabled());
    EXPECT_EQ(rig.program.Main().TitleBox(2).Colour(), ColourRole::ButtonFace);
    EXPECT_EQ(rig.state.activeMode, 1);
    EXPECT_EQ(rig.profile.MaxMouseSpeed(), 32);
}

TEST(Start, FirstTickSendsTheWindowToTheTrayAndMakesButtonsLive) {
    ProgramRig rig;
    rig.program.Start();
    rig.Tick(Held({2}));
    EXPECT_FALSE(rig.program.Main().Visible());
    EXPECT_TRUE(rig.program.Main().Minimised());
    rig.Tick(0);
    rig.Tick(Held({4}));
    // The window hides before the first reading, so that reading counts.
    EXPECT_EQ(rig.platform.log.Only("Execute"),
              (Lines{"ExecuteButtonCommand(2)", "ExecuteButtonCommand(4)"}));
}

struct Tray : ::testing::Test {
    void SetUp() override {
        rig.program.Start();
        rig.Tick();
        rig.platform.log.Clear();
    }
    ProgramRig rig;
};

TEST_F(Tray, LeftClickTogglesTheWindow) {
    rig.program.TrayCallback(TrayEvent::LeftButtonUp);
    EXPECT_TRUE(rig.program.Main().Visible());
    EXPECT_FALSE(rig.program.Main().Minimised());
    EXPECT_EQ(rig.Lines(), (Lines{"BringToFront(FormMain)"}));
    rig.Tick(Held({4}));
    EXPECT_TRUE(rig.platform.log.Only("Execute").empty());
    rig.program.TrayCallback(TrayEvent::LeftButtonUp);
    EXPECT_FALSE(rig.program.Main().Visible());
    EXPECT_TRUE(rig.program.Main().Minimised());
}

// The user minimised the shown window (a window manager's button or key):
// the click shows it again instead of hiding it.
TEST_F(Tray, LeftClickRestoresAMinimisedWindow) {
    rig.program.TrayCallback(TrayEvent::LeftButtonUp);
    rig.program.Main().SetMinimised(true);
    rig.program.TrayCallback(TrayEvent::LeftButtonUp);
    EXPECT_TRUE(rig.program.Main().Visible());
    EXPECT_FALSE(rig.program.Main().Minimised());
    rig.program.TrayCallback(TrayEvent::LeftButtonUp);
    EXPECT_FALSE(rig.program.Main().Visible());
}

// A second start asks the running copy for its settings window: it comes
// into view, and stays in view when asked again (a tray click would hide it).
TEST_F(Tray, ShowSettingsShowsTheWindowAndKeepsItShown) {
    for (int ask = 0; ask < 2; ++ask) {
        rig.program.ShowSettings();
        EXPECT_TRUE(rig.program.Main().Visible());
        EXPECT_FALSE(rig.program.Main().Minimised());
    }
    EXPECT_EQ(rig.Lines(), (Lines{"BringToFront(FormMain)", "BringToFront(FormMain)"}));
}

TEST_F(Tray, OtherMouseEventsOnTheIconAreIgnored) {
    for (TrayEvent event : {TrayEvent::RightButtonUp, TrayEvent::RightButtonDown,
                            TrayEvent::LeftButtonDown, TrayEvent::LeftDoubleClick}) {
        rig.program.TrayCallback(event);
    }
    EXPECT_FALSE(rig.program.Main().Visible());
    EXPECT_TRUE(rig.Lines().empty());
}

TEST_F(Tray, TaskbarCreatedAddsTheIconAgain) {
    EXPECT_FALSE(rig.program.WindowMessage(0x401));
    EXPECT_TRUE(rig.program.WindowMessage(rig.tray.taskbarCreatedMessage));
    EXPECT_EQ(rig.Lines(), (Lines{"Shell_NotifyIconA(NIM_ADD, 0, \"Pultara\")"}));
}

TEST_F(Tray, StartButtonMinimisesAndHides) {
    rig.program.TrayCallback(TrayEvent::LeftButtonUp);
    rig.program.Main().Get("ButtonStart").Click();
    EXPECT_FALSE(rig.program.Main().Visible());
    EXPECT_TRUE(rig.program.Main().Minimised());
}

// Without a notification area a hidden window could not come back.
struct WithoutTray : ::testing::Test {
    void SetUp() override {
        rig.tray.available = false;
        rig.program.Start();
        rig.Tick();
    }
    ProgramRig rig;
};

TEST_F(WithoutTray, FirstTickMinimisesInsteadOfHiding) {
    EXPECT_TRUE(rig.program.Main().Visible());
    EXPECT_TRUE(rig.program.Main().Minimised());
    EXPECT_FALSE(rig.program.Main().IsMainWindowVisible());
}

TEST_F(WithoutTray, MinimisedWindowCountsAsHiddenForTheButtons) {
    rig.Tick(Held({5}));
    rig.Tick(0);
    EXPECT_EQ(rig.platform.log.Only("Execute"), (Lines{"ExecuteButtonCommand(5)"}));
    rig.program.Main().SetMinimised(false);  // the user restores it from the taskbar
    rig.Tick(Held({5}));
    EXPECT_EQ(rig.platform.log.Only("Execute").size(), 1u);
}

TEST_F(WithoutTray, ATrayThatAppearsLaterTakesTheMinimisedWindow) {
    rig.tray.available = true;
    rig.program.WindowMessage(rig.tray.taskbarCreatedMessage);
    EXPECT_FALSE(rig.program.Main().Visible());
    rig.program.TrayCallback(TrayEvent::LeftButtonUp);
    EXPECT_TRUE(rig.program.Main().Visible());
    EXPECT_FALSE(rig.program.Main().Minimised());
}

}  // namespace
}  // namespace pultara::testing

namespace pultara::testing {
namespace {

// A global mouse button held while the window comes into view would stay
// down: its release is ignored while the window is shown.
TEST(HeldMouseButton, IsLetGoWhenTheWindowComesIntoView) {
    ProgramRig rig;
    rig.profile.SetMouseButton(GlobalMouseButton::Left, 1);
    rig.program.Start();
    rig.Tick();
    rig.Tick(Held({1}));
    rig.program.TrayCallback(TrayEvent::LeftButtonUp);
    rig.Tick(Held({1}));
    rig.Tick(0);
    EXPECT_EQ(rig.platform.log.Only("mouse_event"),
              (std::vector<std::string>{"mouse_event(0x0002)", "mouse_event(0x0004)"}));
}

TEST(HeldMouseButton, IsLetGoWhenAMinimisedWindowIsRestoredWithoutTray) {
    ProgramRig rig;
    rig.tray.available = false;
    rig.profile.SetMouseButton(GlobalMouseButton::Right, 2);
    rig.program.Start();
    rig.Tick(Held({2}));
    rig.program.Main().SetMinimised(false);
    EXPECT_EQ(rig.platform.log.Only("mouse_event"),
              (std::vector<std::string>{"mouse_event(0x0008)", "mouse_event(0x0010)"}));
}

}  // namespace
}  // namespace pultara::testing
