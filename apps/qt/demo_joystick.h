#pragma once
#include <optional>
#include <vector>

#include "platform/linux/sdl_virtual_joystick.h"
#include "script/joystick_script.h"

namespace pultara::qt {

// The --demo-joystick option: an SDL virtual joystick that plays the sample
// lines of a joystick script in the simulator's format, one per call of
// NextTick, and then rests on the last sample. Action lines need a user and
// are passed over.
class DemoJoystick {
public:
    explicit DemoJoystick(std::vector<ScriptStep> steps);
    bool Attached() const { return joystick_.Attached(); }
    // Sets the sample of the next step; true when it differs from the one
    // before.
    bool NextTick();
    bool Finished() const { return step_ >= steps_.size(); }

private:
    linux_x11::SdlVirtualJoystick joystick_;
    std::vector<ScriptStep> steps_;
    std::size_t step_ = 0;
    int tickInStep_ = 0;
    std::optional<JoystickSample> set_;
};

}  // namespace pultara::qt
