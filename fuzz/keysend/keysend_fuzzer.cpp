// Feeds arbitrary KeyCommands to the interpreter. The input up to the first
// newline is the command; the rest, if any, is a command that runs inside
// every error box the first one opens, as a poll tick would. Oracle: besides
// no crash and no hang, after each command every key that went down has come
// up, and no second error box ever opens inside the first.
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "actions/keysend/key_sender.h"
#include "platform/common/us_layout.h"

namespace {

using namespace pultara;

// Keeps the slowest inputs (many "{LEFT 65535}") to a fraction of a second.
constexpr std::size_t kMaxInput = 1024;
// Inputs that send more than a few thousand key presses are still
// checked but not kept, so that mutations start from quick inputs.
constexpr long kKeptEventBudget = 20000;

struct TrackingKeyboard : Keyboard {
    void SendKeyEvent(std::uint8_t virtualKey, std::uint8_t, std::uint32_t flags) override {
        down[virtualKey] = (flags & kKeyEventKeyUp) == 0;
        ++events;
    }
    std::uint16_t KeyCodeForCharacter(char32_t c) override { return UsKeyCodeForCharacter(c); }
    std::uint32_t ScanCodeForVirtualKey(std::uint8_t vk) override {
        return UsScanCodeForVirtualKey(vk);
    }
    void PumpKeyboardMessages() override {}

    bool AnyDown() const {
        for (bool isDown : down) {
            if (isDown)
                return true;
        }
        return false;
    }
    std::array<bool, 256> down{};
    long events = 0;
};

struct NestingDialogs : Dialogs {
    void ShowMessage(const std::string&, const std::string&, MessageIcon) override {
        if (++open > 1) {
            std::abort();  // an error box opened inside another one
        }
        if (sender != nullptr && !nested.empty()) {
            try {
                sender->SendKeys(nested);
            } catch (const KeyCommandError&) {
            }
        }
        --open;
    }
    void ShowApplicationError(const std::string&) override {}

    KeySender* sender = nullptr;
    std::string nested;
    int open = 0;
};

}  // namespace

// Puts the run's defaults ahead of the caller's flags, so that a flag given
// on the command line still wins.
extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    static std::vector<char*> args;
    static std::string maxLen = "-max_len=" + std::to_string(kMaxInput);
    static std::string timeout = "-timeout=10";
    static std::string dict = "-dict=" KEYSEND_FUZZ_DICTIONARY;
    args.assign(*argv, *argv + *argc);
    args.insert(args.begin() + 1, {maxLen.data(), timeout.data(), dict.data()});
    args.push_back(nullptr);
    *argc = static_cast<int>(args.size() - 1);
    *argv = args.data();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > kMaxInput) {
        return 0;
    }
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::size_t newline = input.find('\n');
    TrackingKeyboard keyboard;
    NestingDialogs dialogs;
    KeySender sender(keyboard, dialogs);
    dialogs.sender = &sender;
    if (newline != std::string_view::npos) {
        dialogs.nested = std::string(input.substr(newline + 1));
    }
    try {
        sender.SendKeys(std::string(input.substr(0, newline)));
    } catch (const KeyCommandError&) {
    }
    if (keyboard.AnyDown() || dialogs.open != 0) {
        std::abort();  // a key left down after the command
    }
    return keyboard.events > kKeptEventBudget ? -1 : 0;
}
