#pragma once
#include <atomic>
#include <cstdint>
#include <memory>

// TickCount64, the clock that users of the timer measure their time with.
#include "platform/win32/newer_windows.h"

namespace pultara::win32 {

// A periodic tick for the user-interface thread that keeps its interval
// (SetTimer rounds 10 ms up to the system's 15.6 ms clock). A worker thread
// waits on a high-resolution waitable timer and posts `message` to `window`;
// the tick runs wherever that thread's messages are dispatched, modal loops
// included. At most one tick is pending at a time, so a slow tick delays the
// next one instead of flooding the queue.
class PreciseTimer {
public:
    PreciseTimer(void* window, std::uint32_t message);
    ~PreciseTimer();
    PreciseTimer(const PreciseTimer&) = delete;
    PreciseTimer& operator=(const PreciseTimer&) = delete;

    // 0 stops the timer; another value (re)starts it with that period.
    void SetInterval(std::uint32_t milliseconds);
    std::uint32_t Interval() const { return interval_.load(); }

    // Call from the window procedure when `message` arrives, before the tick
    // runs, so that the next one may be posted.
    void Acknowledge() { pending_.store(false); }

    // Whether the high-resolution timer of Windows 10 1803 and later is used
    // (else a waitable timer with timeBeginPeriod(1), as on XP).
    bool HighResolution() const;

private:
    struct Worker;
    // The worker thread: waits for each tick and posts `message` to `window`.
    void Run(void* window, std::uint32_t message);

    std::atomic<std::uint32_t> interval_{0};
    std::atomic<bool> pending_{false};
    std::unique_ptr<Worker> worker_;
};

}  // namespace pultara::win32
