// Runs COUNT poll ticks of the core, with its real axis outputs (pointer
// motion, mixer logic), against platform doubles that do nothing. Run it
// under callgrind twice (COUNT 0 and COUNT N); the difference divided by N
// is the core's cost of one tick in instructions.
//
//   tick_instructions idle|pointer COUNT
//
// pointer: all three axes on pointer actions, deflected.
#include <cstdlib>
#include <cstring>
#include <iostream>

#include "axis/axis_outputs.h"
#include "engine/dispatcher.h"
#include "engine/poll_cycle.h"
#include "null_platform.h"

using namespace pultara;
using namespace pultara::bench;

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: tick_instructions idle|pointer COUNT\n";
        return 2;
    }
    Profile profile;
    EngineState state;
    NullJoystick joystick;
    NullMouse mouse;
    NullDialogs dialogs;
    NullWindow window;
    NullOperations operations;
    NullMixer mixer;
    NullProcesses processes;
    AxisOutputs axes{profile, state, mixer, mouse, processes};
    Dispatcher dispatcher{profile, state, window, mouse, operations};
    PollCycle poll{profile, state, window, joystick, dispatcher, operations, axes, dialogs};
    joystick.next = {32768, 32768, 32768, 0};
    if (std::strcmp(argv[1], "pointer") == 0) {
        profile.SetAxisListPosition(Axis::X, 11);
        profile.SetAxisListPosition(Axis::Y, 13);
        profile.SetAxisListPosition(Axis::Z, 7);
        joystick.next = {0, 65535, 40000, 0};
    }
    const long count = std::strtol(argv[2], nullptr, 10);
    for (long i = 0; i < count; ++i) {
        poll.Timer1Timer();
    }
    return 0;
}
