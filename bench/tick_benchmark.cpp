// Cost of one poll tick of the core, without any platform work.
#include <benchmark/benchmark.h>

#include "engine/dispatcher.h"
#include "engine/poll_cycle.h"
#include "null_platform.h"

namespace pultara::bench {
namespace {

struct Spine {
    Profile profile;
    EngineState state;
    NullJoystick joystick;
    NullMouse mouse;
    NullDialogs dialogs;
    NullWindow window;
    NullOperations operations;
    Dispatcher dispatcher{profile, state, window, mouse, operations};
    PollCycle poll{profile, state, window, joystick, dispatcher, operations, operations, dialogs};
};

void IdleTick(benchmark::State& run) {
    Spine spine;
    spine.joystick.next = {32768, 32768, 32768, 0};
    for (auto _ : run) {
        spine.poll.Timer1Timer();
    }
}
BENCHMARK(IdleTick);

void TickWithPointerAxes(benchmark::State& run) {
    Spine spine;
    spine.profile.SetAxisListPosition(Axis::X, 11);
    spine.profile.SetAxisListPosition(Axis::Y, 13);
    spine.profile.SetAxisListPosition(Axis::Z, 7);
    spine.joystick.next = {0, 65535, 40000, 0};
    for (auto _ : run) {
        spine.poll.Timer1Timer();
    }
}
BENCHMARK(TickWithPointerAxes);

}  // namespace
}  // namespace pultara::bench
