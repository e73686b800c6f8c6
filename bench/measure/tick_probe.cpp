// The core on the Linux back end, ticking on a precise timer, with an SDL
// virtual joystick that a second thread moves. It notes when it changes the
// joystick (and, with --tick-log, when each tick starts) on CLOCK_MONOTONIC,
// so that a script can set these against the moments key_clock received the
// keys. Needs an X display; prints nothing but the log.
//
//   tick_probe SCENARIO [--count N] [--seconds S] [--interval MS]
//              [--title TITLE] [--log FILE] [--tick-log FILE] [--seed N]
//              [--wake 1]
//
// With --wake 1 the poll sleeps while the core is at rest and the joystick
// thread wakes it through a stand-in for the joystick's input node.
//
//   presses  N presses of button 1, which types "a"
//   arrows   N deflections of X to its low end, bound to the arrow keys
//   pointer  X at full deflection for S seconds, bound to the pointer
//   rest     the joystick at rest for S seconds (idle cost)
//   timer    like rest, but only the timer runs, not the tick
//   random   S seconds of random input with buttons, modes and axes bound
#include <time.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "probe_rig.h"

using namespace pultara;
using namespace pultara::bench;

namespace {

struct Options {
    std::string scenario;
    long count = 1000;
    double seconds = 10;
    double intervalMs = 10;
    std::string title = "Pultara key clock";
    std::string log = "/dev/stdout";
    std::string tickLog;
    unsigned seed = 1;
    bool wake = false;
};

bool Parse(int argc, char** argv, Options& options) {
    if (argc < 2) {
        return false;
    }
    options.scenario = argv[1];
    for (int i = 2; i + 1 < argc; i += 2) {
        const std::string name = argv[i];
        const char* value = argv[i + 1];
        if (name == "--count") {
            options.count = std::atol(value);
        } else if (name == "--seconds") {
            options.seconds = std::atof(value);
        } else if (name == "--interval") {
            options.intervalMs = std::atof(value);
        } else if (name == "--title") {
            options.title = value;
        } else if (name == "--log") {
            options.log = value;
        } else if (name == "--tick-log") {
            options.tickLog = value;
        } else if (name == "--wake") {
            options.wake = std::atoi(value) != 0;
        } else if (name == "--seed") {
            options.seed = static_cast<unsigned>(std::atol(value));
        } else {
            return false;
        }
    }
    return true;
}

void SleepMs(double ms) {
    std::this_thread::sleep_for(std::chrono::microseconds(static_cast<long>(ms * 1000)));
}

constexpr std::uint32_t kCentre = 32768;
constexpr JoystickSample kRest{kCentre, kCentre, kCentre, 0};

// Button 1 types "a"; each press comes at a random phase of the tick.
void Presses(ProbeRig& rig, const Options& options, EventLog& log, std::mt19937& random) {
    rig.profile.SetButtonCommand(1, 1, "a");
    std::uniform_real_distribution<double> phase(0, options.intervalMs);
    // Long enough for a late tick to see both the press and the release.
    const double hold = std::max(options.intervalMs * 2.5, 20.0);
    for (long i = 0; i < options.count; ++i) {
        SleepMs(phase(random));
        log.Note("press");
        rig.SetJoystick({kCentre, kCentre, kCentre, 1});
        SleepMs(hold);
        rig.SetJoystick(kRest);
        SleepMs(hold);
    }
}

// X at its low end sends "{left}" on every tick; only the first key after
// each deflection counts.
void Arrows(ProbeRig& rig, const Options& options, EventLog& log, std::mt19937& random) {
    rig.profile.SetAxisListPosition(Axis::X, 7);
    std::uniform_real_distribution<double> phase(0, options.intervalMs);
    for (long i = 0; i < options.count; ++i) {
        SleepMs(phase(random));
        log.Note("deflect");
        rig.SetJoystick({0, kCentre, kCentre, 0});
        SleepMs(options.intervalMs * 1.5);
        rig.SetJoystick(kRest);
        SleepMs(options.intervalMs * 3);
    }
}

void Pointer(ProbeRig& rig, const Options& options, EventLog& log) {
    rig.profile.SetAxisListPosition(Axis::X, 11);
    log.Note("deflect");
    rig.SetJoystick({65535, kCentre, kCentre, 0});
    SleepMs(options.seconds * 1000);
    rig.SetJoystick(kRest);
    log.Note("rest");
}

void Rest(const Options& options) {
    SleepMs(options.seconds * 1000);
}

// Random input with every kind of binding of the running program: keys,
// repeating keys, mouse tokens, program starts, mode switches, global mouse
// buttons, arrow keys, pointer and volume. Ends at rest.
void Random(ProbeRig& rig, const Options& options, EventLog& log, std::mt19937& random) {
    BindEverything(rig.profile, options.title);
    std::uniform_int_distribution<std::uint32_t> buttons(0, 0xFFF);
    std::uniform_int_distribution<std::uint32_t> position(0, 65535);
    std::uniform_int_distribution<int> hold(1, 30);  // ticks
    std::bernoulli_distribution fewButtons(0.8);
    const auto end = std::chrono::steady_clock::now() +
                     std::chrono::milliseconds(static_cast<long>(options.seconds * 1000));
    long changes = 0;
    while (std::chrono::steady_clock::now() < end) {
        std::uint32_t mask = buttons(random);
        if (fewButtons(random)) {
            mask &= 1u << (mask % 12);  // mostly one button at a time
        }
        rig.SetJoystick({position(random), position(random), position(random), mask});
        ++changes;
        SleepMs(options.intervalMs * hold(random));
    }
    rig.SetJoystick(kRest);
    SleepMs(options.intervalMs * 5);
    log.Note("changes " + std::to_string(changes));
}

}  // namespace

