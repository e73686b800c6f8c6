#pragma once
#include "platform/fake/call_log.h"
#include "platform/fake/fake_desktop.h"
#include "platform/fake/fake_input.h"
#include "platform/fake/fake_system.h"
#include "platform/fake/fake_value_store.h"
#include "ports/platform.h"

namespace pultara::fake {

// Every platform service as a recording double, all writing to one log.
struct FakePlatform {
    CallLog log;
    FakeJoystick joystick{log};
    FakeKeyboard keyboard{log};
    FakeMouse mouse{log};
    FakeDesktop desktop{log};
    FakeProcesses processes{log};
    FakeMixer mixer{log};
    FakeValueStore store{log};
    FakeDialogs dialogs{log};
    FakeClock clock;

    Platform Services() {
        return Platform{joystick, keyboard, mouse,   desktop, processes,
                        mixer,    store,    dialogs, clock};
    }
};

}  // namespace pultara::fake
