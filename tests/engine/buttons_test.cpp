#include <gtest/gtest.h>

#include "support/engine_rig.h"

namespace pultara::testing {
namespace {

using Lines = std::vector<std::string>;

// A rig that has already run its first tick, so the window is hidden and
// the log holds only what the test's own ticks do.
struct Buttons : ::testing::Test {
    void SetUp() override {
        rig.Tick(0, 0, 0, 0);
        rig.platform.log.Clear();
    }
    EngineRig rig;
};

TEST(FirstTick, HidesTheWindowBeforeReadingTheJoystick) {
    EngineRig rig;
    rig.platform.joystick.logReads = true;
    rig.Tick(0, 0, 0, 0);
    rig.Tick(0, 0, 0, 0);
    EXPECT_EQ(rig.Calls(), (Lines{"ButtonStartClick", "joyGetPos(0)", "joyGetPos(0)"}));
    EXPECT_TRUE(rig.state.firstTickDone);
}

TEST_F(Buttons, HeldButtonDispatchesOnceAtPressAndOnceAtRelease) {
    rig.Tick(0, 0, 0, Held({3}));
    rig.Tick(0, 0, 0, Held({3}));
    rig.Tick(0, 0, 0, Held({3}));
    rig.Tick(0, 0, 0, 0);
    EXPECT_EQ(rig.Calls(),
              (Lines{"CheckBox3 checked", "ExecuteButtonCommand(3)", "CheckBox3 unchecked"}));
}

TEST_F(Buttons, ButtonsAreHandledInAscendingOrder) {
    rig.Tick(0, 0, 0, Held({12, 1, 5}));
    EXPECT_EQ(
        rig.platform.log.Only("Execute"),
        (Lines{"ExecuteButtonCommand(1)", "ExecuteButtonCommand(5)", "ExecuteButtonCommand(12)"}));
}

TEST_F(Buttons, RepeatingButtonRunsOnEveryTickAndLeavesItsBoxAlone) {
    rig.profile.SetButtonCommand(1, 4, "#{DOWN}");
    rig.Tick(0, 0, 0, Held({4}));
    rig.Tick(0, 0, 0, Held({4}));
    rig.Tick(0, 0, 0, Held({4}));
    rig.Tick(0, 0, 0, 0);
    EXPECT_EQ(rig.Calls(), (Lines{"ExecuteButtonCommand(4)", "ExecuteButtonCommand(4)",
                                  "ExecuteButtonCommand(4)"}));
    EXPECT_FALSE(rig.state.buttonChecked[3]);
}

TEST_F(Buttons, ALoneHashIsNotRepeating) {
    rig.profile.SetButtonCommand(1, 4, "#");
    EXPECT_FALSE(rig.dispatcher.IsRepeatingButton(4));
    rig.profile.SetButtonCommand(1, 4, "#a");
    EXPECT_TRUE(rig.dispatcher.IsRepeatingButton(4));
    rig.window.visible = true;
    EXPECT_FALSE(rig.dispatcher.IsRepeatingButton(4));
}

TEST_F(Buttons, RepeatingDependsOnTheActiveMode) {
    rig.profile.SetButtonCommand(2, 4, "#x");
    EXPECT_FALSE(rig.dispatcher.IsRepeatingButton(4));
    rig.state.activeMode = 2;
    EXPECT_TRUE(rig.dispatcher.IsRepeatingButton(4));
    rig.state.activeMode = 9;
    EXPECT_FALSE(rig.dispatcher.IsRepeatingButton(4));
}

TEST_F(Buttons, ShownWindowMirrorsButtonsButSendsNothing) {
    rig.window.visible = true;
    rig.profile.SetMouseButton(GlobalMouseButton::Left, 2);
    rig.profile.SetButtonCommand(1, 4, "#x");
    rig.Tick(0, 0, 0, Held({2, 4}));
    rig.Tick(0, 0, 0, 0);
    EXPECT_EQ(rig.Calls(), (Lines{"CheckBox2 checked", "CheckBox4 checked", "CheckBox2 unchecked",
                                  "CheckBox4 unchecked"}));
}

TEST_F(Buttons, ClickOnABoxWhileShownSendsNothing) {
    rig.window.visible = true;
    rig.dispatcher.SetButtonChecked(6, true);
    rig.dispatcher.CheckBoxClick(6);
    EXPECT_EQ(rig.platform.log.Without({"CheckBox"}), Lines{});
}

TEST_F(Buttons, GlobalMouseButtonPressesAndReleases) {
    rig.profile.SetMouseButton(GlobalMouseButton::Left, 1);
    rig.profile.SetMouseButton(GlobalMouseButton::Middle, 2);
    rig.profile.SetMouseButton(GlobalMouseButton::Right, 3);
    rig.Tick(0, 0, 0, Held({1, 2, 3}));
    rig.Tick(0, 0, 0, 0);
    EXPECT_EQ(rig.platform.log.Without({"CheckBox"}),
              (Lines{"mouse_event(0x0002)", "mouse_event(0x0020)", "mouse_event(0x0008)",
                     "mouse_event(0x0004)", "mouse_event(0x0040)", "mouse_event(0x0010)"}));
}

TEST_F(Buttons, MouseButtonWinsOverModeSwitchWhichWinsOverCommand) {
    rig.profile.SetMouseButton(GlobalMouseButton::Left, 5);
    rig.profile.SetSwitchButton(2, 5);
    rig.profile.SetSwitchButton(2, 6);
    rig.profile.SetSwitchButton(3, 6);
    rig.profile.SetButtonCommand(1, 6, "never typed");
    rig.profile.SetSwitchButton(1, 5);
    rig.Tick(0, 0, 0, Held({5}));
    rig.Tick(0, 0, 0, Held({5, 6}));
    rig.Tick(0, 0, 0, 0);
    EXPECT_EQ(rig.platform.log.Without({"CheckBox"}),
              (Lines{"mouse_event(0x0002)", "ActivateModeTarget(2)", "mouse_event(0x0004)"}));
}

TEST_F(Buttons, LeftWinsWhenOneButtonIsAllThreeMouseButtons) {
    rig.profile.SetMouseButton(GlobalMouseButton::Left, 7);
    rig.profile.SetMouseButton(GlobalMouseButton::Middle, 7);
    rig.profile.SetMouseButton(GlobalMouseButton::Right, 7);
    rig.Tick(0, 0, 0, Held({7}));
    rig.Tick(0, 0, 0, 0);
    EXPECT_EQ(rig.platform.log.Without({"CheckBox"}),
              (Lines{"mouse_event(0x0002)", "mouse_event(0x0004)"}));
}

TEST_F(Buttons, SwitchButtonReleaseDoesNothing) {
    rig.profile.SetSwitchButton(4, 9);
    rig.Tick(0, 0, 0, Held({9}));
    rig.Tick(0, 0, 0, 0);
    EXPECT_EQ(rig.platform.log.Without({"CheckBox"}), (Lines{"ActivateModeTarget(4)"}));
}

// A mouse button pressed through a global assignment always comes up when
// its joystick button is let go, also where the release itself is not
// dispatched.
TEST_F(Buttons, RepeatingMouseButtonPressesEveryTickAndIsLiftedAtRelease) {
    rig.profile.SetMouseButton(GlobalMouseButton::Left, 8);
    rig.profile.SetButtonCommand(1, 8, "#x");
    rig.Tick(0, 0, 0, Held({8}));
    rig.Tick(0, 0, 0, Held({8}));
    rig.Tick(0, 0, 0, 0);
    rig.Tick(0, 0, 0, 0);
    EXPECT_EQ(rig.Calls(),
              (Lines{"mouse_event(0x0002)", "mouse_event(0x0002)", "mouse_event(0x0004)"}));
}

TEST_F(Buttons, MouseButtonIsLiftedWhenTheWindowWasShownMeanwhile) {
    rig.profile.SetMouseButton(GlobalMouseButton::Middle, 1);
    rig.Tick(0, 0, 0, Held({1}));
    rig.window.visible = true;
    rig.Tick(0, 0, 0, 0);
    rig.Tick(0, 0, 0, 0);
    EXPECT_EQ(rig.platform.log.Without({"CheckBox"}),
              (Lines{"mouse_event(0x0020)", "mouse_event(0x0040)"}));
}

TEST_F(Buttons, TheButtonThatWasPressedIsLiftedWhenTheAssignmentChangesMeanwhile) {
    rig.profile.SetMouseButton(GlobalMouseButton::Left, 3);
    rig.Tick(0, 0, 0, Held({3}));
    rig.profile.SetMouseButton(GlobalMouseButton::Left, 0);
    rig.profile.SetMouseButton(GlobalMouseButton::Right, 3);
    rig.Tick(0, 0, 0, 0);
    // The release goes to the button now assigned, and the left button that
    // went down comes up as well.
    EXPECT_EQ(rig.platform.log.Without({"CheckBox"}),
              (Lines{"mouse_event(0x0002)", "mouse_event(0x0010)", "mouse_event(0x0004)"}));
}

TEST_F(Buttons, LiftAllMouseButtonsReleasesWhatIsStillDown) {
    rig.profile.SetMouseButton(GlobalMouseButton::Left, 1);
    rig.profile.SetMouseButton(GlobalMouseButton::Right, 2);
    rig.Tick(0, 0, 0, Held({1, 2}));
    rig.platform.log.Clear();
    rig.dispatcher.LiftAllMouseButtons();
    rig.dispatcher.LiftAllMouseButtons();
    EXPECT_EQ(rig.Calls(), (Lines{"mouse_event(0x0004)", "mouse_event(0x0010)"}));
}

TEST(ButtonHeldWhileHiding, IsDispatchedOnlyAtItsRelease) {
    EngineRig rig;
    rig.profile.SetMouseButton(GlobalMouseButton::Right, 2);
    rig.window.visible = true;
    rig.state.firstTickDone = true;  // window shown by the tray, not the first tick
    rig.Tick(0, 0, 0, Held({2}));
    rig.window.visible = false;
    rig.Tick(0, 0, 0, Held({2}));
    rig.Tick(0, 0, 0, 0);
    EXPECT_EQ(rig.platform.log.Without({"CheckBox"}), (Lines{"mouse_event(0x0010)"}));
}

TEST_F(Buttons, AnErrorEndsTheTickAndReachesTheErrorDisplay) {
    rig.operations.failExecuteWith = "'3x' ist kein gültiger Integerwert";
    rig.profile.SetAxisListPosition(Axis::X, 7);
    rig.Tick(0, 0, 0, Held({1, 2}));
    EXPECT_EQ(rig.Calls(), (Lines{"CheckBox1 checked", "ExecuteButtonCommand(1)",
                                  "ApplicationError(\"'3x' ist kein gültiger Integerwert\")"}));
    // The rest of the buttons and the axes wait for the next tick.
    rig.operations.failExecuteWith.clear();
    rig.platform.log.Clear();
    rig.Tick(0, 0, 0, Held({1, 2}));
    EXPECT_EQ(rig.Calls(),
              (Lines{"CheckBox2 checked", "ExecuteButtonCommand(2)", "SendAxisKeys(\"{left}\")"}));
}

}  // namespace
}  // namespace pultara::testing
