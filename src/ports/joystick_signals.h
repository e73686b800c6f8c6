#pragma once

namespace pultara {

// How a front end hears of the joystick while the poll timer sleeps. It
// forwards each signal to Program::JoystickSignalled and each device coming
// or going to Program::DeviceCameOrWent; the program decides from these
// answers whether its poll timer may stop.
class JoystickSignals {
public:
    virtual ~JoystickSignals() = default;
    // After each tick, which may have opened or closed the joystick: watch
    // the one open now.
    virtual void FollowJoystick() = 0;
    // Whether a change of the joystick would be signalled now.
    virtual bool CanSignal() const = 0;
};

}  // namespace pultara
