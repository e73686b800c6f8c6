// Cost of interpreting KeyCommands, with a keyboard that only counts events,
// so that the figures show the interpreter's own work per event.
#include <benchmark/benchmark.h>

#include <string>

#include "../null_platform.h"
#include "actions/keysend/key_sender.h"
#include "platform/common/us_layout.h"

namespace pultara::bench {
namespace {

struct CountingKeyboard : Keyboard {
    void SendKeyEvent(std::uint8_t, std::uint8_t, std::uint32_t) override { ++events; }
    std::uint16_t KeyCodeForCharacter(char32_t c) override { return UsKeyCodeForCharacter(c); }
    std::uint32_t ScanCodeForVirtualKey(std::uint8_t vk) override {
        return UsScanCodeForVirtualKey(vk);
    }
    void PumpKeyboardMessages() override {}
    std::int64_t events = 0;
};

// A long command that uses every part of the language: text, prefixes,
// groups, named keys with counts, escapes.
std::string MixedCommand() {
    std::string command;
    for (int i = 0; i < 100; ++i) {
        command += "Hello, World! +(abc)^{F4}%{TAB 2}{{}{}}~{pgdn 3}{a}{NUM5}";
    }
    return command;
}

void Run(benchmark::State& run, const std::string& command) {
    CountingKeyboard keyboard;
    NullDialogs dialogs;
    KeySender sender(keyboard, dialogs);
    for (auto _ : run) {
        sender.SendKeys(command);
    }
    run.counters["events"] =
        benchmark::Counter(static_cast<double>(keyboard.events), benchmark::Counter::kIsRate);
    run.counters["command_chars"] = static_cast<double>(command.size());
}

void LongCommand(benchmark::State& run) {
    Run(run, MixedCommand());
}
BENCHMARK(LongCommand)->Unit(benchmark::kMicrosecond);

void LeftTimes65535(benchmark::State& run) {
    Run(run, "{LEFT 65535}");
}
BENCHMARK(LeftTimes65535)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace pultara::bench
