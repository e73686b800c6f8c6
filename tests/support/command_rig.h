#pragma once
#include <cstdint>

#include "actions/keysend/key_sender.h"
#include "actions/keysend/window_focus.h"
#include "actions/mode_commands.h"
#include "support/engine_rig.h"

namespace pultara::testing {

// The control spine running the real mode commands, window focus and key
// interpreter against the fake platform; only the axis outputs are recorded.
// The first tick (which hides the main window) has run and the log is empty.
struct CommandRig {
    CommandRig() {
        Tick(0);
        platform.log.Clear();
    }

    // One tick with the stick centred and `buttons` held.
    void Tick(std::uint32_t buttons) {
        platform.joystick.Queue(JoystickSample{32768, 32768, 32768, buttons});
        poll.Timer1Timer();
    }

    fake::FakePlatform platform;
    Profile profile;
    EngineState state;
    RecordingOperations axes{platform.log};
    RecordingMainWindow window{platform.log};
    WindowFocus focus{platform.desktop};
    KeySender keys{platform.keyboard, platform.dialogs};
    ModeCommands commands{profile, state, focus, keys, platform.mouse, platform.processes};
    Dispatcher dispatcher{profile, state, window, platform.mouse, commands};
    PollCycle poll{profile,    state,    window, platform.joystick,
                   dispatcher, commands, axes,   platform.dialogs};
};

}  // namespace pultara::testing
