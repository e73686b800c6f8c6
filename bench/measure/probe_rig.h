#pragma once
// The running program's core on the Linux back end, without a window: the
// poll tick with the real dispatcher, mode commands, key interpreter and
// axis outputs, read from an SDL virtual joystick.
#include <atomic>
#include <cstdio>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

#include "actions/keysend/key_sender.h"
#include "actions/keysend/window_focus.h"
#include "actions/mode_commands.h"
#include "axis/axis_outputs.h"
#include "engine/dispatcher.h"
#include "engine/poll_cycle.h"
#include "null_platform.h"
#include "platform/linux/linux_platform.h"
#include "platform/linux/sdl_virtual_joystick.h"
#include "platform/linux/session_ports.h"

namespace pultara::bench {

long long MonotonicNs();

// Moments noted from any thread, written to a file as they come, so that a
// long run holds none of them in memory (its memory must stay flat).
class EventLog {
public:
    explicit EventLog(const std::string& path);
    ~EventLog();
    EventLog(const EventLog&) = delete;
    EventLog& operator=(const EventLog&) = delete;
    void Note(const std::string& what) { NoteAt(MonotonicNs(), what); }
    void NoteAt(long long at, const std::string& what);

private:
    std::mutex mutex_;
    std::FILE* file_ = nullptr;
};

// Passes mouse calls on to the back end and notes each button event (with
// the dispatcher's state of the button boxes) in the log, so that a button
// left down can be traced to its cause.
class NotingMouse : public Mouse {
public:
    NotingMouse(Mouse& inner, const EngineState& state) : inner_(inner), state_(state) {}
    void SendButtonEvent(std::uint32_t flags) override;
    bool GetCursorPos(PointerPosition& p) override { return inner_.GetCursorPos(p); }
    void SetCursorPos(PointerPosition p) override { inner_.SetCursorPos(p); }
    void SetLog(EventLog* log) { log_ = log; }

private:
    Mouse& inner_;
    const EngineState& state_;
    EventLog* log_ = nullptr;
};

// Passes key events on to the back end and notes the moment each key-down
// left the program (after the back end flushed it), so that a latency can be
// split into the program's own work and the X server's delivery.
class NotingKeyboard : public Keyboard {
public:
    explicit NotingKeyboard(Keyboard& inner) : inner_(inner) {}
    void SendKeyEvent(std::uint8_t virtualKey, std::uint8_t scanCode, std::uint32_t flags) override;
    std::uint16_t KeyCodeForCharacter(char32_t character) override {
        return inner_.KeyCodeForCharacter(character);
    }
    std::uint32_t ScanCodeForVirtualKey(std::uint8_t virtualKey) override {
        return inner_.ScanCodeForVirtualKey(virtualKey);
    }
    void PumpKeyboardMessages() override { inner_.PumpKeyboardMessages(); }
    void SetLog(EventLog* log) { log_ = log; }

private:
    Keyboard& inner_;
    EventLog* log_ = nullptr;
};

class JoystickSignal;

struct ProbeRig {
    bool Ready() const;
    // Safe from another thread than the ticking one; raises `signal` when
    // the poll sleeps at rest.
    void SetJoystick(const JoystickSample& sample);
    const JoystickSignal* signal = nullptr;
    // Keys and mouse buttons the X server holds down right now, by name
    // (empty on a Wayland session: no program can ask there).
    std::string KeysDown();

    linux_x11::LinuxPlatform platform;
    // Keys, mouse and windows of the session, X11's or Wayland's, as the
    // program picks them.
    linux_session::SessionPorts session{platform};
    linux_x11::SdlVirtualJoystick stick;
    NullDialogs dialogs;
    NullWindow window;
    Profile profile;
    EngineState state;
    NotingMouse mouse{session.mouse(), state};
    WindowFocus focus{session.desktop()};
    NotingKeyboard keyboard{session.keyboard()};
    KeySender keys{keyboard, dialogs};
    ModeCommands commands{profile, state, focus, keys, mouse, platform.processes};
    AxisOutputs axes{profile, state, platform.mixer, mouse, platform.processes};
    Dispatcher dispatcher{profile, state, window, mouse, commands};
    PollCycle poll{profile, state, window, platform.joystick, dispatcher, commands, axes, dialogs};
};

// Bindings of every kind: key commands (plain, repeating, with mouse tokens,
// program starts) in all four modes, mode switches, the three global mouse
// buttons, and the axes on arrow keys, pointer and volume. `title` is the
// window the modes type into.
void BindEverything(Profile& profile, const std::string& title);

using TickTimes = std::vector<long long>;

// Runs the poll tick every `intervalMs` on an absolute monotonic timer until
// `done`; a late tick does not cause a burst of catch-up ticks. Lowers the
// process priority every five seconds as the settings timer does. Notes the
// start of each tick in `ticks` when given. Without `runCore` only the timer
// runs: the floor that any program waking at this rate pays.
void RunTicks(ProbeRig& rig, double intervalMs, const std::atomic<bool>& done, TickTimes* ticks,
              bool runCore = true);
// The same poll with sleeping at rest: after a tick at rest it waits for
// `wake`, the program's stand-in for the joystick's input node (a pipe that
// the thread moving the joystick writes to after each change), then ticks
// at once and takes up the cadence from there.
class JoystickSignal {
public:
    JoystickSignal();
    ~JoystickSignal();
    JoystickSignal(const JoystickSignal&) = delete;
    JoystickSignal& operator=(const JoystickSignal&) = delete;
    // From the thread that moved the joystick.
    void Raise() const;
    // The node the sleeping poll opens and waits on.
    std::string NodePath() const;

private:
    int read_ = -1;
    int write_ = -1;
};
void RunTicksWaking(ProbeRig& rig, double intervalMs, const std::atomic<bool>& done,
                    TickTimes* ticks, const JoystickSignal& signal);
void WriteTicks(const TickTimes& ticks, const std::string& path);

}  // namespace pultara::bench
