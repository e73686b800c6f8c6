#include "axis/pointer_motion.h"

#include <gtest/gtest.h>

#include "platform/fake/fake_platform.h"

namespace pultara {
namespace {

using Lines = std::vector<std::string>;

struct Pointer : ::testing::Test {
    // Calls until the pointer first moves, or 0 when it does not within 100.
    int CallsUntilMove(void (PointerMotion::*operation)(std::uint32_t), std::uint32_t value) {
        for (int call = 1; call <= 100; ++call) {
            platform.log.Clear();
            (motion.*operation)(value);
            if (!platform.log.Only("SetCursorPos").empty()) {
                return call;
            }
        }
        return 0;
    }
    Lines Calls() const { return platform.log.Lines(); }

    fake::FakePlatform platform;
    Profile profile;
    EngineState state;
    PointerMotion motion{profile, state, platform.mouse, platform.processes};
};

TEST(PointerCurve, ZeroAtTheCentreSymmetricAndAboutThirtyPercentAtTheEnds) {
    EXPECT_EQ(PointerSpeed(32768, 32), 0.0);
    EXPECT_NEAR(PointerSpeed(0, 32), 9.674357565727, 1e-11);
    EXPECT_EQ(PointerSpeed(32768 - 5000, 32), PointerSpeed(32768 + 5000, 32));
    EXPECT_EQ(PointerSpeed(0, -32), -PointerSpeed(0, 32));
}

TEST(PointerCurve, HalvesRoundToTheEvenNeighbour) {
    EXPECT_EQ(RoundHalfToEven(0.5), 0);
    EXPECT_EQ(RoundHalfToEven(1.5), 2);
    EXPECT_EQ(RoundHalfToEven(-2.5), -2);
    // Speed limits whose curve lands exactly on a half.
    fake::CallLog log;
    fake::FakeProcesses processes(log);
    double remainder = 0.0;
    ASSERT_EQ(PointerSpeed(8444, 2147469336), 386399234.5);
    EXPECT_EQ(StepFromDeflection(8444, 2147469336, remainder, processes), 386399234);
    ASSERT_EQ(PointerSpeed(166, 2147473901), 643771335.5);
    EXPECT_EQ(StepFromDeflection(166, 2147473901, remainder, processes), 643771336);
    // The remainder pays out by the same rule.
    remainder = 2.5;
    EXPECT_EQ(StepFromDeflection(32768, 32, remainder, processes), 2);
    EXPECT_EQ(remainder, 0.5);
}

TEST_F(Pointer, FullDeflectionMovesTenPixelsAtHighPriorityInTheOperationsDirection) {
    motion.MovePointerX(0);
    EXPECT_EQ(Calls(), (Lines{"SetPriorityClass(HIGH)", "GetCursorPos", "SetCursorPos(630, 480)"}));
    motion.MovePointerX(65535);
    motion.MovePointerXInverted(0);
    motion.MovePointerY(0);
    motion.MovePointerYInverted(0);
    motion.MovePointerY(65535);
    EXPECT_EQ(
        platform.log.Only("SetCursorPos"),
        (Lines{"SetCursorPos(630, 480)", "SetCursorPos(640, 480)", "SetCursorPos(650, 480)",
               "SetCursorPos(650, 470)", "SetCursorPos(650, 480)", "SetCursorPos(650, 490)"}));
    EXPECT_EQ(state.horizontalRemainder, 0.0);
}

TEST_F(Pointer, TheDeadZoneNeitherMovesNorCreepsAndItsEdgesStartCreeping) {
    for (std::uint32_t value : {31785u, 32768u, 33751u}) {
        for (int tick = 0; tick < 200; ++tick) {
            motion.MovePointerX(value);
            motion.MovePointerY(value);
        }
    }
    EXPECT_EQ(Calls(), Lines{});
    EXPECT_EQ(state.horizontalRemainder, 0.0);
    motion.MovePointerX(31784);
    motion.MovePointerY(33752);
    EXPECT_GT(state.horizontalRemainder, 0.01);
    EXPECT_EQ(state.horizontalRemainder, state.verticalRemainder);
    EXPECT_EQ(Calls(), Lines{});
}

TEST_F(Pointer, ASlowDeflectionCreepsOnePixelWheneverTheRemainderPassesOne) {
    // 35000 gives 0.0534 pixels per tick: the 19th tick passes 1.
    EXPECT_EQ(CallsUntilMove(&PointerMotion::MovePointerX, 35000), 19);
    EXPECT_EQ(Calls(), (Lines{"SetPriorityClass(HIGH)", "GetCursorPos", "SetCursorPos(641, 480)"}));
    EXPECT_EQ(CallsUntilMove(&PointerMotion::MovePointerX, 35000), 19);
    EXPECT_EQ(CallsUntilMove(&PointerMotion::MovePointerYInverted, 35000), 19);
    EXPECT_EQ(platform.mouse.pointer.y, 479);
}

TEST_F(Pointer, TheRemainderCarriesOverAChangeOfDirectionAndIsSharedByBothAxes) {
    // 30000 and 35536 lie equally far from the centre: 13 ticks to a pixel.
    EXPECT_EQ(CallsUntilMove(&PointerMotion::MovePointerX, 35536), 13);
    state.horizontalRemainder = 0.0;
    for (int tick = 0; tick < 12; ++tick) {
        motion.MovePointerX(30000);
    }
    EXPECT_EQ(platform.mouse.pointer.x, 641);
    EXPECT_EQ(CallsUntilMove(&PointerMotion::MovePointerX, 35536), 1);
    EXPECT_EQ(platform.mouse.pointer.x, 642);
    // Two axes on the horizontal pair: each tick adds both contributions.
    state.horizontalRemainder = 0.0;
    int ticks = 0;
    while (platform.mouse.pointer.x == 642 && ++ticks < 100) {
        motion.MovePointerX(35536);
        motion.MovePointerXInverted(35536);
    }
    EXPECT_EQ(ticks, 7);
    EXPECT_EQ(platform.mouse.pointer.x, 643);
}

TEST_F(Pointer, ZeroSpeedStopsAndNegativeSpeedReversesWithoutRaisingPriority) {
    profile.SetMaxMouseSpeed(0);
    motion.MovePointerX(0);
    motion.MovePointerY(65535);
    EXPECT_EQ(Calls(), Lines{});
    profile.SetMaxMouseSpeed(-32);
    motion.MovePointerX(0);
    EXPECT_EQ(Calls(), (Lines{"GetCursorPos", "SetCursorPos(650, 480)"}));
    EXPECT_EQ(CallsUntilMove(&PointerMotion::MovePointerY, 35000), 19);
    EXPECT_EQ(platform.mouse.pointer.y, 479);
    EXPECT_TRUE(platform.log.Only("SetPriorityClass").empty());
    EXPECT_LE(state.verticalRemainder, 0.0);
    EXPECT_GT(state.verticalRemainder, -1.0);
}

TEST_F(Pointer, AtTheScreenEdgeThePointerStaysWhereTheSystemClampsIt) {
    platform.mouse.pointer = {3, 480};
    motion.MovePointerX(0);
    motion.MovePointerX(0);
    EXPECT_EQ(platform.log.Only("SetCursorPos"),
              (Lines{"SetCursorPos(-7, 480)", "SetCursorPos(-10, 480)"}));
    EXPECT_EQ(platform.mouse.pointer.x, 0);
    EXPECT_EQ(state.horizontalRemainder, 0.0);
}

TEST(PointerWithoutPosition, AnUnreadablePointerIsLeftAlone) {
    struct BlindMouse : fake::FakeMouse {
        using FakeMouse::FakeMouse;
        bool GetCursorPos(PointerPosition& position) override {
            FakeMouse::GetCursorPos(position);
            return false;
        }
    };
    fake::FakePlatform platform;
    BlindMouse mouse(platform.log);
    Profile profile;
    EngineState state;
    PointerMotion motion{profile, state, mouse, platform.processes};
    motion.MovePointerX(0);
    EXPECT_EQ(platform.log.Lines(), (Lines{"SetPriorityClass(HIGH)", "GetCursorPos"}));
}

}  // namespace
}  // namespace pultara
