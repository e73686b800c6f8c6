#pragma once
#include <QObject>
#include <QSocketNotifier>
#include <cstdint>
#include <functional>
#include <memory>

#include "platform/linux/input_wake.h"
#include "platform/linux/sdl_joystick.h"

namespace pultara::qt {

// Tells a sleeping poll timer that the joystick may have changed: its input
// node became readable, a device came or went in /dev/input, or the demo
// joystick moved (Poke). SDL still reads the joystick's state; this only
// wakes the event loop.
class JoystickWake : public QObject {
public:
    // `onDevice` hears of devices coming and going, before `onWake`.
    JoystickWake(const linux_x11::SdlJoystick& joystick, std::function<void()> onWake,
                 std::function<void()> onDevice);

    // After each tick: waits on the node of the joystick SDL has open now.
    void Follow();
    // Whether a change of the joystick would reach onWake, so the poll timer
    // may sleep.
    bool CanWake() const;
    // A change that no input node reports (the demo's virtual joystick).
    void Poke() { onWake_(); }
    // The demo joystick wakes the program itself.
    void SetDemoAttached(bool on) { demo_ = on; }

private:
    void NodeReadable();
    void DeviceCameOrWent();
    void DropNode();

    const linux_x11::SdlJoystick& joystick_;
    std::function<void()> onWake_;
    std::function<void()> onDevice_;
    linux_x11::InputWake input_;
    std::unique_ptr<QSocketNotifier> node_;
    std::unique_ptr<QSocketNotifier> hotplug_;
    std::uint32_t openingsFollowed_ = 0;
    bool demo_ = false;
};

}  // namespace pultara::qt
