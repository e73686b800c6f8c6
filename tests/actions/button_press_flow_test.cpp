#include <gtest/gtest.h>

#include "support/command_rig.h"

namespace pultara::testing {
namespace {

using Lines = std::vector<std::string>;

// The user works in "Editor" (0x100); mode 1 brings "Player" (0x101) forward
// before each of its commands.
struct ButtonPress : ::testing::Test {
    void SetUp() override {
        desktop.foreground = desktop.AddWindow("Editor").id;
        desktop.AddWindow("Player");
        rig.profile.SetTitle(1, "Player");
        rig.profile.SetEnsureFocus(1, true);
    }
    CommandRig rig;
    fake::FakeDesktop& desktop = rig.platform.desktop;
};

TEST_F(ButtonPress, TypesIntoTheModeWindowOnceAndTheFocusComesBack) {
    rig.profile.SetButtonCommand(1, 3, "a");
    rig.Tick(Held({3}));
    rig.Tick(Held({3}));
    rig.Tick(0);
    EXPECT_EQ(rig.platform.log.Only("SetForegroundWindow"),
              (Lines{"SetForegroundWindow(0x101)", "SetForegroundWindow(0x100)"}));
    EXPECT_EQ(rig.platform.log.Only("keybd_event"),
              (Lines{"keybd_event(0x41, 0x1E, 0)", "keybd_event(0x41, 0x1E, 2)"}));
    EXPECT_EQ(desktop.foreground, 0x100U);
}

TEST_F(ButtonPress, MalformedCountSkipsTheRestoreAndReachesTheErrorDisplay) {
    rig.profile.SetButtonCommand(1, 2, "{LEFT 3x}");
    rig.Tick(Held({2}));
    EXPECT_EQ(rig.platform.log.Lines().back(),
              "ApplicationError(\"'3X' ist kein gültiger Integerwert\")");
    EXPECT_EQ(rig.platform.log.Only("SetForegroundWindow"), Lines{"SetForegroundWindow(0x101)"});
    EXPECT_EQ(desktop.foreground, 0x101U);
}

}  // namespace
}  // namespace pultara::testing
