#include "axis/mixer_control.h"

#include <gtest/gtest.h>

#include "platform/fake/fake_platform.h"

namespace pultara {
namespace {

using Lines = std::vector<std::string>;

struct MixerCalls : ::testing::Test {
    fake::FakePlatform platform;
    Lines Calls() const { return platform.log.Lines(); }
};

TEST_F(MixerCalls, SuccessOpensFindsSetsAndClosesWithTheKindsControlType) {
    const std::pair<int, const char*> kinds[] = {{1, "0x50030001"},
                                                 {2, "0x50030003"},
                                                 {3, "0x50030002"},
                                                 {0, "0x50030001"},
                                                 {7, "0x50030001"}};
    for (const auto& [kind, type] : kinds) {
        platform.log.Clear();
        const MixerOutcome outcome = SetMixerControl(platform.mixer, 1234, kind);
        EXPECT_TRUE(outcome.ok);
        EXPECT_EQ(outcome.error, "");
        EXPECT_EQ(Calls(),
                  (Lines{"mixerOpen(0)", "mixerGetLineInfoA(SPEAKERS)",
                         std::string("mixerGetLineControlsA(7, ") + type + ")",
                         std::string("mixerSetControlDetails(") + type + ", 1234)", "mixerClose"}));
    }
}

TEST_F(MixerCalls, EachFailureNamesItsStepAndCodeAndClosesAfterASuccessfulOpen) {
    platform.mixer.openResult = 2;
    EXPECT_EQ(SetMixerControl(platform.mixer, 5, 1).error, "Couldn't open Mixer");
    EXPECT_EQ(Calls(), (Lines{"mixerOpen(0)"}));
    platform.mixer.openResult = kMixerOk;

    platform.mixer.lineResult = 1024;
    EXPECT_EQ(SetMixerControl(platform.mixer, 5, 1).error,
              "mixerGetLineInfo() failed, Errorcode: 1024");
    platform.mixer.lineResult = kMixerOk;
    platform.mixer.controlResult = 1025;
    EXPECT_EQ(SetMixerControl(platform.mixer, 5, 2).error,
              "mixerLineGetControls() failed, Errorcode: 1025");
    platform.mixer.controlResult = kMixerOk;
    platform.mixer.setResult = 11;
    const MixerOutcome last = SetMixerControl(platform.mixer, 5, 3);
    EXPECT_FALSE(last.ok);
    EXPECT_EQ(last.error, "MixerSetControlDetails() failed, Errorcode: 11");
    EXPECT_EQ(platform.log.Only("mixerOpen").size(), 4u);
    EXPECT_EQ(platform.log.Only("mixerClose").size(), 3u);
    EXPECT_FALSE(platform.mixer.open);
}

TEST_F(MixerCalls, ValuesAreClampedToTheControlsRangeUnscaled) {
    SetMixerControl(platform.mixer, 70000, 1);
    SetMixerControl(platform.mixer, -1, 2);
    EXPECT_EQ(platform.log.Only("mixerSetControlDetails"),
              (Lines{"mixerSetControlDetails(0x50030001, 65535)",
                     "mixerSetControlDetails(0x50030003, 0)"}));
}

TEST_F(MixerCalls, AxisInvertsWhatItSends) {
    ApplyMixerAxis(platform.mixer, 0, 1, true);
    ApplyMixerAxis(platform.mixer, 65535, 2, true);
    ApplyMixerAxis(platform.mixer, 300, 3, false);
    // A position above the range inverts to silence, not round to full.
    ApplyMixerAxis(platform.mixer, 70000, 9, true);
    EXPECT_EQ(
        platform.log.Only("mixerSetControlDetails"),
        (Lines{"mixerSetControlDetails(0x50030001, 65535)", "mixerSetControlDetails(0x50030003, 0)",
               "mixerSetControlDetails(0x50030002, 300)",
               "mixerSetControlDetails(0x50030001, 0)"}));
}

}  // namespace
}  // namespace pultara
