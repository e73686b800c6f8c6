#pragma once
#include <chrono>

#include "ports/monotonic_clock.h"

namespace pultara::linux_x11 {

// std::chrono::steady_clock, which is CLOCK_MONOTONIC on Linux.
class SteadyClock : public MonotonicClock {
public:
    std::uint64_t NowMs() override {
        return static_cast<std::uint64_t>(std::chrono::duration_cast<std::chrono::milliseconds>(
                                              std::chrono::steady_clock::now().time_since_epoch())
                                              .count());
    }
};

}  // namespace pultara::linux_x11
