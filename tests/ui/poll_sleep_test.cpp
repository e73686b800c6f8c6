#include "ui/poll_sleep.h"

#include <gtest/gtest.h>

#include "support/program_rig.h"

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

namespace pultara {
namespace {

struct TestSignals : JoystickSignals {
    void FollowJoystick() override { ++follows; }
    bool CanSignal() const override { return canSignal; }
    bool canSignal = true;
    int follows = 0;
};

// Counts what a front end hears of the poll timer.
struct TimerWatch : FormObserver {
    void ControlChanged(const Control& control, Property property) override {
        if (control.Name() == "Timer1" && property == Property::Enabled) {
            ++changes;
        }
    }
    void FormChanged(const Form&, Property) override {}
    int changes = 0;
};

// The program stops its poll timer's model at rest when a signal could wake
// it, drops an expiry queued before, and lets it run again on a signal or
// when its window is shown; a front end hears each change.
TEST(ProgramSleep, ThePollTimerModelStopsAtRestAndRunsAgainOnSignalsAndTheWindow) {
    testing::ProgramRig rig;
    TestSignals signals;
    TimerWatch watch;
    rig.program.Main().AddObserver(&watch);
    const Control& timer = rig.program.PollTimer();
    rig.program.Start();
    rig.Tick();  // to the tray
    rig.Tick();
    EXPECT_TRUE(timer.Runs()) << "nothing would wake it";
    rig.program.UseJoystickSignals(&signals);
    signals.canSignal = false;
    rig.Tick();
    EXPECT_TRUE(timer.Runs()) << "nothing would wake it";
    signals.canSignal = true;
    rig.Tick();
    EXPECT_FALSE(timer.Runs());
    EXPECT_EQ(watch.changes, 1);
    EXPECT_EQ(signals.follows, 2) << "the joystick is followed after each tick";

    rig.platform.log.Clear();
    rig.platform.joystick.logReads = true;
    rig.program.Timer1Timer();
    EXPECT_TRUE(rig.Lines().empty()) << "an expiry after the timer stopped ran a tick";
    rig.program.JoystickSignalled();
    EXPECT_TRUE(timer.Runs());
    rig.program.JoystickSignalled();
    EXPECT_EQ(watch.changes, 2);
    rig.Tick(1);
    EXPECT_EQ(rig.state.sample.buttons, 1u);
    EXPECT_TRUE(timer.Runs()) << "a held button is not rest";
    rig.Tick();
    EXPECT_FALSE(timer.Runs());

    rig.program.Main().SetVisible(true);
    EXPECT_TRUE(timer.Runs()) << "the window shown did not wake the timer";
    rig.Tick();
    EXPECT_TRUE(timer.Runs()) << "asleep with the window shown";
    rig.program.Main().SetVisible(false);
    rig.Tick();
    EXPECT_FALSE(timer.Runs());
    rig.program.UseJoystickSignals(nullptr);
    rig.program.Main().RemoveObserver(&watch);
}

// After a device came or went the program polls for a while by the
// platform's monotonic clock, not by the library's: on the XP build that one
// reads the wall clock, which the user may set back by hours.
TEST(ProgramSleep, TheMomentOfPollingAfterADeviceChangeIsMeasuredByThePlatformsClock) {
    testing::ProgramRig rig;
    TestSignals signals;
    const Control& timer = rig.program.PollTimer();
    rig.program.Start();
    rig.Tick();  // to the tray
    rig.program.UseJoystickSignals(&signals);
    rig.Tick();
    ASSERT_FALSE(timer.Runs());

    rig.program.DeviceCameOrWent();
    EXPECT_TRUE(timer.Runs());
    rig.platform.clock.nowMs += PollSleep::kDeviceSettleMs - 1;
    rig.Tick();
    EXPECT_TRUE(timer.Runs()) << "asleep before the device could be ready";
    rig.platform.clock.nowMs += 1;
    rig.Tick();
    EXPECT_FALSE(timer.Runs())
        << "still polling when the platform's clock says it is time to sleep";
    rig.program.UseJoystickSignals(nullptr);
}

}  // namespace
}  // namespace pultara
