#include <gtest/gtest.h>

#include "support/engine_rig.h"

namespace pultara::testing {
namespace {

using Lines = std::vector<std::string>;

struct Axes : ::testing::Test {
    void SetUp() override {
        rig.Tick(32768, 32768, 32768, 0);
        rig.platform.log.Clear();
    }
    EngineRig rig;
};

struct ArrowCase {
    int listPosition;
    std::uint32_t position;
    const char* expected;  // nullptr: no key
};

class ArrowThresholds : public ::testing::TestWithParam<ArrowCase> {};

TEST_P(ArrowThresholds, SendTheEndsKeyOnEveryTickOutsideTheDeadZone) {
    const ArrowCase& c = GetParam();
    EngineRig rig;
    rig.Tick(32768, 32768, 32768, 0);
    rig.profile.SetAxisListPosition(Axis::X, c.listPosition);
    rig.platform.log.Clear();
    rig.Tick(c.position, 32768, 32768, 0);
    rig.Tick(c.position, 32768, 32768, 0);
    Lines expected;
    if (c.expected != nullptr) {
        expected = {std::string("SendAxisKeys(\"") + c.expected + "\")",
                    std::string("SendAxisKeys(\"") + c.expected + "\")"};
    }
    EXPECT_EQ(rig.Calls(), expected);
}

INSTANTIATE_TEST_SUITE_P(
    DeadZoneEdges, ArrowThresholds,
    ::testing::Values(ArrowCase{7, 19999, "{left}"}, ArrowCase{7, 20000, nullptr},
                      ArrowCase{7, 40000, nullptr}, ArrowCase{7, 40001, "{right}"},
                      ArrowCase{8, 0, "{right}"}, ArrowCase{8, 65535, "{left}"},
                      ArrowCase{9, 100, "{UP}"}, ArrowCase{9, 50000, "{DOWN}"},
                      ArrowCase{10, 100, "{DOWN}"}, ArrowCase{10, 50000, "{UP}"},
                      ArrowCase{7, 666, nullptr}));

TEST(ArrowGuards, TheZeroSampleSendsFromTheSecondTickAndEveryTickAfter) {
    EngineRig rig;
    rig.profile.SetAxisListPosition(Axis::X, 7);
    rig.Tick(0, 0, 0, 0);
    rig.Tick(0, 0, 0, 0);
    rig.Tick(0, 0, 0, 0);
    // The guard is 0 on the very first tick, so position 0 sends nothing then.
    EXPECT_EQ(rig.Calls(),
              (Lines{"ButtonStartClick", "SendAxisKeys(\"{left}\")", "SendAxisKeys(\"{left}\")"}));
    EXPECT_EQ(rig.state.arrowGuards[0], 666u);
}

TEST_F(Axes, MixerIsSetOnceWhileTheAxisRests) {
    rig.profile.SetAxisListPosition(Axis::X, 1);
    rig.Tick(1000, 32768, 32768, 0);
    rig.Tick(1000, 32768, 32768, 0);
    rig.Tick(1001, 32768, 32768, 0);
    EXPECT_EQ(rig.Calls(),
              (Lines{"ApplyMixerAxis(1000, 1, plain)", "ApplyMixerAxis(1001, 1, plain)"}));
}

TEST_F(Axes, MixerKindsAndInversionFollowTheListPosition) {
    const Lines expected[] = {
        {"ApplyMixerAxis(5, 1, plain)"}, {"ApplyMixerAxis(6, 1, inverted)"},
        {"ApplyMixerAxis(7, 2, plain)"}, {"ApplyMixerAxis(8, 2, inverted)"},
        {"ApplyMixerAxis(9, 3, plain)"}, {"ApplyMixerAxis(10, 3, inverted)"},
    };
    for (int position = 1; position <= 6; ++position) {
        rig.profile.SetAxisListPosition(Axis::Y, position);
        rig.platform.log.Clear();
        rig.Tick(32768, static_cast<std::uint32_t>(position + 4), 32768, 0);
        EXPECT_EQ(rig.Calls(), expected[position - 1]) << "list position " << position;
    }
}

TEST_F(Axes, TwoAxesOnVolumeShareTheLastSentValue) {
    rig.profile.SetAxisListPosition(Axis::X, 1);
    rig.profile.SetAxisListPosition(Axis::Y, 2);
    rig.Tick(100, 200, 32768, 0);
    rig.Tick(100, 200, 32768, 0);
    EXPECT_EQ(rig.Calls(),
              (Lines{"ApplyMixerAxis(100, 1, plain)", "ApplyMixerAxis(200, 1, inverted)",
                     "ApplyMixerAxis(100, 1, plain)", "ApplyMixerAxis(200, 1, inverted)"}));
}

TEST_F(Axes, MixerAtPositionZeroIsNotSentBeforeAnyChange) {
    rig.profile.SetAxisListPosition(Axis::Z, 5);
    rig.Tick(32768, 32768, 0, 0);
    EXPECT_EQ(rig.Calls(), Lines{});
}

TEST_F(Axes, PointerActionsRunOnEveryTickWhateverThePosition) {
    rig.profile.SetAxisListPosition(Axis::X, 11);
    rig.profile.SetAxisListPosition(Axis::Y, 14);
    rig.profile.SetAxisListPosition(Axis::Z, 7);
    rig.Tick(32768, 1, 65535, 0);
    rig.Tick(32768, 1, 65535, 0);
    EXPECT_EQ(rig.Calls(),
              (Lines{"MovePointerX(32768)", "MovePointerYInverted(1)", "MovePointerX(65535)",
                     "MovePointerX(32768)", "MovePointerYInverted(1)", "MovePointerX(65535)"}));
}

TEST_F(Axes, ZListPositionsStandForThePointerActions) {
    const char* expected[] = {"MovePointerX(1)", "MovePointerXInverted(1)", "MovePointerY(1)",
                              "MovePointerYInverted(1)"};
    for (int position = 7; position <= 10; ++position) {
        rig.profile.SetAxisListPosition(Axis::Z, position);
        rig.platform.log.Clear();
        rig.Tick(32768, 32768, 1, 0);
        EXPECT_EQ(rig.Calls(), Lines{expected[position - 7]});
    }
}

TEST_F(Axes, StoredPositionsOutsideTheListsDoNothing) {
    rig.profile.SetAxisListPosition(Axis::X, 15);
    rig.profile.SetAxisListPosition(Axis::Z, 11);
    rig.Tick(0, 32768, 0, 0);
    rig.Tick(65535, 32768, 65535, 0);
    EXPECT_EQ(rig.Calls(), Lines{});
}

TEST_F(Axes, AxesRunAfterTheButtonsInTheOrderXYZ) {
    rig.profile.SetAxisListPosition(Axis::X, 13);
    rig.profile.SetAxisListPosition(Axis::Y, 9);
    rig.profile.SetAxisListPosition(Axis::Z, 1);
    rig.Tick(5, 5, 5, Held({1}));
    EXPECT_EQ(rig.Calls(), (Lines{"CheckBox1 checked", "ExecuteButtonCommand(1)", "MovePointerY(5)",
                                  "SendAxisKeys(\"{UP}\")", "ApplyMixerAxis(5, 1, plain)"}));
}

TEST_F(Axes, TheWindowShowsEverySample) {
    rig.Tick(70000, 2, 3, 0);
    EXPECT_EQ(rig.window.shown.xPos, 70000u);
    EXPECT_EQ(rig.window.shown.zPos, 3u);
}

}  // namespace
}  // namespace pultara::testing