int main(int argc, char** argv) {
    Options options;
    if (!Parse(argc, argv, options)) {
        std::fprintf(stderr,
                     "usage: tick_probe presses|arrows|pointer|rest|timer|random [--count N] "
                     "[--seconds S] [--interval MS] [--title T] [--log FILE] [--tick-log FILE] "
                     "[--seed N] [--wake 1]\n");
        return 2;
    }
    ProbeRig rig;
    if (!rig.Ready()) {
        std::fprintf(stderr, "tick_probe: needs an X display and SDL's virtual joystick\n");
        return 1;
    }
    rig.profile.SetUpdateInterval(static_cast<std::uint32_t>(options.intervalMs));
    rig.profile.SetTitle(1, options.title);
    rig.SetJoystick(kRest);

    EventLog log(options.log);
    rig.mouse.SetLog(&log);
    rig.keyboard.SetLog(&log);
    std::mt19937 random(options.seed);
    std::atomic<bool> done{false};
    JoystickSignal signal;
    if (options.wake) {
        rig.signal = &signal;
    }
    std::thread stimulus([&] {
        SleepMs(200);  // the first ticks hide the window and settle
        if (options.scenario == "presses") {
            Presses(rig, options, log, random);
        } else if (options.scenario == "arrows") {
            Arrows(rig, options, log, random);
        } else if (options.scenario == "pointer") {
            Pointer(rig, options, log);
        } else if (options.scenario == "random") {
            Random(rig, options, log, random);
        } else {
            Rest(options);
        }
        done = true;
        signal.Raise();  // a sleeping poll sees the end
    });
    TickTimes ticks;
    TickTimes* tickLog = options.tickLog.empty() ? nullptr : &ticks;
    if (options.wake) {
        RunTicksWaking(rig, options.intervalMs, done, tickLog, signal);
    } else {
        RunTicks(rig, options.intervalMs, done, tickLog, options.scenario != "timer");
    }
    stimulus.join();
    // Before anything is released on the way out: what the server holds down.
    log.Note("keys-down " + rig.KeysDown());
    rig.mouse.SetLog(nullptr);
    rig.keyboard.SetLog(nullptr);
    if (!options.tickLog.empty()) {
        WriteTicks(ticks, options.tickLog);
    }
    return 0;
}
