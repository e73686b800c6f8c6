#include "apps/win32/poll_schedule.h"

#include <utility>

namespace pultara::win32app {

namespace {

constexpr UINT kPollTick = WM_APP + 1;

}  // namespace

PollSchedule::PollSchedule(HWND window, Hooks hooks)
    : window_(window),
      hooks_(std::move(hooks)),
      timer_(window, kPollTick),
      rawInput_(window),
      sleep_({[this] { return hooks_.atRest(); }, [this] { return rawInput_.Registered(); },
              [] { return win32::TickCount64(); }}) {}

void PollSchedule::Start(std::uint32_t milliseconds) {
    interval_ = milliseconds;
    sleep_.Restarted();
    timer_.SetInterval(milliseconds);
}

void PollSchedule::OtherChange() {
    if (sleep_.OtherChange()) {
        Start(interval_);
    }
}

void PollSchedule::Tick() {
    hooks_.tick();
    if (timer_.Interval() != 0 && sleep_.AfterTick()) {
        timer_.SetInterval(0);
    }
}

// A sleeping poll timer ticks at once and takes up its cadence from now.
void PollSchedule::JoystickSignal(bool deviceChange) {
    if (deviceChange) {
        sleep_.DeviceChange();
    }
    if (sleep_.JoystickSignal()) {
        Start(interval_);
        if (interval_ != 0) {
            Tick();
        }
    }
}

bool PollSchedule::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (message == kPollTick) {
        timer_.Acknowledge();
        // A tick posted just before the timer went to sleep is dropped.
        if (!sleep_.Asleep()) {
            Tick();
        }
        result = 0;
        return true;
    }
    if (win32::RawInputWake::IsInput(message) || win32::RawInputWake::IsDeviceChange(message)) {
        JoystickSignal(win32::RawInputWake::IsDeviceChange(message));
        // WM_INPUT must reach DefWindowProc, which frees its data.
        result = DefWindowProcW(window_, message, wParam, lParam);
        return true;
    }
    return false;
}

}  // namespace pultara::win32app
