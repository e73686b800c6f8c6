#include "apps/win32/poll_schedule.h"

namespace pultara::win32app {

namespace {

constexpr UINT kPollTick = WM_APP + 1;

}  // namespace

PollSchedule::PollSchedule(HWND window, Program& program)
    : window_(window), program_(program), timer_(window, kPollTick), rawInput_(window) {
    program_.Main().AddObserver(this);
}

PollSchedule::~PollSchedule() {
    program_.Main().RemoveObserver(this);
}

void PollSchedule::Follow() {
    const Control& model = program_.PollTimer();
    timer_.SetInterval(model.Runs() ? model.Interval() : 0);
}

void PollSchedule::ControlChanged(const Control& control, Property property) {
    if (&control != &program_.PollTimer() ||
        (property != Property::Interval && property != Property::Enabled)) {
        return;
    }
    Follow();
    // Woken: the first tick is due now. It is posted like every other, so
    // the message that woke the timer returns first and later ones still
    // arrive while that tick waits in a box.
    if (property == Property::Enabled && control.Runs()) {
        PostMessageW(window_, kPollTick, 0, 0);
    }
}

bool PollSchedule::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (message == kPollTick) {
        timer_.Acknowledge();
        program_.Timer1Timer();
        result = 0;
        return true;
    }
    if (win32::RawInputWake::IsInput(message) || win32::RawInputWake::IsDeviceChange(message)) {
        if (win32::RawInputWake::IsDeviceChange(message)) {
            program_.DeviceCameOrWent();
        } else {
            program_.JoystickSignalled();
        }
        // WM_INPUT must reach DefWindowProc, which frees its data.
        result = DefWindowProcW(window_, message, wParam, lParam);
        return true;
    }
    return false;
}

}  // namespace pultara::win32app
