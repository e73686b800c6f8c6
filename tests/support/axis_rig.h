#pragma once
#include <string>
#include <vector>

#include "axis/axis_outputs.h"
#include "support/engine_rig.h"

namespace pultara::testing {

// The poll tick with the real axis outputs on the fake platform; buttons and
// arrow keys still go to the recording operations.
struct AxisRig {
    // Runs a first tick with the stick at rest and clears the log.
    AxisRig();

    void Tick(std::uint32_t x, std::uint32_t y, std::uint32_t z);
    std::vector<std::string> Calls() const { return platform.log.Lines(); }

    fake::FakePlatform platform;
    Profile profile;
    EngineState state;
    RecordingOperations commands{platform.log};
    RecordingMainWindow window{platform.log};
    AxisOutputs axes{profile, state, platform.Services()};
    Dispatcher dispatcher{profile, state, window, platform.mouse, commands};
    PollCycle poll{profile,    state,    window, platform.joystick,
                   dispatcher, commands, axes,   platform.dialogs};
};

}  // namespace pultara::testing
