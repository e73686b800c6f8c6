#include "apps/win32/program_timers.h"

namespace pultara::win32app {

namespace {

constexpr UINT kPollTick = WM_APP + 1;
constexpr UINT_PTR kSaveTimer = 2;

}  // namespace

ProgramTimers::ProgramTimers(HWND window, Program& program)
    : window_(window), program_(program), poll_(window, kPollTick), rawInput_(window) {
    program_.Main().AddObserver(this);
}

ProgramTimers::~ProgramTimers() {
    program_.Main().RemoveObserver(this);
    KillTimer(window_, kSaveTimer);
}

void ProgramTimers::Follow() {
    FollowPoll();
    FollowSave();
}

void ProgramTimers::FollowPoll() {
    const Control& model = program_.PollTimer();
    poll_.SetInterval(model.Runs() ? model.Interval() : 0);
}

void ProgramTimers::FollowSave() {
    const Control& model = program_.SaveTimer();
    KillTimer(window_, kSaveTimer);
    if (model.Runs()) {
        SetTimer(window_, kSaveTimer, model.Interval(), nullptr);
    }
}

void ProgramTimers::ControlChanged(const Control& control, Property property) {
    if (property != Property::Interval && property != Property::Enabled) {
        return;
    }
    if (&control == &program_.SaveTimer()) {
        FollowSave();
        return;
    }
    if (&control != &program_.PollTimer()) {
        return;
    }
    FollowPoll();
    // Woken: the first tick is due now. It is posted like every other, so
    // the message that woke the timer returns first and later ones still
    // arrive while that tick waits in a box.
    if (property == Property::Enabled && control.Runs()) {
        PostMessageW(window_, kPollTick, 0, 0);
    }
}

bool ProgramTimers::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (message == kPollTick) {
        poll_.Acknowledge();
        program_.Timer1Timer();
        result = 0;
        return true;
    }
    if (message == WM_TIMER && wParam == kSaveTimer) {
        program_.Timer2Timer();
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
