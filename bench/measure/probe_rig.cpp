#include "probe_rig.h"

#include <X11/XKBlib.h>
#include <fcntl.h>
#include <poll.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>

#include "engine/rest_rule.h"
#include "platform/linux/input_wake.h"
#include "ui/poll_sleep.h"

namespace pultara::bench {

long long MonotonicNs() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return ts.tv_sec * 1000000000LL + ts.tv_nsec;
}

void NotingMouse::SendButtonEvent(std::uint32_t flags) {
    std::string boxes;
    for (bool checked : state_.buttonChecked) {
        boxes += checked ? '1' : '0';
    }
    char text[64];
    std::snprintf(text, sizeof text, "mouse 0x%04X mode %d boxes %s", flags, state_.activeMode,
                  boxes.c_str());
    if (log_ != nullptr) {
        log_->Note(text);
    }
    inner_.SendButtonEvent(flags);
}

void NotingKeyboard::SendKeyEvent(std::uint8_t virtualKey, std::uint8_t scanCode,
                                  std::uint32_t flags) {
    inner_.SendKeyEvent(virtualKey, scanCode, flags);
    if (log_ != nullptr && (flags & kKeyEventKeyUp) == 0) {
        log_->Note("sent");
    }
}

bool ProbeRig::Ready() const {
    return (platform.x.display() != nullptr || linux_x11::IsWaylandSession()) &&
           platform.joystick.Available() && stick.Attached();
}

std::string ProbeRig::KeysDown() {
    Display* display = platform.x.display();
    std::string names;
    if (display == nullptr) {
        return names;
    }
    char keys[32] = {};
    XQueryKeymap(display, keys);
    for (int code = 0; code < 256; ++code) {
        if ((keys[code / 8] >> (code % 8)) & 1) {
            const KeySym keysym = XkbKeycodeToKeysym(display, static_cast<KeyCode>(code), 0, 0);
            const char* name = XKeysymToString(keysym);
            names += std::string(names.empty() ? "" : " ") + (name != nullptr ? name : "?");
        }
    }
    Window root = 0, child = 0;
    int x = 0, y = 0, wx = 0, wy = 0;
    unsigned mask = 0;
    XQueryPointer(display, platform.x.root(), &root, &child, &x, &y, &wx, &wy, &mask);
    for (unsigned button = 1; button <= 5; ++button) {
        if (mask & (Button1Mask << (button - 1))) {
            names += std::string(names.empty() ? "" : " ") + "Button" + std::to_string(button);
        }
    }
    return names;
}

void BindEverything(Profile& profile, const std::string& title) {
    static const char* const kCommands[] = {"a",     "{ENTER}", "+(ab)^c",  "#x",
                                            "!true", "{MCL}q",  "{left 3}", "{MCR}{MCM}w"};
    for (int mode = 1; mode <= kModeCount; ++mode) {
        profile.SetTitle(mode, mode == 3 ? "no window has this title" : title);
        profile.SetCommand(mode, "/bin/true");  // opened when the window is missing
        profile.SetEnsureFocus(mode, mode % 2 == 0);
        // Buttons 7, 8 and 12 are global mouse buttons and keep no command:
        // a repeating command on such a button would hold its mouse button
        // down (its release is never dispatched).
        for (int button = 1; button <= 6; ++button) {
            profile.SetButtonCommand(mode, button, kCommands[(button + mode) % 8]);
        }
        profile.SetSwitchButton(mode, mode == 4 ? 0 : 8 + mode);  // buttons 9, 10, 11
    }
    profile.SetMouseButton(GlobalMouseButton::Left, 12);
    profile.SetMouseButton(GlobalMouseButton::Middle, 8);
    profile.SetMouseButton(GlobalMouseButton::Right, 7);
    profile.SetAxisListPosition(Axis::X, 7);   // arrow keys
    profile.SetAxisListPosition(Axis::Y, 13);  // pointer, vertical
    profile.SetAxisListPosition(Axis::Z, 1);   // volume
}

EventLog::EventLog(const std::string& path) : file_(std::fopen(path.c_str(), "w")) {}

EventLog::~EventLog() {
    if (file_ != nullptr) {
        std::fclose(file_);
    }
}

