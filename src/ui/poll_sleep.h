#pragma once
#include <cstdint>
#include <functional>

namespace pultara {

// When the program's poll timer sleeps and wakes. After each tick the timer
// may stop if the program is at rest and a change of the joystick would wake
// it; a signal of the joystick then runs a tick at once and restarts the
// cadence. A joystick that signals over and over without anything to do (a
// device that reports continuously) is polled instead, as if it could not
// wake the program, until it has been quiet for a while or a device comes or
// goes. After a device came or went the joystick is polled for a moment too,
// since the system opens a new device only once it is ready (on Linux, once
// udev has set its permissions).
class PollSleep {
public:
    struct Hooks {
        std::function<bool()> atRest;          // the rest rule, now
        std::function<bool()> canWake;         // a joystick change would be signalled
        std::function<std::uint64_t()> nowMs;  // a monotonic clock
    };
    explicit PollSleep(Hooks hooks) : hooks_(std::move(hooks)) {}

    // After a tick: whether the poll timer stops now.
    bool AfterTick();
    // The joystick signalled: whether a sleeping timer restarts and ticks at
    // once (false while awake: the running cadence reads the change).
    bool JoystickSignal();
    // A device came or went: signals are trusted again, after the moment of
    // polling.
    void DeviceChange();
    // Something besides the joystick changed (the window, the settings):
    // whether a sleeping timer starts again.
    bool OtherChange();
    bool Asleep() const { return asleep_; }
    // Whether signals are ignored for now and the joystick polled.
    bool Polling() const { return noisy_; }

    // Idle signals within one window that make the joystick count as
    // reporting continuously, and how long it is then polled.
    static constexpr int kNoisySignals = 200;
    static constexpr std::uint64_t kNoisyWindowMs = 4000;
    static constexpr std::uint64_t kPollAfterNoisyMs = 60000;
    // How long the joystick is polled after a device came or went.
    static constexpr std::uint64_t kDeviceSettleMs = 2000;

private:
    bool MaySleep() const;

    Hooks hooks_;
    bool asleep_ = false;
    bool woken_ = false;  // the tick running now was woken by a signal
    bool noisy_ = false;
    std::uint64_t noisyUntil_ = 0;
    std::uint64_t windowStart_ = 0;
    std::uint64_t settledAt_ = 0;  // polled until then after a device change
    int idleSignals_ = 0;
};

}  // namespace pultara
