#pragma once
#include <QObject>
#include <QSocketNotifier>
#include <cstdint>
#include <functional>
#include <memory>

#include "platform/linux/input_wake.h"
#include "platform/linux/sdl_joystick.h"
#include "ports/joystick_signals.h"

namespace pultara::qt {

// Tells the program that the joystick may have changed (`onWake`): its input
// node became readable or the demo joystick moved (Poke); or that a device
// came or went (`onDevice`): in /dev/input, or the joystick's node was
// unplugged. SDL still reads the joystick's state; this only wakes the event
// loop.
class JoystickWake : public QObject, public JoystickSignals {
public:
    JoystickWake(const linux_x11::SdlJoystick& joystick, std::function<void()> onWake,
                 std::function<void()> onDevice);

    // Waits on the node of the joystick SDL has open now.
    void FollowJoystick() override;
    bool CanSignal() const override;
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
