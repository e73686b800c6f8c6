#pragma once
#include <cstdint>

#include "ports/keyboard.h"

namespace pultara {

inline constexpr std::uint8_t kVkShift = 0x10;
inline constexpr std::uint8_t kVkControl = 0x11;
inline constexpr std::uint8_t kVkMenu = 0x12;  // Alt
inline constexpr std::uint8_t kVkReturn = 0x0D;
inline constexpr std::uint8_t kVkNumLock = 0x90;

// Modifier bits of a KeyCode's high byte.
inline constexpr std::uint16_t kKeyCodeShift = 0x0100;
inline constexpr std::uint16_t kKeyCodeControl = 0x0200;
inline constexpr std::uint16_t kKeyCodeAlt = 0x0400;

// Sends key strokes through the keyboard port: each event is followed by the
// keyboard-message pump, and keys of the extended set carry the extended flag.
class KeyStrokes {
public:
    explicit KeyStrokes(Keyboard& keyboard) : keyboard_(keyboard) {}

    // Presses a key `count` times; each press is followed by its release when
    // `withRelease` is set. Num Lock is toggled once, whatever the count.
    void PressKey(std::uint8_t virtualKey, std::uint16_t count, bool withRelease);
    // One key-up event of Shift, Ctrl or Alt.
    void ReleaseModifierKey(std::uint8_t virtualKey, std::uint32_t extraFlags = 0);
    // Types a KeyCode `count` times inside the modifiers its high byte asks
    // for: pressed Shift, Ctrl, Alt, and released in that same order. Ctrl
    // and Alt asked for together are marked as AltGr.
    void TypeKeyCode(std::uint16_t keyCode, std::uint16_t count);

private:
    void PressKey(std::uint8_t virtualKey, std::uint16_t count, bool withRelease,
                  std::uint32_t extraFlags);
    void EmitKeyEvent(std::uint8_t virtualKey, std::uint8_t scanCode, std::uint32_t flags);
    std::uint8_t ScanCode(std::uint8_t virtualKey);
    void ToggleNumLock();

    Keyboard& keyboard_;
};

}  // namespace pultara
