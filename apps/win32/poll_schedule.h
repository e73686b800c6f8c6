#pragma once
#include <windows.h>

#include "platform/win32/precise_timer.h"
#include "platform/win32/raw_input_wake.h"
#include "ports/joystick_signals.h"
#include "ui/form_observer.h"
#include "ui/program.h"

namespace pultara::win32app {

// The poll tick of pultara.exe: a precise timer posts the ticks to the
// application window while the program's poll timer runs, and restarts when
// its interval changes; a poll timer that runs again after the program let it
// sleep ticks at once. Raw Input of a game controller is forwarded to the
// program as a joystick signal, a controller coming or going as a device
// change.
class PollSchedule : public JoystickSignals, private FormObserver {
public:
    PollSchedule(HWND window, Program& program);
    ~PollSchedule() override;
    PollSchedule(const PollSchedule&) = delete;
    PollSchedule& operator=(const PollSchedule&) = delete;

    // Runs the precise timer as the poll timer's model says; from then on it
    // follows the model's changes.
    void Follow();
    // Handles the timer's tick and the Raw Input messages; false for any
    // other message. `result` is the window procedure's answer.
    bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

    // JoystickSignals: joyGetPosEx needs nothing followed.
    void FollowJoystick() override {}
    bool CanSignal() const override { return rawInput_.Registered(); }

private:
    void ControlChanged(const Control& control, Property property) override;
    void FormChanged(const Form& /*form*/, Property /*property*/) override {}

    HWND window_;
    Program& program_;
    win32::PreciseTimer timer_;
    win32::RawInputWake rawInput_;
};

}  // namespace pultara::win32app
