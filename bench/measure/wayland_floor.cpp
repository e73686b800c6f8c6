// The floor of press-to-key on a Wayland compositor: "a" through the
// compositor's virtual keyboard from rest, with nothing of the program in
// between (the Wayland counterpart of xtest_floor.py). Sleeps 50 to 60 ms,
// notes "press", sends "a" down and up and flushes; pultara-wayland-target
// --clock 1 notes the arrivals, and analyse.py latency reads both logs.
//
//   wayland_floor COUNT EVENTS_LOG
#include <time.h>

#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

#include "platform/linux/wayland/virtual_keyboard.h"
#include "platform/linux/wayland/wayland_session.h"

namespace {

long long Now() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1'000'000'000LL + now.tv_nsec;
}

void SleepNanoseconds(long long nanoseconds) {
    const timespec wait{static_cast<time_t>(nanoseconds / 1'000'000'000LL),
                        static_cast<long>(nanoseconds % 1'000'000'000LL)};
    nanosleep(&wait, nullptr);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: wayland_floor COUNT EVENTS_LOG\n");
        return 2;
    }
    const int count = std::atoi(argv[1]);
    pultara::linux_wayland::WaylandSession session;
    pultara::linux_wayland::VirtualKeyboard keyboard(session);
    if (!keyboard.Available()) {
        std::fprintf(stderr, "wayland_floor: the compositor offers no virtual keyboard\n");
        return 1;
    }
    std::FILE* log = std::fopen(argv[2], "w");
    if (log == nullptr) {
        std::perror(argv[2]);
        return 1;
    }
    constexpr std::uint8_t kKeyA = 'A';
    const std::uint8_t scanCode = static_cast<std::uint8_t>(keyboard.ScanCodeForVirtualKey(kKeyA));
    std::mt19937 random(std::random_device{}());
    std::uniform_int_distribution<long long> pause(50'000'000LL, 60'000'000LL);
    for (int press = 0; press < count; ++press) {
        SleepNanoseconds(pause(random));
        std::fprintf(log, "%lld press\n", Now());
        keyboard.SendKeyEvent(kKeyA, scanCode, 0);
        keyboard.SendKeyEvent(kKeyA, scanCode, pultara::kKeyEventKeyUp);
    }
    // The compositor has handled every key before the keyboard goes.
    session.Roundtrip();
    std::fclose(log);
    return 0;
}
