#pragma once
#include <optional>
#include <string>
#include <vector>

#include "platform/linux/sdl_virtual_joystick.h"
#include "ports/joystick.h"

namespace pultara::qt {

// One line of a joystick script: a sample held for `ticks` poll ticks.
struct ScriptStep {
    JoystickSample sample;
    int ticks = 1;
};

struct ScriptError {
    int line = 0;
    std::string message;
};

// Reads a joystick script in the simulator's format (docs/pultara-sim.md):
// one line per tick, "X Y Z BUTTONS [xCOUNT]" (positions 0..65535, the button
// mask in decimal or 0x hex or as a list "[1,12]", COUNT repeats the line);
// blank lines, "#" lines and the simulator's action lines are skipped.
std::vector<ScriptStep> ReadJoystickScript(const std::string& text,
                                           std::optional<ScriptError>& error);

// The --demo-joystick option: an SDL virtual joystick that plays a script,
// one step per poll tick, and then rests on the last sample.
class DemoJoystick {
public:
    explicit DemoJoystick(std::vector<ScriptStep> steps);
    bool Attached() const { return joystick_.Attached(); }
    // Sets the sample of the tick about to run.
    void NextTick();
    bool Finished() const { return step_ >= steps_.size(); }

private:
    linux_x11::SdlVirtualJoystick joystick_;
    std::vector<ScriptStep> steps_;
    std::size_t step_ = 0;
    int tickInStep_ = 0;
};

}  // namespace pultara::qt
