#pragma once
#include <windows.h>

#include <cstdint>
#include <functional>

#include "platform/win32/precise_timer.h"
#include "platform/win32/raw_input_wake.h"
#include "ui/poll_sleep.h"

namespace pultara::win32app {

// The poll tick of pultara.exe and when it sleeps: a precise timer posts the
// ticks to the application window; while the program is at rest the timer
// stops, and Raw Input of a game controller (or one coming or going) runs a
// tick at once and takes up the cadence from then. After a controller came
// or went the poll runs for a while, so that the joystick service sees it
// before the program sleeps again.
class PollSchedule {
public:
    struct Hooks {
        std::function<void()> tick;    // one poll tick of the program
        std::function<bool()> atRest;  // the rest rule, now
    };
    PollSchedule(HWND window, Hooks hooks);
    PollSchedule(const PollSchedule&) = delete;
    PollSchedule& operator=(const PollSchedule&) = delete;

    // The program's poll timer: its interval, 0 when it does not run.
    void Start(std::uint32_t milliseconds);
    // Something besides the joystick changed (the window, the settings): a
    // sleeping timer starts again if the program is no longer at rest.
    void OtherChange();
    // Handles the timer's tick and the Raw Input messages; false for any
    // other message. `result` is the window procedure's answer.
    bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

    bool Asleep() const { return sleep_.Asleep(); }

private:
    void Tick();
    void JoystickSignal(bool deviceChange);

    HWND window_;
    Hooks hooks_;
    std::uint32_t interval_ = 0;
    win32::PreciseTimer timer_;
    win32::RawInputWake rawInput_;
    PollSleep sleep_;
};

}  // namespace pultara::win32app
