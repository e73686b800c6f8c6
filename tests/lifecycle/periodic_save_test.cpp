#include <gtest/gtest.h>

#include "support/program_rig.h"

namespace pultara::testing {
namespace {

using Lines = std::vector<std::string>;

struct PeriodicSave : ::testing::Test {
    void SetUp() override {
        rig.program.Start();
        rig.platform.log.Clear();
    }
    ProgramRig rig;
};

TEST_F(PeriodicSave, SavesAppliesNamesLoadsAndResetsPriority) {
    rig.program.Rename().NameEdit(1).SetText("Play");
    EXPECT_EQ(rig.program.Main().ButtonBox(1).Caption(), "Button 1");
    rig.program.Timer2Timer();
    EXPECT_EQ(rig.Lines(), (Lines{"SaveSettings", "LoadSettings", "SetPriorityClass(NORMAL)"}));
    EXPECT_EQ(rig.program.Main().ButtonBox(1).Caption(), "Play");
    EXPECT_EQ(rig.program.Main().Get("Label26").Caption(), "Play");
}

TEST_F(PeriodicSave, AFailingSaveOpensNoBoxInsideItsOwnBox) {
    rig.stores.failSaves = true;
    int nested = 0;
    rig.platform.dialogs.whileOpen = [&] {
        if (nested++ < 3) {
            rig.program.Timer2Timer();  // the timer keeps firing inside the box
        }
    };
    rig.program.Timer2Timer();
    EXPECT_EQ(rig.platform.dialogs.deepestNesting, 1);
    EXPECT_EQ(rig.platform.log.Only("MessageBox").size(), 1u);
    rig.program.Timer2Timer();  // the box is closed: the next run reports again
    EXPECT_EQ(rig.platform.log.Only("MessageBox").size(), 2u);
}

TEST_F(PeriodicSave, CloseRunsTheJobSavesOnceMoreAndRemovesTheIcon) {
    rig.program.Main().Get("ButtonEnde").Click();
    EXPECT_EQ(rig.Lines(), (Lines{"SaveSettings", "LoadSettings", "SetPriorityClass(NORMAL)",
                                  "SaveSettings", "Shell_NotifyIconA(NIM_DELETE, 0)", "Quit"}));
    EXPECT_FALSE(rig.program.Main().Visible());
    EXPECT_TRUE(rig.program.Closed());
    rig.program.CloseMainWindow();
    rig.program.TrayCallback(TrayEvent::LeftButtonUp);
    EXPECT_EQ(rig.Lines().size(), 6u);
}

// The save timer keeps firing inside each box of the closing saves.
TEST_F(PeriodicSave, AFailingSaveAtCloseIsReportedTwice) {
    rig.stores.failSaves = true;
    rig.platform.dialogs.whileOpen = [&] { rig.program.Timer2Timer(); };
    rig.program.CloseMainWindow();
    EXPECT_EQ(rig.platform.log.Only("MessageBox").size(), 2u);
}

}  // namespace
}  // namespace pultara::testing
