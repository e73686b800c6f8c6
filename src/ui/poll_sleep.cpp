#include "ui/poll_sleep.h"

namespace pultara {

bool PollSleep::MaySleep() const {
    return !noisy_ && hooks_.nowMs() >= settledAt_ && hooks_.canWake() && hooks_.atRest();
}

bool PollSleep::AfterTick() {
    const std::uint64_t now = hooks_.nowMs();
    if (noisy_ && now >= noisyUntil_) {
        noisy_ = false;
    }
    const bool woken = woken_;
    woken_ = false;
    if (asleep_ || !MaySleep()) {
        return false;
    }
    // A signal whose tick found nothing to do: count it, and give up
    // sleeping when such signals come too thick.
    if (woken) {
        if (now - windowStart_ > kNoisyWindowMs) {
            windowStart_ = now;
            idleSignals_ = 0;
        }
        if (++idleSignals_ >= kNoisySignals) {
            noisy_ = true;
            noisyUntil_ = now + kPollAfterNoisyMs;
            idleSignals_ = 0;
            return false;
        }
    }
    asleep_ = true;
    return true;
}

bool PollSleep::JoystickSignal() {
    if (!asleep_) {
        return false;
    }
    asleep_ = false;
    woken_ = true;
    return true;
}

void PollSleep::DeviceChange() {
    noisy_ = false;
    idleSignals_ = 0;
    settledAt_ = hooks_.nowMs() + kDeviceSettleMs;
}

bool PollSleep::OtherChange() {
    if (!asleep_ || MaySleep()) {
        return false;
    }
    asleep_ = false;
    return true;
}

}  // namespace pultara
