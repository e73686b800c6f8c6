#include <gtest/gtest.h>

#include "support/axis_rig.h"

namespace pultara::testing {
namespace {

using Lines = std::vector<std::string>;

TEST(AxisTick, MouseAxisXMovesThePointerOnEveryTick) {
    AxisRig rig;
    rig.profile.SetAxisListPosition(Axis::X, 11);  // "Mausachse X"
    rig.Tick(0, 32768, 32768);
    rig.Tick(65535, 32768, 32768);
    rig.Tick(32768, 32768, 32768);
    EXPECT_EQ(rig.Calls(),
              (Lines{"SetPriorityClass(HIGH)", "GetCursorPos", "SetCursorPos(630, 480)",
                     "SetPriorityClass(HIGH)", "GetCursorPos", "SetCursorPos(640, 480)"}));
}

TEST(AxisTick, InvertedVolumeIsSetOnceWhileTheStickRests) {
    AxisRig rig;
    rig.profile.SetAxisListPosition(Axis::X, 2);  // "Lautstärke (-1)"
    rig.Tick(0, 32768, 32768);                    // the remembered value starts at 0: no change
    EXPECT_EQ(rig.Calls(), Lines{});
    rig.Tick(30000, 32768, 32768);
    rig.Tick(30000, 32768, 32768);
    rig.Tick(0, 32768, 32768);
    rig.Tick(0, 32768, 32768);
    rig.Tick(65535, 32768, 32768);
    EXPECT_EQ(rig.platform.log.Only("mixerSetControlDetails"),
              (Lines{"mixerSetControlDetails(0x50030001, 35535)",
                     "mixerSetControlDetails(0x50030001, 65535)",
                     "mixerSetControlDetails(0x50030001, 0)"}));
    EXPECT_EQ(rig.platform.log.Only("mixerClose").size(), 3u);
    EXPECT_EQ(rig.state.mixerSent.Last(kMixerVolume), 65535u);
}

TEST(AxisTick, TwoAxesOnVolumeMakeEachOtherCountAsChanged) {
    AxisRig rig;
    rig.profile.SetAxisListPosition(Axis::X, 1);
    rig.profile.SetAxisListPosition(Axis::Y, 1);
    rig.Tick(1000, 2000, 32768);
    rig.Tick(1000, 2000, 32768);
    EXPECT_EQ(rig.platform.log.Only("mixerSetControlDetails"),
              (Lines{"mixerSetControlDetails(0x50030001, 1000)",
                     "mixerSetControlDetails(0x50030001, 2000)",
                     "mixerSetControlDetails(0x50030001, 1000)",
                     "mixerSetControlDetails(0x50030001, 2000)"}));
}

TEST(AxisTick, AMissingMixerIsSilentAndTriedAgainOnTheNextChange) {
    AxisRig rig;
    rig.platform.mixer.openResult = 2;
    rig.profile.SetAxisListPosition(Axis::Y, 5);  // "Bass"
    rig.Tick(32768, 100, 32768);
    rig.Tick(32768, 100, 32768);
    rig.Tick(32768, 101, 32768);
    EXPECT_EQ(rig.Calls(), (Lines{"mixerOpen(0)", "mixerOpen(0)"}));
}

}  // namespace
}  // namespace pultara::testing
