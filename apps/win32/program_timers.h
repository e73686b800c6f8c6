#pragma once
#include <windows.h>

#include "platform/win32/precise_timer.h"
#include "platform/win32/raw_input_wake.h"
#include "ports/joystick_signals.h"
#include "ui/form_observer.h"
#include "ui/program.h"

namespace pultara::win32app {

// Runs the program's poll and save timers of pultara.exe as the model
// describes them: each runs while Runs() and restarts when its interval
// changes, and a poll timer that runs again after the program let it sleep
// ticks at once. Expiries go to the program. The poll tick comes from a
// precise timer that posts to the application window, the save from a window
// timer; both tick inside a box's loop too. Raw Input of a game controller is
// forwarded to the program as a joystick signal, a controller coming or going
// as a device change.
class ProgramTimers : public JoystickSignals, private FormObserver {
public:
    ProgramTimers(HWND window, Program& program);
    ~ProgramTimers() override;
    ProgramTimers(const ProgramTimers&) = delete;
    ProgramTimers& operator=(const ProgramTimers&) = delete;

    // Runs both timers as their models say; from then on they follow the
    // models' changes.
    void Follow();
    // Handles the timers' expiries and the Raw Input messages; false for any
    // other message. `result` is the window procedure's answer.
    bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

    // JoystickSignals: joyGetPosEx needs nothing followed.
    void FollowJoystick() override {}
    bool CanSignal() const override { return rawInput_.Registered(); }

private:
    void ControlChanged(const Control& control, Property property) override;
    void FormChanged(const Form& /*form*/, Property /*property*/) override {}

    void FollowPoll();
    void FollowSave();

    HWND window_;
    Program& program_;
    win32::PreciseTimer poll_;
    win32::RawInputWake rawInput_;
};

}  // namespace pultara::win32app
