#include "platform/win32/precise_timer.h"

// windows.h first: the other system headers build on it.
#include <windows.h>

#include <mmsystem.h>

#include "platform/win32/newer_windows.h"

namespace pultara::win32 {

namespace {

constexpr LONGLONG kTicksPer100ns = 1;  // waitable timers count in 100 ns units

LONGLONG Now100ns() {
    static const LONGLONG frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f.QuadPart;
    }();
    LARGE_INTEGER counter;
    QueryPerformanceCounter(&counter);
    return counter.QuadPart / frequency * 10'000'000 +
           counter.QuadPart % frequency * 10'000'000 / frequency;
}

}  // namespace

struct PreciseTimer::Worker {
    HANDLE timer = nullptr;
    HANDLE wake = CreateEventW(nullptr, FALSE, FALSE, nullptr);  // interval changed or stop
    bool highResolution = false;
    std::atomic<bool> stop{false};
    HANDLE thread = nullptr;
    void* window = nullptr;
    std::uint32_t message = 0;
    PreciseTimer* owner = nullptr;

    static DWORD WINAPI Main(void* worker) {
        auto* self = static_cast<Worker*>(worker);
        self->owner->Run(self->window, self->message);
        return 0;
    }
};

PreciseTimer::PreciseTimer(void* window, std::uint32_t message)
    : worker_(std::make_unique<Worker>()) {
    Worker& w = *worker_;
    w.timer = CreateHighResolutionTimer();
    w.highResolution = w.timer != nullptr;
    if (!w.highResolution) {
        // Older systems: a plain waitable timer is as fine as the system
        // clock, which timeBeginPeriod makes 1 ms.
        w.timer = CreateWaitableTimerW(nullptr, FALSE, nullptr);
        timeBeginPeriod(1);
    }
    // A Win32 thread: the standard library of the XP build has no std::thread.
    w.window = window;
    w.message = message;
    w.owner = this;
    w.thread = CreateThread(nullptr, 0, &Worker::Main, &w, 0, nullptr);
}

void PreciseTimer::Run(void* window, std::uint32_t message) {
    const HWND target = static_cast<HWND>(window);
    Worker& self = *worker_;
    LONGLONG next = 0;
    std::uint32_t running = 0;
    while (!self.stop) {
        const std::uint32_t period = interval_.load();
        if (period != running) {
            running = period;
            next = Now100ns();
        }
        if (running == 0) {
            WaitForSingleObject(self.wake, INFINITE);
            continue;
        }
        next += static_cast<LONGLONG>(running) * 10'000 * kTicksPer100ns;
        const LONGLONG now = Now100ns();
        if (next < now - static_cast<LONGLONG>(running) * 10'000) {
            next = now;  // far behind (a suspended system): start afresh
        }
        LARGE_INTEGER due;
        due.QuadPart = -(next > now ? next - now : 1);
        SetWaitableTimer(self.timer, &due, 0, nullptr, nullptr, FALSE);
        const HANDLE handles[] = {self.wake, self.timer};
        if (WaitForMultipleObjects(2, handles, FALSE, INFINITE) == WAIT_OBJECT_0 + 1 &&
            !pending_.exchange(true)) {
            if (!PostMessageW(target, message, 0, 0)) {
                pending_.store(false);
            }
        }
    }
}

PreciseTimer::~PreciseTimer() {
    worker_->stop = true;
    SetEvent(worker_->wake);
    if (worker_->thread != nullptr) {
        WaitForSingleObject(worker_->thread, INFINITE);
        CloseHandle(worker_->thread);
    }
    CancelWaitableTimer(worker_->timer);
    CloseHandle(worker_->timer);
    CloseHandle(worker_->wake);
    if (!worker_->highResolution) {
        timeEndPeriod(1);
    }
}

void PreciseTimer::SetInterval(std::uint32_t milliseconds) {
    if (interval_.exchange(milliseconds) != milliseconds) {
        SetEvent(worker_->wake);
    }
}

bool PreciseTimer::HighResolution() const {
    return worker_->highResolution;
}

}  // namespace pultara::win32