void EventLog::NoteAt(long long at, const std::string& what) {
    std::lock_guard lock(mutex_);
    if (file_ != nullptr) {
        std::fprintf(file_, "%lld %s\n", at, what.c_str());
    }
}

namespace {

timespec ToTimespec(long long ns) {
    return timespec{static_cast<time_t>(ns / 1000000000LL), static_cast<long>(ns % 1000000000LL)};
}

}  // namespace

void RunTicks(ProbeRig& rig, double intervalMs, const std::atomic<bool>& done, TickTimes* ticks,
              bool runCore) {
    const auto period = static_cast<long long>(intervalMs * 1e6);
    constexpr long long kSettingsPeriod = 5000000000LL;
    long long next = MonotonicNs();
    long long nextSettings = next + kSettingsPeriod;
    while (!done) {
        next += period;
        const timespec wake = ToTimespec(next);
        clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &wake, nullptr);
        const long long started = MonotonicNs();
        if (ticks != nullptr) {
            ticks->push_back(started);
        }
        if (runCore) {
            rig.poll.Timer1Timer();
        }
        if (runCore && started >= nextSettings) {
            rig.platform.processes.SetPriority(ProcessPriority::Normal);
            nextSettings = started + kSettingsPeriod;
        }
        if (started - next > period) {
            next = started;  // far behind: go on from now
        }
    }
}

JoystickSignal::JoystickSignal() {
    int ends[2] = {-1, -1};
    if (pipe2(ends, O_CLOEXEC | O_NONBLOCK) == 0) {
        read_ = ends[0];
        write_ = ends[1];
    }
}

JoystickSignal::~JoystickSignal() {
    for (int fd : {read_, write_}) {
        if (fd >= 0) {
            close(fd);
        }
    }
}

void ProbeRig::SetJoystick(const JoystickSample& sample) {
    stick.Set(sample);
    if (signal != nullptr) {
        signal->Raise();
    }
}

void JoystickSignal::Raise() const {
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = write(write_, &byte, 1);
}

std::string JoystickSignal::NodePath() const {
    return "/proc/self/fd/" + std::to_string(read_);
}

void RunTicksWaking(ProbeRig& rig, double intervalMs, const std::atomic<bool>& done,
                    TickTimes* ticks, const JoystickSignal& signal) {
    const auto period = static_cast<long long>(intervalMs * 1e6);
    constexpr long long kSettingsPeriod = 5000000000LL;
    linux_x11::InputWake input;
    if (!input.WatchNode(signal.NodePath())) {
        std::fprintf(stderr, "tick_probe: cannot open %s\n", signal.NodePath().c_str());
        return;
    }
    PollSleep sleep({[&rig] {
                         return IsAtRest(rig.profile, rig.state, rig.poll.Axes(), rig.state.sample,
                                         rig.window.IsMainWindowVisible());
                     },
                     [] { return true; },
                     [] { return static_cast<std::uint64_t>(MonotonicNs() / 1000000); }});
    long long next = MonotonicNs();
    long long nextSettings = next + kSettingsPeriod;
    while (!done) {
        if (sleep.Asleep()) {
            const long long timeout = (nextSettings - MonotonicNs()) / 1000000;
            pollfd node{input.NodeFd(), POLLIN, 0};
            if (poll(&node, 1, static_cast<int>(std::max(timeout, 0LL))) > 0) {
                input.DrainNode();
                sleep.JoystickSignal();
                next = MonotonicNs();  // tick now, the cadence from here
            }
        } else {
            next += period;
            const timespec wake = ToTimespec(next);
            clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &wake, nullptr);
        }
        const long long started = MonotonicNs();
        if (started >= nextSettings) {
            rig.platform.processes.SetPriority(ProcessPriority::Normal);
            nextSettings = started + kSettingsPeriod;
        }
        if (sleep.Asleep()) {
            continue;  // the settings cycle only
        }
        if (ticks != nullptr) {
            ticks->push_back(started);
        }
        rig.poll.Timer1Timer();
        sleep.AfterTick();
        if (started - next > period) {
            next = started;
        }
    }
}

void WriteTicks(const TickTimes& ticks, const std::string& path) {
    if (FILE* file = std::fopen(path.c_str(), "w")) {
        for (long long at : ticks) {
            std::fprintf(file, "%lld\n", at);
        }
        std::fclose(file);
    }
}

}  // namespace pultara::bench
