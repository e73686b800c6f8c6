#include <gtest/gtest.h>

#include <functional>

#include "engine/rest_rule.h"
#include "support/axis_rig.h"

namespace pultara::testing {
namespace {

bool SameState(const EngineState& a, const EngineState& b) {
    return a.sample.xPos == b.sample.xPos && a.sample.yPos == b.sample.yPos &&
           a.sample.zPos == b.sample.zPos && a.sample.buttons == b.sample.buttons &&
           a.firstTickDone == b.firstTickDone && a.mixerSent == b.mixerSent &&
           a.arrowGuards == b.arrowGuards && a.activeMode == b.activeMode &&
           a.horizontalRemainder == b.horizontalRemainder &&
           a.verticalRemainder == b.verticalRemainder && a.buttonChecked == b.buttonChecked &&
           a.mouseUpOwed == b.mouseUpOwed;
}

// A profile and a reading; the rig reads it once to settle, then the rule is
// asked about a second tick with the same reading and that tick is run.
struct RestCase {
    const char* name;
    std::function<void(AxisRig&)> setUp;
    JoystickSample sample;
    bool atRest;
    std::function<void(AxisRig&)> afterSettling = [](AxisRig&) {};
};

class RestRuleAgainstTheTick : public ::testing::TestWithParam<RestCase> {};

// The rule says "at rest" exactly when the tick calls nothing and changes
// nothing.
TEST_P(RestRuleAgainstTheTick, AtRestExactlyWhenTheTickHasNoEffect) {
    const RestCase& c = GetParam();
    AxisRig rig;
    c.setUp(rig);
    rig.platform.joystick.Queue(c.sample);
    rig.poll.Timer1Timer();
    c.afterSettling(rig);
    rig.platform.log.Clear();
    const EngineState before = rig.state;

    const bool atRest =
        IsAtRest(rig.profile, rig.state, rig.poll.Axes(), c.sample, rig.window.visible);
    rig.platform.joystick.Queue(c.sample);
    rig.poll.Timer1Timer();
    const bool noEffect = rig.Calls().empty() && SameState(before, rig.state);

    EXPECT_EQ(atRest, c.atRest) << c.name;
    EXPECT_EQ(atRest, noEffect) << c.name;
}

void Axes(AxisRig& rig, int x, int y, int z) {
    rig.profile.SetAxisListPosition(Axis::X, x);
    rig.profile.SetAxisListPosition(Axis::Y, y);
    rig.profile.SetAxisListPosition(Axis::Z, z);
}

auto ArrowsOnX = [](AxisRig& rig) { Axes(rig, 7, 0, 0); };
auto PointerOnX = [](AxisRig& rig) { Axes(rig, 11, 0, 0); };
auto PointerOnZ = [](AxisRig& rig) { Axes(rig, 0, 0, 9); };  // Z list 9: pointer Y
auto VolumeOnX = [](AxisRig& rig) { Axes(rig, 1, 0, 0); };
auto Nothing = [](AxisRig&) {};

INSTANTIATE_TEST_SUITE_P(
    Edges, RestRuleAgainstTheTick,
    ::testing::Values(
        RestCase{"arrows 19999", ArrowsOnX, {19999, 0, 0, 0}, false},
        RestCase{"arrows 20000", ArrowsOnX, {20000, 0, 0, 0}, true},
        RestCase{"arrows 40000", ArrowsOnX, {40000, 0, 0, 0}, true},
        RestCase{"arrows 40001", ArrowsOnX, {40001, 0, 0, 0}, false},
        RestCase{"arrows at the guard value", ArrowsOnX, {666, 0, 0, 0}, true},
        RestCase{"no action anywhere", Nothing, {0, 65535, 3, 0}, true},
        RestCase{"pointer 31784 creeps", PointerOnX, {31784, 0, 0, 0}, false},
        RestCase{"pointer 31785 in the dead zone", PointerOnX, {31785, 0, 0, 0}, true},
        RestCase{"pointer 33751 in the dead zone", PointerOnX, {33751, 0, 0, 0}, true},
        RestCase{"pointer 33752 creeps", PointerOnX, {33752, 0, 0, 0}, false},
        RestCase{"pointer on Z at the centre", PointerOnZ, {0, 0, 32768, 0}, true},
        RestCase{"pointer on Z at the end", PointerOnZ, {0, 0, 0, 0}, false},
        RestCase{"dead zone at a huge speed limit moves",
                 [](AxisRig& rig) {
                     PointerOnX(rig);
                     rig.profile.SetMaxMouseSpeed(1000000);
                 },
                 {33700, 0, 0, 0},
                 false},
        RestCase{"a pixel owed is paid in the dead zone",
                 PointerOnX,
                 {32768, 0, 0, 0},
                 false,
                 [](AxisRig& rig) { rig.state.horizontalRemainder = 1.0; }},
        RestCase{"mixer position already sent", VolumeOnX, {1000, 0, 0, 0}, true},
        RestCase{"two axes disagree on one mixer control",
                 [](AxisRig& rig) { Axes(rig, 1, 2, 0); },
                 {1000, 2000, 0, 0},
                 false},
        RestCase{"held repeating button",
                 [](AxisRig& rig) { rig.profile.SetButtonCommand(1, 2, "#a"); },
                 {32768, 32768, 32768, 0x2},
                 false},
        RestCase{"released button with its box still ticked",
                 Nothing,
                 {32768, 32768, 32768, 0},
                 false,
                 [](AxisRig& rig) { rig.state.buttonChecked[4] = true; }},
        RestCase{"mouse button still down",
                 Nothing,
                 {32768, 32768, 32768, 0},
                 false,
                 [](AxisRig& rig) { rig.state.mouseUpOwed[0] = 4; }}),
    [](const ::testing::TestParamInfo<RestCase>& info) {
        return "Case" + std::to_string(info.index);
    });

// The rule does not sleep through states where the tick happens to do
// nothing but a user may act at any moment, or where the tick itself has not
// settled yet.
TEST(RestRule, HeldButtonsShownWindowAndUnsettledTicksAreNeverAtRest) {
    AxisRig rig;
    const JoystickSample held{32768, 32768, 32768, 0x1};
    rig.platform.joystick.Queue(held);
    rig.poll.Timer1Timer();
    EXPECT_FALSE(IsAtRest(rig.profile, rig.state, rig.poll.Axes(), held, false))
        << "non-repeating button held";

    const JoystickSample centre{32768, 32768, 32768, 0};
    rig.platform.joystick.Queue(centre);
    rig.poll.Timer1Timer();
    EXPECT_TRUE(IsAtRest(rig.profile, rig.state, rig.poll.Axes(), centre, false));
    EXPECT_FALSE(IsAtRest(rig.profile, rig.state, rig.poll.Axes(), centre, true)) << "window shown";
    EXPECT_FALSE(IsAtRest(rig.profile, rig.state, rig.poll.Axes(), {32769, 32768, 32768, 0}, false))
        << "a new reading";

    EngineState unsettled = rig.state;
    unsettled.arrowGuards[1] = 0;  // a tick that ended early leaves its guards
    EXPECT_FALSE(IsAtRest(rig.profile, unsettled, rig.poll.Axes(), centre, false));
    unsettled = rig.state;
    unsettled.firstTickDone = false;
    EXPECT_FALSE(IsAtRest(rig.profile, unsettled, rig.poll.Axes(), centre, false));
}

}  // namespace
}  // namespace pultara::testing
