#include "ui/poll_sleep.h"

#include <gtest/gtest.h>

namespace pultara {
namespace {

struct Schedule {
    bool atRest = true;
    bool canWake = true;
    std::uint64_t now = 0;
    PollSleep sleep{
        {[this] { return atRest; }, [this] { return canWake; }, [this] { return now; }}};
};

TEST(PollSleep, SleepsOnlyAtRestWithAWayToWakeAndWakesOnSignalsAndChanges) {
    Schedule s;
    s.canWake = false;
    EXPECT_FALSE(s.sleep.AfterTick()) << "nothing would wake it";
    s.canWake = true;
    s.atRest = false;
    EXPECT_FALSE(s.sleep.AfterTick());
    EXPECT_FALSE(s.sleep.JoystickSignal()) << "awake: the cadence reads the change";

    s.atRest = true;
    EXPECT_TRUE(s.sleep.AfterTick());
    EXPECT_FALSE(s.sleep.OtherChange()) << "still at rest";
    s.atRest = false;  // the window shown
    EXPECT_TRUE(s.sleep.OtherChange());
    EXPECT_FALSE(s.sleep.Asleep());

    s.atRest = true;
    EXPECT_TRUE(s.sleep.AfterTick());
    EXPECT_TRUE(s.sleep.JoystickSignal());
    EXPECT_FALSE(s.sleep.JoystickSignal()) << "one tick per wake";
}

// A device that reports all the time while nothing changes would wake the
// program on every report: it is polled instead, until the minute is over or
// a device comes or goes.
TEST(PollSleep, ADeviceSignallingWithoutChangesIsPolledForAWhile) {
    Schedule s;
    ASSERT_TRUE(s.sleep.AfterTick());
    int sleeps = 0;
    for (int i = 0; i < PollSleep::kNoisySignals; ++i) {
        s.now += 5;
        ASSERT_TRUE(s.sleep.JoystickSignal());
        sleeps += s.sleep.AfterTick() ? 1 : 0;
    }
    EXPECT_EQ(sleeps, PollSleep::kNoisySignals - 1);
    EXPECT_TRUE(s.sleep.Polling());
    s.now += 1000;
    EXPECT_FALSE(s.sleep.AfterTick());
    s.now += PollSleep::kPollAfterNoisyMs;
    EXPECT_TRUE(s.sleep.AfterTick());

    // Signals spread out are a stick moved now and then, not noise.
    for (int i = 0; i < 3 * PollSleep::kNoisySignals; ++i) {
        s.now += PollSleep::kNoisyWindowMs / 50;
        ASSERT_TRUE(s.sleep.JoystickSignal());
        ASSERT_TRUE(s.sleep.AfterTick()) << i;
    }

    for (int i = 0; i < PollSleep::kNoisySignals; ++i) {
        s.sleep.JoystickSignal();
        s.sleep.AfterTick();
    }
    ASSERT_TRUE(s.sleep.Polling());
    s.sleep.DeviceChange();
    EXPECT_FALSE(s.sleep.Polling());
    EXPECT_FALSE(s.sleep.AfterTick()) << "a new device is polled until it is open";
    s.now += PollSleep::kDeviceSettleMs;
    EXPECT_TRUE(s.sleep.AfterTick());
}

}  // namespace
}  // namespace pultara
