#include "actions/keysend/key_strokes.h"

#include <array>

#include "actions/keysend/key_name_table.h"

namespace pultara {

namespace {

struct ModifierBit {
    std::uint16_t bit;
    std::uint8_t virtualKey;
};

constexpr std::array<ModifierBit, 3> kModifierBits{{
    {kKeyCodeShift, kVkShift},
    {kKeyCodeControl, kVkControl},
    {kKeyCodeAlt, kVkMenu},
}};

}  // namespace

void KeyStrokes::PressKey(std::uint8_t virtualKey, std::uint16_t count, bool withRelease) {
    PressKey(virtualKey, count, withRelease, 0);
}

void KeyStrokes::PressKey(std::uint8_t virtualKey, std::uint16_t count, bool withRelease,
                          std::uint32_t extraFlags) {
    if (virtualKey == kVkNumLock) {
        ToggleNumLock();
        return;
    }
    const std::uint8_t scanCode = ScanCode(virtualKey);
    const std::uint32_t extended = (IsExtendedKey(virtualKey) ? kKeyEventExtended : 0) | extraFlags;
    for (unsigned i = 0; i < count; ++i) {
        EmitKeyEvent(virtualKey, scanCode, extended);
        if (withRelease) {
            EmitKeyEvent(virtualKey, scanCode, extended | kKeyEventKeyUp);
        }
    }
}

void KeyStrokes::ReleaseModifierKey(std::uint8_t virtualKey, std::uint32_t extraFlags) {
    EmitKeyEvent(virtualKey, ScanCode(virtualKey), kKeyEventKeyUp | extraFlags);
}

void KeyStrokes::TypeKeyCode(std::uint16_t keyCode, std::uint16_t count) {
    const bool altGr = (keyCode & kKeyCodeControl) != 0 && (keyCode & kKeyCodeAlt) != 0;
    const auto flagsOf = [altGr](const ModifierBit& modifier) -> std::uint32_t {
        return altGr && modifier.virtualKey != kVkShift ? kKeyEventAltGrPart : 0;
    };
    for (const ModifierBit& modifier : kModifierBits) {
        if (keyCode & modifier.bit) {
            PressKey(modifier.virtualKey, 1, false, flagsOf(modifier));
        }
    }
    PressKey(static_cast<std::uint8_t>(keyCode & 0xFF), count, true);
    for (const ModifierBit& modifier : kModifierBits) {
        if (keyCode & modifier.bit) {
            ReleaseModifierKey(modifier.virtualKey, flagsOf(modifier));
        }
    }
}

void KeyStrokes::EmitKeyEvent(std::uint8_t virtualKey, std::uint8_t scanCode, std::uint32_t flags) {
    keyboard_.SendKeyEvent(virtualKey, scanCode, flags);
    keyboard_.PumpKeyboardMessages();
}

std::uint8_t KeyStrokes::ScanCode(std::uint8_t virtualKey) {
    return static_cast<std::uint8_t>(keyboard_.ScanCodeForVirtualKey(virtualKey) & 0xFF);
}

// A real press and release of the Num Lock key: changing only this thread's
// copy of the key state would not switch Num Lock on the running system. The
// key is sent as extended, which is how the system itself reports it.
void KeyStrokes::ToggleNumLock() {
    const std::uint8_t scanCode = ScanCode(kVkNumLock);
    EmitKeyEvent(kVkNumLock, scanCode, kKeyEventExtended);
    EmitKeyEvent(kVkNumLock, scanCode, kKeyEventExtended | kKeyEventKeyUp);
}

}  // namespace pultara
